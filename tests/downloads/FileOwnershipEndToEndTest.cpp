// Every job owns its files: the shipped yt-dlp fetches one clip from the
// local server under several links at once, is stopped and resumed, and is
// removed while it runs.
#include "engine/DownloadQueue.h"
#include "engine/QueueEntry.h"
#include "engine/ReadableLogLine.h"
#include "support/CoordinatorFixture.h"
#include "support/LocalMediaServer.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <gtest/gtest.h>

#include <algorithm>

using namespace TestSupport;

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class FileOwnership : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QFileInfo(buildToolsDirectory() + "/yt-dlp").isExecutable())
            << "run scripts/bootstrap-tools.sh on the build tree first";
    }

    // A server that sends slowly enough for a job to be caught mid-way.
    void start(qint64 throttleBytesPerSecond)
    {
        server = std::make_unique<LocalMediaServer>(LocalMediaServer::Options{throttleBytesPerSecond});
        ASSERT_TRUE(server->isReady()) << server->errorString().toStdString();
        source = contents(server->mediaDirectory() + LocalMediaServer::kVideoPath);
        ASSERT_FALSE(source.isEmpty());
        fixture = makeFixture();
    }

    std::unique_ptr<CoordinatorFixture> makeFixture() const
    {
        auto made = std::make_unique<CoordinatorFixture>(QDir(buildToolsDirectory()).absoluteFilePath(".."));
        made->settings->setDefaultOutputDirectory(outputFolder());
        return made;
    }

    QString outputFolder() const { return m_output.path(); }

    // Every file in the output folder, hidden ones too.
    QStringList filesLeft() const
    {
        return QDir(outputFolder()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }

    // The requests for the clip that asked for a range from a later byte.
    QList<LocalMediaServer::ServedRequest> resumedRequests() const
    {
        QList<LocalMediaServer::ServedRequest> resumed;
        for (const auto &request : server->servedRequests()) {
            if (request.path.startsWith(LocalMediaServer::kVideoPath) && request.first > 0)
                resumed << request;
        }
        return resumed;
    }

    // Waits until the job has some of the clip, and not all of it.
    ::testing::AssertionResult partlyDownloaded(const DownloadJobPtr &job) const
    {
        if (!waitUntil([&] { return job->downloadedBytes() > 0; }, 60s))
            return ::testing::AssertionFailure() << "no progress; log:\n" << job->logLines().join('\n').toStdString();
        if (job->downloadedBytes() >= source.size())
            return ::testing::AssertionFailure() << "the whole clip came before the job could be stopped";
        return ::testing::AssertionSuccess();
    }

    QTemporaryDir m_output;
    std::unique_ptr<LocalMediaServer> server;
    QByteArray source;
    std::unique_ptr<CoordinatorFixture> fixture;
};

// Links that differ in a query parameter name the same clip, which yt-dlp
// names the same: each job still gets a file of its own, the whole clip.
TEST_F(FileOwnership, JobsOfOneClipUnderDifferentLinksEachGetAnIntactFileOfTheirOwn)
{
    for (const int count : {2, 3, 8}) {
        SCOPED_TRACE(count);
        start(200 * 1024);
        fixture->settings->setMaxConcurrentDownloads(count);
        QStringList links;
        for (int n = 1; n <= count; ++n)
            links << server->url(LocalMediaServer::kVideoPath + QStringLiteral("?n=%1").arg(n));
        fixture->coordinator->addURLs(links.join('\n'));
        const QList<DownloadJobPtr> jobs = fixture->coordinator->queue().jobs();
        ASSERT_EQ(jobs.size(), count);

        QSet<QString> outputs;
        for (const DownloadJobPtr &job : jobs) {
            ASSERT_TRUE(fixture->waitForEnd(job, 180s));
            EXPECT_EQ(job->status(), DownloadStatus::completed) << job->logLines().join('\n').toStdString();
            EXPECT_EQ(contents(job->outputPath()), source) << job->outputPath().toStdString();
            outputs.insert(job->outputPath());
        }
        EXPECT_EQ(outputs.size(), count);
        // The files, and nothing else: no partial file, no claim.
        EXPECT_EQ(filesLeft().size(), count) << filesLeft().join(", ").toStdString();
        const QList<DownloadHistory> records = fixture->history();
        EXPECT_EQ(std::count_if(records.begin(), records.end(),
                                [](const DownloadHistory &record) { return record.finalStatusRaw == "completed"; }),
                  count);
        for (const QString &name : filesLeft())
            QFile::remove(QDir(outputFolder()).filePath(name));
        fixture.reset();
    }
}

TEST_F(FileOwnership, CancelThenRetryGoesOnFromThePartialFileUnderTheSameName)
{
    start(60 * 1024);
    fixture->coordinator->addURLs(server->url(LocalMediaServer::kVideoPath));
    const DownloadJobPtr job = fixture->jobAt(0);
    ASSERT_TRUE(partlyDownloaded(job));
    const QString stem = job->fileStem();
    ASSERT_FALSE(stem.isEmpty());
    fixture->coordinator->cancel(job);
    ASSERT_TRUE(fixture->waitForEnd(job));
    ASSERT_TRUE(QFileInfo(stem + ".mp4.part").isFile()) << filesLeft().join(", ").toStdString();
    const qint64 partSize = QFileInfo(stem + ".mp4.part").size();

    fixture->coordinator->retry(job);
    ASSERT_TRUE(waitUntil([&] { return job->status() == DownloadStatus::completed; }, 120s))
        << job->logLines().join('\n').toStdString();
    EXPECT_EQ(job->fileStem(), stem);
    EXPECT_EQ(job->outputPath(), stem + ".mp4");
    EXPECT_EQ(contents(job->outputPath()), source);
    // The server logs a request once its answer has ended, which can be
    // just after the job.
    ASSERT_TRUE(waitUntil([&] { return !resumedRequests().isEmpty(); }, 10s));
    const auto resumed = resumedRequests();
    ASSERT_EQ(resumed.size(), 1);
    EXPECT_EQ(resumed.first().first, partSize);
    EXPECT_EQ(filesLeft(), QStringList{QFileInfo(stem).fileName() + ".mp4"});
    // The log is yt-dlp's: one line per line, none of our markers.
    ASSERT_FALSE(job->logLines().isEmpty());
    for (const QString &line : job->logLines()) {
        const QString shown = ReadableLogLine::of(line);
        EXPECT_FALSE(shown.contains("__KV_") || shown.contains('\r') || shown.contains('\n')) << shown.toStdString();
    }
}

// As after a restart: the kept entry of a running job, whose application
// went away mid-download, is a job that resumes its own partial file.
TEST_F(FileOwnership, ARestoredJobResumesItsOwnPartialFile)
{
    start(60 * 1024);
    fixture->coordinator->addURLs(server->url(LocalMediaServer::kVideoPath));
    const DownloadJobPtr job = fixture->jobAt(0);
    ASSERT_TRUE(partlyDownloaded(job));
    const QueueEntry kept = QueueEntry::of(*job);
    ASSERT_FALSE(kept.fileStem.isEmpty());
    fixture.reset();
    const QString part = kept.fileStem + ".mp4.part";
    ASSERT_TRUE(QFileInfo(part).isFile()) << filesLeft().join(", ").toStdString();
    const qint64 partSize = QFileInfo(part).size();

    // Another job of the clip comes first: the name is the restored job's.
    fixture = makeFixture();
    const DownloadJobPtr restored = QueueEntry::fromRow(kept.toRow(0))->makeJob();
    fixture->coordinator->queue().add(restored);
    fixture->coordinator->addURLs(server->url(LocalMediaServer::kVideoPath + QStringLiteral("?again")));
    const DownloadJobPtr other = fixture->jobAt(1);
    fixture->coordinator->queue().pump();
    ASSERT_TRUE(fixture->waitForEnd(restored, 120s));
    ASSERT_TRUE(fixture->waitForEnd(other, 120s));

    EXPECT_EQ(restored->status(), DownloadStatus::completed) << restored->logLines().join('\n').toStdString();
    EXPECT_EQ(restored->outputPath(), kept.fileStem + ".mp4");
    EXPECT_EQ(contents(restored->outputPath()), source);
    EXPECT_NE(other->outputPath(), restored->outputPath());
    EXPECT_EQ(contents(other->outputPath()), source);
    ASSERT_TRUE(waitUntil([&] { return !resumedRequests().isEmpty(); }, 10s));
    EXPECT_EQ(resumedRequests().first().first, partSize);
    EXPECT_EQ(filesLeft().size(), 2) << filesLeft().join(", ").toStdString();
}

TEST_F(FileOwnership, RemovingARunningJobStopsItAndRecordsNoCompletion)
{
    start(60 * 1024);
    fixture->coordinator->addURLs(server->url(LocalMediaServer::kVideoPath));
    const DownloadJobPtr job = fixture->jobAt(0);
    ASSERT_TRUE(partlyDownloaded(job));

    fixture->coordinator->remove(job, true);
    EXPECT_TRUE(waitUntil([&] { return fixture->coordinator->queue().jobs().isEmpty(); }, 30s));
    EXPECT_EQ(fixture->coordinator->runningCount(), 0);
    EXPECT_TRUE(waitUntil([&] { return processesMatching(server->baseUrl()).isEmpty(); }, 5s));
    const QList<DownloadHistory> records = fixture->history();
    ASSERT_EQ(records.size(), 1);
    EXPECT_EQ(records.first().finalStatusRaw, "cancelled");
    // Its partial file and its claim went with it.
    EXPECT_EQ(filesLeft(), QStringList{});
}

} // namespace
