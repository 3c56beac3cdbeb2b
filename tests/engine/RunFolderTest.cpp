// A run keeps to the folder it started in: the stall check and the search for
// the final file look there whatever the setting says meanwhile, and a job
// that comes back after a restart goes back to its folder.
#include "support/CoordinatorFixture.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

// Prints a progress line naming its file, waits for a cue, then writes the
// file into the folder it runs in without saying where (so the coordinator
// has to find it).
const QByteArray kDownload =
    R"(echo '__KVJSON__{"status": "downloading", "downloaded_bytes": 10, "total_bytes": 20, "filename": "'"$PWD"'/Clip [abc123].mp4"}')"
    "\nwhile [ ! -e \"$PWD/../go\" ]; do sleep 0.05; done\n"
    "printf 'media' > 'Clip [abc123].mp4'\n";

TEST(RunFolder, ChangingTheFolderSettingMidRunLeavesTheRunWhereItIs)
{
    FakeTools tools(kDownload);
    CoordinatorFixture f(tools.resourcesDirectory());
    const QString first = f.path("first");
    f.settings->setDefaultOutputDirectory(first);
    f.coordinator->addURLs(QStringLiteral("https://media.test/v"));
    const DownloadJobPtr job = f.jobAt(0);
    ASSERT_TRUE(waitUntil([&] { return job->downloadedBytes() == 10; }));
    EXPECT_EQ(job->outputDirectory(), first);
    EXPECT_EQ(job->downloadTargets(), QStringList{first + "/Clip [abc123].mp4"});

    f.settings->setDefaultOutputDirectory(f.path("second"));
    QFile(f.path("go")).open(QIODevice::WriteOnly);
    ASSERT_TRUE(f.waitForEnd(job));
    EXPECT_EQ(job->status(), DownloadStatus::completed);
    EXPECT_EQ(job->outputPath(), first + "/Clip [abc123].mp4");
}

// Queues a job as one restored after a restart comes: with a folder of its
// own, `folder`; its download may go on at once.
DownloadJobPtr queueRestoredJob(CoordinatorFixture &f, const QString &folder)
{
    QFile(f.path("go")).open(QIODevice::WriteOnly);
    QDir().mkpath(folder);
    const DownloadJobPtr job = DownloadJob::create(QStringLiteral("https://media.test/v"), MediaKind::video,
                                                   VideoQuality::best, AudioFormat::best, SubtitleMode::none,
                                                   QStringLiteral("en"));
    job->setOutputDirectory(folder);
    f.coordinator->queue().add(job);
    return job;
}

// A job that has its name goes on in its folder, after a restart and at a
// retry (its partial files are there); one that failed before it had a
// name starts again in the folder the setting names.
TEST(RunFolder, AJobWithAFolderOfItsOwnRunsThereAndARetryGoesOnThere)
{
    FakeTools tools(kDownload + "exit 1\n");
    CoordinatorFixture f(tools.resourcesDirectory());
    const QString own = f.path("own");
    const DownloadJobPtr job = queueRestoredJob(f, own);
    ASSERT_TRUE(f.waitForEnd(job));
    EXPECT_EQ(job->status(), DownloadStatus::failed);
    EXPECT_EQ(job->fileStem(), own + "/Clip [abc123]");
    EXPECT_TRUE(QFileInfo::exists(own + "/Clip [abc123].mp4"));
    EXPECT_FALSE(QFileInfo::exists(f.outputFolder() + "/Clip [abc123].mp4"));

    f.finished.clear();
    f.coordinator->retry(job);
    ASSERT_TRUE(f.waitForEnd(job));
    EXPECT_EQ(job->outputDirectory(), own);
    EXPECT_EQ(job->fileStem(), own + "/Clip [abc123]");
    EXPECT_FALSE(QFileInfo::exists(f.outputFolder() + "/Clip [abc123].mp4"));
    EXPECT_EQ(tools.runs().size(), 3) << "the retry needs no new name";
}

TEST(RunFolder, AJobThatFailedBeforeItHadANameRetriesInTheFolderOfTheSetting)
{
    QTemporaryDir flags;
    const QByteArray flag = flags.filePath("failed-once").toUtf8();
    FakeTools tools(kDownload, "if [ ! -e '" + flag + "' ]; then touch '" + flag + "'; echo 'ERROR: boom' >&2; exit 1; fi");
    CoordinatorFixture f(tools.resourcesDirectory());
    f.settings->setKeepFailedTasks(true);
    const QString own = f.path("own");
    const DownloadJobPtr job = queueRestoredJob(f, own);
    ASSERT_TRUE(f.waitForEnd(job));
    ASSERT_EQ(job->status(), DownloadStatus::failed);
    EXPECT_TRUE(job->fileStem().isEmpty());

    f.finished.clear();
    f.coordinator->retry(job);
    ASSERT_TRUE(f.waitForEnd(job));
    EXPECT_EQ(job->status(), DownloadStatus::completed) << job->logLines().join('\n').toStdString();
    EXPECT_EQ(job->outputDirectory(), f.outputFolder());
    EXPECT_TRUE(QFileInfo::exists(f.outputFolder() + "/Clip [abc123].mp4"));
}

} // namespace
