#pragma once

#include <chrono>

class QSqlDatabase;

// The layout of the history database, version 1.0.0:
//
//   meta(key TEXT PRIMARY KEY, value TEXT)   -- holds ("schemaVersion", "1.0.0")
//   history(storeId TEXT PRIMARY KEY, the thirteen record fields)
//   index history_newest_first(finishedAt, startedAt), read backwards for the
//   newest-first list.
//   queue(jobId TEXT PRIMARY KEY, position INTEGER, payload BLOB), its index
//   queue_in_order(position), and queue_set_aside(jobId, position, payload,
//   setAsideAt): the persisted download queue (QueueStore), made in every
//   file that lacks them.
//
// Times are INTEGER milliseconds since the epoch (UTC); absent optionals NULL.
namespace HistorySchema {

inline constexpr auto kVersion = "1.0.0";

// Makes an open connection ready for use: WAL journal, synchronous=NORMAL
// (a crash of the process never loses a committed record), and, inside one
// write transaction, either creates the schema in a database without tables or
// checks that the database holds exactly this version, then proves that it can
// write and that its pages are sound. False when the database is locked by
// another process, read-only, damaged, foreign or of another version; such a
// database is left as it was (the transaction is rolled back). `patience` is
// how long a lock another process holds may hold up the switch to WAL; give
// the connection's busy timeout.
bool prepare(QSqlDatabase &database, std::chrono::milliseconds patience);

} // namespace HistorySchema
