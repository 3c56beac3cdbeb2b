#include "HistoryTestSupport.h"

#include "history/HistoryStore.h"
#include "history/PersistenceController.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <gtest/gtest.h>

namespace HistoryTest {

namespace {

const QDateTime kEpoch = QDateTime::fromMSecsSinceEpoch(1'780'000'000'000, Qt::UTC);

} // namespace

DownloadHistory record(const QString &title, int startedAt, int finishedAt)
{
    DownloadHistory history;
    history.uuid = QUuid::createUuid();
    history.sourceURL = QStringLiteral("https://media.example/watch?v=") + title;
    history.title = title;
    history.mediaTypeRaw = QStringLiteral("video");
    history.selectedQuality = QStringLiteral("best");
    history.startedAt = kEpoch.addSecs(startedAt);
    if (finishedAt >= 0)
        history.finishedAt = kEpoch.addSecs(finishedAt);
    history.finalStatusRaw = QStringLiteral("completed");
    return history;
}

QStringList titles(const QList<DownloadHistory> &records)
{
    QStringList result;
    for (const DownloadHistory &history : records)
        result.append(history.title);
    return result;
}

QStringList titlesOnDisk(const QString &databasePath)
{
    const QString connection = QStringLiteral("titles-on-disk");
    QStringList result;
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        database.setDatabaseName(databasePath);
        database.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        EXPECT_TRUE(database.open());
        QSqlQuery query(database);
        EXPECT_TRUE(query.exec(QStringLiteral("SELECT title FROM history ORDER BY rowid")));
        while (query.next())
            result.append(query.value(0).toString());
    }
    QSqlDatabase::removeDatabase(connection);
    return result;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

void runSql(const QString &databasePath, const QStringList &statements)
{
    const QString connection = QStringLiteral("history-test-sql");
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        database.setDatabaseName(databasePath);
        ASSERT_TRUE(database.open());
        QSqlQuery query(database);
        for (const QString &statement : statements)
            ASSERT_TRUE(query.exec(statement)) << statement.toStdString();
    }
    QSqlDatabase::removeDatabase(connection);
}

void writeVersion100Database(const QString &databasePath)
{
    runSql(databasePath,
           {QStringLiteral("PRAGMA journal_mode = WAL"),
            QStringLiteral("CREATE TABLE meta (key TEXT NOT NULL PRIMARY KEY, value TEXT NOT NULL)"),
            QStringLiteral("CREATE TABLE history (storeId TEXT NOT NULL PRIMARY KEY, uuid TEXT NOT NULL,"
                           " sourceURL TEXT NOT NULL, title TEXT NOT NULL, uploader TEXT, thumbnailURL TEXT,"
                           " mediaTypeRaw TEXT NOT NULL, selectedQuality TEXT NOT NULL, startedAt INTEGER NOT NULL,"
                           " finishedAt INTEGER, finalFilePath TEXT, finalStatusRaw TEXT NOT NULL, errorType TEXT,"
                           " errorSummary TEXT)"),
            QStringLiteral("CREATE INDEX history_newest_first ON history (finishedAt, startedAt)"),
            QStringLiteral("INSERT INTO meta (key, value) VALUES ('schemaVersion', '1.0.0')"),
            QStringLiteral("INSERT INTO history VALUES ('3f1c1ea6-0d5e-4a4e-9d1e-6c1b1c2d3e4f',"
                           " '7a0d3c7e-1b2a-4c5d-8e9f-0a1b2c3d4e5f', 'https://media.example/gone', 'old failure',"
                           " 'Channel', 'https://img.example/t.jpg', 'audio', 'mp3', 1780000000000, 1780000060000,"
                           " '/music/x.mp3', 'failed', 'network', 'A network error occurred.')"),
            QStringLiteral("INSERT INTO history VALUES ('5b6c7d8e-9f0a-4b1c-8d2e-3f4a5b6c7d8e',"
                           " 'c1d2e3f4-a5b6-4c7d-9e8f-a0b1c2d3e4f5', 'https://media.example/bare', 'old bare', NULL,"
                           " NULL, 'video', 'p720', 1780000000000, NULL, NULL, 'cancelled', NULL, NULL)")});
}

void writeVersion120Database(const QString &databasePath)
{
    writeVersion100Database(databasePath);
    runSql(databasePath,
           {QStringLiteral("ALTER TABLE history ADD COLUMN errorReason TEXT"),
            QStringLiteral("ALTER TABLE history ADD COLUMN subtitleModeRaw TEXT"),
            QStringLiteral("ALTER TABLE history ADD COLUMN subtitleLang TEXT"),
            QStringLiteral("ALTER TABLE history ADD COLUMN note TEXT"),
            QStringLiteral("UPDATE meta SET value = '1.2.0' WHERE key = 'schemaVersion'"),
            QStringLiteral("INSERT INTO history VALUES ('9e8d7c6b-5a4f-4e3d-8c2b-1a0f9e8d7c6b',"
                           " 'd4c3b2a1-f0e9-4d8c-b7a6-958473625140', 'https://media.example/again', 'old note',"
                           " NULL, NULL, 'video', 'p1080', 1780000100000, 1780000120000, '/videos/again.mp4',"
                           " 'completed', NULL, NULL, NULL, 'original', 'en',"
                           " 'Already downloaded: the file from an earlier download of this link is kept.')")});
}

void seedDatabase(const QString &databasePath)
{
    PersistenceController controller(databasePath);
    ASSERT_TRUE(controller.isPersistent());
    HistoryStore store(controller.context());
    store.add(record(QStringLiteral("first"), 1, 10));
    store.add(record(QStringLiteral("second"), 2, 20));
    store.add(record(QStringLiteral("third"), 3, 30));
    ASSERT_FALSE(controller.context().hasChanges());
}

HelperProcess::HelperProcess(const QString &helperTest, const QString &databasePath)
    : HelperTest(QStringLiteral("HistoryChildProcess.") + helperTest,
                 {{QString::fromLatin1(kDatabaseVariable), databasePath}})
{
    EXPECT_TRUE(started());
}

WriteLockHolder::WriteLockHolder(const QString &databasePath)
    : HelperProcess(QStringLiteral("DISABLED_HoldsTheWriteLock"), databasePath)
{
}

bool WriteLockHolder::locked()
{
    return waitForLine([](const QString &line) { return line == u"locked"; });
}

} // namespace HistoryTest
