#include "engine/DownloadJob.h"
#include "ui/jobs/JobRowContent.h"
#include "ui/jobs/JobRowLayout.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace {

using Action = JobRowAction;

DownloadJobPtr makeJob(MediaKind kind = MediaKind::video, AudioFormat format = AudioFormat::best)
{
    return DownloadJob::create(QStringLiteral("https://example.com/watch?v=1"), kind, VideoQuality::p1080, format,
                               SubtitleMode::none, QStringLiteral("en"));
}

struct StatusCase
{
    const char *name;
    std::function<void(DownloadJob &)> setup;
    QString badgeText;
    QString badgeSymbol;
    QString headline;
    bool headlineStalled;
    bool showsProgress;
    std::optional<double> progress;
    bool hasDetail;
    bool showsError;
    QList<Action> actions;
};

class JobRowStatusTest : public ::testing::TestWithParam<StatusCase>
{
};

TEST_P(JobRowStatusTest, ShowsWhatTheStatusCalls)
{
    const StatusCase &c = GetParam();
    const auto job = makeJob();
    c.setup(*job);
    const JobRowContent content = JobRowContent::forJob(*job);
    EXPECT_EQ(content.badge.text, c.badgeText);
    EXPECT_EQ(content.badge.symbolName, c.badgeSymbol);
    EXPECT_EQ(content.headline, c.headline);
    EXPECT_EQ(content.headlineStalled, c.headlineStalled);
    EXPECT_EQ(content.showsProgress, c.showsProgress);
    EXPECT_EQ(content.progress, c.progress);
    EXPECT_EQ(!content.detailText.isEmpty(), c.hasDetail) << content.detailText.toStdString();
    EXPECT_EQ(content.showsError, c.showsError);
    EXPECT_EQ(content.actions, c.actions);
}

const StatusCase kStatusCases[] = {
    {"queued", [](DownloadJob &) {}, "Queued", "clock", "", false, false, std::nullopt, false, false, {Action::remove}},
    {"analyzing", [](DownloadJob &j) { j.setStatus(DownloadStatus::analyzing); }, "Analyzing", "magnifyingglass", "",
     false, true, std::nullopt, false, false, {Action::cancel, Action::remove}},
    {"downloadingVideo",
     [](DownloadJob &j) {
         j.setStatus(DownloadStatus::downloading);
         j.setStage(QStringLiteral("video"));
         j.setProgress(0.5);
         j.setDownloadedBytes(512 * 1024);
         j.setTotalBytes(1024 * 1024);
         j.setSpeed(QStringLiteral("1.0MiB/s"));
     },
     "Downloading video", "arrow.down.circle", "50%", false, true, 0.5, true, false, {Action::cancel, Action::remove}},
    {"downloadingAudio",
     [](DownloadJob &j) {
         j.setStatus(DownloadStatus::downloading);
         j.setStage(QStringLiteral("audio"));
     },
     "Downloading audio", "waveform", "Downloading audio", false, true, std::nullopt, false, false,
     {Action::cancel, Action::remove}},
    {"stalled",
     [](DownloadJob &j) {
         j.setStatus(DownloadStatus::downloading);
         j.setProgress(0.25);
         j.setStalled(true);
     },
     "Downloading video", "arrow.down.circle", "No progress detected", true, true, std::nullopt, false, false,
     {Action::cancel, Action::remove}},
    {"merging", [](DownloadJob &j) { j.setStatus(DownloadStatus::merging); }, "Merging", "merge",
     "Merging audio and video", false, true, std::nullopt, false, false, {Action::cancel, Action::remove}},
    {"completedWithFile",
     [](DownloadJob &j) {
         j.setStatus(DownloadStatus::completed);
         j.setOutputFilename(QStringLiteral("clip [1].mp4"));
         j.setOutputPath(QStringLiteral("/nonexistent/clip [1].mp4"));
     },
     "Completed", "checkmark.circle", "", false, false, std::nullopt, true, false,
     {Action::open, Action::reveal, Action::remove}},
    {"completedWithoutFile", [](DownloadJob &j) { j.setStatus(DownloadStatus::completed); }, "Completed",
     "checkmark.circle", "", false, false, std::nullopt, false, false, {Action::remove}},
    {"failed",
     [](DownloadJob &j) {
         j.setStatus(DownloadStatus::failed);
         j.setErrorSummary(QStringLiteral("The network connection failed."));
     },
     "Failed", "exclamationmark.triangle", "", false, false, std::nullopt, false, true, {Action::retry, Action::remove}},
    {"cancelled", [](DownloadJob &j) { j.setStatus(DownloadStatus::cancelled); }, "Cancelled", "xmark.circle", "",
     false, false, std::nullopt, false, false, {Action::retry, Action::remove}},
};

INSTANTIATE_TEST_SUITE_P(Statuses, JobRowStatusTest, ::testing::ValuesIn(kStatusCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(JobRowContent, CompletedDetailNamesTheFile)
{
    const auto job = makeJob();
    job->setStatus(DownloadStatus::completed);
    job->setOutputFilename(QStringLiteral("clip [1].mp4"));
    EXPECT_EQ(JobRowContent::forJob(*job).detailText, QStringLiteral("clip [1].mp4"));
}

TEST(JobRowContent, HowARunEndedIsItsNote)
{
    const auto job = makeJob();
    job->setStatus(DownloadStatus::completed);
    job->setOutputFilename(QStringLiteral("clip [1].mp4"));
    EXPECT_TRUE(JobRowContent::forJob(*job).note.isEmpty());
    job->setNote(QStringLiteral("Already downloaded: the file from an earlier download of this link is kept."));
    EXPECT_EQ(JobRowContent::forJob(*job).note,
              QStringLiteral("Already downloaded: the file from an earlier download of this link is kept."));
}

TEST(JobRowContent, FailedSummaryIsShownVerbatimWhenItIsNoKnownMessage)
{
    const auto job = makeJob();
    job->setStatus(DownloadStatus::failed);
    job->setErrorSummary(QStringLiteral("<b>ERROR:</b> boom"));
    EXPECT_EQ(JobRowContent::forJob(*job).errorSummary, QStringLiteral("<b>ERROR:</b> boom"));
}

TEST(JobRowContent, AFailureShowsTheToolsReasonBeneathItsSummary)
{
    const auto job = makeJob();
    job->setStatus(DownloadStatus::failed);
    job->setErrorSummary(QStringLiteral("A network error occurred."));
    job->setErrorReason(QStringLiteral("HTTP Error 404: <Not> Found"));
    const JobRowContent content = JobRowContent::forJob(*job);
    EXPECT_EQ(content.errorSummary, QStringLiteral("A network error occurred."));
    EXPECT_EQ(content.errorReason, QStringLiteral("HTTP Error 404: <Not> Found"));

    const JobRowLayout layout;
    const QRect rect(0, 0, 640, 0);
    const JobRowGeometry g = layout.compute(content, rect, false, {});
    EXPECT_GT(g.reason.top(), g.error.bottom());
    EXPECT_LE(g.reason.bottom(), g.height);
    EXPECT_GT(g.reason.left(), g.error.left()) << "aligned with the summary's text, after its symbol";

    JobRowContent withoutReason = content;
    withoutReason.errorReason.clear();
    EXPECT_FALSE(content.sameShape(withoutReason));
    EXPECT_TRUE(layout.compute(withoutReason, rect, false, {}).reason.isNull());
    EXPECT_LT(layout.compute(withoutReason, rect, false, {}).height, g.height);

    job->setStatus(DownloadStatus::cancelled);
    EXPECT_TRUE(JobRowContent::forJob(*job).errorReason.isEmpty()) << "only a failure shows its reason";
}

struct SubtitleCase
{
    MediaKind kind;
    AudioFormat format;
    const char *expected;
};

class JobRowSubtitleTest : public ::testing::TestWithParam<SubtitleCase>
{
};

TEST_P(JobRowSubtitleTest, NamesKindAndChoice)
{
    const auto job = makeJob(GetParam().kind, GetParam().format);
    EXPECT_EQ(JobRowContent::forJob(*job).subtitle, QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Options, JobRowSubtitleTest,
                         ::testing::Values(SubtitleCase{MediaKind::video, AudioFormat::mp3, "Video · 1080p"},
                                           SubtitleCase{MediaKind::audio, AudioFormat::best, "Audio · Best Audio"},
                                           SubtitleCase{MediaKind::audio, AudioFormat::mp3, "Audio · MP3"},
                                           SubtitleCase{MediaKind::audio, AudioFormat::m4a, "Audio · M4A"}));

struct ThumbnailCase
{
    std::optional<QString> thumbnail;
    bool hasUrl;
};

class JobRowThumbnailTest : public ::testing::TestWithParam<ThumbnailCase>
{
};

TEST_P(JobRowThumbnailTest, OnlyWebLinksBecomeThumbnails)
{
    const auto job = makeJob();
    MediaMetadata metadata;
    metadata.title = QStringLiteral("t");
    metadata.thumbnail = GetParam().thumbnail;
    job->setMetadata(metadata);
    EXPECT_EQ(JobRowContent::forJob(*job).thumbnailUrl.has_value(), GetParam().hasUrl);
}

INSTANTIATE_TEST_SUITE_P(Links, JobRowThumbnailTest,
                         ::testing::Values(ThumbnailCase{std::nullopt, false}, ThumbnailCase{QString(), false},
                                           ThumbnailCase{QStringLiteral("not a url"), false},
                                           ThumbnailCase{QStringLiteral("file:///etc/passwd"), false},
                                           ThumbnailCase{QStringLiteral("https://img.example/t.jpg"), true}));

TEST(JobRowContent, TitleIsTheMetadataTitleVerbatimElseTheLink)
{
    const auto job = makeJob();
    EXPECT_EQ(JobRowContent::forJob(*job).title, job->url());
    MediaMetadata metadata;
    metadata.title = QStringLiteral("<img src=x><b>bold</b>");
    job->setMetadata(metadata);
    EXPECT_EQ(JobRowContent::forJob(*job).title, QStringLiteral("<img src=x><b>bold</b>"));
}

} // namespace
