#pragma once

#include <QLocale>
#include <QString>

class QCoreApplication;

// The interface language: the locale that follows from the stored language
// setting, and the translators that make the window speak it.
namespace Language {

// "english" gives en, "simplifiedChinese" zh-Hans, "traditionalChinese"
// zh-Hant; "system", nothing stored (empty) and any other text give the
// user's current locale.
QLocale localeFor(const QString &storedLanguage);

// Makes `locale` the default locale and installs the application's
// translations for it (embedded under :/i18n, "tarvelle_<language>.qm") and
// Qt's own (standard dialogs). Missing translations leave the English texts.
// Returns how many translators were installed.
int install(QCoreApplication &application, const QLocale &locale);

} // namespace Language
