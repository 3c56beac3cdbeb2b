#include "engine/JobRecord.h"

#include "engine/DownloadJob.h"

#include <gtest/gtest.h>

#include <ostream>

#include <functional>

namespace {

const QString kUrl = QStringLiteral("https://media.example/watch?v=abc");

MediaMetadata metadata(const QString &title, std::optional<QString> uploader,
                       std::optional<QString> thumbnail)
{
    MediaMetadata result;
    result.id = QStringLiteral("abc");
    result.title = title;
    result.uploader = std::move(uploader);
    result.thumbnail = std::move(thumbnail);
    result.webpageUrl = kUrl;
    return result;
}

struct Expected
{
    QString title;
    std::optional<QString> uploader;
    std::optional<QString> thumbnailURL;
    QString mediaTypeRaw;
    QString selectedQuality;
    std::optional<QString> finalFilePath;
    QString finalStatusRaw;
    std::optional<QString> errorType;
    std::optional<QString> errorSummary;
    std::optional<QString> errorReason;
    std::optional<QString> subtitleModeRaw;
    std::optional<QString> subtitleLang;
};

struct JobCase
{
    const char *name;
    MediaKind mediaType;
    VideoQuality videoQuality;
    AudioFormat audioFormat;
    SubtitleMode subtitleMode;
    QString subtitleLang;
    std::function<void(DownloadJob &)> finish; // what the run left on the job
    Expected expected;
};

// The case's name where gtest (and ctest) show the parameter.
void PrintTo(const JobCase &c, std::ostream *out)
{
    *out << c.name;
}

class JobRecordOfJobTest : public ::testing::TestWithParam<JobCase>
{
};

TEST_P(JobRecordOfJobTest, TakesEachFieldFromTheJob)
{
    const JobCase &c = GetParam();
    const DownloadJobPtr job = DownloadJob::create(kUrl, c.mediaType, c.videoQuality, c.audioFormat,
                                                   c.subtitleMode, c.subtitleLang);
    job->setCreatedAt(QDateTime::fromMSecsSinceEpoch(1'780'000'000'000, Qt::UTC));
    job->setFinishedAt(QDateTime::fromMSecsSinceEpoch(1'780'000'090'000, Qt::UTC));
    c.finish(*job);

    const DownloadHistory history = JobRecord::of(*job);

    EXPECT_TRUE(history.storeId.isNull());
    EXPECT_EQ(history.uuid, job->id());
    EXPECT_EQ(history.sourceURL, kUrl);
    EXPECT_EQ(history.startedAt, job->createdAt());
    EXPECT_EQ(history.finishedAt, job->finishedAt());
    EXPECT_EQ(history.title, c.expected.title);
    EXPECT_EQ(history.uploader, c.expected.uploader);
    EXPECT_EQ(history.thumbnailURL, c.expected.thumbnailURL);
    EXPECT_EQ(history.mediaTypeRaw, c.expected.mediaTypeRaw);
    EXPECT_EQ(history.selectedQuality, c.expected.selectedQuality);
    EXPECT_EQ(history.finalFilePath, c.expected.finalFilePath);
    EXPECT_EQ(history.finalStatusRaw, c.expected.finalStatusRaw);
    EXPECT_EQ(history.errorType, c.expected.errorType);
    EXPECT_EQ(history.errorSummary, c.expected.errorSummary);
    EXPECT_EQ(history.errorReason, c.expected.errorReason);
    EXPECT_EQ(history.subtitleModeRaw, c.expected.subtitleModeRaw);
    EXPECT_EQ(history.subtitleLang, c.expected.subtitleLang);
}

INSTANTIATE_TEST_SUITE_P(
    Jobs, JobRecordOfJobTest,
    ::testing::Values(
        JobCase{"cancelledBeforeMetadata", MediaKind::video, VideoQuality::p1080, AudioFormat::mp3,
                SubtitleMode::none, QString(),
                [](DownloadJob &job) { job.setStatus(DownloadStatus::cancelled); },
                {kUrl, std::nullopt, std::nullopt, u"video"_qs, u"p1080"_qs, std::nullopt,
                 u"cancelled"_qs, std::nullopt, std::nullopt, std::nullopt, u"none"_qs, std::nullopt}},
        JobCase{"completedAudio", MediaKind::audio, VideoQuality::p720, AudioFormat::mp3,
                SubtitleMode::original, u"en,de"_qs,
                [](DownloadJob &job) {
                    job.setMetadata(metadata(u"Song & Dance"_qs, u"Band"_qs,
                                             u"https://img.example/s.jpg"_qs));
                    job.setOutputPath(u"/music/Song & Dance [abc].mp3"_qs);
                    job.setStatus(DownloadStatus::completed);
                },
                {u"Song & Dance"_qs, u"Band"_qs, u"https://img.example/s.jpg"_qs, u"audio"_qs,
                 u"mp3"_qs, u"/music/Song & Dance [abc].mp3"_qs, u"completed"_qs, std::nullopt,
                 std::nullopt, std::nullopt, u"original"_qs, u"en,de"_qs}},
        JobCase{"failedWithCategoryAndReason", MediaKind::video, VideoQuality::best, AudioFormat::m4a,
                SubtitleMode::automatic, u"fr"_qs,
                [](DownloadJob &job) {
                    job.setMetadata(metadata(u"Clip"_qs, std::nullopt, std::nullopt));
                    job.setErrorCategory(DownloadErrorCategory::network);
                    job.setErrorSummary(u"A network error occurred."_qs);
                    job.setErrorReason(u"HTTP Error 404: Not Found"_qs);
                    job.setStatus(DownloadStatus::failed);
                },
                {u"Clip"_qs, std::nullopt, std::nullopt, u"video"_qs, u"best"_qs, std::nullopt,
                 u"failed"_qs, u"network"_qs, u"A network error occurred."_qs, u"HTTP Error 404: Not Found"_qs,
                 u"auto"_qs, u"fr"_qs}},
        JobCase{"emptyPathSummaryReasonAndLanguageAreAbsent", MediaKind::audio, VideoQuality::p2160,
                AudioFormat::best, SubtitleMode::original, QString(),
                [](DownloadJob &job) {
                    job.setOutputPath(QString());
                    job.setErrorSummary(QString());
                    job.setErrorReason(QString());
                    job.setErrorCategory(DownloadErrorCategory::unknown);
                    job.setStatus(DownloadStatus::merging);
                },
                {kUrl, std::nullopt, std::nullopt, u"audio"_qs, u"best"_qs, std::nullopt,
                 u"merging"_qs, u"unknown"_qs, std::nullopt, std::nullopt, u"original"_qs, std::nullopt}}),
    [](const ::testing::TestParamInfo<JobCase> &info) { return std::string(info.param.name); });

struct RawTextCase
{
    const char *name;
    QString finalStatusRaw;
    QString mediaTypeRaw;
    DownloadStatus status;
    MediaKind mediaKind;
};

void PrintTo(const RawTextCase &c, std::ostream *out)
{
    *out << c.name;
}

class JobRecordRawTextTest : public ::testing::TestWithParam<RawTextCase>
{
};

// Stored texts come back as they were written, by this version or another:
// the engine reads each as its own word, else as a fixed fallback.
TEST_P(JobRecordRawTextTest, StoredRawTextsReadAsTheEnginesWordsWithTheirFallbacks)
{
    DownloadHistory record;
    record.finalStatusRaw = GetParam().finalStatusRaw;
    record.mediaTypeRaw = GetParam().mediaTypeRaw;

    EXPECT_EQ(JobRecord::status(record), GetParam().status);
    EXPECT_EQ(JobRecord::mediaKind(record), GetParam().mediaKind);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, JobRecordRawTextTest,
    ::testing::Values(
        RawTextCase{"merging", u"merging"_qs, u"audio"_qs, DownloadStatus::merging, MediaKind::audio},
        RawTextCase{"completed", u"completed"_qs, u"video"_qs, DownloadStatus::completed, MediaKind::video},
        RawTextCase{"queued", u"queued"_qs, u"audio"_qs, DownloadStatus::queued, MediaKind::audio},
        RawTextCase{"unknownWords", u"exploded"_qs, u"podcast"_qs, DownloadStatus::failed, MediaKind::video},
        RawTextCase{"otherCase", u"Completed"_qs, u"Audio"_qs, DownloadStatus::failed, MediaKind::video},
        RawTextCase{"padded", u" completed"_qs, u"audio "_qs, DownloadStatus::failed, MediaKind::video},
        RawTextCase{"empty", QString(), QString(), DownloadStatus::failed, MediaKind::video}),
    [](const ::testing::TestParamInfo<RawTextCase> &info) { return std::string(info.param.name); });

struct OptionsCase
{
    const char *name;
    QString mediaTypeRaw;
    QString selectedQuality;
    std::optional<QString> subtitleModeRaw;
    std::optional<QString> subtitleLang;
    std::optional<VideoQuality> videoQuality;
    std::optional<AudioFormat> audioFormat;
    std::optional<SubtitleMode> subtitleMode;
    std::optional<QString> language;
};

void PrintTo(const OptionsCase &c, std::ostream *out)
{
    *out << c.name;
}

class JobRecordOptionsTest : public ::testing::TestWithParam<OptionsCase>
{
};

// What a retry from the history asks for again.
TEST_P(JobRecordOptionsTest, ReadsTheOptionsTheRecordKept)
{
    const OptionsCase &c = GetParam();
    DownloadHistory record;
    record.mediaTypeRaw = c.mediaTypeRaw;
    record.selectedQuality = c.selectedQuality;
    record.subtitleModeRaw = c.subtitleModeRaw;
    record.subtitleLang = c.subtitleLang;
    EXPECT_EQ(JobRecord::videoQuality(record), c.videoQuality);
    EXPECT_EQ(JobRecord::audioFormat(record), c.audioFormat);
    EXPECT_EQ(JobRecord::subtitleMode(record), c.subtitleMode);
    EXPECT_EQ(JobRecord::subtitleLang(record), c.language);
}

INSTANTIATE_TEST_SUITE_P(
    Records, JobRecordOptionsTest,
    ::testing::Values(
        OptionsCase{"video", u"video"_qs, u"p720"_qs, u"original"_qs, u"en,de"_qs, VideoQuality::p720,
                    std::nullopt, SubtitleMode::original, u"en,de"_qs},
        OptionsCase{"audio", u"audio"_qs, u"m4a"_qs, u"none"_qs, std::nullopt, std::nullopt, AudioFormat::m4a,
                    SubtitleMode::none, u""_qs},
        OptionsCase{"subtitlesWithoutLanguages", u"video"_qs, u"best"_qs, u"auto"_qs, std::nullopt,
                    VideoQuality::best, std::nullopt, SubtitleMode::automatic, u""_qs},
        OptionsCase{"madeBeforeSubtitlesWereKept", u"video"_qs, u"p1080"_qs, std::nullopt, std::nullopt,
                    VideoQuality::p1080, std::nullopt, std::nullopt, std::nullopt},
        OptionsCase{"unknownTexts", u"audio"_qs, u"flac"_qs, u"sometimes"_qs, u"en"_qs, std::nullopt, std::nullopt,
                    std::nullopt, std::nullopt}),
    [](const ::testing::TestParamInfo<OptionsCase> &info) { return std::string(info.param.name); });

} // namespace
