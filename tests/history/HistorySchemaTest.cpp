#include "HistoryTestSupport.h"

#include "history/HistorySchema.h"
#include "history/HistoryStore.h"
#include "history/PersistenceController.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The columns and indexes of a database file, as SQLite describes them, and
// its recorded version.
struct Layout
{
    QStringList columns; // "name type notnull" in table order
    QStringList indexes;
    QString version;

    bool operator==(const Layout &) const = default;
};

Layout layoutOf(const QString &path)
{
    Layout layout;
    const QString connection = QStringLiteral("schema-layout");
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        database.setDatabaseName(path);
        EXPECT_TRUE(database.open());
        QSqlQuery query(database);
        EXPECT_TRUE(query.exec(QStringLiteral("PRAGMA table_info(history)")));
        while (query.next())
            layout.columns << QStringLiteral("%1 %2 %3").arg(query.value(1).toString(), query.value(2).toString(),
                                                             query.value(3).toString());
        EXPECT_TRUE(query.exec(QStringLiteral("SELECT sql FROM sqlite_master WHERE type = 'index' AND sql IS NOT NULL")));
        while (query.next())
            layout.indexes << query.value(0).toString();
        EXPECT_TRUE(query.exec(QStringLiteral("SELECT value FROM meta WHERE key = 'schemaVersion'")));
        if (query.next())
            layout.version = query.value(0).toString();
    }
    QSqlDatabase::removeDatabase(connection);
    return layout;
}

void PrintTo(const Layout &layout, std::ostream *out)
{
    *out << layout.version.toStdString() << ": " << layout.columns.join(", ").toStdString();
}

class HistorySchemaTest : public ::testing::Test
{
protected:
    QString path(const char *name) const { return m_dir.filePath(QLatin1String(name)); }

    QTemporaryDir m_dir;
};

// A file some earlier version left, upgraded as it is opened.
struct OldFile
{
    const char *version;
    void (*write)(const QString &path);
    QStringList titles; // newest first
};

void PrintTo(const OldFile &file, std::ostream *out)
{
    *out << file.version;
}

class HistoryUpgradeTest : public HistorySchemaTest, public ::testing::WithParamInterface<OldFile>
{
};

TEST_P(HistoryUpgradeTest, EveryRecordIsKept)
{
    const QString file = path("history.sqlite");
    GetParam().write(file);
    const QString note = QStringLiteral("Already downloaded: the file from an earlier download of this link is kept.");
    {
        PersistenceController controller(file);
        ASSERT_TRUE(controller.isPersistent());
        HistoryStore store(controller.context());
        const QList<DownloadHistory> records = store.all();
        ASSERT_EQ(HistoryTest::titles(records), GetParam().titles);

        const DownloadHistory &failure = records.at(records.size() - 2);
        EXPECT_EQ(failure.sourceURL, QStringLiteral("https://media.example/gone"));
        EXPECT_EQ(failure.uploader, QStringLiteral("Channel"));
        EXPECT_EQ(failure.thumbnailURL, QStringLiteral("https://img.example/t.jpg"));
        EXPECT_EQ(failure.mediaTypeRaw, QStringLiteral("audio"));
        EXPECT_EQ(failure.selectedQuality, QStringLiteral("mp3"));
        EXPECT_EQ(failure.startedAt.toMSecsSinceEpoch(), 1'780'000'000'000);
        EXPECT_EQ(failure.finishedAt->toMSecsSinceEpoch(), 1'780'000'060'000);
        EXPECT_EQ(failure.finalFilePath, QStringLiteral("/music/x.mp3"));
        EXPECT_EQ(failure.finalStatusRaw, QStringLiteral("failed"));
        EXPECT_EQ(failure.errorType, QStringLiteral("network"));
        EXPECT_EQ(failure.errorSummary, QStringLiteral("A network error occurred."));
        for (const DownloadHistory &record : records) {
            const bool fromOneTwo = record.title == QLatin1String("old note");
            EXPECT_FALSE(record.errorReason.has_value());
            EXPECT_EQ(record.subtitleModeRaw, fromOneTwo ? std::optional<QString>("original") : std::nullopt);
            EXPECT_EQ(record.subtitleLang, fromOneTwo ? std::optional<QString>("en") : std::nullopt);
            EXPECT_EQ(record.note, fromOneTwo ? std::optional<QString>(note) : std::nullopt);
            EXPECT_FALSE(record.listTitle.has_value()) << record.title.toStdString();
            EXPECT_FALSE(record.listIndex.has_value()) << record.title.toStdString();
            EXPECT_FALSE(record.fetchedFromList) << record.title.toStdString();
        }

        DownloadHistory fresh = HistoryTest::record(QStringLiteral("new"), 10'000, 10'000);
        fresh.errorReason = QStringLiteral("HTTP Error 404: Not Found");
        fresh.subtitleModeRaw = QStringLiteral("original");
        fresh.subtitleLang = QStringLiteral("en");
        fresh.note = note;
        fresh.listTitle = QStringLiteral("Playlist Page");
        fresh.listIndex = 3;
        fresh.fetchedFromList = true;
        store.add(fresh);
    }
    EXPECT_EQ(layoutOf(file).version, HistorySchema::currentVersion());

    PersistenceController reopened(file);
    ASSERT_TRUE(reopened.isPersistent());
    const QList<DownloadHistory> records = HistoryStore(reopened.context()).all();
    ASSERT_EQ(HistoryTest::titles(records), QStringList{"new"} + GetParam().titles);
    const DownloadHistory &fresh = records.at(0);
    EXPECT_EQ(fresh.errorReason, QStringLiteral("HTTP Error 404: Not Found"));
    EXPECT_EQ(fresh.subtitleModeRaw, QStringLiteral("original"));
    EXPECT_EQ(fresh.subtitleLang, QStringLiteral("en"));
    EXPECT_EQ(fresh.note, note);
    EXPECT_EQ(fresh.listTitle, QStringLiteral("Playlist Page"));
    EXPECT_EQ(fresh.listIndex, 3);
    EXPECT_TRUE(fresh.fetchedFromList);
}

INSTANTIATE_TEST_SUITE_P(
    Versions, HistoryUpgradeTest,
    ::testing::Values(OldFile{"1_0_0", HistoryTest::writeVersion100Database, {"old failure", "old bare"}},
                      OldFile{"1_2_0", HistoryTest::writeVersion120Database, {"old note", "old failure", "old bare"}}),
    [](const ::testing::TestParamInfo<OldFile> &info) { return std::string(info.param.version); });

TEST_F(HistorySchemaTest, ANewFileAndAnUpgradedOneHaveOneLayout)
{
    HistoryTest::writeVersion100Database(path("old.sqlite"));
    { PersistenceController upgraded(path("old.sqlite")); ASSERT_TRUE(upgraded.isPersistent()); }
    { PersistenceController created(path("new.sqlite")); ASSERT_TRUE(created.isPersistent()); }

    const Layout upgraded = layoutOf(path("old.sqlite"));
    EXPECT_EQ(upgraded, layoutOf(path("new.sqlite")));
    EXPECT_EQ(upgraded.version, HistorySchema::currentVersion());
    EXPECT_TRUE(upgraded.columns.contains(QStringLiteral("errorReason TEXT 0")));
    EXPECT_TRUE(upgraded.columns.contains(QStringLiteral("note TEXT 0")));
    EXPECT_TRUE(upgraded.columns.contains(QStringLiteral("fetchedFromList INTEGER 1")));
}

TEST(HistorySchema, EveryStepLeadsToAVersionOfItsOwn)
{
    QStringList seen{QString::fromLatin1(HistorySchema::kFirstVersion)};
    for (const HistorySchema::Migration &step : HistorySchema::migrations()) {
        EXPECT_FALSE(seen.contains(step.version)) << step.version.toStdString();
        EXPECT_FALSE(step.statements.isEmpty()) << step.version.toStdString();
        seen << step.version;
    }
    EXPECT_EQ(HistorySchema::currentVersion(), seen.constLast());
}

} // namespace
