// Whole downloads: the shipped yt-dlp and ffmpeg fetch media made with ffmpeg
// from a server on 127.0.0.1; the history is a real SQLite file and the
// notifications reach a recording server on a private session bus.
#include "DesktopRecorder.h"
#include "services/DesktopNotifier.h"
#include "services/NotificationService.h"
#include "support/CoordinatorFixture.h"
#include "support/LocalMediaServer.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

QString shippedResources()
{
    return QDir(buildToolsDirectory()).absoluteFilePath("..");
}

class DownloadEndToEnd : public ::testing::Test
{
protected:
    void start(qint64 throttleBytesPerSecond = 0)
    {
        server = std::make_unique<LocalMediaServer>(LocalMediaServer::Options{throttleBytesPerSecond});
        ASSERT_TRUE(server->isReady()) << server->errorString().toStdString();
        ASSERT_TRUE(desktop.serveNotifications(true));
        fixture = std::make_unique<CoordinatorFixture>(shippedResources(), DownloadCoordinator::Timing{},
                                                       &notifier);
    }

    DownloadJobPtr download(const QString &path)
    {
        fixture->coordinator->addURLs(server->url(path));
        return fixture->coordinator->queue().jobs().last();
    }

    QList<NotificationsRecorder::Notification> notifications() const
    {
        return desktop.notifications.notifications;
    }

    // `body`: the notification's text beneath the title; the job's title when not given.
    void expectRecordedAndAnnounced(const DownloadJobPtr &job, const QString &status, const QString &title,
                                    std::optional<QString> body = std::nullopt)
    {
        const auto records = fixture->history();
        ASSERT_EQ(records.size(), 1);
        EXPECT_EQ(records[0].uuid, job->id());
        EXPECT_EQ(records[0].finalStatusRaw, status);
        ASSERT_TRUE(waitUntil([&] { return notifications().size() == 1; }));
        EXPECT_EQ(notifications()[0].summary, title);
        EXPECT_EQ(notifications()[0].body, body.value_or(job->title()));
    }

    DesktopRecorder desktop;
    DesktopNotifier notifier{NotificationService::shared()};
    std::unique_ptr<LocalMediaServer> server;
    std::unique_ptr<CoordinatorFixture> fixture;
};

TEST_F(DownloadEndToEnd, VideoAtAHeightBoundArrivesAsMp4WithProgress)
{
    start(150 * 1024);
    fixture->settings->setDefaultVideoQualityRaw("p720");
    const auto job = download(LocalMediaServer::kVideoPath);
    qint64 largestSeen = 0;
    QObject::connect(job.get(), &DownloadJob::downloadedBytesChanged,
                     [&] { largestSeen = std::max(largestSeen, job->downloadedBytes()); });
    ASSERT_TRUE(fixture->waitForEnd(job, 60s));

    EXPECT_EQ(job->status(), DownloadStatus::completed) << job->logLines().join('\n').toStdString();
    EXPECT_GT(largestSeen, 0);
    EXPECT_TRUE(job->outputPath().endsWith(".mp4")) << job->outputPath().toStdString();
    EXPECT_GT(QFileInfo(job->outputPath()).size(), 10000);
    EXPECT_EQ(QFileInfo(job->outputPath()).absolutePath(), QDir(fixture->outputFolder()).absolutePath());
    expectRecordedAndAnnounced(job, "completed", "Download complete");
}

TEST_F(DownloadEndToEnd, PageListingSeveralVideosGivesOneJobAndOneFile)
{
    start();
    const auto job = download(LocalMediaServer::kPlaylistPath);
    ASSERT_TRUE(fixture->waitForEnd(job, 60s));
    EXPECT_EQ(job->status(), DownloadStatus::completed) << job->logLines().join('\n').toStdString();
    EXPECT_EQ(fixture->coordinator->queue().jobs().size(), 1);
    const QStringList files = QDir(fixture->outputFolder()).entryList(QDir::Files);
    ASSERT_EQ(files.size(), 1) << files.join(", ").toStdString();
    EXPECT_EQ(QFileInfo(job->outputPath()).fileName(), files.first());
    EXPECT_EQ(fixture->history().size(), 1);
}

TEST_F(DownloadEndToEnd, AudioIsConvertedToMp3)
{
    start();
    fixture->settings->setDefaultMediaTypeRaw("audio");
    fixture->settings->setDefaultAudioFormatRaw("mp3");
    const auto job = download(LocalMediaServer::kVideoPath);
    ASSERT_TRUE(fixture->waitForEnd(job, 60s));
    EXPECT_EQ(job->status(), DownloadStatus::completed) << job->logLines().join('\n').toStdString();
    EXPECT_TRUE(job->outputPath().endsWith(".mp3")) << job->outputPath().toStdString();
    EXPECT_GT(QFileInfo(job->outputPath()).size(), 1000);
    expectRecordedAndAnnounced(job, "completed", "Download complete");
}

TEST_F(DownloadEndToEnd, HlsStreamShowsFragments)
{
    start(100 * 1024);
    const auto job = download(LocalMediaServer::kHlsPath);
    qint64 fragmentsSeen = 0;
    QObject::connect(job.get(), &DownloadJob::fragmentCountChanged,
                     [&] { fragmentsSeen = std::max(fragmentsSeen, job->fragmentCount()); });
    ASSERT_TRUE(fixture->waitForEnd(job, 60s));
    EXPECT_EQ(job->status(), DownloadStatus::completed) << job->logLines().join('\n').toStdString();
    EXPECT_GE(fragmentsSeen, 2);
    EXPECT_TRUE(QFileInfo::exists(job->outputPath())) << job->outputPath().toStdString();
}

TEST_F(DownloadEndToEnd, MissingMediaFailsAsNetworkErrorAndRetrySucceedsOnceItExists)
{
    start();
    fixture->settings->setKeepFailedTasks(true);
    const auto job = download("/late.mp4");
    ASSERT_TRUE(fixture->waitForEnd(job, 60s));
    EXPECT_EQ(job->status(), DownloadStatus::failed);
    EXPECT_EQ(job->errorCategory(), DownloadErrorCategory::network) << job->logLines().join('\n').toStdString();
    EXPECT_EQ(job->errorSummary(), "A network error occurred.");
    EXPECT_EQ(job->errorReason(), "HTTP Error 404: Not Found") << job->logLines().join('\n').toStdString();
    EXPECT_FALSE(job->logLines().isEmpty());
    expectRecordedAndAnnounced(job, "failed", "Download failed",
                               job->title() + "\nA network error occurred.\nHTTP Error 404: Not Found");
    EXPECT_EQ(fixture->history().at(0).errorReason, "HTTP Error 404: Not Found");

    ASSERT_TRUE(QFile::copy(QDir(server->mediaDirectory()).filePath("video.mp4"),
                            QDir(server->mediaDirectory()).filePath("late.mp4")));
    fixture->finished.clear();
    fixture->coordinator->retry(job);
    ASSERT_TRUE(fixture->waitForEnd(job, 60s));
    EXPECT_EQ(job->status(), DownloadStatus::completed) << job->logLines().join('\n').toStdString();
    EXPECT_EQ(fixture->history().size(), 2);
}

TEST_F(DownloadEndToEnd, CancelInTheMiddleLeavesNoProcess)
{
    start(16 * 1024);
    const auto job = download(LocalMediaServer::kVideoPath);
    ASSERT_TRUE(waitUntil([&] { return job->downloadedBytes() > 0; }, 30s));
    ASSERT_FALSE(processesMatching(server->baseUrl()).isEmpty());

    fixture->coordinator->cancel(job);
    ASSERT_TRUE(fixture->waitForEnd(job, 10s));
    EXPECT_EQ(job->status(), DownloadStatus::cancelled);
    EXPECT_TRUE(waitUntil([&] { return processesMatching(server->baseUrl()).isEmpty(); }, 5s));
    EXPECT_EQ(fixture->history().size(), 1);
    EXPECT_EQ(fixture->history()[0].finalStatusRaw, "cancelled");
    // One bus connection delivers in order: a notification posted now arrives
    // after any the cancel posted, so once it is in, nothing came before it.
    NotificationService::shared().notify("Posted after the cancel", QString());
    ASSERT_TRUE(waitUntil([&] { return !notifications().isEmpty(); }));
    EXPECT_EQ(notifications()[0].summary.toStdString(), "Posted after the cancel") << "a cancel posts nothing";
}

TEST_F(DownloadEndToEnd, WithALimitOfOneTheSecondLinkWaits)
{
    start(100 * 1024);
    fixture->settings->setMaxConcurrentDownloads(1);
    fixture->coordinator->addURLs(server->url(LocalMediaServer::kVideoPath) + "\n"
                                  + server->url(LocalMediaServer::kHlsPath));
    const auto first = fixture->jobAt(0);
    const auto second = fixture->jobAt(1);
    EXPECT_EQ(second->status(), DownloadStatus::queued);
    ASSERT_TRUE(waitUntil([&] { return first->downloadedBytes() > 0; }, 30s));
    EXPECT_EQ(second->status(), DownloadStatus::queued);
    ASSERT_TRUE(fixture->waitForEnd(second, 90s));
    EXPECT_EQ(first->status(), DownloadStatus::completed);
    EXPECT_EQ(second->status(), DownloadStatus::completed);
    EXPECT_LE(*first->finishedAt(), *second->startedAt());
}

} // namespace
