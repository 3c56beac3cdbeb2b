#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <chrono>

class QSqlDatabase;

// The layout of the history database:
//
//   meta(key TEXT PRIMARY KEY, value TEXT)   -- holds ("schemaVersion", <version>)
//   history(storeId TEXT PRIMARY KEY, the record fields)
//   index history_newest_first(finishedAt, startedAt), read backwards for the
//   newest-first list.
//   queue(jobId TEXT PRIMARY KEY, position INTEGER, payload BLOB), its index
//   queue_in_order(position), and queue_set_aside(jobId, position, payload,
//   setAsideAt): the persisted download queue (QueueStore), made in every
//   file that lacks them.
//
// Times are INTEGER milliseconds since the epoch (UTC); absent optionals NULL.
//
// Version 1.0.0 is the first layout. Every later version is one migration
// step on top of the one before, and a new database is made by creating
// 1.0.0 and running every step, so a new file and an upgraded one are alike.
// To add columns: append a step with a new version to migrations() and read
// and write the columns in HistoryContext.
namespace HistorySchema {

inline constexpr auto kFirstVersion = "1.0.0";

struct Migration
{
    QString version;       // the version the database has after this step
    QStringList statements; // run in order, in the opening transaction
};

// Every step after 1.0.0, oldest first.
const QList<Migration> &migrations();

// The version this program writes: the last step's.
QString currentVersion();

// Makes an open connection ready for use: WAL journal, synchronous=NORMAL
// (a crash of the process never loses a committed record), and, inside one
// write transaction, creates the schema in a database without tables, or
// brings a database of an older version up to the current one (every record
// kept), or confirms the current version; then proves that it can write and
// that its pages are sound. False when the database is locked by another
// process, read-only, damaged, foreign, of a version this program does not
// know (a newer program's) or a step fails; such a database is left as it was
// (the transaction is rolled back). `patience` is how long a lock another
// process holds may hold up the switch to WAL; give the connection's busy
// timeout.
bool prepare(QSqlDatabase &database, std::chrono::milliseconds patience);

} // namespace HistorySchema
