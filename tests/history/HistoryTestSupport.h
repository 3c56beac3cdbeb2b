#pragma once

#include "history/DownloadHistory.h"
#include "support/HelperTest.h"

#include <QList>
#include <QStringList>

#include <ostream>

namespace HistoryTest {

// The environment variable that tells a helper process which database to use.
inline constexpr auto kDatabaseVariable = "TARVELLE_TEST_HISTORY_DATABASE";

// A finished video record named `title`; times are seconds after a fixed
// instant, `finishedAt` < 0 meaning none.
DownloadHistory record(const QString &title, int startedAt, int finishedAt);

QStringList titles(const QList<DownloadHistory> &records);

// The titles in the file as another connection reads them (in insertion
// order), so a test sees what was written, not what the context holds.
QStringList titlesOnDisk(const QString &databasePath);

QByteArray fileBytes(const QString &path);

// A database file that was made by a controller and then closed, holding
// three records ("first", "second", "third").
void seedDatabase(const QString &databasePath);

// Runs `statements` on the database file at `databasePath` through a
// connection of its own, which is closed afterwards.
void runSql(const QString &databasePath, const QStringList &statements);

// A database file as version 1.0.0 of the history left it, in WAL mode (its
// statements copied here, so a change to today's layout cannot change it), holding the
// two records "old failure" (every optional field set) and "old bare" (none).
void writeVersion100Database(const QString &databasePath);

// The same file as version 1.2.0 left it after upgrading it, with a third
// record "old note" (finished last) holding the fields 1.1.0 and 1.2.0 added.
void writeVersion120Database(const QString &databasePath);

// One of the helper tests of HistoryChildProcess, run in a process of its
// own over `databasePath`. Killed when destroyed.
class HelperProcess : public TestSupport::HelperTest
{
public:
    HelperProcess(const QString &helperTest, const QString &databasePath);
};

// The helper test DISABLED_HoldsTheWriteLock: holds the database's write
// lock from locked() until finish().
class WriteLockHolder : public HelperProcess
{
public:
    explicit WriteLockHolder(const QString &databasePath);

    // Waits until the helper holds the lock; false when it never does.
    bool locked();
};

} // namespace HistoryTest

// Readable QStrings in assertion messages (found by argument-dependent lookup).
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}
