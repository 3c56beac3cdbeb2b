#include "ui/shell/Language.h"

#include <gtest/gtest.h>

namespace {

struct LocaleCase
{
    const char *stored;
    std::optional<QLocale> expected; // nothing: the user's current locale
};

class LanguageLocaleTest : public ::testing::TestWithParam<LocaleCase>
{
};

TEST_P(LanguageLocaleTest, StoredLanguageGivesTheLocale)
{
    const QLocale locale = Language::localeFor(QString::fromUtf8(GetParam().stored));
    const QLocale expected = GetParam().expected.value_or(QLocale::system());
    EXPECT_EQ(locale.language(), expected.language());
    EXPECT_EQ(locale.script(), expected.script());
}

INSTANTIATE_TEST_SUITE_P(
    Values, LanguageLocaleTest,
    ::testing::Values(LocaleCase{"english", QLocale(QLocale::English)},
                      LocaleCase{"simplifiedChinese", QLocale(QLocale::Chinese, QLocale::SimplifiedHanScript, QLocale::China)},
                      LocaleCase{"traditionalChinese", QLocale(QLocale::Chinese, QLocale::TraditionalHanScript, QLocale::Taiwan)},
                      LocaleCase{"system", std::nullopt}, LocaleCase{"", std::nullopt},
                      LocaleCase{"klingon", std::nullopt}, LocaleCase{"English", std::nullopt}));

} // namespace
