#include "history/HistorySchema.h"

#include <QDeadlineTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>
#include <QThread>
#include <QVariant>

namespace {

bool run(QSqlDatabase &database, const QString &statement)
{
    QSqlQuery query(database);
    return query.exec(statement);
}

// The single value the statement yields, or an invalid QVariant.
QVariant singleValue(QSqlDatabase &database, const QString &statement)
{
    QSqlQuery query(database);
    query.setForwardOnly(true);
    if (!query.exec(statement) || !query.next())
        return {};
    return query.value(0);
}

bool createSchema(QSqlDatabase &database)
{
    const QStringList statements{
        QStringLiteral("CREATE TABLE meta (key TEXT NOT NULL PRIMARY KEY, value TEXT NOT NULL)"),
        QStringLiteral("CREATE TABLE history ("
                       " storeId TEXT NOT NULL PRIMARY KEY,"
                       " uuid TEXT NOT NULL,"
                       " sourceURL TEXT NOT NULL,"
                       " title TEXT NOT NULL,"
                       " uploader TEXT,"
                       " thumbnailURL TEXT,"
                       " mediaTypeRaw TEXT NOT NULL,"
                       " selectedQuality TEXT NOT NULL,"
                       " startedAt INTEGER NOT NULL,"
                       " finishedAt INTEGER,"
                       " finalFilePath TEXT,"
                       " finalStatusRaw TEXT NOT NULL,"
                       " errorType TEXT,"
                       " errorSummary TEXT)"),
        QStringLiteral("CREATE INDEX history_newest_first ON history (finishedAt, startedAt)"),
        QStringLiteral("INSERT INTO meta (key, value) VALUES ('schemaVersion', '%1')")
            .arg(QLatin1String(HistorySchema::kVersion)),
    };
    for (const QString &statement : statements) {
        if (!run(database, statement))
            return false;
    }
    return true;
}

// The persisted download queue (QueueStore): its rows and the rows set
// aside because they could not be read. Made in files of every version,
// old and new alike.
bool createQueueTables(QSqlDatabase &database)
{
    return run(database, QStringLiteral("CREATE TABLE IF NOT EXISTS queue ("
                                        " jobId TEXT NOT NULL PRIMARY KEY,"
                                        " position INTEGER NOT NULL,"
                                        " payload BLOB NOT NULL)"))
           // Read in this order without sorting every payload first.
           && run(database, QStringLiteral("CREATE INDEX IF NOT EXISTS queue_in_order ON queue (position)"))
           && run(database, QStringLiteral("CREATE TABLE IF NOT EXISTS queue_set_aside ("
                                           " jobId, position, payload,"
                                           " setAsideAt INTEGER NOT NULL)"));
}

qsizetype tableCount(QSqlDatabase &database)
{
    const QVariant count = singleValue(
        database, QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table'"));
    return count.isValid() ? count.toLongLong() : -1;
}

// True when our tables are there with our version. A database with tables but
// without ours belongs to someone else.
bool holdsOurSchema(QSqlDatabase &database)
{
    const QVariant version = singleValue(
        database, QStringLiteral("SELECT value FROM meta WHERE key = 'schemaVersion'"));
    return version.toString() == QLatin1String(HistorySchema::kVersion)
           && singleValue(database, QStringLiteral("SELECT count(*) FROM sqlite_master"
                                                   " WHERE type = 'table' AND name = 'history'"))
                  .toBool();
}

// Reads only: an empty database, or ours with sound pages.
bool usable(QSqlDatabase &database)
{
    const qsizetype tables = tableCount(database);
    if (tables == 0)
        return true;
    return tables > 0 && holdsOurSchema(database)
           && singleValue(database, QStringLiteral("PRAGMA quick_check")).toString()
                  == QLatin1String("ok");
}

// Inside the write transaction, so that two processes opening a new file do
// not both create the schema. The version is written again: a file that
// cannot be written fails here rather than at its first record.
bool createOrConfirm(QSqlDatabase &database)
{
    const qsizetype tables = tableCount(database);
    if (tables == 0)
        return createSchema(database) && createQueueTables(database);
    return tables > 0 && holdsOurSchema(database)
           && run(database, QStringLiteral("UPDATE meta SET value = value"
                                           " WHERE key = 'schemaVersion'"))
           && createQueueTables(database);
}

// Switching a new file to write-ahead logging needs the file to itself for a
// moment, and SQLite refuses a process that asks while another one is doing
// the same without waiting out its busy timeout. The mode belongs to the
// file, so asking again once the other process is done succeeds.
bool useWriteAheadLog(QSqlDatabase &database, std::chrono::milliseconds patience)
{
    const QDeadlineTimer deadline(patience);
    while (!run(database, QStringLiteral("PRAGMA journal_mode = WAL"))) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(10);
    }
    return true;
}

} // namespace

namespace HistorySchema {

bool prepare(QSqlDatabase &database, std::chrono::milliseconds patience)
{
    // Everything is read before anything is written, so a file that turns out
    // not to be ours is left byte for byte as it was.
    if (!usable(database))
        return false;
    if (!useWriteAheadLog(database, patience)
        || !run(database, QStringLiteral("PRAGMA synchronous = NORMAL")))
        return false;
    // IMMEDIATE takes the write lock now: a database that another process
    // holds locked fails here.
    if (!run(database, QStringLiteral("BEGIN IMMEDIATE")))
        return false;
    if (createOrConfirm(database) && run(database, QStringLiteral("COMMIT")))
        return true;
    run(database, QStringLiteral("ROLLBACK"));
    return false;
}

} // namespace HistorySchema
