#include "engine/DownloadJob.h"
#include "engine/Formatters.h"
#include "engine/ProgressDisplay.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace {

using Kind = ProgressDisplay::Kind;
constexpr qint64 MiB = 1024 * 1024;

DownloadJobPtr makeJob(DownloadStatus status)
{
    auto job = DownloadJob::create("https://media.test/v", MediaKind::video, VideoQuality::best, AudioFormat::best,
                                   SubtitleMode::none, QString());
    job->setStatus(status);
    return job;
}

struct DisplayCase
{
    const char *name;
    DownloadStatus status;
    std::function<void(DownloadJob &)> setUp;
    ProgressDisplay expected;
};

TEST(ProgressDisplay, ShowsEachStateWithItsTexts)
{
    const auto downloading45 = [](DownloadJob &job) {
        job.setProgress(0.453);
        job.setTotalBytes(qint64(120.5 * MiB));
        job.setDownloadedBytes(qint64(54.6 * MiB));
        job.setSpeed("2.10MiB/s");
        job.setEta("00:31");
    };
    const QList<DisplayCase> cases = {
        {"percent", DownloadStatus::downloading, downloading45,
         {Kind::percent, "45%", "54.6 MB / 120.5 MB", "2.10MiB/s", "ETA 00:31", false, std::nullopt}},
        {"about percent from an estimate", DownloadStatus::downloading,
         [&](DownloadJob &job) {
             downloading45(job);
             job.setTotalBytes(0);
             job.setEstimatedTotalBytes(qint64(120.5 * MiB));
         },
         {Kind::aboutPercent, "About 45%", "54.6 MB / estimated 120.5 MB", "2.10MiB/s", "ETA 00:31", false,
          std::nullopt}},
        {"bytes without any total", DownloadStatus::downloading, [](DownloadJob &job) { job.setDownloadedBytes(5000); },
         {Kind::indeterminate, QString::fromUtf8("Downloading\xe2\x80\xa6"), "4.9 KB", std::nullopt, std::nullopt, true,
          "Total size unknown"}},
        {"nothing yet", DownloadStatus::downloading, [](DownloadJob &) {},
         {Kind::indeterminate, QString::fromUtf8("Downloading\xe2\x80\xa6"), std::nullopt, std::nullopt, std::nullopt,
          true, std::nullopt}},
        {"audio without percentage", DownloadStatus::downloading, [](DownloadJob &job) { job.setStage("audio"); },
         {Kind::indeterminate, "Downloading audio", std::nullopt, std::nullopt, std::nullopt, true, std::nullopt}},
        {"audio with percentage shows only the number", DownloadStatus::downloading,
         [](DownloadJob &job) {
             job.setStage("audio");
             job.setProgress(0.999);
         },
         {Kind::percent, "99%", std::nullopt, std::nullopt, std::nullopt, false, std::nullopt}},
        {"fragments with percentage", DownloadStatus::downloading,
         [](DownloadJob &job) {
             job.setFragmentIndex(3);
             job.setFragmentCount(12);
             job.setProgress(0.25);
         },
         {Kind::fragment, QString::fromUtf8("Fragment 3 / 12 \xc2\xb7 About 25%"), std::nullopt, std::nullopt,
          std::nullopt, false, std::nullopt}},
        {"fragments without percentage", DownloadStatus::downloading,
         [](DownloadJob &job) {
             job.setFragmentIndex(3);
             job.setFragmentCount(12);
         },
         {Kind::fragment, "Fragment 3 / 12", std::nullopt, std::nullopt, std::nullopt, true, std::nullopt}},
        {"fragment index 0 falls back to the percentage", DownloadStatus::downloading,
         [](DownloadJob &job) {
             job.setFragmentCount(12);
             job.setProgress(0.5);
         },
         {Kind::percent, "50%", std::nullopt, std::nullopt, std::nullopt, false, std::nullopt}},
        {"plain-text percentage above 100", DownloadStatus::downloading, [](DownloadJob &job) { job.setProgress(1.5); },
         {Kind::percent, "150%", std::nullopt, std::nullopt, std::nullopt, false, std::nullopt}},
        {"stalled while downloading keeps bytes, drops the speed and ETA that no longer hold",
         DownloadStatus::downloading,
         [&](DownloadJob &job) {
             downloading45(job);
             job.setStalled(true);
         },
         {Kind::stalled, "No progress detected", "54.6 MB / 120.5 MB", std::nullopt, std::nullopt, true, std::nullopt}},
        {"retrying keeps bytes, drops speed and ETA", DownloadStatus::downloading,
         [&](DownloadJob &job) {
             downloading45(job);
             job.setRetry(DownloadRetry{3, 10});
         },
         {Kind::retrying, "Retrying, 3 of 10", "54.6 MB / 120.5 MB", std::nullopt, std::nullopt, true, std::nullopt}},
        {"retrying without end, and stalled meanwhile", DownloadStatus::downloading,
         [](DownloadJob &job) {
             job.setRetry(DownloadRetry{4, std::nullopt});
             job.setStalled(true);
         },
         {Kind::retrying, "Retrying, attempt 4", std::nullopt, std::nullopt, std::nullopt, true, std::nullopt}},
        {"a retry on a failed job is ignored", DownloadStatus::failed,
         [](DownloadJob &job) { job.setRetry(DownloadRetry{10, 10}); }, {}},
        {"stalled flag on a failed job is ignored", DownloadStatus::failed,
         [](DownloadJob &job) { job.setStalled(true); }, {}},
        {"merging", DownloadStatus::merging, [](DownloadJob &job) { job.setStage("merging"); },
         {Kind::merging, "Merging audio and video", std::nullopt, std::nullopt, std::nullopt, true, std::nullopt}},
        {"merging status with downloading stage", DownloadStatus::merging,
         [](DownloadJob &job) { job.setStage("downloading"); },
         {Kind::merging, "Merging audio and video", std::nullopt, std::nullopt, std::nullopt, true, std::nullopt}},
        {"finalizing", DownloadStatus::merging,
         [](DownloadJob &job) {
             job.setStage("finalizing");
             job.setDownloadedBytes(2048);
         },
         {Kind::finalizing, "Finalizing", "2.0 KB", std::nullopt, std::nullopt, true, std::nullopt}},
        {"finalizing after a download without a merge", DownloadStatus::downloading,
         [&](DownloadJob &job) {
             downloading45(job);
             job.setStage("finalizing");
         },
         {Kind::finalizing, "Finalizing", "54.6 MB / 120.5 MB", std::nullopt, std::nullopt, true, std::nullopt}},
        {"completed without path or name", DownloadStatus::completed, [](DownloadJob &) {},
         {Kind::completed, "Complete", std::nullopt, std::nullopt, std::nullopt, false, std::nullopt}},
        {"completed with a deleted file shows the name", DownloadStatus::completed,
         [](DownloadJob &job) {
             job.setOutputPath("/nonexistent/Clip.mp4");
             job.setOutputFilename("Clip.mp4");
         },
         {Kind::completed, "Complete", "Clip.mp4", std::nullopt, std::nullopt, false, std::nullopt}},
        {"queued", DownloadStatus::queued, [](DownloadJob &) {}, {}},
        {"analyzing", DownloadStatus::analyzing, [](DownloadJob &) {}, {}},
        {"cancelled", DownloadStatus::cancelled, [](DownloadJob &) {}, {}},
    };
    for (const DisplayCase &c : cases) {
        auto job = makeJob(c.status);
        c.setUp(*job);
        EXPECT_EQ(ProgressDisplay::forJob(*job), c.expected) << c.name;
    }
}

TEST(ProgressDisplay, CompletedJobShowsTheSizeOfItsFile)
{
    QTemporaryDir dir;
    QFile file(dir.filePath("Clip.mp4"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(10 * MiB));
    file.close();
    auto job = makeJob(DownloadStatus::completed);
    job->setOutputPath(file.fileName());
    job->setOutputFilename("Clip.mp4");
    EXPECT_EQ(ProgressDisplay::forJob(*job).bytesText, QString::fromUtf8("10.0 MB \xc2\xb7 Clip.mp4"));
}

TEST(JobStatusInfo, BadgeForEachStatus)
{
    const QList<std::tuple<DownloadStatus, QString, JobStatusInfo>> cases = {
        {DownloadStatus::queued, "", {"clock", "Queued", SemanticColor::orange}},
        {DownloadStatus::analyzing, "", {"magnifyingglass", "Analyzing", SemanticColor::blue}},
        {DownloadStatus::downloading, "audio", {"waveform", "Downloading audio", SemanticColor::blue}},
        {DownloadStatus::downloading, "merging", {"arrow.down.circle", "Downloading video", SemanticColor::blue}},
        {DownloadStatus::downloading, "finalizing", {"gearshape", "Finalizing", SemanticColor::blue}},
        {DownloadStatus::merging, "finalizing", {"gearshape", "Finalizing", SemanticColor::blue}},
        {DownloadStatus::merging, "", {"merge", "Merging", SemanticColor::blue}},
        {DownloadStatus::completed, "", {"checkmark.circle", "Completed", SemanticColor::green}},
        {DownloadStatus::cancelled, "", {"xmark.circle", "Cancelled", SemanticColor::secondary}},
        {DownloadStatus::failed, "audio", {"exclamationmark.triangle", "Failed", SemanticColor::red}},
    };
    for (const auto &[status, stage, expected] : cases)
        EXPECT_EQ(JobStatusInfo::forStatus(status, stage), expected) << expected.text.toStdString();
}

TEST(Formatters, FormatBytes)
{
    const QList<std::pair<qint64, QString>> cases = {
        {0, "-"},
        {-5, "-"},
        {512, "512.0 B"},
        {1023, "1023.0 B"},
        {1024, "1.0 KB"},
        {1536, "1.5 KB"},
        {1048576, "1.0 MB"},
        {qint64(120.5 * MiB), "120.5 MB"},
        {1099511627776LL, "1.0 TB"},
        {1125899906842624LL, "1024.0 TB"},
    };
    for (const auto &[bytes, expected] : cases)
        EXPECT_EQ(Formatters::formatBytes(bytes), expected) << bytes;
}

} // namespace
