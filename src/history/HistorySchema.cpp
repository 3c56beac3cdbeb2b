#include "history/HistorySchema.h"

#include <QDeadlineTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>
#include <QThread>
#include <QVariant>

#include <algorithm>
#include <optional>

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

// The layout of version 1.0.0, exactly as that version made it.
bool createFirstVersion(QSqlDatabase &database)
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
            .arg(QLatin1String(HistorySchema::kFirstVersion)),
    };
    return std::all_of(statements.cbegin(), statements.cend(),
                       [&](const QString &statement) { return run(database, statement); });
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

QString storedVersion(QSqlDatabase &database)
{
    return singleValue(database, QStringLiteral("SELECT value FROM meta WHERE key = 'schemaVersion'")).toString();
}

// Where the stored version stands among the versions this program knows: 0
// for 1.0.0, n after the n-th step; nothing for a version it does not know.
std::optional<qsizetype> versionIndex(const QString &version)
{
    if (version == QLatin1String(HistorySchema::kFirstVersion))
        return 0;
    const QList<HistorySchema::Migration> &steps = HistorySchema::migrations();
    for (qsizetype i = 0; i < steps.size(); ++i) {
        if (steps.at(i).version == version)
            return i + 1;
    }
    return std::nullopt;
}

// True when our tables are there with a version we know. A database with
// tables but without ours belongs to someone else; one with a version we do
// not know belongs to a newer program.
bool holdsOurSchema(QSqlDatabase &database)
{
    return versionIndex(storedVersion(database)).has_value()
           && singleValue(database, QStringLiteral("SELECT count(*) FROM sqlite_master"
                                                   " WHERE type = 'table' AND name = 'history'"))
                  .toBool();
}

// Runs every step after the stored version, recording each version reached.
bool migrate(QSqlDatabase &database)
{
    const std::optional<qsizetype> done = versionIndex(storedVersion(database));
    if (!done)
        return false;
    const QList<HistorySchema::Migration> &steps = HistorySchema::migrations();
    for (qsizetype i = *done; i < steps.size(); ++i) {
        const HistorySchema::Migration &step = steps.at(i);
        for (const QString &statement : step.statements) {
            if (!run(database, statement))
                return false;
        }
        QSqlQuery record(database);
        record.prepare(QStringLiteral("UPDATE meta SET value = ? WHERE key = 'schemaVersion'"));
        record.addBindValue(step.version);
        if (!record.exec())
            return false;
    }
    return true;
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

// Inside the write transaction, so that two processes opening a new (or an
// old) file do not both create (or migrate) it. The version is written
// again: a file that cannot be written fails here rather than at its first
// record.
bool createOrMigrate(QSqlDatabase &database)
{
    const qsizetype tables = tableCount(database);
    if (tables == 0)
        return createFirstVersion(database) && migrate(database) && createQueueTables(database);
    return tables > 0 && holdsOurSchema(database) && migrate(database)
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

const QList<Migration> &migrations()
{
    static const QList<Migration> steps{
        // Why a download failed in the tool's own words, and the subtitles
        // it was asked for, so a retry from the history asks the same.
        {QStringLiteral("1.1.0"),
         {QStringLiteral("ALTER TABLE history ADD COLUMN errorReason TEXT"),
          QStringLiteral("ALTER TABLE history ADD COLUMN subtitleModeRaw TEXT"),
          QStringLiteral("ALTER TABLE history ADD COLUMN subtitleLang TEXT")}},
        // How a run ended when that needs saying ("Already downloaded …").
        {QStringLiteral("1.2.0"), {QStringLiteral("ALTER TABLE history ADD COLUMN note TEXT")}},
        // The list an entry was chosen from and its place there; older
        // records were links of their own.
        {QStringLiteral("1.3.0"),
         {QStringLiteral("ALTER TABLE history ADD COLUMN listTitle TEXT"),
          QStringLiteral("ALTER TABLE history ADD COLUMN listIndex INTEGER"),
          QStringLiteral("ALTER TABLE history ADD COLUMN fetchedFromList INTEGER NOT NULL DEFAULT 0")}},
    };
    return steps;
}

QString currentVersion()
{
    return migrations().isEmpty() ? QString::fromLatin1(kFirstVersion) : migrations().constLast().version;
}

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
    if (createOrMigrate(database) && run(database, QStringLiteral("COMMIT")))
        return true;
    run(database, QStringLiteral("ROLLBACK"));
    return false;
}

} // namespace HistorySchema
