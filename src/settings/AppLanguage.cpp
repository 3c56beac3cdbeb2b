#include "settings/AppLanguage.h"

#include <QCoreApplication>

namespace AppLanguages {

const QList<AppLanguage> &all()
{
    static const QList<AppLanguage> cases{AppLanguage::system, AppLanguage::english,
                                          AppLanguage::simplifiedChinese,
                                          AppLanguage::traditionalChinese};
    return cases;
}

QString rawValue(AppLanguage language)
{
    switch (language) {
    case AppLanguage::system:
        return QStringLiteral("system");
    case AppLanguage::english:
        return QStringLiteral("english");
    case AppLanguage::simplifiedChinese:
        return QStringLiteral("simplifiedChinese");
    case AppLanguage::traditionalChinese:
        return QStringLiteral("traditionalChinese");
    }
    return {};
}

std::optional<AppLanguage> fromRawValue(QStringView raw)
{
    for (AppLanguage language : all()) {
        if (raw == rawValue(language))
            return language;
    }
    return std::nullopt;
}

std::optional<QString> localeName(AppLanguage language)
{
    switch (language) {
    case AppLanguage::system:
        return std::nullopt;
    case AppLanguage::english:
        return QStringLiteral("en");
    case AppLanguage::simplifiedChinese:
        return QStringLiteral("zh-Hans");
    case AppLanguage::traditionalChinese:
        return QStringLiteral("zh-Hant");
    }
    return std::nullopt;
}

QString label(AppLanguage language)
{
    switch (language) {
    case AppLanguage::system:
        return QCoreApplication::translate("AppLanguage", "System Default");
    case AppLanguage::english:
        return QStringLiteral("English");
    case AppLanguage::simplifiedChinese:
        return QStringLiteral("简体中文");
    case AppLanguage::traditionalChinese:
        return QStringLiteral("繁體中文");
    }
    return {};
}

} // namespace AppLanguages
