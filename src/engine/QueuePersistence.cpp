#include "engine/QueuePersistence.h"

#include "engine/DownloadQueue.h"
#include "engine/QueueEntry.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QThread>

QueuePersistence::QueuePersistence(DownloadQueue &queue, const QString &databasePath, QObject *parent)
    : QObject(parent), m_queue(queue)
{
    m_batch.setSingleShot(true);
    m_batch.setInterval(kBatchDelay);
    connect(&m_batch, &QTimer::timeout, this, &QueuePersistence::flush);

    if (databasePath.isEmpty()) {
        m_restored = true;
        setReason(NotKeptReason::unavailable);
        return;
    }
    // Two windows over one queue would both run every job in it.
    m_lock = std::make_unique<QLockFile>(QFileInfo(databasePath).dir().filePath(QStringLiteral("queue.lock")));
    // No stale time: a lock is stale only when its process is gone.
    m_lock->setStaleLockTime(0);
    if (!m_lock->tryLock(0)) {
        const bool elsewhere = m_lock->error() == QLockFile::LockFailedError;
        m_lock.reset();
        m_restored = true;
        setReason(elsewhere ? NotKeptReason::otherWindow : NotKeptReason::unavailable);
        return;
    }

    connect(&queue, &DownloadQueue::jobsInserted, this, [this](int first, int last) {
        for (int index = first; index <= last; ++index)
            track(m_queue.jobs().at(index), m_opened && !m_restoring ? m_nextPosition++ : -1);
    });
    connect(&queue, &DownloadQueue::jobAboutToBeRemoved, this, &QueuePersistence::untrack);
    for (const DownloadJobPtr &job : queue.jobs())
        track(job, -1);
    startWriter(databasePath);
}

QueuePersistence::~QueuePersistence()
{
    flush();
    if (!m_thread)
        return;
    QMetaObject::invokeMethod(m_writer, [writer = m_writer] { writer->close(); }, Qt::QueuedConnection);
    m_thread->quit();
    // Bounded by the database's busy timeout: the last write either goes
    // through or gives up within about a second.
    m_thread->wait();
    delete m_thread;
}

void QueuePersistence::startWriter(const QString &databasePath)
{
    m_thread = new QThread;
    m_thread->setObjectName(QStringLiteral("queue writer"));
    m_writer = new QueueWriter(databasePath);
    m_writer->moveToThread(m_thread);
    connect(m_thread, &QThread::finished, m_writer, &QObject::deleteLater);
    connect(m_writer, &QueueWriter::written, this, &QueuePersistence::onWritten);
    m_thread->start();
    QMetaObject::invokeMethod(
        m_writer,
        [this, writer = m_writer] {
            const std::optional<QueueWriter::Loaded> loaded = writer->open();
            // This object waits for the thread when it goes, so it is there.
            QMetaObject::invokeMethod(this, [this, loaded] { onOpened(loaded); }, Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

void QueuePersistence::onOpened(const std::optional<QueueWriter::Loaded> &loaded)
{
    m_restored = true;
    // Quitting before the rows were read: the database keeps them as they are.
    if (m_frozen)
        return;
    if (!loaded) {
        stopWatching();
        setReason(NotKeptReason::unavailable);
        emit restored();
        return;
    }
    m_opened = true;
    m_setAside = loaded->setAside;

    QList<DownloadJobPtr> jobs;
    QHash<QUuid, qint64> positions;
    for (const auto &[position, entry] : loaded->entries) {
        jobs.append(entry.makeJob());
        positions.insert(entry.id, position);
        m_nextPosition = qMax(m_nextPosition, position + 1);
    }
    // Jobs added while the rows were read come after them.
    for (const DownloadJobPtr &job : m_queue.jobs()) {
        Tracked &tracked = m_tracked[job->id()];
        if (tracked.position < 0)
            tracked.position = m_nextPosition++;
    }
    m_restoring = true;
    m_queue.append(jobs);
    m_restoring = false;
    for (const DownloadJobPtr &job : std::as_const(jobs)) {
        if (const auto tracked = m_tracked.find(job->id()); tracked != m_tracked.end()) {
            tracked->position = positions.value(job->id());
            m_restoredIds.append(job->id());
        }
    }
    emit keepingChanged();
    if (!m_dirty.isEmpty())
        m_batch.start();
    m_queue.pump();
    emit restored();
}

void QueuePersistence::onWritten(bool allSaved)
{
    if (m_reason != NotKeptReason::none && m_reason != NotKeptReason::writeFailing)
        return;
    setReason(allSaved ? NotKeptReason::none : NotKeptReason::writeFailing);
    if (allSaved)
        emit saved();
}

void QueuePersistence::setReason(NotKeptReason reason)
{
    if (m_reason == reason)
        return;
    m_reason = reason;
    emit keepingChanged();
}

QList<DownloadJobPtr> QueuePersistence::restoredJobsInQueue() const
{
    QList<DownloadJobPtr> jobs;
    for (const QUuid &id : m_restoredIds) {
        if (const qsizetype index = m_queue.indexOf(id); index >= 0)
            jobs.append(m_queue.jobs().at(index));
    }
    return jobs;
}

void QueuePersistence::acknowledgeRestore()
{
    m_acknowledged = true;
}

void QueuePersistence::track(const DownloadJobPtr &job, qint64 position)
{
    const QUuid id = job->id();
    m_tracked.insert(id, Tracked{job, position});
    // All a row holds that can change; progress is left alone.
    connect(job.get(), &DownloadJob::statusChanged, this, [this, id] { markDirty(id); });
    connect(job.get(), &DownloadJob::metadataChanged, this, [this, id] { markDirty(id); });
    if (!m_restoring)
        markDirty(id);
}

void QueuePersistence::untrack(int index)
{
    const DownloadJobPtr &job = m_queue.jobs().at(index);
    disconnect(job.get(), nullptr, this, nullptr);
    m_tracked.remove(job->id());
    markDirty(job->id());
}

void QueuePersistence::markDirty(const QUuid &id)
{
    m_dirty.insert(id);
    // Until the stored rows are read, positions are not known: the batch
    // waits for them.
    if (m_opened && !m_batch.isActive())
        m_batch.start();
}

void QueuePersistence::flush()
{
    m_batch.stop();
    if (!m_opened || m_dirty.isEmpty())
        return;
    QList<QueueWriter::Change> changes;
    changes.reserve(m_dirty.size());
    for (const QUuid &id : std::as_const(m_dirty)) {
        const auto tracked = m_tracked.constFind(id);
        const DownloadJobPtr job = tracked != m_tracked.cend() ? tracked->job.lock() : nullptr;
        if (job && QueueEntry::keeps(*job))
            changes.append({id, tracked->position, QueueEntry::of(*job)});
        else
            changes.append({id, 0, std::nullopt});
    }
    m_dirty.clear();
    QMetaObject::invokeMethod(
        m_writer, [writer = m_writer, changes] { writer->write(changes); }, Qt::QueuedConnection);
}

void QueuePersistence::keepAsItIs()
{
    flush();
    stopWatching();
}

void QueuePersistence::stopWatching()
{
    m_frozen = true;
    disconnect(&m_queue, nullptr, this, nullptr);
    for (const Tracked &tracked : std::as_const(m_tracked)) {
        if (const DownloadJobPtr job = tracked.job.lock())
            disconnect(job.get(), nullptr, this, nullptr);
    }
    m_tracked.clear();
    m_dirty.clear();
    m_batch.stop();
}
