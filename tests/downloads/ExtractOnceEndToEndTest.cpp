// One extraction per download and honest skips, with the real tools against
// the local server: a yt-dlp wrapper counts the runs and forwards to
// Debian's yt-dlp, and to a current one when it is there.
#include "analysis/SavedInfo.h"
#include "analysis/YTDLPClient.h"
#include "support/CoordinatorFixture.h"
#include "support/CountingYtDlp.h"
#include "support/LocalMediaServer.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

// "debian": the build tree's yt-dlp; "current": ../shared/tools/yt-dlp-2026.08.19.
class ExtractOnce : public ::testing::TestWithParam<const char *>
{
protected:
    void SetUp() override
    {
        QString ytDlp;
        if (QByteArray(GetParam()) == "current") {
            ytDlp = currentYtDlp();
            if (ytDlp.isEmpty())
                GTEST_SKIP() << "no current yt-dlp at ../shared/tools/yt-dlp-2026.08.19";
        }
        ASSERT_TRUE(QFileInfo(buildToolsDirectory() + "/yt-dlp").isExecutable())
            << "run scripts/bootstrap-tools.sh on the build tree first";
        server = std::make_unique<LocalMediaServer>();
        ASSERT_TRUE(server->isReady()) << server->errorString().toStdString();
        tools = std::make_unique<CountingYtDlp>(ytDlp);
        ASSERT_TRUE(tools->isValid());
        fixture = std::make_unique<CoordinatorFixture>(tools->resourcesDirectory());
    }

    DownloadJobPtr queue(const QString &path)
    {
        fixture->coordinator->addURLs(server->url(path));
        return fixture->coordinator->queue().jobs().last();
    }

    // What the downloads screen does: analyse, keep the answer, and queue a
    // job with the chosen options, the metadata and the kept answer.
    DownloadJobPtr previewAndDownload(const QString &path, std::shared_ptr<const SavedInfo> &preview)
    {
        const auto analysed = waitFor(
            fixture->coordinator->client().analyze(server->url(path), {}, YTDLPClient::KeepInfo::yes), 120s);
        if (!analysed || !analysed->hasMetadata()) {
            ADD_FAILURE() << "the preview's analysis failed";
            return nullptr;
        }
        preview = analysed->savedInfo();
        EXPECT_NE(preview, nullptr);
        auto job = DownloadJob::create(analysed->metadata().webpageUrl, MediaKind::video, VideoQuality::p720,
                                       AudioFormat::best, SubtitleMode::none, QString());
        job->setMetadata(analysed->metadata());
        job->setSavedInfo(preview);
        fixture->coordinator->queue().add(job);
        return job;
    }

    std::string log(const DownloadJobPtr &job) const { return job->logLines().join('\n').toStdString(); }

    std::unique_ptr<LocalMediaServer> server;
    std::unique_ptr<CountingYtDlp> tools;
    std::unique_ptr<CoordinatorFixture> fixture;
};

// 2,500 variants: yt-dlp describes them in about 2 MB on one line. The
// queued job extracts the page once, deciding the file's name; the download
// loads what that saved, gives the job its metadata and fetches the file.
TEST_P(ExtractOnce, AQueuedMasterPlaylistOfThousandsOfVariantsRunsYtDlpOnce)
{
    const auto job = queue(server->addMasterPlaylist(2500));
    ASSERT_TRUE(fixture->waitForEnd(job, 180s));
    EXPECT_EQ(job->status(), DownloadStatus::completed) << log(job);
    ASSERT_TRUE(job->metadata().has_value());
    EXPECT_EQ(job->metadata()->formats.size(), 2500);
    EXPECT_GT(QFileInfo(job->outputPath()).size(), 10000) << job->outputPath().toStdString();
    EXPECT_EQ(tools->runs().size(), 2);
    EXPECT_EQ(tools->extractions(), 1);
    EXPECT_TRUE(fixture->savedDescriptions().isEmpty());
}

// Download after a preview: both yt-dlp runs of the job (the name, the
// download) load the preview's answer, so the link was extracted once in
// all (by the preview).
TEST_P(ExtractOnce, DownloadAfterAPreviewLoadsThePreviewsAnswer)
{
    std::shared_ptr<const SavedInfo> preview;
    const auto job = previewAndDownload(server->addMasterPlaylist(2500), preview);
    ASSERT_TRUE(job);
    ASSERT_TRUE(fixture->waitForEnd(job, 180s));
    EXPECT_EQ(job->status(), DownloadStatus::completed) << log(job);
    EXPECT_TRUE(QFileInfo::exists(job->outputPath())) << job->outputPath().toStdString();
    EXPECT_EQ(tools->runs().size(), 3) << "the preview's and the job's two";
    EXPECT_EQ(tools->extractions(), 1);
    // The quality bound chosen on the card still applies to the loaded answer.
    const QStringList download = tools->runs().last();
    EXPECT_TRUE(download.contains("bestvideo[height<=720]+bestaudio/best[height<=720]/best"));
    preview.reset();
    // The analysis's future lets go of its copy once the run's reader is done.
    EXPECT_TRUE(waitUntil([&] { return fixture->savedDescriptions().isEmpty(); }, 5s));
}

// The media link in a saved answer has expired (the site signs links anew
// for every visit of the page, and the test visits it once more): yt-dlp
// gets 403 for the media, and the job extracts the page afresh once and
// downloads with the new link.
TEST_P(ExtractOnce, AnExpiredMediaLinkIsExtractedAfreshOnceAndDownloaded)
{
    std::shared_ptr<const SavedInfo> preview;
    const auto job = previewAndDownload(LocalMediaServer::kExpiringPagePath, preview);
    ASSERT_TRUE(job);
    // Visiting the page signs a new link, so the preview's has expired.
    EXPECT_EQ(QProcess::execute("python3", {"-c", "import sys, urllib.request; urllib.request.urlopen(sys.argv[1])",
                                            server->url(LocalMediaServer::kExpiringPagePath)}),
              0);

    ASSERT_TRUE(fixture->waitForEnd(job, 120s));
    EXPECT_EQ(job->status(), DownloadStatus::completed) << log(job);
    EXPECT_GT(QFileInfo(job->outputPath()).size(), 10000) << job->outputPath().toStdString();
    const QList<QStringList> runs = tools->runs();
    ASSERT_EQ(runs.size(), 4)
        << "the preview's, the job's name and download from the saved answer, the job's fresh download";
    EXPECT_TRUE(runs[1].contains("--load-info-json"));
    EXPECT_TRUE(runs[2].contains("--load-info-json"));
    EXPECT_FALSE(runs[3].contains("--load-info-json"));
    EXPECT_TRUE(runs[3].contains("bestvideo[height<=720]+bestaudio/best[height<=720]/best"))
        << "the options chosen still apply";
    preview.reset();
    // The analysis's future lets go of its copy once the run's reader is done.
    EXPECT_TRUE(waitUntil([&] { return fixture->savedDescriptions().isEmpty(); }, 5s));
}

// Two links whose files get the same name: sample.mp4, and sample.mkv that
// is remuxed to mp4. The second never takes the first's file: it downloads
// under a name of its own. The same link again completes as already
// downloaded, pointing at its own earlier file.
TEST_P(ExtractOnce, SameNameFromAnotherLinkGetsANewNameAndTheSameLinkIsAlreadyDownloaded)
{
    ASSERT_TRUE(server->addCopy("/sample.mp4")) << server->errorString().toStdString();
    ASSERT_TRUE(server->addCopy("/other/sample.mkv")) << server->errorString().toStdString();
    const QString first = QDir(fixture->outputFolder()).filePath("sample [sample].mp4");
    const QString second = QDir(fixture->outputFolder()).filePath("sample [sample] (2).mp4");

    const auto earlier = queue("/sample.mp4");
    ASSERT_TRUE(fixture->waitForEnd(earlier, 60s));
    ASSERT_EQ(earlier->status(), DownloadStatus::completed) << log(earlier);
    ASSERT_EQ(earlier->outputPath(), first);
    const QDateTime firstWritten = QFileInfo(first).lastModified();

    const auto other = queue("/other/sample.mkv");
    ASSERT_TRUE(fixture->waitForEnd(other, 60s));
    EXPECT_EQ(other->status(), DownloadStatus::completed) << log(other);
    EXPECT_EQ(other->outputPath(), second);
    EXPECT_GT(QFileInfo(second).size(), 10000);
    EXPECT_EQ(other->note(), "Saved under a new name: a file of the same name from another link is kept.");

    const auto again = queue("/sample.mp4");
    ASSERT_TRUE(fixture->waitForEnd(again, 60s));
    EXPECT_EQ(again->status(), DownloadStatus::completed) << log(again);
    EXPECT_EQ(again->outputPath(), first);
    EXPECT_EQ(again->note(), "Already downloaded: the file from an earlier download of this link is kept.");

    EXPECT_EQ(QFileInfo(first).lastModified(), firstWritten) << "the earlier file is never touched";
    EXPECT_EQ(QDir(fixture->outputFolder()).entryList(QDir::Files), QStringList({QFileInfo(second).fileName(),
                                                                                QFileInfo(first).fileName()}));
    // One extraction per job, the renamed download included: the page is
    // extracted to decide the name, the download loads what that saved.
    EXPECT_EQ(tools->extractions(), 3);
    const QList<DownloadHistory> records = fixture->history();
    ASSERT_EQ(records.size(), 3);
    for (const DownloadHistory &record : records)
        EXPECT_EQ(record.finalStatusRaw, "completed");
    EXPECT_TRUE(fixture->savedDescriptions().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(YtDlpBuilds, ExtractOnce, ::testing::Values("debian", "current"),
                         [](const ::testing::TestParamInfo<const char *> &info) { return std::string(info.param); });

} // namespace
