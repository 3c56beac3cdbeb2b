#include "ui/shell/Language.h"

#include "settings/AppLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace Language {

QLocale localeFor(const QString &storedLanguage)
{
    const auto language = AppLanguages::fromRawValue(storedLanguage);
    const auto name = language ? AppLanguages::localeName(*language) : std::nullopt;
    if (!name)
        return QLocale::system();
    if (*name == QLatin1String("zh-Hans"))
        return QLocale(QLocale::Chinese, QLocale::SimplifiedHanScript, QLocale::China);
    if (*name == QLatin1String("zh-Hant"))
        return QLocale(QLocale::Chinese, QLocale::TraditionalHanScript, QLocale::Taiwan);
    return QLocale(*name);
}

int install(QCoreApplication &application, const QLocale &locale)
{
    QLocale::setDefault(locale);
    int installed = 0;
    const auto load = [&](const QString &name, const QString &directory) {
        auto *translator = new QTranslator(&application);
        if (translator->load(locale, name, QStringLiteral("_"), directory)
            && QCoreApplication::installTranslator(translator)) {
            ++installed;
        } else {
            delete translator;
        }
    };
    load(QStringLiteral("tarvelle"), QStringLiteral(":/i18n"));
    load(QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return installed;
}

} // namespace Language
