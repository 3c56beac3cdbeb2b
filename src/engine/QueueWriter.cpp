#include "engine/QueueWriter.h"

#include "history/QueueStore.h"

QueueWriter::QueueWriter(QString databasePath, QObject *parent)
    // The timer is a child so that it moves to the writer's thread with it.
    : QObject(parent), m_databasePath(std::move(databasePath)), m_retry(this)
{
    m_retry.setSingleShot(true);
    m_retry.setInterval(kRetryDelay);
    connect(&m_retry, &QTimer::timeout, this, [this] { emit written(commit()); });
}

QueueWriter::~QueueWriter() = default;

std::optional<QueueWriter::Loaded> QueueWriter::open()
{
    m_store = QueueStore::open(m_databasePath);
    if (!m_store)
        return std::nullopt;
    const std::optional<QList<QueuedJobRow>> rows = m_store->load();
    if (!rows) {
        m_store.reset();
        return std::nullopt;
    }
    Loaded loaded;
    QList<qint64> unreadable;
    for (const QueuedJobRow &row : *rows) {
        if (std::optional<QueueEntry> entry = QueueEntry::fromRow(row))
            loaded.entries.append({row.position, std::move(*entry)});
        else
            unreadable.append(row.rowId);
    }
    // Reported once: a row that stays where it is would be met, and
    // reported, at every start.
    if (!unreadable.isEmpty() && !m_store->setAside(unreadable)) {
        m_store.reset();
        return std::nullopt;
    }
    loaded.setAside = int(unreadable.size());
    return loaded;
}

bool QueueWriter::write(const QList<Change> &changes)
{
    for (const Change &change : changes) {
        if (!m_pending.contains(change.id))
            m_order.append(change.id);
        m_pending.insert(change.id, change);
    }
    const bool saved = commit();
    emit written(saved);
    return saved;
}

void QueueWriter::close()
{
    m_retry.stop();
    commit();
    m_store.reset();
}

bool QueueWriter::commit()
{
    if (m_pending.isEmpty())
        return true;
    if (!m_store)
        return false;
    QList<QueuedJobRow> rows;
    QStringList removed;
    for (const QUuid &id : std::as_const(m_order)) {
        const Change &change = m_pending[id];
        if (change.entry)
            rows.append(change.entry->toRow(change.position));
        else
            removed.append(id.toString(QUuid::WithoutBraces));
    }
    if (!m_store->write(rows, removed)) {
        m_retry.start();
        return false;
    }
    m_pending.clear();
    m_order.clear();
    return true;
}
