#include "settings/AppConfiguration.h"
#include "tools/UpdateHint.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QDate kToday(2026, 12, 11);

} // namespace

// Only failures an old yt-dlp may cause, and only past 60 days.
TEST(UpdateHint, ForTheFailuresANewerYtDlpMayMend)
{
    using Category = DownloadErrorCategory;
    struct Case
    {
        Category category;
        std::optional<QDate> released;
        std::optional<int> expected;
    };
    const QList<Case> cases{
        {Category::unsupportedURL, kToday.addDays(-61), 61},
        {Category::unavailable, kToday.addDays(-400), 400},
        {Category::botVerification, kToday.addDays(-61), 61},
        {Category::unknown, kToday.addDays(-1378), 1378},
        {Category::unknown, kToday.addDays(-60), std::nullopt},
        {Category::unknown, kToday, std::nullopt},
        {Category::unknown, std::nullopt, std::nullopt},
        {Category::network, kToday.addDays(-400), std::nullopt},
        {Category::diskFull, kToday.addDays(-400), std::nullopt},
        {Category::toolCorrupted, kToday.addDays(-400), std::nullopt},
        {Category::cancelled, kToday.addDays(-400), std::nullopt},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(UpdateHint::helpfulAge(c.category, c.released, kToday), c.expected)
            << DownloadErrorCategories::rawValue(c.category).toStdString() << " "
            << (c.released ? c.released->toString(Qt::ISODate).toStdString() : "no date");
    }
    EXPECT_EQ(UpdateHint::text(61), "yt-dlp is 61 days old; updating it often fixes this");
    EXPECT_EQ(UpdateHint::commandLineText(61),
              "yt-dlp is 61 days old; updating it often fixes this: tarvelle-cli tools update");
}

// The age comes from the release date the manifest lists for the yt-dlp in
// use: an old one gets the hint beneath the tool's words, a fresh one none.
TEST(UpdateHint, FromTheListedReleaseOfTheYtDlpInUse)
{
    QTemporaryDir userTools;
    AppConfiguration::ScopedUserToolsDirectory noUserCopies(userTools.path());
    const QDate today = QDate::currentDate();
    for (const int age : {100, 5}) {
        QTemporaryDir resources;
        AppConfiguration::ScopedResourcesDirectory scope(resources.path());
        QFile manifest(QDir(resources.path()).filePath("manifest.json"));
        ASSERT_TRUE(manifest.open(QIODevice::WriteOnly));
        manifest.write(R"({"schemaVersion": 1, "tools": [{"name": "yt-dlp", "version": ")"
                       + today.addDays(-age).toString("yyyy.MM.dd").toUtf8() + R"(", "sha256": "x"}]})");
        manifest.close();

        const QString reason = UpdateHint::appendedTo("Unsupported URL: https://a.example/", DownloadErrorCategory::unsupportedURL);
        if (age == 100) {
            EXPECT_EQ(UpdateHint::ageIfHelpful(DownloadErrorCategory::unsupportedURL), 100);
            EXPECT_EQ(reason, "Unsupported URL: https://a.example/\nyt-dlp is 100 days old; updating it often fixes this");
        } else {
            EXPECT_EQ(UpdateHint::ageIfHelpful(DownloadErrorCategory::unsupportedURL), std::nullopt);
            EXPECT_EQ(reason, "Unsupported URL: https://a.example/");
        }
        EXPECT_EQ(UpdateHint::appendedTo("", DownloadErrorCategory::network), "");
    }
}
