// Faults from outside, end to end with the shipped tools and the local
// server: each run must end in the right state, with its log and one history
// record, and leave no process behind.
#include "support/CoordinatorFixture.h"
#include "support/LocalMediaServer.h"
#include "support/TestSupport.h"

#include "process/ProcessRunner.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/mount.h>

using namespace TestSupport;

namespace {

QString shippedResources()
{
    return QDir(buildToolsDirectory()).absoluteFilePath("..");
}

class FaultInjection : public ::testing::Test
{
protected:
    void start(qint64 throttle = 0, DownloadCoordinator::Timing timing = {})
    {
        server = std::make_unique<LocalMediaServer>(LocalMediaServer::Options{throttle});
        ASSERT_TRUE(server->isReady()) << server->errorString().toStdString();
        fixture = std::make_unique<CoordinatorFixture>(shippedResources(), timing);
        fixture->settings->setKeepFailedTasks(true);
    }

    DownloadJobPtr download(const QString &path)
    {
        fixture->coordinator->addURLs(server->url(path));
        return fixture->coordinator->queue().jobs().last();
    }

    void expectEndedWithOneRecord(const DownloadJobPtr &job, DownloadStatus status,
                                  std::optional<DownloadErrorCategory> category)
    {
        ASSERT_TRUE(fixture->waitForEnd(job, 90s));
        EXPECT_EQ(job->status(), status) << job->logLines().join('\n').toStdString();
        EXPECT_EQ(job->errorCategory(), category) << job->logLines().join('\n').toStdString();
        ASSERT_EQ(fixture->history().size(), 1);
        EXPECT_EQ(fixture->history()[0].finalStatusRaw, DownloadStatuses::rawValue(status));
        EXPECT_TRUE(waitUntil([&] { return processesMatching(server->baseUrl()).isEmpty(); }, 5s))
            << "a tool of this run is still running";
    }

    std::unique_ptr<LocalMediaServer> server;
    std::unique_ptr<CoordinatorFixture> fixture;
};

// Every answer cut short: yt-dlp tries again from where it got and gives
// up; the user reads a network failure and yt-dlp's reason.
TEST_F(FaultInjection, ServerClosesTheConnectionMidBody)
{
    start();
    const auto job = download("/close-mid-body");
    expectEndedWithOneRecord(job, DownloadStatus::failed, DownloadErrorCategory::network);
    EXPECT_FALSE(job->errorReason().isEmpty()) << job->logLines().join('\n').toStdString();
}

TEST_F(FaultInjection, ServerStopsSendingAndTheJobIsFlaggedStalled)
{
    start(0, {std::chrono::milliseconds(100), std::chrono::milliseconds(1500)});
    const auto job = download("/stall-mid-body");
    ASSERT_TRUE(waitUntil([&] { return job->status() == DownloadStatus::downloading; }, 30s));
    ASSERT_TRUE(waitUntil([&] { return job->stalled(); }, 20s));
    EXPECT_EQ(job->status(), DownloadStatus::downloading) << "a stalled job keeps running";

    fixture->coordinator->cancel(job);
    expectEndedWithOneRecord(job, DownloadStatus::cancelled, DownloadErrorCategory::cancelled);
}

TEST_F(FaultInjection, ToolKilledWithSigkill)
{
    start(16 * 1024);
    const auto job = download(LocalMediaServer::kVideoPath);
    ASSERT_TRUE(waitUntil([&] { return job->downloadedBytes() > 0 && job->runner(); }, 30s));
    ::kill(static_cast<pid_t>(job->runner()->processId()), SIGKILL);
    expectEndedWithOneRecord(job, DownloadStatus::failed, DownloadErrorCategory::unknown);
    EXPECT_FALSE(job->logLines().isEmpty());
}

// A small file system of our own, when the machine lets us mount one (it
// takes CAP_SYS_ADMIN: root on a machine, or in a container given that
// capability).
class ScratchMount
{
public:
    // Whether mounting works here at all: a trial mount in a scratch folder.
    static bool possible()
    {
        const QTemporaryDir trial;
        return trial.isValid() && ScratchMount(trial.path(), "size=4k").mounted();
    }

    ScratchMount(const QString &path, const QByteArray &options)
        : m_path(QFile::encodeName(path))
    {
        QDir().mkpath(path);
        m_mounted = ::mount("tmpfs", m_path.constData(), "tmpfs", 0, options.constData()) == 0;
    }
    ~ScratchMount()
    {
        if (m_mounted)
            ::umount2(m_path.constData(), MNT_DETACH);
    }
    bool mounted() const { return m_mounted; }
    bool remountReadOnly() const
    {
        return ::mount("tmpfs", m_path.constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

private:
    QByteArray m_path;
    bool m_mounted = false;
};

TEST_F(FaultInjection, OutputFolderOnAFullFileSystem)
{
    if (!ScratchMount::possible())
        GTEST_SKIP() << "no permission to mount a small file system here";
    start();
    ScratchMount mount(fixture->outputFolder(), "size=48k");
    ASSERT_TRUE(mount.mounted());
    const auto job = download(LocalMediaServer::kVideoPath);
    expectEndedWithOneRecord(job, DownloadStatus::failed, DownloadErrorCategory::diskFull);
}

TEST_F(FaultInjection, OutputFolderOnAReadOnlyFileSystem)
{
    if (!ScratchMount::possible())
        GTEST_SKIP() << "no permission to mount a small file system here";
    start();
    ScratchMount mount(fixture->outputFolder(), "size=1m");
    ASSERT_TRUE(mount.mounted());
    ASSERT_TRUE(mount.remountReadOnly());
    const auto job = download(LocalMediaServer::kVideoPath);
    expectEndedWithOneRecord(job, DownloadStatus::failed, DownloadErrorCategory::permissionDenied);
}

TEST(FaultInjectionTools, BrokenToolsFolders)
{
    struct Case
    {
        const char *name;
        std::function<void(const QString &toolPath)> breakTool;
    };
    const QList<Case> cases = {
        {"missing", [](const QString &) {}},
        {"not executable",
         [](const QString &path) {
             QFile file(path);
             file.open(QIODevice::WriteOnly);
             file.write("#!/bin/sh\necho '{}'\n");
         }},
        {"not a program",
         [](const QString &path) {
             QFile file(path);
             file.open(QIODevice::WriteOnly);
             file.write(QByteArray(4096, '\x7f'));
             file.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
         }},
    };
    for (const Case &c : cases) {
        QTemporaryDir resources;
        QDir(resources.path()).mkpath("Tools");
        c.breakTool(resources.filePath("Tools/yt-dlp"));
        CoordinatorFixture f(resources.path());
        f.coordinator->addURLs("https://media.test/v");
        const auto job = f.jobAt(0);
        ASSERT_TRUE(f.waitForEnd(job)) << c.name;
        EXPECT_EQ(job->status(), DownloadStatus::failed) << c.name;
        EXPECT_EQ(job->errorCategory(), DownloadErrorCategory::toolMissing) << c.name;
        EXPECT_EQ(f.history().size(), 1) << c.name;
    }
}

} // namespace
