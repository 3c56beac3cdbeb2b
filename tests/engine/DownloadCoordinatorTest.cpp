#include "support/CoordinatorFixture.h"

#include "analysis/SavedInfo.h"
#include "engine/NameClaim.h"
#include "engine/ProgressParser.h"
#include "process/ProcessRunner.h"

#include "support/TestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

QByteArray progressLine(qint64 downloaded, qint64 total)
{
    return QStringLiteral(R"(__KVJSON__{"status": "downloading", "downloaded_bytes": %1, "total_bytes": %2, )"
                          R"("_speed_str": "1.00MiB/s", "_eta_str": "00:0%3", "filename": "Clip [abc123].mp4"})")
        .arg(downloaded)
        .arg(total)
        .arg(downloaded * 9 / total)
        .toUtf8();
}

QByteArray echoLine(const QByteArray &line)
{
    return "printf '%s\\n' '" + line + "'\n";
}

const QByteArray kCompletingDownload = echoLine(progressLine(1024, 4096)) + echoLine(progressLine(4096, 4096))
                                       + "printf 'media' > 'Clip [abc123].mp4'\n"
                                       + echoLine("[Merger] postprocess started")
                                       + "printf '__KV_FILEPATH__%s/Clip [abc123].mp4\\n' \"$PWD\"\n";

TEST(DownloadCoordinator, AddURLsMakesOneJobPerLineWithTheStoredDefaults)
{
    FakeTools tools("sleep 30");
    CoordinatorFixture f(tools.resourcesDirectory());
    f.settings->setDefaultMediaTypeRaw("audio");
    f.settings->setDefaultAudioFormatRaw("mp3");
    f.settings->setDefaultSubtitleModeRaw("original");
    f.settings->setDefaultSubtitleLang("de");
    f.settings->setMaxConcurrentDownloads(1);

    f.coordinator->addURLs("https://a.test/1\n\n  https://a.test/2  \n\t\r\nhttps://a.test/3\r\nnot a link\rhttps://a.test/5");
    const auto &jobs = f.coordinator->queue().jobs();
    QStringList urls;
    for (const auto &job : jobs)
        urls.append(job->url());
    EXPECT_EQ(urls, QStringList({"https://a.test/1", "https://a.test/2", "https://a.test/3", "not a link",
                                 "https://a.test/5"}));
    for (const auto &job : jobs) {
        EXPECT_EQ(job->mediaType(), MediaKind::audio);
        EXPECT_EQ(job->audioFormat(), AudioFormat::mp3);
        EXPECT_EQ(job->subtitleMode(), SubtitleMode::original);
        EXPECT_EQ(job->subtitleLang(), "de");
    }
    EXPECT_EQ(jobs[0]->status(), DownloadStatus::analyzing);
    EXPECT_EQ(jobs[1]->status(), DownloadStatus::queued) << "the stored limit of 1 is the queue's limit";

    f.settings->setMaxConcurrentDownloads(3);
    EXPECT_EQ(f.coordinator->queue().activeCount(), 3) << "raising the limit starts waiting jobs at once";
}

TEST(DownloadCoordinator, CompletedRunIsRecordedAndAnnounced)
{
    FakeTools tools(kCompletingDownload);
    CoordinatorFixture f(tools.resourcesDirectory());
    f.coordinator->addURLs("https://media.test/v");
    const auto job = f.jobAt(0);
    ASSERT_TRUE(f.waitForEnd(job));

    EXPECT_EQ(job->status(), DownloadStatus::completed);
    EXPECT_EQ(job->metadata()->id, "abc123");
    EXPECT_EQ(job->progress(), 1.0);
    EXPECT_EQ(job->downloadedBytes(), 4096);
    EXPECT_EQ(job->stage(), "merging");
    EXPECT_EQ(job->outputPath(), QDir(f.outputFolder()).filePath("Clip [abc123].mp4"));
    EXPECT_EQ(job->outputFilename(), "Clip [abc123].mp4");
    EXPECT_FALSE(job->errorCategory().has_value());
    EXPECT_EQ(job->runner(), nullptr);
    EXPECT_TRUE(job->finishedAt().has_value());

    const auto records = f.history();
    ASSERT_EQ(records.size(), 1);
    EXPECT_EQ(records[0].uuid, job->id());
    EXPECT_EQ(records[0].finalStatusRaw, "completed");
    EXPECT_EQ(records[0].finalFilePath, job->outputPath());
    EXPECT_EQ(f.notifier.posted, (QList<RecordingNotifier::Posted>{{"Download complete", "Clip <b>one</b>"}}));
    ASSERT_EQ(f.notifier.downloads.size(), 1);
    EXPECT_EQ(f.notifier.downloads[0].jobId, job->id());
    EXPECT_TRUE(f.notifier.downloads[0].completed);
    EXPECT_EQ(f.notifier.downloads[0].filePath, job->outputPath()) << "Open and Show in Folder reach the file";
}

// The name comes first: one yt-dlp process extracts the page, saves what it
// found privately and names the file (the job is analysing meanwhile); the
// name is the job's, and a second process loads the description and
// downloads under exactly that name, writing the description once more for
// the job's metadata. The files go when the job ends.
TEST(DownloadCoordinator, TheNameIsDecidedBeforeTheDownloadAndThePageExtractedOnce)
{
    FakeTools tools(kCompletingDownload);
    CoordinatorFixture f(tools.resourcesDirectory());
    f.coordinator->addURLs("https://media.test/v");
    const auto job = f.jobAt(0);
    EXPECT_EQ(job->status(), DownloadStatus::analyzing);
    std::optional<bool> describedWhenDownloading;
    QObject::connect(job.get(), &DownloadJob::statusChanged, [&] {
        if (job->status() == DownloadStatus::downloading && !describedWhenDownloading)
            describedWhenDownloading = job->metadata().has_value();
    });
    ASSERT_TRUE(f.waitForEnd(job));

    EXPECT_EQ(job->status(), DownloadStatus::completed);
    EXPECT_EQ(describedWhenDownloading, true);
    EXPECT_EQ(job->metadata()->title, "Clip <b>one</b>");
    const QString stem = QDir(f.outputFolder()).filePath("Clip [abc123]");
    EXPECT_EQ(job->fileStem(), stem);
    const QList<QStringList> runs = tools.runs();
    ASSERT_EQ(runs.size(), 2);
    EXPECT_FALSE(runs[0].contains("-J"));
    const qsizetype saved = runs[0].indexOf("--print-to-file");
    ASSERT_GE(saved, 0);
    EXPECT_FALSE(runs[0].contains("--load-info-json"));
    EXPECT_EQ(runs[1].value(runs[1].indexOf("--load-info-json") + 1), runs[0].value(saved + 2));
    EXPECT_EQ(runs[1].value(runs[1].indexOf("-o") + 1), stem + ".%(ext)s");
    EXPECT_EQ(job->savedInfo(), nullptr);
    EXPECT_TRUE(f.savedDescriptions().isEmpty()) << f.savedDescriptions().join(", ").toStdString();
    // Done with its name: no claim stays in the folder.
    EXPECT_EQ(QDir(f.outputFolder()).entryList(QDir::Hidden | QDir::Files | QDir::NoDotAndDotDot).filter(".tarvelle-claim"),
              QStringList());
}

// A job that comes with a description from a preview has yt-dlp load it,
// while it is fresh; an older one is left, and the page extracted again.
TEST(DownloadCoordinator, AFreshDescriptionFromAPreviewIsLoadedInsteadOfExtracting)
{
    struct Case
    {
        const char *name;
        std::chrono::seconds age;
        bool loaded;
    };
    const QList<Case> cases{
        {"fresh", std::chrono::seconds(0), true},
        {"stale", std::chrono::duration_cast<std::chrono::seconds>(SavedInfo::kFreshFor) + 1s, false},
    };
    for (const Case &c : cases) {
        FakeTools tools(kCompletingDownload);
        CoordinatorFixture f(tools.resourcesDirectory());
        const QString path = SavedInfo::newPath() + ".info.json";
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << c.name;
        file.write(kClipDescription);
        file.close();
        auto preview = SavedInfo::adopt(path, std::chrono::steady_clock::now() - c.age);

        auto job = DownloadJob::create("https://media.test/v", MediaKind::video, VideoQuality::best,
                                       AudioFormat::best, SubtitleMode::none, QString());
        job->setSavedInfo(preview);
        f.coordinator->queue().add(job);
        ASSERT_TRUE(f.waitForEnd(job)) << c.name;

        EXPECT_EQ(job->status(), DownloadStatus::completed) << c.name;
        const QList<QStringList> runs = tools.runs();
        ASSERT_EQ(runs.size(), 2) << c.name;
        // Deciding the name loads it or extracts the page; the download
        // loads what that left.
        const auto loaded = [](const QStringList &run) {
            const qsizetype at = run.indexOf("--load-info-json");
            return at < 0 ? QString() : run.value(at + 1);
        };
        EXPECT_EQ(loaded(runs[0]), c.loaded ? path : QString()) << c.name;
        EXPECT_EQ(runs[0].contains("--print-to-file"), !c.loaded) << c.name;
        EXPECT_FALSE(loaded(runs[1]).isEmpty()) << c.name;
        EXPECT_EQ(loaded(runs[1]) == path, c.loaded) << c.name;
        EXPECT_EQ(job->savedInfo(), nullptr) << c.name << ": the job lets go when it ends";
        EXPECT_TRUE(QFileInfo::exists(path)) << c.name << ": the preview still holds it";
        preview.reset();
        EXPECT_FALSE(QFileInfo::exists(path)) << c.name;
    }
}

// A saved description's media links refused (403/410: expired): one fresh
// extraction and a second try; the failure that counts is the last
// process's own. The description the name was decided from counts as saved.
TEST(DownloadCoordinator, RefusedMediaLinksOfASavedDescriptionAreExtractedAfreshOnce)
{
    const QByteArray refused = "echo 'ERROR: unable to download video data: HTTP Error 403: Forbidden'; exit 1";
    struct Case
    {
        const char *name;
        bool saved;
        QByteArray fresh; // what a process that extracts the page does
        DownloadStatus status;
        std::optional<DownloadErrorCategory> category;
        int runs;
    };
    const QList<Case> cases{
        {"the fresh links work", true, kCompletingDownload, DownloadStatus::completed, std::nullopt, 3},
        {"refused again", true, refused, DownloadStatus::failed, DownloadErrorCategory::loginRequired, 3},
        {"another failure then", true,
         "echo; echo 'ERROR: unable to download video data: HTTP Error 404: Not Found'; exit 1",
         DownloadStatus::failed, DownloadErrorCategory::network, 3},
        {"extracted while deciding the name", false, refused, DownloadStatus::failed,
         DownloadErrorCategory::loginRequired, 3},
    };
    for (const Case &c : cases) {
        FakeTools tools("case \"$*\" in *--load-info-json*) " + refused + ";; esac\n" + c.fresh);
        CoordinatorFixture f(tools.resourcesDirectory());
        f.settings->setKeepFailedTasks(true);
        auto job = DownloadJob::create("https://media.test/v", MediaKind::audio, VideoQuality::best, AudioFormat::mp3,
                                       SubtitleMode::none, QString());
        if (c.saved)
            job->setSavedInfo(SavedInfo::write(kClipDescription));
        f.coordinator->queue().add(job);
        ASSERT_TRUE(f.waitForEnd(job)) << c.name;

        EXPECT_EQ(job->status(), c.status) << c.name << "\n" << job->logLines().join('\n').toStdString();
        EXPECT_EQ(job->errorCategory(), c.category) << c.name;
        const QList<QStringList> runs = tools.runs();
        ASSERT_EQ(runs.size(), c.runs) << c.name;
        EXPECT_FALSE(runs.last().contains("--load-info-json")) << c.name << ": the last one extracts afresh";
        EXPECT_TRUE(runs.last().contains("mp3")) << c.name << ": with the options chosen";
        EXPECT_TRUE(f.savedDescriptions().isEmpty()) << c.name;
    }
}

// The name yt-dlp would write is held by a file on disk: this link's earlier
// download (the history says so) completes the job with a note and no
// download; another link's file, or one of unknown origin, is never written
// over: the job downloads under the first free "name (N)".
TEST(DownloadCoordinator, ANameTakenOnDiskIsNeverWrittenOver)
{
    const QByteArray download = "printf media > 'Clip [abc123] (2).mp4'\n"
                                "echo \"__KV_FILEPATH__$PWD/Clip [abc123] (2).mp4\"";
    struct Case
    {
        const char *name;
        QString earlierLink; // of the history record for the file; empty for none
        int numberedTaken;   // "(2)" ... "(N)" on disk too
        DownloadStatus status;
        QString note;
        QString file;
        int runs;
    };
    const QList<Case> cases{
        {"this link's earlier download", "https://media.test/v", 0, DownloadStatus::completed,
         "Already downloaded: the file from an earlier download of this link is kept.", "Clip [abc123].mp4", 1},
        {"another link's file", "https://media.test/other", 0, DownloadStatus::completed,
         "Saved under a new name: a file of the same name from another link is kept.", "Clip [abc123] (2).mp4", 2},
        {"a file of unknown origin", "", 0, DownloadStatus::completed,
         "Saved under a new name: a file of the same name from another link is kept.", "Clip [abc123] (2).mp4", 2},
        {"every numbered name taken too", "https://media.test/other", NameClaim::kMostNumber, DownloadStatus::failed,
         "", "", 1},
    };
    for (const Case &c : cases) {
        FakeTools tools(download);
        CoordinatorFixture f(tools.resourcesDirectory());
        ASSERT_TRUE(QDir().mkpath(f.outputFolder()));
        const QString existing = QDir(f.outputFolder()).filePath("Clip [abc123].mp4");
        QFile file(existing);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << c.name;
        file.write("earlier");
        file.close();
        for (int number = 2; number <= c.numberedTaken; ++number) {
            QFile numbered(QDir(f.outputFolder()).filePath(QStringLiteral("Clip [abc123] (%1).mkv").arg(number)));
            ASSERT_TRUE(numbered.open(QIODevice::WriteOnly));
        }
        if (!c.earlierLink.isEmpty()) {
            DownloadHistory earlier;
            earlier.uuid = QUuid::createUuid();
            earlier.sourceURL = c.earlierLink;
            earlier.title = "Clip";
            earlier.mediaTypeRaw = "video";
            earlier.selectedQuality = "best";
            earlier.startedAt = QDateTime::currentDateTimeUtc();
            earlier.finalFilePath = existing;
            earlier.finalStatusRaw = "completed";
            f.historyStore->add(earlier);
        }

        f.settings->setKeepFailedTasks(true);
        f.coordinator->addURLs("https://media.test/v");
        const auto job = f.jobAt(0);
        ASSERT_TRUE(f.waitForEnd(job)) << c.name;

        EXPECT_EQ(job->status(), c.status) << c.name << "\n" << job->logLines().join('\n').toStdString();
        EXPECT_EQ(job->note(), c.note) << c.name;
        EXPECT_EQ(job->outputFilename(), c.file) << c.name;
        EXPECT_EQ(tools.runs().size(), c.runs) << c.name;
        if (c.runs == 2) {
            EXPECT_TRUE(tools.runs()[1].contains("--load-info-json")) << c.name << ": one extraction per job";
            EXPECT_EQ(tools.runs()[1].value(tools.runs()[1].indexOf("-o") + 1),
                      QDir(f.outputFolder()).filePath("Clip [abc123] (2).%(ext)s"))
                << c.name;
        }
        if (c.status == DownloadStatus::failed) {
            EXPECT_EQ(job->errorSummary(),
                      "A file of the same name from another link is in the way; nothing was downloaded.")
                << c.name;
        }
        QFile kept(existing);
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly)) << c.name;
        EXPECT_EQ(kept.readAll(), "earlier") << c.name << ": the file already there is never touched";
        EXPECT_EQ(f.history().first().finalStatusRaw, DownloadStatuses::rawValue(c.status)) << c.name;
        EXPECT_TRUE(f.savedDescriptions().isEmpty()) << c.name;
    }
}

// Remove asks the coordinator: a running job stops, is recorded as
// cancelled, never completed, and leaves the queue once its process is
// gone, with its partial files when asked; a waiting one leaves at once
// and unrecorded.
TEST(DownloadCoordinator, RemoveStopsWhatItRemoves)
{
    FakeTools tools("printf part > 'Clip [abc123].mp4.part'; sleep 30");
    CoordinatorFixture f(tools.resourcesDirectory());
    f.settings->setMaxConcurrentDownloads(1);
    f.coordinator->addURLs("https://media.test/v\nhttps://media.test/w");
    const auto running = f.jobAt(0);
    const auto waiting = f.jobAt(1);
    const QString part = QDir(f.outputFolder()).filePath("Clip [abc123].mp4.part");
    ASSERT_TRUE(waitUntil([&] { return QFileInfo::exists(part); }));

    f.coordinator->remove(waiting, true);
    EXPECT_FALSE(f.coordinator->queue().jobs().contains(waiting));
    f.coordinator->remove(running, true);
    ASSERT_TRUE(waitUntil([&] { return f.coordinator->queue().jobs().isEmpty(); }));
    EXPECT_EQ(f.coordinator->runningCount(), 0);
    ASSERT_EQ(f.history().size(), 1);
    EXPECT_EQ(f.history().first().finalStatusRaw, "cancelled");
    EXPECT_FALSE(QFileInfo::exists(part));
    EXPECT_EQ(QDir(f.outputFolder()).entryList(QDir::Hidden | QDir::Files | QDir::NoDotAndDotDot), QStringList());
}

struct FailureCase
{
    const char *name;
    QByteArray download;
    DownloadErrorCategory category;
    QString reason;
};

TEST(DownloadCoordinator, FailedRunsAreClassifiedKeptInTheLogAndRecorded)
{
    const QList<FailureCase> cases = {
        {"http 404", echoLine("ERROR: unable to download video data: HTTP Error 404: Not Found") + "exit 1",
         DownloadErrorCategory::network, "HTTP Error 404: Not Found"},
        {"error on stderr", "echo 'ERROR: [Errno 28] No space left on device' >&2; exit 1",
         DownloadErrorCategory::diskFull, "No space left on device"},
        // Standard error: the fake's marking filter on standard output may
        // not have passed the line on when the tool dies.
        {"killed by a signal", "echo starting >&2; kill -9 $$", DownloadErrorCategory::unknown, ""},
        {"a title with sign-in words",
         echoLine(R"(__KVJSON__{"downloaded_bytes": 10, "total_bytes": 100, "filename": "Sign in to design [abc123].mp4"})")
             + "echo 'ERROR: unable to download video data: HTTP Error 503: Service Unavailable' >&2; exit 1",
         DownloadErrorCategory::network, "HTTP Error 503: Service Unavailable"},
    };
    for (const FailureCase &c : cases) {
        FakeTools tools(c.download);
        CoordinatorFixture f(tools.resourcesDirectory());
        f.settings->setKeepFailedTasks(true);
        f.coordinator->addURLs("https://media.test/v");
        const auto job = f.jobAt(0);
        ASSERT_TRUE(f.waitForEnd(job)) << c.name;
        EXPECT_EQ(job->status(), DownloadStatus::failed) << c.name;
        EXPECT_EQ(job->errorCategory(), c.category) << c.name;
        EXPECT_EQ(job->errorSummary(), DownloadErrorCategories::userMessage(c.category)) << c.name;
        EXPECT_EQ(job->errorReason(), c.reason) << c.name;
        EXPECT_FALSE(job->logLines().isEmpty()) << c.name;
        ASSERT_EQ(f.history().size(), 1) << c.name;
        EXPECT_EQ(f.history()[0].errorType, DownloadErrorCategories::rawValue(c.category)) << c.name;
        EXPECT_EQ(f.history()[0].errorReason, c.reason.isEmpty() ? std::nullopt : std::optional(c.reason)) << c.name;
        EXPECT_EQ(f.notifier.posted.value(0).title, "Download failed") << c.name;
        const QString summary = QString::fromLatin1(DownloadErrorCategories::userMessage(c.category));
        EXPECT_EQ(f.notifier.posted.value(0).body,
                  QStringList({job->title(), summary, c.reason}).join('\n').remove(QRegularExpression("\n$")))
            << c.name;
        EXPECT_EQ(f.coordinator->queue().jobs().size(), 1) << c.name << ": kept, so it can be retried";
        ASSERT_EQ(f.notifier.downloads.size(), 1) << c.name;
        EXPECT_EQ(f.notifier.downloads[0].jobId, job->id()) << c.name;
        EXPECT_FALSE(f.notifier.downloads[0].completed) << c.name;
        EXPECT_TRUE(f.notifier.downloads[0].retryable) << c.name << ": the notification may offer Retry";
    }
}

TEST(DownloadCoordinator, FailedJobIsRemovedWhenNotKeptButStillRecorded)
{
    FakeTools tools("exit 2");
    CoordinatorFixture f(tools.resourcesDirectory());
    f.settings->setKeepFailedTasks(false);
    f.settings->setDownloadCompleteNotification(false);
    f.coordinator->addURLs("https://media.test/v");
    const auto job = f.jobAt(0);
    ASSERT_TRUE(f.waitForEnd(job));
    EXPECT_TRUE(f.coordinator->queue().jobs().isEmpty());
    EXPECT_EQ(f.history().size(), 1);
    EXPECT_TRUE(f.notifier.posted.isEmpty()) << "notifications are off";

    // With notifications on, a failure that leaves the queue offers no Retry.
    f.settings->setDownloadCompleteNotification(true);
    f.coordinator->addURLs("https://media.test/w");
    const auto second = f.jobAt(0);
    ASSERT_TRUE(f.waitForEnd(second));
    ASSERT_EQ(f.notifier.downloads.size(), 1);
    EXPECT_FALSE(f.notifier.downloads[0].retryable);
}

TEST(DownloadCoordinator, FailuresBeforeTheProcess)
{
    {
        CoordinatorFixture f(std::nullopt);
        f.coordinator->addURLs("https://media.test/v");
        const auto job = f.jobAt(0);
        ASSERT_TRUE(f.waitForEnd(job));
        EXPECT_EQ(job->errorCategory(), DownloadErrorCategory::toolMissing);
        EXPECT_EQ(f.history().size(), 1);
    }
    {
        FakeTools tools("exit 0");
        CoordinatorFixture f(tools.resourcesDirectory());
        QFile blocker(f.path("file"));
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
        f.settings->setDefaultOutputDirectory(f.path("file/sub"));
        f.coordinator->addURLs("https://media.test/v");
        const auto job = f.jobAt(0);
        ASSERT_TRUE(f.waitForEnd(job));
        EXPECT_EQ(job->errorCategory(), DownloadErrorCategory::permissionDenied);
        EXPECT_EQ(job->errorSummary(), "Cannot create output directory: " + f.path("file/sub"));
        EXPECT_EQ(job->errorReason(), QString::fromStdString(std::make_error_code(std::errc::not_a_directory).message()));
    }
    {
        FakeTools tools("exit 0");
        CoordinatorFixture f(tools.resourcesDirectory());
        f.coordinator->addURLs("not a link");
        const auto job = f.jobAt(0);
        ASSERT_TRUE(f.waitForEnd(job));
        EXPECT_EQ(job->errorCategory(), DownloadErrorCategory::invalidURL);
    }
}

TEST(DownloadCoordinator, CancelDuringDownloadEndsTheProcessGroupAndRecordsOnce)
{
    const QString marker = QStringLiteral("tarvelle-cancel-%1").arg(QCoreApplication::applicationPid());
    FakeTools tools(echoLine(progressLine(10, 100)) + "sh -c 'sleep 60' " + marker.toUtf8() + " & wait");
    CoordinatorFixture f(tools.resourcesDirectory());
    f.coordinator->addURLs("https://media.test/v");
    const auto job = f.jobAt(0);
    ASSERT_TRUE(waitUntil([&] { return job->downloadedBytes() == 10; }));
    // The tool prints its progress before it starts the child.
    ASSERT_TRUE(waitUntil([&] { return !processesMatching(marker).isEmpty(); }));

    f.coordinator->cancel(job);
    EXPECT_EQ(job->status(), DownloadStatus::cancelled);
    ASSERT_TRUE(f.waitForEnd(job));
    EXPECT_EQ(job->status(), DownloadStatus::cancelled);
    EXPECT_EQ(job->errorCategory(), DownloadErrorCategory::cancelled);
    EXPECT_EQ(job->errorSummary(), "Cancelled");
    EXPECT_TRUE(waitUntil([&] { return processesMatching(marker).isEmpty(); }, 5s));
    EXPECT_EQ(f.history().size(), 1);
    EXPECT_TRUE(f.notifier.posted.isEmpty()) << "a cancel posts nothing";
}

TEST(DownloadCoordinator, CancelDuringAnalysisNeverStartsTheDownload)
{
    const QString marker = QStringLiteral("tarvelle-analysis-%1").arg(QCoreApplication::applicationPid());
    FakeTools tools("touch downloaded-anyway", "sh -c 'sleep 60' " + marker.toUtf8());
    CoordinatorFixture f(tools.resourcesDirectory());
    f.coordinator->addURLs("https://media.test/v");
    const auto job = f.jobAt(0);
    ASSERT_TRUE(waitUntil([&] { return !processesMatching(marker).isEmpty(); }));

    QList<DownloadStatus> statuses;
    QObject::connect(job.get(), &DownloadJob::statusChanged, [&] { statuses.append(job->status()); });
    f.coordinator->cancel(job);
    ASSERT_TRUE(f.waitForEnd(job));
    EXPECT_EQ(job->status(), DownloadStatus::cancelled);
    EXPECT_FALSE(statuses.contains(DownloadStatus::downloading));
    EXPECT_TRUE(waitUntil([&] { return processesMatching(marker).isEmpty(); }, 5s));
    EXPECT_FALSE(QFile::exists(QDir(f.outputFolder()).filePath("downloaded-anyway")));
    EXPECT_EQ(f.history().size(), 1);
}

TEST(DownloadCoordinator, CancelOfAQueuedJobLeavesNoRecordAndFinishedJobsStayAsTheyAre)
{
    FakeTools tools("sleep 30");
    CoordinatorFixture f(tools.resourcesDirectory());
    f.settings->setMaxConcurrentDownloads(1);
    f.coordinator->addURLs("https://a.test/1\nhttps://a.test/2");
    const auto waiting = f.jobAt(1);
    f.coordinator->cancel(waiting);
    EXPECT_EQ(waiting->status(), DownloadStatus::cancelled);
    f.coordinator->cancel(f.jobAt(0)); // started, though its analysis has not begun yet
    ASSERT_TRUE(f.waitForEnd(f.jobAt(0)));
    EXPECT_EQ(f.jobAt(0)->status(), DownloadStatus::cancelled);
    EXPECT_EQ(f.history().size(), 1) << "only the run that started is recorded";
    EXPECT_EQ(waiting->status(), DownloadStatus::cancelled) << "a cancelled waiting job never starts";

    FakeTools completing("exit 0");
    CoordinatorFixture g(completing.resourcesDirectory());
    g.coordinator->addURLs("https://a.test/1");
    ASSERT_TRUE(g.waitForEnd(g.jobAt(0)));
    g.coordinator->cancel(g.jobAt(0));
    EXPECT_EQ(g.jobAt(0)->status(), DownloadStatus::completed);
}

TEST(DownloadCoordinator, RetryRunsAFailedJobAgainFromItsPlace)
{
    QTemporaryDir flags;
    const QByteArray flag = flags.filePath("failed-once").toUtf8();
    FakeTools tools("if [ ! -e '" + flag + "' ]; then touch '" + flag + "'; echo 'ERROR: boom'; exit 1; fi\n"
                    + kCompletingDownload);
    CoordinatorFixture f(tools.resourcesDirectory());
    f.settings->setKeepFailedTasks(true);
    f.coordinator->addURLs("https://media.test/v");
    const auto job = f.jobAt(0);
    ASSERT_TRUE(f.waitForEnd(job));
    ASSERT_EQ(job->status(), DownloadStatus::failed);
    const QDateTime created = job->createdAt();

    f.coordinator->retry(job);
    EXPECT_TRUE(job->logLines().isEmpty());
    EXPECT_FALSE(job->errorCategory().has_value());
    f.finished.clear();
    ASSERT_TRUE(f.waitForEnd(job));
    EXPECT_EQ(job->status(), DownloadStatus::completed);
    EXPECT_EQ(job->createdAt(), created);
    EXPECT_EQ(f.history().size(), 2) << "one record per run";
}

TEST(DownloadCoordinator, RemovedJobIsStillRecordedOnce)
{
    // The run ends when the test says so, after the job left the list.
    QTemporaryDir control;
    const QByteArray done = control.filePath("done").toUtf8();
    FakeTools tools("while [ ! -e '" + done + "' ]; do sleep 0.05; done; exit 0");
    CoordinatorFixture f(tools.resourcesDirectory());
    f.coordinator->addURLs("https://media.test/v");
    const auto job = f.jobAt(0);
    ASSERT_TRUE(waitUntil([&] { return job->status() == DownloadStatus::downloading; }));
    f.coordinator->queue().remove(job);
    ASSERT_TRUE(QFile(QString::fromUtf8(done)).open(QIODevice::WriteOnly));
    ASSERT_TRUE(f.waitForEnd(job));
    EXPECT_EQ(f.history().size(), 1);
}

TEST(DownloadCoordinator, OutputIsResolvedWhenNoPathWasPrinted)
{
    struct Case
    {
        const char *name;
        QByteArray download;
        QString expectedName;
    };
    const QList<Case> cases = {
        {"one candidate", "printf x > 'Clip [abc123].mp4'; printf x > 'Clip [abc123].en.vtt'", "Clip [abc123].mp4"},
        {"two candidates", "printf x > 'Clip [abc123].mp4'; printf x > 'Clip [abc123].m4a'", ""},
    };
    for (const Case &c : cases) {
        FakeTools tools(c.download);
        CoordinatorFixture f(tools.resourcesDirectory());
        f.coordinator->addURLs("https://media.test/v");
        const auto job = f.jobAt(0);
        ASSERT_TRUE(f.waitForEnd(job)) << c.name;
        EXPECT_EQ(job->status(), DownloadStatus::completed) << c.name;
        EXPECT_EQ(job->outputFilename(), c.expectedName) << c.name;
        EXPECT_EQ(job->outputPath().isEmpty(), c.expectedName.isEmpty()) << c.name;
    }
}

// yt-dlp stopped at an item its download archive holds: a skip when the
// job asked for the archive, a failure like any other status otherwise. A
// skipped job names no file, not even one of the same name in the folder.
TEST(DownloadCoordinator, TheArchiveStopIsASkipOnlyWithTheArchive)
{
    for (const bool skipDownloaded : {true, false}) {
        FakeTools tools("printf x > 'Clip [abc123].mp4'; exit 101");
        CoordinatorFixture f(tools.resourcesDirectory());
        f.settings->setKeepFailedTasks(true);
        // A list's choice, set on its jobs (never a stored default).
        const auto job = DownloadJob::create(QStringLiteral("https://media.test/v"), MediaKind::video,
                                             VideoQuality::p1080, AudioFormat::best, SubtitleMode::none, QString());
        AdvancedOptions advanced;
        advanced.skipDownloaded = skipDownloaded;
        job->setAdvancedOptions(advanced);
        f.coordinator->queue().add(job);
        ASSERT_TRUE(f.waitForEnd(job)) << skipDownloaded;
        ASSERT_EQ(f.history().size(), 1) << skipDownloaded;
        if (skipDownloaded) {
            EXPECT_EQ(job->status(), DownloadStatus::completed);
            EXPECT_EQ(job->note(), "Skipped: the download archive shows it was downloaded before.");
            EXPECT_TRUE(job->outputPath().isEmpty()) << job->outputPath().toStdString();
            EXPECT_FALSE(f.history()[0].finalFilePath.has_value());
        } else {
            EXPECT_EQ(job->status(), DownloadStatus::failed);
            EXPECT_TRUE(job->note().isEmpty());
        }
        EXPECT_EQ(f.history()[0].note, job->note().isEmpty() ? std::nullopt : std::optional(job->note()))
            << skipDownloaded;
    }
}

TEST(DownloadCoordinator, SilentDownloadsAreFlaggedAndRecover)
{
    // Silent until "go", then one line; silent until "again", then one more
    // line. The files steer every line and the flag's changes are recorded
    // as they happen, so no step depends on how fast the machine is.
    QTemporaryDir control;
    const QByteArray go = control.filePath("go").toUtf8();
    const QByteArray again = control.filePath("again").toUtf8();
    FakeTools tools("while [ ! -e '" + go + "' ]; do sleep 0.05; done\n" + echoLine(progressLine(1, 2))
                    + "while [ ! -e '" + again + "' ]; do sleep 0.05; done\n" + echoLine(progressLine(2, 3))
                    + "sleep 30");
    CoordinatorFixture f(tools.resourcesDirectory(), {std::chrono::milliseconds(50), std::chrono::seconds(1)});
    f.settings->setMaxConcurrentDownloads(2);
    f.coordinator->addURLs("https://a.test/1\nhttps://a.test/2");
    const auto first = f.jobAt(0);
    const auto second = f.jobAt(1);
    QList<bool> firstFlags;
    QList<bool> secondFlags;
    QObject::connect(first.get(), &DownloadJob::stalledChanged, [&] { firstFlags.append(first->stalled()); });
    QObject::connect(second.get(), &DownloadJob::stalledChanged, [&] { secondFlags.append(second->stalled()); });
    ASSERT_TRUE(waitUntil([&] { return first->stalled() && second->stalled(); }, 10s))
        << "every running job is watched, not only the last one started";

    firstFlags.clear();
    secondFlags.clear();
    ASSERT_TRUE(QFile(QString::fromUtf8(go)).open(QIODevice::WriteOnly));
    ASSERT_TRUE(waitUntil([&] { return first->downloadedBytes() == 1 && second->downloadedBytes() == 1; }));
    EXPECT_EQ(firstFlags.value(0, true), false) << "a line clears the flag";
    EXPECT_EQ(secondFlags.value(0, true), false) << "a line clears the flag";

    f.coordinator->cancel(first);
    ASSERT_TRUE(f.waitForEnd(first));
    // Stalled again (a line came long ago), then a line and silence: the
    // flag clears and comes back after the other job's end.
    ASSERT_TRUE(waitUntil([&] { return second->stalled(); }, 10s));
    secondFlags.clear();
    ASSERT_TRUE(QFile(QString::fromUtf8(again)).open(QIODevice::WriteOnly));
    EXPECT_TRUE(waitUntil([&] { return secondFlags == QList<bool>{false, true}; }, 10s))
        << "one job's end does not stop watching another";
    EXPECT_EQ(second->downloadedBytes(), 2);
}

TEST(DownloadCoordinator, ALineFloodEndsAsIfAppliedOneByOne)
{
    QTemporaryDir dir;
    QFile lines(dir.filePath("lines.txt"));
    ASSERT_TRUE(lines.open(QIODevice::WriteOnly));
    for (int i = 1; i <= 20000; ++i) {
        lines.write(progressLine(i, 20000) + '\n');
        if (i % 5000 == 0)
            lines.write("[download] something plain\n");
    }
    lines.write("[Merger] postprocess started\n");
    lines.write(progressLine(5, 7) + '\n');
    lines.close();

    FakeTools tools("cat '" + lines.fileName().toUtf8() + "'");
    CoordinatorFixture f(tools.resourcesDirectory());
    f.coordinator->addURLs("https://media.test/v");
    const auto job = f.jobAt(0);
    ASSERT_TRUE(f.waitForEnd(job));

    auto reference = DownloadJob::create("https://media.test/v", MediaKind::video, VideoQuality::best,
                                         AudioFormat::best, SubtitleMode::none, QString());
    reference->setStatus(DownloadStatus::downloading);
    ASSERT_TRUE(lines.open(QIODevice::ReadOnly));
    while (!lines.atEnd()) {
        const OutputLine line = readRunLine(QString::fromUtf8(lines.readLine()).chopped(1), f.outputFolder());
        DownloadCoordinator::handleLine(*reference, line.text, line.event);
    }

    EXPECT_EQ(job->logLines(), reference->logLines());
    EXPECT_EQ(job->downloadedBytes(), reference->downloadedBytes());
    EXPECT_EQ(job->totalBytes(), reference->totalBytes());
    EXPECT_EQ(job->progress(), reference->progress());
    EXPECT_EQ(job->speed(), reference->speed());
    EXPECT_EQ(job->eta(), reference->eta());
    EXPECT_EQ(job->stage(), reference->stage());
    EXPECT_EQ(job->logLines().size(), 5000);
}

TEST(DownloadCoordinator, ApplyFollowsTheEventRules)
{
    auto job = DownloadJob::create("u", MediaKind::video, VideoQuality::best, AudioFormat::best, SubtitleMode::none,
                                   QString());
    job->setStatus(DownloadStatus::downloading);
    DownloadCoordinator::apply(readRunLine(QString::fromUtf8(progressLine(50, 100))).event, *job);
    EXPECT_EQ(job->stage(), "downloading");
    EXPECT_EQ(job->progress(), 0.5);

    DownloadCoordinator::apply(readRunLine(R"(__KVJSON__{"status": "downloading", "fragment_index": 2})").event,
                               *job);
    EXPECT_FALSE(job->progress().has_value()) << "an event without percentage clears it";
    EXPECT_EQ(job->speed(), "");
    EXPECT_EQ(job->fragmentIndex(), 2);
    EXPECT_EQ(job->downloadedBytes(), 50) << "absent counters keep their value";

    DownloadCoordinator::apply(ProgressParser::parse("[Merger] Merging formats into \"x.mp4\""), *job);
    EXPECT_EQ(job->status(), DownloadStatus::merging);
    DownloadCoordinator::apply(readRunLine(QString::fromUtf8(progressLine(60, 100))).event, *job);
    EXPECT_EQ(job->stage(), "merging");
    EXPECT_EQ(job->status(), DownloadStatus::merging) << "progress never changes the status";

    DownloadCoordinator::apply(ProgressParser::parse("[ExtractAudio] postprocess started"), *job);
    EXPECT_EQ(job->stage(), "finalizing");
    EXPECT_EQ(job->status(), DownloadStatus::merging);

    DownloadCoordinator::apply(ProgressEvent::Filepath{"/tmp/x/clip.mp4"}, *job);
    EXPECT_EQ(job->outputPath(), "/tmp/x/clip.mp4");
    EXPECT_EQ(job->outputFilename(), "clip.mp4");
}

// Processors that run before a download (metadata replacements) print a
// "postprocess" line: the download after them still shows as one, with its
// percentage; once a download finished, its processing stays finalizing.
TEST(DownloadCoordinator, ADownloadAfterAnEarlyProcessorShowsAsADownload)
{
    auto job = DownloadJob::create("u", MediaKind::video, VideoQuality::best, AudioFormat::best, SubtitleMode::none,
                                   QString());
    job->setStatus(DownloadStatus::downloading);
    DownloadCoordinator::apply(ProgressParser::parse("[MetadataParser] postprocess started"), *job);
    ASSERT_EQ(job->stage(), "finalizing");
    DownloadCoordinator::apply(readRunLine(QString::fromUtf8(progressLine(20, 100))).event, *job);
    EXPECT_EQ(job->stage(), "downloading");
    EXPECT_EQ(job->progress(), 0.2);

    DownloadCoordinator::apply(readRunLine(QString::fromUtf8(progressLine(100, 100))).event, *job);
    DownloadCoordinator::apply(ProgressParser::parse("[FixupM4a] postprocess started"), *job);
    DownloadCoordinator::apply(readRunLine(QString::fromUtf8(progressLine(100, 100))).event, *job);
    EXPECT_EQ(job->stage(), "finalizing");
}

TEST(DownloadCoordinator, ARetryShowsUntilProgressResumes)
{
    auto job = DownloadJob::create("u", MediaKind::video, VideoQuality::best, AudioFormat::best, SubtitleMode::none,
                                   QString());
    job->setStatus(DownloadStatus::downloading);
    DownloadCoordinator::apply(readRunLine(QString::fromUtf8(progressLine(50, 100))).event, *job);
    DownloadCoordinator::apply(
        ProgressParser::parse("[download] Got error: HTTP Error 503: Service Unavailable. Retrying (3/10)..."), *job);
    EXPECT_EQ(job->retry(), (DownloadRetry{3, 10}));
    EXPECT_EQ(job->progress(), 0.5) << "a retry keeps what was downloaded";

    DownloadCoordinator::apply(readRunLine(QString::fromUtf8(progressLine(60, 100))).event, *job);
    EXPECT_FALSE(job->retry().has_value());

    DownloadCoordinator::apply(ProgressParser::parse("[download] Got error: x. Retrying fragment 2 (1/inf)..."), *job);
    EXPECT_EQ(job->retry(), (DownloadRetry{1, std::nullopt}));
    DownloadCoordinator::apply(ProgressParser::parse("[Merger] Merging formats into \"x.mp4\""), *job);
    EXPECT_FALSE(job->retry().has_value()) << "merging means the download got through";

    job->setRetry(DownloadRetry{2, 3});
    job->setStatus(DownloadStatus::failed);
    job->resetForRetry();
    EXPECT_FALSE(job->retry().has_value());
}

// yt-dlp often fetches an audio-only .webm stream for "bestaudio": the job
// is in its audio stage all the same, from the moment its download starts.
TEST(DownloadCoordinator, AnAudioJobIsInItsAudioStageFromTheStart)
{
    const QByteArray webm = R"(__KVJSON__{"status": "downloading", "downloaded_bytes": 10, "total_bytes": 100, )"
                            R"("filename": "Clip [abc123].f251.webm"})";
    FakeTools tools(echoLine(webm) + "sleep 30");
    CoordinatorFixture f(tools.resourcesDirectory());
    f.settings->setDefaultMediaTypeRaw("audio");
    f.coordinator->addURLs("https://media.test/a");
    const auto job = f.jobAt(0);
    QString stageWhenDownloading;
    QObject::connect(job.get(), &DownloadJob::statusChanged, [&] {
        if (job->status() == DownloadStatus::downloading)
            stageWhenDownloading = job->stage();
    });
    ASSERT_TRUE(waitUntil([&] { return job->downloadedBytes() == 10; }));
    EXPECT_EQ(stageWhenDownloading, "audio");
    EXPECT_EQ(job->stage(), "audio");
    f.coordinator->cancel(job);
    ASSERT_TRUE(f.waitForEnd(job));
}

TEST(DownloadCoordinator, CancelAllLeavesNoProcessBehind)
{
    const QString marker = QStringLiteral("tarvelle-all-%1").arg(QCoreApplication::applicationPid());
    FakeTools tools("sh -c 'sleep 60' " + marker.toUtf8() + " & wait");
    CoordinatorFixture f(tools.resourcesDirectory());
    f.settings->setMaxConcurrentDownloads(2);
    f.coordinator->addURLs("https://a.test/1\nhttps://a.test/2\nhttps://a.test/3");
    ASSERT_TRUE(waitUntil([&] { return processesMatching(marker).size() == 2; }));

    bool ended = false;
    QObject::connect(f.coordinator.get(), &DownloadCoordinator::allRunsEnded, [&] { ended = true; });
    f.coordinator->cancelAll();
    EXPECT_TRUE(waitUntil([&] { return ended; }, 5s));
    EXPECT_TRUE(waitUntil([&] { return processesMatching(marker).isEmpty(); }, 5s));
    for (const auto &job : f.coordinator->queue().jobs())
        EXPECT_EQ(job->status(), DownloadStatus::cancelled);
    EXPECT_EQ(f.history().size(), 2) << "the two runs are recorded, the waiting job never ran";
}

} // namespace
