#pragma once

#include "history/QueuedJobRow.h"

#include <QList>
#include <QSqlDatabase>
#include <QStringList>

#include <memory>
#include <optional>

// The persisted download queue: the table "queue" of the history database,
// reached through a connection of its own so that it can live on a thread of
// its own (QueueWriter) and never hold up the GUI thread. Rows that could
// not be read are moved to "queue_set_aside", where no later load sees them.
//
// Used on the thread that opened it only.
class QueueStore
{
public:
    // A connection to the history database at `databasePath`, which
    // PersistenceController has accepted and prepared (the queue tables are
    // made there). Nothing when the file cannot be opened or has no queue.
    static std::unique_ptr<QueueStore> open(const QString &databasePath);
    ~QueueStore();

    QueueStore(const QueueStore &) = delete;
    QueueStore &operator=(const QueueStore &) = delete;

    // Every row, lowest position first (rows of equal position in the order
    // they were written). Nothing when the table cannot be read.
    std::optional<QList<QueuedJobRow>> load() const;

    // In one transaction: writes `rows` (a row whose job id is stored already
    // is replaced, position and all; rowId is not used) and deletes the rows
    // of `removedJobIds`. False, with nothing written, when the database
    // refuses (locked by another process for longer than a second, full,
    // read-only).
    bool write(const QList<QueuedJobRow> &rows, const QStringList &removedJobIds);

    // Moves the rows with these row ids to queue_set_aside, stamped with the
    // time; false, with nothing moved, on failure.
    bool setAside(const QList<qint64> &rowIds);

private:
    explicit QueueStore(QSqlDatabase database);

    QSqlDatabase m_database;
};
