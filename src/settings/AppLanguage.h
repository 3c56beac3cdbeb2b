#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

// The interface language. Raw texts equal the case names and are stored in
// the settings; they must never change.
enum class AppLanguage { system, english, simplifiedChinese, traditionalChinese };

namespace AppLanguages {

// Every case, in the order the language picker shows them.
const QList<AppLanguage> &all();

QString rawValue(AppLanguage language);

// Exact, case-sensitive match on the raw text; anything else gives nothing.
std::optional<AppLanguage> fromRawValue(QStringView raw);

// The locale name handed to the interface ("en", "zh-Hans", "zh-Hant");
// nothing for `system`, which follows the user's current locale.
std::optional<QString> localeName(AppLanguage language);

// The picker text: "System Default" is translated, the language names are
// written in their own language and never translated.
QString label(AppLanguage language);

} // namespace AppLanguages
