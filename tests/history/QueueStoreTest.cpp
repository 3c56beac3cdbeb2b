#include "HistoryTestSupport.h"

#include "history/PersistenceController.h"
#include "history/QueueStore.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QueuedJobRow row(const QString &jobId, qint64 position, const QByteArray &payload)
{
    return QueuedJobRow{0, jobId, position, payload};
}

QStringList jobIds(const QList<QueuedJobRow> &rows)
{
    QStringList ids;
    for (const QueuedJobRow &r : rows)
        ids.append(r.jobId);
    return ids;
}

class QueueStoreTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        // The history makes the tables when it opens the file.
        PersistenceController persistence(path());
        ASSERT_TRUE(persistence.isPersistent());
    }

    QString path() const { return m_dir.filePath(QStringLiteral("history.sqlite")); }

    QTemporaryDir m_dir;
};

TEST_F(QueueStoreTest, RowsComeBackInTheirPositionsOrderAcrossConnections)
{
    {
        const auto store = QueueStore::open(path());
        ASSERT_TRUE(store);
        EXPECT_EQ(store->load(), QList<QueuedJobRow>());
        ASSERT_TRUE(store->write({row("c", 30, "{3}"), row("a", 10, "{1}"), row("b", 20, "{2}")}, {}));
        // Written again: the row is replaced, position and all.
        ASSERT_TRUE(store->write({row("a", 40, "{1 again}")}, {"b", "not there"}));
    }
    const auto reopened = QueueStore::open(path());
    ASSERT_TRUE(reopened);
    const auto rows = reopened->load();
    ASSERT_TRUE(rows.has_value());
    EXPECT_EQ(jobIds(*rows), (QStringList{"c", "a"}));
    EXPECT_EQ(rows->at(1).position, 40);
    EXPECT_EQ(rows->at(1).payload, "{1 again}");
    EXPECT_GT(rows->at(0).rowId, 0);
}

TEST_F(QueueStoreTest, RowsSetAsideAreKeptApartAndNeverLoadedAgain)
{
    const auto store = QueueStore::open(path());
    ASSERT_TRUE(store);
    ASSERT_TRUE(store->write({row("a", 1, "good"), row("b", 2, "bad"), row("c", 3, "good")}, {}));
    const QList<QueuedJobRow> rows = *store->load();
    ASSERT_TRUE(store->setAside({rows.at(1).rowId}));
    EXPECT_EQ(jobIds(*store->load()), (QStringList{"a", "c"}));
    EXPECT_EQ(jobIds(*QueueStore::open(path())->load()), (QStringList{"a", "c"}));

    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("queue-store-test"));
    database.setDatabaseName(path());
    ASSERT_TRUE(database.open());
    {
        QSqlQuery query(database);
        ASSERT_TRUE(query.exec(QStringLiteral("SELECT jobId, position, payload, setAsideAt FROM queue_set_aside")));
        ASSERT_TRUE(query.next());
        EXPECT_EQ(query.value(0).toString(), "b");
        EXPECT_EQ(query.value(1).toLongLong(), 2);
        EXPECT_EQ(query.value(2).toString(), "bad");
        EXPECT_GT(query.value(3).toLongLong(), 0);
        EXPECT_FALSE(query.next());
    }
    database.close();
    database = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("queue-store-test"));
}

TEST_F(QueueStoreTest, AWriteRefusedByAnotherProcessesLockWritesNothing)
{
    const auto store = QueueStore::open(path());
    ASSERT_TRUE(store);
    ASSERT_TRUE(store->write({row("a", 1, "one")}, {}));
    {
        HistoryTest::WriteLockHolder holder(path());
        ASSERT_TRUE(holder.locked());
        EXPECT_FALSE(store->write({row("b", 2, "two"), row("a", 1, "changed")}, {}));
        EXPECT_EQ(jobIds(*store->load()), QStringList{"a"}) << "reading goes on under the lock";
        EXPECT_TRUE(holder.finish());
    }
    EXPECT_EQ(store->load()->at(0).payload, "one");
    EXPECT_TRUE(store->write({row("b", 2, "two")}, {}));
    EXPECT_EQ(jobIds(*store->load()), (QStringList{"a", "b"}));
}

TEST(QueueStore, OpensOnlyADatabaseTheHistoryPrepared)
{
    QTemporaryDir dir;
    EXPECT_FALSE(QueueStore::open(dir.filePath(QStringLiteral("never-made.sqlite"))));
    EXPECT_FALSE(QueueStore::open(dir.filePath(QStringLiteral("missing/folder/history.sqlite"))));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("never-made.sqlite")))) << "made by trying";
}

TEST(QueueStore, ATableMadeInAnOlderFileKeepsItsRecords)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("history.sqlite"));
    HistoryTest::seedDatabase(path);
    {
        // As a file of the first version is: without the queue's tables.
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("older-file"));
        database.setDatabaseName(path);
        ASSERT_TRUE(database.open());
        QSqlQuery query(database);
        ASSERT_TRUE(query.exec(QStringLiteral("DROP TABLE queue")));
        ASSERT_TRUE(query.exec(QStringLiteral("DROP TABLE queue_set_aside")));
        database.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("older-file"));
    EXPECT_FALSE(QueueStore::open(path));

    PersistenceController persistence(path);
    ASSERT_TRUE(persistence.isPersistent());
    EXPECT_EQ(HistoryTest::titlesOnDisk(path), (QStringList{"first", "second", "third"}));
    const auto store = QueueStore::open(path);
    ASSERT_TRUE(store);
    EXPECT_EQ(store->load(), QList<QueuedJobRow>());
}

TEST(QueueStore, PayloadsKeptAsTextInAnOlderTableReadAsTheirBytes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("history.sqlite"));
    HistoryTest::seedDatabase(path);
    const QString title = QStringLiteral("{\"title\": \"Caf\u00e9 \u6771\u4eac \U0001F3B5\"}");
    {
        // The queue table as it was first made: payload declared TEXT, its
        // rows bound as text, and no index on the position.
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("older-file"));
        database.setDatabaseName(path);
        ASSERT_TRUE(database.open());
        QSqlQuery query(database);
        ASSERT_TRUE(query.exec(QStringLiteral("DROP TABLE queue")));
        ASSERT_TRUE(query.exec(QStringLiteral("CREATE TABLE queue (jobId TEXT NOT NULL PRIMARY KEY,"
                                              " position INTEGER NOT NULL, payload TEXT NOT NULL)")));
        ASSERT_TRUE(query.prepare(QStringLiteral("INSERT INTO queue (jobId, position, payload) VALUES (?, ?, ?)")));
        query.addBindValue(QStringLiteral("old"));
        query.addBindValue(2);
        query.addBindValue(title);
        ASSERT_TRUE(query.exec());
        ASSERT_TRUE(query.exec(QStringLiteral("SELECT typeof(payload) FROM queue")) && query.next());
        ASSERT_EQ(query.value(0).toString(), "text");
        database.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("older-file"));

    PersistenceController persistence(path);
    ASSERT_TRUE(persistence.isPersistent());
    const auto store = QueueStore::open(path);
    ASSERT_TRUE(store);
    // A row written now goes into the old table beside the text one.
    ASSERT_TRUE(store->write({row("new", 1, title.toUtf8())}, {}));
    const auto rows = store->load();
    ASSERT_TRUE(rows.has_value());
    EXPECT_EQ(jobIds(*rows), (QStringList{"new", "old"}));
    EXPECT_EQ(rows->at(0).payload, title.toUtf8());
    EXPECT_EQ(rows->at(1).payload, title.toUtf8());
}

} // namespace
