#include "engine/DownloadJob.h"
#include "engine/OutputFiles.h"
#include "engine/StallMonitor.h"

#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

DownloadJobPtr jobWithId(const QString &mediaId, DownloadStatus status = DownloadStatus::downloading)
{
    auto job = DownloadJob::create("https://media.test/v", MediaKind::video, VideoQuality::best, AudioFormat::best,
                                   SubtitleMode::none, QString());
    if (!mediaId.isNull()) {
        MediaMetadata metadata;
        metadata.id = mediaId;
        metadata.title = "Clip";
        job->setMetadata(metadata);
    }
    job->setStatus(status);
    return job;
}

class OutputFolder
{
public:
    QString path() const { return dir.path(); }

    QString file(const QString &name, qint64 size = 10, std::optional<QDateTime> modified = std::nullopt)
    {
        QFile f(dir.filePath(name));
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.resize(size);
        if (modified)
            f.setFileTime(*modified, QFileDevice::FileModificationTime);
        return f.fileName();
    }

    QTemporaryDir dir;
};

TEST(OutputFiles, CandidatesSkipSidecarsOldFilesAndOtherMedia)
{
    OutputFolder folder;
    const QDateTime start = QDateTime::currentDateTime().addSecs(-60);
    const QString video = folder.file("Clip [abc123].mp4");
    folder.file("Clip [abc123].en.vtt");
    folder.file("Clip [abc123].JPG");
    folder.file("Clip [abc123].mp4.part");
    folder.file("Clip [abc123].info.json");
    folder.file("Other [zzz999].mp4");
    folder.file(".Clip [abc123].mp4");
    folder.file("Old [abc123].mkv", 10, start.addSecs(-3600));

    EXPECT_EQ(OutputFiles::candidateOutputFiles(folder.path(), "abc123", start), QStringList{video});
    EXPECT_TRUE(OutputFiles::candidateOutputFiles(folder.path(), "", start).isEmpty());
    EXPECT_TRUE(OutputFiles::candidateOutputFiles(folder.path(), "ABC123", start).isEmpty());
    EXPECT_TRUE(OutputFiles::candidateOutputFiles(folder.path() + "/missing", "abc123", start).isEmpty());
}

TEST(OutputFiles, ResolvesOnlyASingleCandidate)
{
    OutputFolder folder;
    auto job = jobWithId("abc123", DownloadStatus::completed);
    job->setStartedAt(QDateTime::currentDateTime().addSecs(-10));
    const QString video = folder.file("Clip [abc123].mp4");
    folder.file("Clip [abc123].en.vtt");

    OutputFiles::resolveFinalOutputPath(*job, folder.path());
    EXPECT_EQ(job->outputPath(), video);
    EXPECT_EQ(job->outputFilename(), "Clip [abc123].mp4");

    folder.file("Clip [abc123].m4a");
    job->setOutputFilename("kept");
    OutputFiles::resolveFinalOutputPath(*job, folder.path());
    EXPECT_EQ(job->outputPath(), "") << "two candidates are never guessed between";
    EXPECT_EQ(job->outputFilename(), "kept");

    auto withoutMetadata = jobWithId(QString(), DownloadStatus::completed);
    OutputFiles::resolveFinalOutputPath(*withoutMetadata, folder.path());
    EXPECT_EQ(withoutMetadata->outputPath(), "");
}

TEST(OutputFiles, CurrentSizeIsTheLargestMatchingFile)
{
    OutputFolder folder;
    folder.file("Clip [abc123].f137.mp4.part", 5000);
    folder.file("Clip [abc123].f140.m4a", 300);
    folder.file("Other [zzz].mp4", 9000);

    auto job = jobWithId("abc123");
    EXPECT_EQ(OutputFiles::currentOutputSize(*job, folder.path()), 5000);
    EXPECT_EQ(OutputFiles::currentOutputSize(*jobWithId(QString()), folder.path()), 9000)
        << "without metadata every file counts";
    EXPECT_EQ(OutputFiles::currentOutputSize(*jobWithId("nomatch"), folder.path()), 0);
    EXPECT_EQ(OutputFiles::currentOutputSize(*job, folder.path() + "/missing"), std::nullopt);

    job->setOutputPath(folder.file("Final [abc123].mp4", 123));
    EXPECT_EQ(OutputFiles::currentOutputSize(*job, folder.path()), 123);
}

TEST(StallMonitor, FlagsSilenceLongerThanTheTimeout)
{
    OutputFolder folder;
    StallMonitor monitor([&](const DownloadJob &) { return folder.path(); }, 5s, 120s);
    const QDateTime now = QDateTime::currentDateTime();

    struct Case
    {
        const char *name;
        std::optional<QDateTime> lastActivity;
        bool expected;
    };
    const QList<Case> cases = {
        {"no activity yet", std::nullopt, true},
        {"exactly at the timeout", now.addSecs(-120), false},
        {"just past the timeout", now.addMSecs(-120500), true},
        {"recent line", now.addSecs(-3), false},
    };
    for (const Case &c : cases) {
        auto job = jobWithId("abc123");
        job->setLastActivityAt(c.lastActivity);
        monitor.check(*job, now);
        EXPECT_EQ(job->stalled(), c.expected) << c.name;
    }
}

TEST(StallMonitor, GrowingPartialFileIsActivity)
{
    OutputFolder folder;
    StallMonitor monitor([&](const DownloadJob &) { return folder.path(); }, 5s, 120s);
    auto job = jobWithId("abc123");
    job->setStalled(true);
    folder.file("Clip [abc123].mp4.part", 4096);

    monitor.check(*job);
    EXPECT_FALSE(job->stalled());
    EXPECT_EQ(job->lastCheckedFileSize(), 4096);
    ASSERT_TRUE(job->lastActivityAt());

    job->setLastActivityAt(QDateTime::currentDateTime().addSecs(-200));
    monitor.check(*job);
    EXPECT_TRUE(job->stalled()) << "no growth since the last check";
}

TEST(StallMonitor, EveryRunningJobIsWatchedOnItsOwn)
{
    OutputFolder folder;
    StallMonitor monitor([&](const DownloadJob &) { return folder.path(); }, 20ms, 120s);
    auto first = jobWithId("first");
    auto second = jobWithId("second");
    monitor.watch(first);
    monitor.watch(second);

    // Both silent from the start: both get flagged.
    EXPECT_TRUE(waitUntil([&] { return first->stalled() && second->stalled(); }, 2s));

    first->setStatus(DownloadStatus::completed);
    EXPECT_TRUE(waitUntil([&] { return !monitor.isWatching(*first); }, 2s)) << "an ended job is let go";
    EXPECT_TRUE(monitor.isWatching(*second));
    EXPECT_TRUE(monitor.isRunning());

    second->setStalled(false);
    EXPECT_TRUE(waitUntil([&] { return second->stalled(); }, 2s)) << "the other job is still checked";

    monitor.unwatch(*second);
    EXPECT_FALSE(monitor.isRunning());
}

} // namespace
