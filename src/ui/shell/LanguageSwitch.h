#pragma once

#include <QString>

// Changes the interface language of the running application: the
// translators installed for the previous language are removed and those of
// the new one installed, so every open widget receives a LanguageChange and
// shows the new language at once.
namespace LanguageSwitch {

// `storedLanguage`: the raw text of an AppLanguage (anything else means
// the user's current locale). Needs a QCoreApplication.
void apply(const QString &storedLanguage);

} // namespace LanguageSwitch
