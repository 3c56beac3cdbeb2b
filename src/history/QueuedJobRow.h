#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// One row of the persisted download queue. The store keeps the payload as
// bytes (a BLOB, so SQLite never converts it) and never looks into it: the
// engine writes it and reads it back (QueueEntry).
struct QueuedJobRow
{
    qint64 rowId = 0;    // the database's own name for the row, set by QueueStore::load
    QString jobId;       // the job's id as text
    qint64 position = 0; // start order: lower first
    QByteArray payload;

    bool operator==(const QueuedJobRow &) const = default;
};
