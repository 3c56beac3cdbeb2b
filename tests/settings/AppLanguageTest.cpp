#include "settings/AppLanguage.h"

#include <gtest/gtest.h>

TEST(AppLanguage, CasesInPickerOrderWithTheirRawTexts)
{
    const QList<AppLanguage> expected{AppLanguage::system, AppLanguage::english,
                                      AppLanguage::simplifiedChinese, AppLanguage::traditionalChinese};
    EXPECT_EQ(AppLanguages::all(), expected);
    const QStringList raws{"system", "english", "simplifiedChinese", "traditionalChinese"};
    for (qsizetype i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(AppLanguages::rawValue(expected[i]), raws[i]);
        EXPECT_EQ(AppLanguages::fromRawValue(raws[i]), expected[i]);
    }
}

TEST(AppLanguage, OnlyExactRawTextsMatch)
{
    for (const char *text : {"System", " system", "system ", "English", "zh-Hans", ""})
        EXPECT_EQ(AppLanguages::fromRawValue(QString::fromUtf8(text)), std::nullopt) << text;
}

TEST(AppLanguage, LocalesAndLabels)
{
    EXPECT_EQ(AppLanguages::localeName(AppLanguage::system), std::nullopt);
    EXPECT_EQ(AppLanguages::localeName(AppLanguage::english), QStringLiteral("en"));
    EXPECT_EQ(AppLanguages::localeName(AppLanguage::simplifiedChinese), QStringLiteral("zh-Hans"));
    EXPECT_EQ(AppLanguages::localeName(AppLanguage::traditionalChinese), QStringLiteral("zh-Hant"));
    EXPECT_EQ(AppLanguages::label(AppLanguage::system), QStringLiteral("System Default"));
    EXPECT_EQ(AppLanguages::label(AppLanguage::english), QStringLiteral("English"));
    EXPECT_EQ(AppLanguages::label(AppLanguage::simplifiedChinese), QString::fromUtf8("简体中文"));
    EXPECT_EQ(AppLanguages::label(AppLanguage::traditionalChinese), QString::fromUtf8("繁體中文"));
}
