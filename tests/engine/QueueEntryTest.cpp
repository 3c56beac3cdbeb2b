#include "engine/QueueEntry.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <ostream>

namespace {

DownloadJobPtr makeJob(const QString &url = QStringLiteral("https://media.test/v"))
{
    return DownloadJob::create(url, MediaKind::audio, VideoQuality::p720, AudioFormat::mp3,
                               SubtitleMode::automatic, QStringLiteral("de,fr"));
}

MediaMetadata metadata()
{
    MediaMetadata record;
    record.id = QStringLiteral("abc123");
    record.title = QStringLiteral("Clip <b>one</b>");
    record.uploader = QStringLiteral("Uploader");
    record.duration = 12.5;
    record.thumbnail = QStringLiteral("https://media.test/t.jpg");
    record.webpageUrl = QStringLiteral("https://media.test/v");
    record.description = QStringLiteral("long text");
    MediaFormat format;
    format.id = QStringLiteral("18");
    format.ext = QStringLiteral("mp4");
    record.formats.append(format);
    return record;
}

QueueEntry throughARow(const QueueEntry &entry)
{
    const QueuedJobRow row = entry.toRow(7);
    EXPECT_EQ(row.position, 7);
    std::optional<QueueEntry> back = QueueEntry::fromRow(row);
    EXPECT_TRUE(back.has_value()) << row.payload.constData();
    return back.value_or(QueueEntry{});
}

TEST(QueueEntry, AFailedJobComesBackFailedAsItWas)
{
    const DownloadJobPtr job = makeJob();
    job->setMetadata(metadata());
    job->setCreatedAt(QDateTime::fromMSecsSinceEpoch(1'700'000'000'123));
    job->setStatus(DownloadStatus::failed);
    job->setErrorCategory(DownloadErrorCategory::network);
    job->setErrorSummary(QStringLiteral("Network error"));
    job->setLogLines({QStringLiteral("line 1"), QStringLiteral("ERROR: 2")});
    job->setFinishedAt(QDateTime::fromMSecsSinceEpoch(1'700'000'100'000));
    job->setOutputDirectory(QStringLiteral("/out"));
    job->setDownloadTargets({QStringLiteral("/out/Clip [abc123].mp4")});

    const DownloadJobPtr back = throughARow(QueueEntry::of(*job)).makeJob();
    EXPECT_EQ(back->id(), job->id());
    EXPECT_EQ(back->url(), job->url());
    EXPECT_EQ(back->status(), DownloadStatus::failed);
    EXPECT_EQ(back->errorCategory(), DownloadErrorCategory::network);
    EXPECT_EQ(back->errorSummary(), "Network error");
    EXPECT_EQ(back->logLines(), job->logLines());
    EXPECT_EQ(back->finishedAt(), job->finishedAt());
    EXPECT_EQ(back->createdAt(), job->createdAt());
    EXPECT_EQ(back->mediaType(), MediaKind::audio);
    EXPECT_EQ(back->videoQuality(), VideoQuality::p720);
    EXPECT_EQ(back->audioFormat(), AudioFormat::mp3);
    EXPECT_EQ(back->subtitleMode(), SubtitleMode::automatic);
    EXPECT_EQ(back->subtitleLang(), "de,fr");
    EXPECT_EQ(back->downloadTargets(), job->downloadTargets());
    // What the row shows, without what the next analysis brings anyway.
    ASSERT_TRUE(back->metadata().has_value());
    EXPECT_EQ(back->title(), "Clip <b>one</b>");
    EXPECT_EQ(back->metadata()->uploader, "Uploader");
    EXPECT_EQ(back->metadata()->thumbnail, "https://media.test/t.jpg");
    EXPECT_TRUE(back->metadata()->formats.isEmpty());
    EXPECT_FALSE(back->metadata()->description.has_value());
    // Its partial files are looked for in its folder; a retry starts in the
    // folder the settings name then.
    EXPECT_EQ(back->outputDirectory(), "/out");
    back->resetForRetry();
    EXPECT_EQ(back->outputDirectory(), "");
}

// A job that has its name comes back with it, also a cancelled one (its
// partial files would be no one's otherwise), and a retry goes on under
// it in its folder.
TEST(QueueEntry, AJobWithItsNameComesBackWithItAndRetriesInItsFolder)
{
    for (const DownloadStatus status : {DownloadStatus::downloading, DownloadStatus::failed, DownloadStatus::cancelled}) {
        SCOPED_TRACE(DownloadStatuses::rawValue(status).toStdString());
        const DownloadJobPtr job = makeJob();
        job->setStatus(status);
        job->setOutputDirectory(QStringLiteral("/out"));
        job->setFileStem(QStringLiteral("/out/Clip [abc123] (2)"));
        ASSERT_TRUE(QueueEntry::keeps(*job));

        const DownloadJobPtr back = throughARow(QueueEntry::of(*job)).makeJob();
        EXPECT_EQ(back->fileStem(), "/out/Clip [abc123] (2)");
        EXPECT_EQ(back->status(), status == DownloadStatus::downloading ? DownloadStatus::queued : status);
        back->resetForRetry();
        EXPECT_EQ(back->fileStem(), "/out/Clip [abc123] (2)");
        EXPECT_EQ(back->outputDirectory(), "/out");
    }
}

class UnfinishedStatus : public ::testing::TestWithParam<DownloadStatus>
{
};

TEST_P(UnfinishedStatus, WaitsAgainInItsFolderWithItsFiles)
{
    const DownloadJobPtr job = makeJob();
    job->setStatus(GetParam());
    job->setOutputDirectory(QStringLiteral("/out"));
    job->setDownloadTargets({QStringLiteral("/out/a.f1.mp4"), QStringLiteral("/out/a.f2.m4a")});
    job->appendLog(QStringLiteral("a progress line"));

    const QueueEntry entry = QueueEntry::of(*job);
    EXPECT_TRUE(entry.logLines.isEmpty()) << "only a failure's log is kept";
    const DownloadJobPtr back = throughARow(entry).makeJob();
    EXPECT_EQ(back->status(), DownloadStatus::queued);
    EXPECT_EQ(back->outputDirectory(), "/out");
    EXPECT_EQ(back->downloadTargets(), job->downloadTargets());
    EXPECT_FALSE(back->errorCategory().has_value());
    EXPECT_FALSE(back->metadata().has_value());
    EXPECT_EQ(back->title(), job->url());
}

INSTANTIATE_TEST_SUITE_P(Statuses, UnfinishedStatus,
                         ::testing::Values(DownloadStatus::queued, DownloadStatus::analyzing,
                                           DownloadStatus::downloading, DownloadStatus::merging));

// A cancelled job without a name has no files to keep (see above).
TEST(QueueEntry, KeepsJobsThatHaveNotEndedAndFailures)
{
    const std::pair<DownloadStatus, bool> cases[] = {
        {DownloadStatus::queued, true},     {DownloadStatus::analyzing, true}, {DownloadStatus::downloading, true},
        {DownloadStatus::merging, true},    {DownloadStatus::failed, true},    {DownloadStatus::completed, false},
        {DownloadStatus::cancelled, false},
    };
    for (const auto &[status, kept] : cases) {
        const DownloadJobPtr job = makeJob();
        job->setStatus(status);
        EXPECT_EQ(QueueEntry::keeps(*job), kept) << DownloadStatuses::rawValue(status).toStdString();
    }
}

struct DamagedRow
{
    const char *name;
    QString jobId;
    QByteArray payload;
};

void PrintTo(const DamagedRow &row, std::ostream *out)
{
    *out << row.name;
}

class DamagedRowTest : public ::testing::TestWithParam<DamagedRow>
{
};

TEST_P(DamagedRowTest, IsNoJob)
{
    EXPECT_FALSE(QueueEntry::fromRow(QueuedJobRow{1, GetParam().jobId, 1, GetParam().payload}).has_value());
}

const QString kId = QStringLiteral("0b5e4a52-7d43-4e0f-9f6e-9d1c2f3a4b5c");

INSTANTIATE_TEST_SUITE_P(
    Rows, DamagedRowTest,
    ::testing::Values(DamagedRow{"noId", QString(), R"({"url": "https://a.test/1"})"},
                      DamagedRow{"idThatIsNoUuid", "job-1", R"({"url": "https://a.test/1"})"},
                      DamagedRow{"emptyPayload", kId, ""},
                      DamagedRow{"cutOffJson", kId, R"({"url": "https://a.test/1", "sta)"},
                      DamagedRow{"array", kId, R"(["https://a.test/1"])"},
                      DamagedRow{"noLink", kId, R"({"status": "queued"})"},
                      DamagedRow{"linkNoText", kId, R"({"url": 12})"},
                      DamagedRow{"emptyLink", kId, R"({"url": ""})"},
                      DamagedRow{"binaryNoise", kId, QByteArray("\x01\x02\xff{\x7f")}),
    [](const ::testing::TestParamInfo<DamagedRow> &info) { return std::string(info.param.name); });

// A job chosen from a list keeps its place in it, and the item it fetches,
// across a restart; a payload from before lists, or a damaged place, gives
// a job of its own link.
TEST(QueueEntry, APlaceInAListComesBack)
{
    const ListPlacement onThePage{QStringLiteral("Playlist Page"), 3, true};
    const DownloadJobPtr job = makeJob();
    job->setListPlacement(onThePage);
    EXPECT_EQ(throughARow(QueueEntry::of(*job)).makeJob()->listPlacement(), onThePage);

    struct Case
    {
        const char *name;
        QByteArray list; // the "list" member, or nothing
        std::optional<ListPlacement> placement;
    };
    const QList<Case> cases{
        {"before lists", "", std::nullopt},
        {"own page", R"(, "list": {"title": "Feed", "index": 12})", ListPlacement{"Feed", 12, false}},
        {"item of the list", R"(, "list": {"title": "", "index": 1, "fetchFromList": true})",
         ListPlacement{"", 1, true}},
        {"no title", R"(, "list": {"index": 2, "fetchFromList": true})", std::nullopt},
        {"index from 1", R"(, "list": {"title": "Feed", "index": 0})", std::nullopt},
        {"whole index", R"(, "list": {"title": "Feed", "index": 2.5})", std::nullopt},
        {"no object", R"(, "list": "Feed")", std::nullopt},
    };
    for (const Case &c : cases) {
        const QByteArray payload = R"({"url": "https://a.test/1", "status": "queued")" + c.list + "}";
        const std::optional<QueueEntry> entry = QueueEntry::fromRow(QueuedJobRow{1, kId, 1, payload});
        ASSERT_TRUE(entry.has_value()) << c.name;
        EXPECT_EQ(entry->listPlacement, c.placement) << c.name;
        EXPECT_EQ(entry->makeJob()->listPlacement(), c.placement) << c.name;
    }
}

TEST(QueueEntry, TextsItDoesNotKnowReadAsTheirDefaults)
{
    const QByteArray payload = R"({"url": "https://a.test/1", "status": "paused", "mediaType": "Audio",
        "videoQuality": "1080p", "audioFormat": "flac", "subtitleMode": "all", "subtitleLang": 3,
        "createdAt": "yesterday", "metadata": {"title": "no id"}, "errorCategory": "gremlins",
        "downloadTargets": ["/out/a.mp4", 5, null], "logLines": "not a list"})";
    const std::optional<QueueEntry> entry = QueueEntry::fromRow(QueuedJobRow{1, kId, 1, payload});
    ASSERT_TRUE(entry.has_value());
    EXPECT_EQ(entry->url, "https://a.test/1");
    EXPECT_EQ(entry->status, DownloadStatus::queued);
    EXPECT_EQ(entry->mediaType, MediaKind::video);
    EXPECT_EQ(entry->videoQuality, VideoQuality::p1080);
    EXPECT_EQ(entry->audioFormat, AudioFormat::best);
    EXPECT_EQ(entry->subtitleMode, SubtitleMode::none);
    EXPECT_EQ(entry->subtitleLang, "en");
    EXPECT_TRUE(entry->createdAt.isValid());
    EXPECT_FALSE(entry->metadata.has_value());
    EXPECT_FALSE(entry->errorCategory.has_value());
    EXPECT_EQ(entry->downloadTargets, QStringList{"/out/a.mp4"});
    EXPECT_TRUE(entry->logLines.isEmpty());
}

} // namespace
