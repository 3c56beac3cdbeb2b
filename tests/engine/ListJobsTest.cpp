#include "engine/ListJobs.h"

#include <gtest/gtest.h>

namespace {

// Two entries with pages of their own, two that live on the list's page.
MediaList fourEntries()
{
    MediaList list;
    list.id = QStringLiteral("mix");
    list.title = QStringLiteral("Morning Mix");
    list.uploader = QStringLiteral("Radio");
    list.webpageUrl = QStringLiteral("https://media.test/mix");
    list.entries = {
        {1, QStringLiteral("First"), 61.0, QStringLiteral("https://media.test/1.jpg"), QStringLiteral("https://media.test/v/1"), false},
        {2, QStringLiteral("Second"), std::nullopt, std::nullopt, QStringLiteral("https://media.test/mix"), true},
        {3, QStringLiteral("Third"), 5.5, std::nullopt, QStringLiteral("https://media.test/mix"), true},
        {4, QStringLiteral("Fourth"), 3600.0, std::nullopt, QStringLiteral("https://media.test/v/4"), false},
    };
    return list;
}

} // namespace

TEST(ListJobs, OneJobPerChosenEntryWithItsPlaceAndTheOptions)
{
    struct Case
    {
        const char *name;
        QList<int> indices;
        QList<int> made;
    };
    const QList<Case> cases{
        {"all", {1, 2, 3, 4}, {1, 2, 3, 4}},
        {"some", {2, 4}, {2, 4}},
        {"numbers the list does not have", {0, 3, 5, -1}, {3}},
        {"none", {}, {}},
    };
    const MediaList list = fourEntries();
    ListJobs::Options options;
    options.mediaType = MediaKind::audio;
    options.audioFormat = AudioFormat::m4a;
    options.videoQuality = VideoQuality::p480;
    options.subtitleMode = SubtitleMode::original;
    options.subtitleLang = QStringLiteral("de");
    options.advanced.skipDownloaded = true;
    options.advanced.proxy = QStringLiteral("http://proxy.test:3128");

    for (const Case &c : cases) {
        const QList<DownloadJobPtr> jobs = ListJobs::create(list, c.indices, options);
        ASSERT_EQ(jobs.size(), c.made.size()) << c.name;
        for (qsizetype i = 0; i < jobs.size(); ++i) {
            const DownloadJob &job = *jobs.at(i);
            const MediaListEntry &entry = list.entries.at(c.made.at(i) - 1);
            EXPECT_EQ(job.url(), entry.url) << c.name;
            EXPECT_EQ(job.listPlacement(), (ListPlacement{"Morning Mix", entry.index, entry.fetchFromList})) << c.name;
            // The entry's title is shown until the run describes the job.
            EXPECT_EQ(job.title(), entry.title) << c.name;
            ASSERT_TRUE(job.metadata().has_value()) << c.name;
            EXPECT_EQ(job.metadata()->duration, entry.duration) << c.name;
            EXPECT_EQ(job.metadata()->thumbnail, entry.thumbnail) << c.name;
            EXPECT_EQ(job.metadata()->uploader, "Radio") << c.name;
            EXPECT_TRUE(job.metadata()->id.isEmpty()) << c.name;
            EXPECT_EQ(job.mediaType(), MediaKind::audio) << c.name;
            EXPECT_EQ(job.audioFormat(), AudioFormat::m4a) << c.name;
            EXPECT_EQ(job.videoQuality(), VideoQuality::p480) << c.name;
            EXPECT_EQ(job.subtitleMode(), SubtitleMode::original) << c.name;
            EXPECT_EQ(job.subtitleLang(), "de") << c.name;
            EXPECT_EQ(job.advancedOptions(), options.advanced) << c.name;
        }
    }
}
