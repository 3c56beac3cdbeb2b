#pragma once

#include "engine/QueueEntry.h"

#include <QList>
#include <QObject>
#include <QTimer>
#include <QUuid>

#include <chrono>
#include <memory>
#include <optional>
#include <utility>

class QueueStore;

// The persisted queue's worker, living on a thread of its own (made and
// driven by QueuePersistence): opens the store, reads it back once, and
// writes the batches of changes it is handed, so that no write ever holds up
// the GUI thread. A batch the database refuses (locked, full) is kept, merged
// with later ones and tried again after kRetryDelay and at close().
class QueueWriter : public QObject
{
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds kRetryDelay{1000};

    // One job's row to write, or (without entry) to delete.
    struct Change
    {
        QUuid id;
        qint64 position = 0;
        std::optional<QueueEntry> entry;
    };

    // What open() found: the rows that are jobs, lowest position first, and
    // how many rows could not be read (now set aside).
    struct Loaded
    {
        QList<std::pair<qint64, QueueEntry>> entries;
        int setAside = 0;
    };

    explicit QueueWriter(QString databasePath, QObject *parent = nullptr);
    ~QueueWriter() override;

    // Everything below runs on the writer's thread.

    // Opens the store and reads it; nothing when it cannot be used. Rows that
    // are no job are moved aside here, so no later start meets them again.
    std::optional<Loaded> open();
    // Writes `changes` after what is still pending (a later change of a job
    // replaces an earlier one); true when everything pending is on disk.
    bool write(const QList<Change> &changes);
    // A last try at what is pending, then the connection closes.
    void close();

signals:
    // After every attempt to write: whether everything pending is on disk.
    void written(bool allSaved);

private:
    bool commit();

    QString m_databasePath;
    std::unique_ptr<QueueStore> m_store;
    QList<QUuid> m_order; // first-come order of the pending changes
    QHash<QUuid, Change> m_pending;
    QTimer m_retry;
};
