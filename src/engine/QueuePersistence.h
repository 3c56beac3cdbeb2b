#pragma once

#include "engine/DownloadJob.h"
#include "engine/QueueWriter.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QTimer>
#include <QUuid>

#include <chrono>
#include <memory>
#include <optional>

class DownloadQueue;
class QLockFile;
class QThread;

// Keeps the download queue across restarts, crashes and power loss: every job
// the queue keeps (QueueEntry::keeps: not ended, or failed and kept) is a row
// of the history database, written by a QueueWriter on a thread of its own,
// and the next start puts those jobs back into the queue in their order.
//
// Only what a job's row holds is watched (its status and metadata, its
// arrival in and departure from the queue), never its progress, and changes
// go to the writer in batches, kBatchDelay after the first of them: output
// lines never cause a write and the GUI thread never waits on the disk.
//
// One window keeps the queue of a data folder: a lock file beside the
// database says which. A second window, and a database that cannot be used
// (read-only, locked, damaged, or none because the history runs in memory),
// leave the queue in memory only; notKeptReason() says why, for the window to
// tell. The command-line program keeps its runs in memory and never makes
// one of these.
//
// GUI thread only.
class QueuePersistence : public QObject
{
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds kBatchDelay{250};
    // How long the destructor waits for the last write.
    static constexpr std::chrono::milliseconds kCloseWait{5000};

    enum class NotKeptReason {
        none,         // kept (or still opening)
        unavailable,  // no usable database: none, read-only, locked or damaged
        otherWindow,  // another window keeps this data folder's queue
        writeFailing, // the last write was refused; it is tried again
    };

    // Watches `queue` and keeps it in the history database at `databasePath`
    // (PersistenceController::databasePath(); "" leaves the queue in memory).
    // The rows of the last start are read on the writer's thread and their
    // jobs appended to the queue when that is done (restored()).
    QueuePersistence(DownloadQueue &queue, const QString &databasePath, QObject *parent = nullptr);
    // Hands over what is still pending and waits (at most kCloseWait) for the
    // writer to put it on disk.
    ~QueuePersistence() override;

    // True while the queue is being written and will come back at the next
    // start; false while the store opens.
    bool isKept() const { return m_opened && m_reason == NotKeptReason::none; }
    NotKeptReason notKeptReason() const { return m_reason; }

    // Whether the last start's jobs were read (and appended) already.
    bool hasRestored() const { return m_restored; }
    // The ids of the jobs put back into the queue, in their order; rows that
    // were no job were set aside (setAsideCount()), never to be read again.
    const QList<QUuid> &restoredJobIds() const { return m_restoredIds; }
    int setAsideCount() const { return m_setAside; }
    // The restored jobs still in the queue, in its order.
    QList<DownloadJobPtr> restoredJobsInQueue() const;
    // The window has told, or cleared, what was restored; it says no more.
    bool restoreAcknowledged() const { return m_acknowledged; }
    void acknowledgeRestore();

    // Hands the changes made so far to the writer now.
    void flush();
    // Quitting with "keep for next time": hands over what is pending and
    // records nothing more, so the database keeps the queue as it stands now
    // whatever happens to its jobs until the application has ended.
    void keepAsItIs();

signals:
    // The last start's jobs are in the queue (also when there were none).
    void restored();
    // isKept() or notKeptReason() changed.
    void keepingChanged();
    // After each write that left nothing pending.
    void saved();

private:
    struct Tracked
    {
        std::weak_ptr<DownloadJob> job;
        qint64 position = -1; // -1: not placed yet (the stored positions are still being read)
    };

    void startWriter(const QString &databasePath);
    void onOpened(const std::optional<QueueWriter::Loaded> &loaded);
    void onWritten(bool allSaved);
    void setReason(NotKeptReason reason);
    void track(const DownloadJobPtr &job, qint64 position);
    void untrack(int index);
    void markDirty(const QUuid &id);
    void stopWatching();

    DownloadQueue &m_queue;
    std::unique_ptr<QLockFile> m_lock;
    QThread *m_thread = nullptr;
    QueueWriter *m_writer = nullptr;
    bool m_opened = false;
    bool m_frozen = false;
    bool m_restoring = false;
    bool m_restored = false;
    bool m_acknowledged = false;
    NotKeptReason m_reason = NotKeptReason::none;
    qint64 m_nextPosition = 1;
    QHash<QUuid, Tracked> m_tracked;
    QSet<QUuid> m_dirty;
    QTimer m_batch;
    QList<QUuid> m_restoredIds;
    int m_setAside = 0;
};
