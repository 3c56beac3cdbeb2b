#include "HistoryTestSupport.h"

#include "history/HistoryStore.h"
#include "history/PersistenceController.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

#include <memory>

namespace {

using HistoryTest::record;
using HistoryTest::titles;

// A store over a real database file that the test can close and open again,
// as a restart of the application would.
class HistoryStoreTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        reopen();
    }

    void reopen()
    {
        m_store.reset();
        m_controller.reset();
        m_controller = std::make_unique<PersistenceController>(databasePath());
        ASSERT_TRUE(m_controller->isPersistent());
        m_store = std::make_unique<HistoryStore>(m_controller->context());
    }

    QString databasePath() const { return m_dir.filePath(QStringLiteral("data/history.sqlite")); }
    HistoryStore &store() { return *m_store; }

    QTemporaryDir m_dir;
    std::unique_ptr<PersistenceController> m_controller;
    std::unique_ptr<HistoryStore> m_store;
};

TEST_F(HistoryStoreTest, AnEmptyStoreListsNothingAndClearingItChangesNothing)
{
    EXPECT_TRUE(store().all().isEmpty());
    store().clear();
    EXPECT_TRUE(store().all().isEmpty());
    reopen();
    EXPECT_TRUE(store().all().isEmpty());
}

TEST_F(HistoryStoreTest, ListsNewestFinishedFirstThenNewestStarted)
{
    // Added out of order; "f" ties with "b" on both times and was added later.
    store().add(record(QStringLiteral("a"), 10, 100));
    store().add(record(QStringLiteral("d"), 50, -1));
    store().add(record(QStringLiteral("c"), 5, 200));
    store().add(record(QStringLiteral("b"), 20, 100));
    store().add(record(QStringLiteral("e"), 60, -1));
    store().add(record(QStringLiteral("f"), 20, 100));
    const QStringList expected{"c", "f", "b", "a", "e", "d"};

    EXPECT_EQ(titles(store().all()), expected);
    reopen();
    EXPECT_EQ(titles(store().all()), expected);
}

void expectSameFields(const DownloadHistory &actual, const DownloadHistory &expected)
{
    EXPECT_EQ(actual.uuid, expected.uuid);
    EXPECT_EQ(actual.sourceURL, expected.sourceURL);
    EXPECT_EQ(actual.title, expected.title);
    EXPECT_EQ(actual.uploader, expected.uploader);
    EXPECT_EQ(actual.thumbnailURL, expected.thumbnailURL);
    EXPECT_EQ(actual.mediaTypeRaw, expected.mediaTypeRaw);
    EXPECT_EQ(actual.selectedQuality, expected.selectedQuality);
    EXPECT_EQ(actual.startedAt, expected.startedAt);
    EXPECT_EQ(actual.finishedAt, expected.finishedAt);
    EXPECT_EQ(actual.finalFilePath, expected.finalFilePath);
    EXPECT_EQ(actual.finalStatusRaw, expected.finalStatusRaw);
    EXPECT_EQ(actual.errorType, expected.errorType);
    EXPECT_EQ(actual.errorSummary, expected.errorSummary);
    EXPECT_EQ(actual.note, expected.note);
    EXPECT_EQ(actual.errorReason, expected.errorReason);
    EXPECT_EQ(actual.subtitleModeRaw, expected.subtitleModeRaw);
    EXPECT_EQ(actual.subtitleLang, expected.subtitleLang);
}

TEST_F(HistoryStoreTest, EveryFieldSurvivesARestartAndAbsentFieldsStayAbsent)
{
    DownloadHistory full = record(QStringLiteral("Ünïcødé & <tags> \"quoted\" 音楽 🎵"), 0, 0);
    full.startedAt = QDateTime::fromMSecsSinceEpoch(1'780'000'000'123, Qt::OffsetFromUTC, 7200);
    full.finishedAt = QDateTime::fromMSecsSinceEpoch(1'780'000'360'456, Qt::UTC);
    full.uploader = QStringLiteral("Channel 'One'");
    full.thumbnailURL = QStringLiteral("https://img.example/t.jpg?a=1&b=2");
    full.mediaTypeRaw = QStringLiteral("audio");
    full.selectedQuality = QStringLiteral("mp3");
    full.finalFilePath = QStringLiteral("/home/u/Downloads/Korvanth/It's here [x1].mp3");
    full.finalStatusRaw = QStringLiteral("failed");
    full.errorType = QStringLiteral("network");
    full.errorSummary = QStringLiteral("ERROR: unable to download; line\nbreak");
    full.note = QStringLiteral("Already downloaded: the file from an earlier download of this link is kept.");
    full.errorReason = QStringLiteral("HTTP Error 404: <Not> 'Found'");
    full.subtitleModeRaw = QStringLiteral("auto");
    full.subtitleLang = QStringLiteral("en,zh-Hans");

    DownloadHistory bare = record(QStringLiteral("bare"), 5, -1);
    bare.finalStatusRaw = QStringLiteral("cancelled");

    store().add(full);
    store().add(bare);
    reopen();
    const QList<DownloadHistory> all = store().all();

    ASSERT_EQ(all.size(), 2);
    expectSameFields(all.at(0), full);
    expectSameFields(all.at(1), bare);
    EXPECT_FALSE(all.at(1).uploader.has_value());
    EXPECT_FALSE(all.at(1).thumbnailURL.has_value());
    EXPECT_FALSE(all.at(1).finishedAt.has_value());
    EXPECT_FALSE(all.at(1).finalFilePath.has_value());
    EXPECT_FALSE(all.at(1).errorType.has_value());
    EXPECT_FALSE(all.at(1).errorSummary.has_value());
    EXPECT_FALSE(all.at(1).note.has_value());
    EXPECT_FALSE(all.at(1).errorReason.has_value());
    EXPECT_FALSE(all.at(1).subtitleModeRaw.has_value());
    EXPECT_FALSE(all.at(1).subtitleLang.has_value());
}

TEST_F(HistoryStoreTest, RecordsOfOneJobAreTwoRecordsAndRemovingOneKeepsTheOther)
{
    DownloadHistory firstRun = record(QStringLiteral("first run"), 1, 10);
    DownloadHistory retry = firstRun;
    retry.title = QStringLiteral("retry");
    retry.finishedAt = firstRun.finishedAt->addSecs(60);
    store().add(firstRun);
    store().add(retry);

    const QList<DownloadHistory> both = store().all();
    ASSERT_EQ(both.size(), 2);
    EXPECT_EQ(both.at(0).uuid, both.at(1).uuid);
    EXPECT_NE(both.at(0), both.at(1));

    store().remove(both.at(1));
    EXPECT_EQ(titles(store().all()), QStringList{"retry"});
    reopen();
    EXPECT_EQ(titles(store().all()), QStringList{"retry"});
    EXPECT_EQ(store().all().first(), both.at(0));
}

TEST_F(HistoryStoreTest, ClearRemovesEveryRecordForGood)
{
    for (int i = 0; i < 5; ++i)
        store().add(record(QStringLiteral("r%1").arg(i), i, i));

    store().clear();

    EXPECT_TRUE(store().all().isEmpty());
    reopen();
    EXPECT_TRUE(store().all().isEmpty());
    store().add(record(QStringLiteral("after"), 9, 9));
    EXPECT_EQ(titles(store().all()), QStringList{"after"});
}

TEST_F(HistoryStoreTest, AnnouncesEveryChange)
{
    int changes = 0;
    QObject::connect(&store(), &HistoryStore::changed, [&] { ++changes; });

    store().add(record(QStringLiteral("one"), 1, 1));
    EXPECT_EQ(changes, 1);
    store().remove(store().all().first());
    EXPECT_EQ(changes, 2);
    store().clear();
    EXPECT_EQ(changes, 3);
    store().all();
    EXPECT_EQ(changes, 3);
}

struct RawTextCase
{
    const char *name;
    QString finalStatusRaw;
    QString mediaTypeRaw;
};

// The case's name where gtest (and ctest) show the parameter.
void PrintTo(const RawTextCase &c, std::ostream *out)
{
    *out << c.name;
}

class HistoryRawTextTest : public HistoryStoreTest, public ::testing::WithParamInterface<RawTextCase>
{
};

// Any stored text comes back exactly as it was written; reading it as a
// status or kind (with fallbacks) is the engine's part (JobRecordTest).
TEST_P(HistoryRawTextTest, StoredRawTextsReadBackAsWritten)
{
    DownloadHistory history = record(QStringLiteral("raw"), 1, 1);
    history.finalStatusRaw = GetParam().finalStatusRaw;
    history.mediaTypeRaw = GetParam().mediaTypeRaw;
    store().add(history);
    reopen();

    const QList<DownloadHistory> all = store().all();
    ASSERT_EQ(all.size(), 1);
    EXPECT_EQ(all.first().finalStatusRaw, GetParam().finalStatusRaw);
    EXPECT_EQ(all.first().mediaTypeRaw, GetParam().mediaTypeRaw);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, HistoryRawTextTest,
    ::testing::Values(
        RawTextCase{"merging", u"merging"_qs, u"audio"_qs},
        RawTextCase{"completed", u"completed"_qs, u"video"_qs},
        RawTextCase{"queued", u"queued"_qs, u"audio"_qs},
        RawTextCase{"unknownWords", u"exploded"_qs, u"podcast"_qs},
        RawTextCase{"otherCase", u"Completed"_qs, u"Audio"_qs},
        RawTextCase{"padded", u" completed"_qs, u"audio "_qs},
        RawTextCase{"empty", QString(), QString()}),
    [](const ::testing::TestParamInfo<RawTextCase> &info) { return std::string(info.param.name); });

TEST(PersistenceControllerTest, TheSharedControllerKeepsItsFileInTheXdgDataFolder)
{
    QTemporaryDir dataHome;
    ASSERT_TRUE(dataHome.isValid());
    qputenv("XDG_DATA_HOME", dataHome.path().toUtf8());
    const QString expected = dataHome.filePath(QStringLiteral("tarvelle/history.sqlite"));

    EXPECT_EQ(PersistenceController::defaultDatabasePath(), expected);
    PersistenceController &shared = PersistenceController::shared();

    EXPECT_EQ(&shared, &PersistenceController::shared());
    EXPECT_TRUE(shared.isPersistent());
    EXPECT_TRUE(QFileInfo(expected).isFile());
    qunsetenv("XDG_DATA_HOME");
}

TEST(DownloadHistoryTest, IdentityIsTheStoreIdentityNotTheJobUuid)
{
    DownloadHistory a;
    a.uuid = QUuid::createUuid();
    a.storeId = QUuid::createUuid();
    DownloadHistory sameJob = a;
    sameJob.storeId = QUuid::createUuid();
    DownloadHistory sameRecord;
    sameRecord.storeId = a.storeId;

    EXPECT_NE(a, sameJob);
    EXPECT_EQ(a, sameRecord);
    EXPECT_EQ(qHash(a), qHash(sameRecord));
}

} // namespace
