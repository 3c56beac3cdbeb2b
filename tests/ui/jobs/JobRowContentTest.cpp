#include "engine/DownloadJob.h"
#include "ui/jobs/JobRowContent.h"
#include "ui/jobs/JobRowLayout.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace {

using Action = JobRowAction;

DownloadJobPtr makeJob(MediaKind kind = MediaKind::video, AudioFormat format = AudioFormat::best,
                       SubtitleMode subtitles = SubtitleMode::none, const QString &languages = QStringLiteral("en"))
{
    return DownloadJob::create(QStringLiteral("https://example.com/watch?v=1"), kind, VideoQuality::p1080, format,
                               subtitles, languages);
}

// A running job half-way through a 1 MiB file at 1 MiB/s.
void halfWay(DownloadJob &job)
{
    job.setStatus(DownloadStatus::downloading);
    job.setProgress(0.5);
    job.setDownloadedBytes(512 * 1024);
    job.setTotalBytes(1024 * 1024);
    job.setSpeed(QStringLiteral("1.0MiB/s"));
    job.setEta(QStringLiteral("00:01"));
}

struct StatusCase
{
    const char *name;
    std::function<void(DownloadJob &)> setup;
    QString badgeText;
    QString badgeSymbol;
    QString headline;
    bool headlineWarns;
    bool showsProgress;
    std::optional<double> progress;
    QString detail;
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
    EXPECT_EQ(content.headlineWarns, c.headlineWarns);
    EXPECT_EQ(content.showsProgress, c.showsProgress);
    EXPECT_EQ(content.progress, c.progress);
    EXPECT_EQ(content.detailText, c.detail);
    EXPECT_EQ(content.showsError, c.showsError);
    EXPECT_EQ(content.actions, c.actions);
}

const StatusCase kStatusCases[] = {
    {"queued", [](DownloadJob &) {}, "Queued", "clock", "", false, false, std::nullopt, "", false,
     {Action::cancel, Action::remove}},
    {"analyzing", [](DownloadJob &j) { j.setStatus(DownloadStatus::analyzing); }, "Analyzing", "magnifyingglass", "",
     false, true, std::nullopt, "", false, {Action::cancel, Action::remove}},
    {"downloadingVideo",
     [](DownloadJob &j) {
         halfWay(j);
         j.setStage(QStringLiteral("video"));
     },
     "Downloading video", "arrow.down.circle", "50%", false, true, 0.5,
     QString::fromUtf8("512.0 KB / 1.0 MB · 1.0MiB/s · ETA 00:01"), false, {Action::cancel, Action::remove}},
    {"downloadingAudio",
     [](DownloadJob &j) {
         j.setStatus(DownloadStatus::downloading);
         j.setStage(QStringLiteral("audio"));
     },
     "Downloading audio", "waveform", "", false, true, std::nullopt, "", false,
     {Action::cancel, Action::remove}},
    // The last speed and remaining time are no longer true.
    {"stalled",
     [](DownloadJob &j) {
         halfWay(j);
         j.setStalled(true);
     },
     "Stalled", "exclamationmark.triangle", "No progress detected", true, true, std::nullopt,
     QStringLiteral("512.0 KB / 1.0 MB"), false, {Action::cancel, Action::remove}},
    // Whatever stage it was in.
    {"stalledWhileFinalizing",
     [](DownloadJob &j) {
         halfWay(j);
         j.setStage(QStringLiteral("finalizing"));
         j.setStalled(true);
     },
     "Stalled", "exclamationmark.triangle", "No progress detected", true, true, std::nullopt,
     QStringLiteral("512.0 KB / 1.0 MB"), false, {Action::cancel, Action::remove}},
    {"retrying",
     [](DownloadJob &j) {
         halfWay(j);
         j.setRetry(DownloadRetry{3, 10});
     },
     "Downloading video", "arrow.down.circle", "Retrying, 3 of 10", true, true, std::nullopt,
     QStringLiteral("512.0 KB / 1.0 MB"), false, {Action::cancel, Action::remove}},
    {"retryingWithoutEnd",
     [](DownloadJob &j) {
         halfWay(j);
         j.setStalled(true);
         j.setRetry(DownloadRetry{12, std::nullopt});
     },
     "Downloading video", "arrow.down.circle", "Retrying, attempt 12", true, true, std::nullopt,
     QStringLiteral("512.0 KB / 1.0 MB"), false, {Action::cancel, Action::remove}},
    {"merging", [](DownloadJob &j) { j.setStatus(DownloadStatus::merging); }, "Merging", "merge",
     "Merging audio and video", false, true, std::nullopt, "", false, {Action::cancel, Action::remove}},
    // An audio extraction follows the download without a merge.
    {"finalizingAfterADownload",
     [](DownloadJob &j) {
         halfWay(j);
         j.setStage(QStringLiteral("finalizing"));
     },
     "Finalizing", "gearshape", "", false, true, std::nullopt, QStringLiteral("512.0 KB / 1.0 MB"), false,
     {Action::cancel, Action::remove}},
    {"completedWithFile",
     [](DownloadJob &j) {
         j.setStatus(DownloadStatus::completed);
         j.setOutputFilename(QStringLiteral("clip [1].mp4"));
         j.setOutputPath(QStringLiteral("/nonexistent/clip [1].mp4"));
     },
     "Completed", "checkmark.circle", "", false, false, std::nullopt, QStringLiteral("clip [1].mp4"), false,
     {Action::open, Action::reveal, Action::remove}},
    {"completedWithoutFile", [](DownloadJob &j) { j.setStatus(DownloadStatus::completed); }, "Completed",
     "checkmark.circle", "", false, false, std::nullopt, "", false, {Action::remove}},
    {"failed",
     [](DownloadJob &j) {
         j.setStatus(DownloadStatus::failed);
         j.setErrorSummary(QStringLiteral("The network connection failed."));
     },
     "Failed", "exclamationmark.triangle", "", false, false, std::nullopt, "", true, {Action::retry, Action::remove}},
    {"cancelled", [](DownloadJob &j) { j.setStatus(DownloadStatus::cancelled); }, "Cancelled", "xmark.circle", "",
     false, false, std::nullopt, "", false, {Action::retry, Action::remove}},
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
    SubtitleMode subtitles;
    const char *languages;
    const char *expected;
};

class JobRowSubtitleTest : public ::testing::TestWithParam<SubtitleCase>
{
};

TEST_P(JobRowSubtitleTest, NamesKindAndChoice)
{
    const SubtitleCase &c = GetParam();
    const auto job = makeJob(c.kind, c.format, c.subtitles, QString::fromUtf8(c.languages));
    EXPECT_EQ(JobRowContent::forJob(*job).subtitle, QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Options, JobRowSubtitleTest,
    ::testing::Values(
        SubtitleCase{MediaKind::video, AudioFormat::mp3, SubtitleMode::none, "en", "Video · 1080p"},
        SubtitleCase{MediaKind::audio, AudioFormat::best, SubtitleMode::none, "en", "Audio · Best Audio"},
        SubtitleCase{MediaKind::audio, AudioFormat::mp3, SubtitleMode::none, "en", "Audio · MP3"},
        SubtitleCase{MediaKind::audio, AudioFormat::m4a, SubtitleMode::none, "en", "Audio · M4A"},
        SubtitleCase{MediaKind::video, AudioFormat::best, SubtitleMode::original, "en,de", "Video · 1080p · Subtitles: en,de"},
        SubtitleCase{MediaKind::audio, AudioFormat::mp3, SubtitleMode::automatic, "fr", "Audio · MP3 · Auto subtitles: fr"},
        SubtitleCase{MediaKind::video, AudioFormat::best, SubtitleMode::original, "",
                     "Video · 1080p · Subtitles: all languages"}));

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
