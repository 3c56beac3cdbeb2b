#include "engine/DownloadJob.h"

#include <gtest/gtest.h>

namespace {

DownloadJobPtr makeJob(const QString &url = QStringLiteral("https://example.com/watch?v=1"))
{
    return DownloadJob::create(url, MediaKind::video, VideoQuality::p1080, AudioFormat::best,
                               SubtitleMode::none, QStringLiteral("en"));
}

} // namespace

TEST(DownloadJob, StartsInItsInitialState)
{
    const QDateTime before = QDateTime::currentDateTime();
    const DownloadJobPtr job = makeJob();
    EXPECT_FALSE(job->id().isNull());
    EXPECT_EQ(job->url(), QStringLiteral("https://example.com/watch?v=1"));
    EXPECT_EQ(job->status(), DownloadStatus::queued);
    EXPECT_FALSE(job->metadata().has_value());
    EXPECT_FALSE(job->progress().has_value());
    EXPECT_TRUE(job->speed().isEmpty());
    EXPECT_EQ(job->downloadedBytes(), 0);
    EXPECT_TRUE(job->logLines().isEmpty());
    EXPECT_GE(job->createdAt(), before);
    EXPECT_FALSE(job->finishedAt().has_value());
    EXPECT_EQ(job->mediaType(), MediaKind::video);
    EXPECT_EQ(job->videoQuality(), VideoQuality::p1080);
    EXPECT_EQ(job->subtitleLang(), QStringLiteral("en"));
    EXPECT_EQ(job->runner(), nullptr);
    EXPECT_NE(makeJob()->id(), job->id());
}
