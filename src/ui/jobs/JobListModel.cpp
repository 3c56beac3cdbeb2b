#include "ui/jobs/JobListModel.h"

#include "engine/DownloadQueue.h"

JobListModel::JobListModel(DownloadQueue &queue, QObject *parent) : QAbstractListModel(parent), m_queue(queue)
{
    m_flushTimer.setSingleShot(true);
    m_flushTimer.setInterval(kRepaintIntervalMs);
    connect(&m_flushTimer, &QTimer::timeout, this, &JobListModel::flushChanges);

    for (const auto &job : queue.jobs())
        m_rows.append(Row{job, std::nullopt});
    for (const auto &row : std::as_const(m_rows))
        watch(row.job);
    m_rowOfValid = false;

    connect(&queue, &DownloadQueue::jobsAboutToBeInserted, this,
            [this](int first, int last) { beginInsertRows({}, first, last); });
    connect(&queue, &DownloadQueue::jobsInserted, this, [this](int first, int last) {
        const auto &jobs = m_queue.jobs();
        m_rows.reserve(m_rows.size() + (last - first + 1));
        for (int row = first; row <= last; ++row) {
            m_rows.insert(row, Row{jobs.at(row), std::nullopt});
            watch(jobs.at(row));
        }
        if (m_rowOfValid && last == m_rows.size() - 1) {
            for (int row = first; row <= last; ++row)
                m_rowOf.insert(m_rows.at(row).job.get(), row);
        } else {
            m_rowOfValid = false;
        }
        endInsertRows();
    });
    connect(&queue, &DownloadQueue::jobAboutToBeRemoved, this, [this](int row) {
        beginRemoveRows({}, row, row);
        const DownloadJob *job = m_rows.at(row).job.get();
        // The job may outlive its row (a removed download still runs).
        disconnect(job, nullptr, this, nullptr);
        m_dirty.remove(job);
        m_logGrew.remove(job);
        m_rows.removeAt(row);
        m_rowOfValid = false;
    });
    connect(&queue, &DownloadQueue::jobRemoved, this, [this](int) { endRemoveRows(); });
}

int JobListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

QVariant JobListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return contentAt(index.row()).title;
    case Qt::AccessibleTextRole: {
        const auto &content = contentAt(index.row());
        return content.title + QStringLiteral(", ") + content.badge.text;
    }
    case Qt::AccessibleDescriptionRole: {
        // What the painted row shows beyond its name, for screen readers.
        const auto &content = contentAt(index.row());
        QStringList parts{content.subtitle};
        for (const QString &part : {content.headline, content.detailText, content.note, content.errorSummary}) {
            if (!part.isEmpty())
                parts << part;
        }
        QStringList buttons;
        for (const JobRowAction action : content.actions)
            buttons << JobRowContent::actionText(action);
        parts << tr("Buttons: %1").arg(buttons.join(QStringLiteral(", ")));
        return parts.join(QStringLiteral(". "));
    }
    case JobIdRole:
        return m_rows.at(index.row()).job->id();
    default:
        return {};
    }
}

DownloadJobPtr JobListModel::jobAt(int row) const
{
    return row >= 0 && row < m_rows.size() ? m_rows.at(row).job : nullptr;
}

const JobRowContent &JobListModel::contentAt(int row) const
{
    const Row &entry = m_rows.at(row);
    if (!entry.content)
        entry.content = JobRowContent::forJob(*entry.job, m_offersEveryLog);
    return *entry.content;
}

std::optional<int> JobListModel::measuredHeight(int row, int width) const
{
    const Row &entry = m_rows.at(row);
    if (entry.measuredWidth != width)
        return std::nullopt;
    return entry.measuredHeight;
}

void JobListModel::setMeasuredHeight(int row, int width, int height) const
{
    const Row &entry = m_rows.at(row);
    entry.measuredWidth = width;
    entry.measuredHeight = height;
}

void JobListModel::flushChanges()
{
    m_flushTimer.stop();
    const auto dirty = std::exchange(m_dirty, {});
    const auto logGrew = std::exchange(m_logGrew, {});
    for (const DownloadJob *job : dirty) {
        const int row = rowOf(job);
        if (row < 0)
            continue;
        const Row &entry = m_rows.at(row);
        JobRowContent content = JobRowContent::forJob(*entry.job, m_offersEveryLog);
        const QModelIndex changed = index(row);
        if (entry.content && *entry.content == content) {
            if (logGrew.contains(job) && content.offersLog)
                emit dataChanged(changed, changed, {LogRole});
            continue;
        }
        const bool reshaped = !entry.content || !entry.content->sameShape(content);
        entry.content = std::move(content);
        if (reshaped)
            entry.measuredWidth = -1;
        emit dataChanged(changed, changed);
        if (reshaped)
            emit rowShapeChanged(changed);
    }
    if (!dirty.isEmpty())
        emit changesReported();
}

void JobListModel::setOffersEveryLog(bool on)
{
    if (on == m_offersEveryLog)
        return;
    m_offersEveryLog = on;
    if (m_rows.isEmpty())
        return;
    // Worked out again on demand: only the rows on screen pay at once.
    emit layoutAboutToBeChanged();
    for (Row &row : m_rows) {
        row.content.reset();
        row.measuredWidth = -1;
    }
    emit layoutChanged();
    emit dataChanged(index(0), index(static_cast<int>(m_rows.size()) - 1));
}

void JobListModel::watch(const DownloadJobPtr &job)
{
    const DownloadJob *raw = job.get();
    connect(job.get(), &DownloadJob::changed, this, [this, raw] { jobChanged(raw); });
    connect(job.get(), &DownloadJob::logLinesChanged, this, [this, raw] { m_logGrew.insert(raw); });
}

void JobListModel::jobChanged(const DownloadJob *job)
{
    m_dirty.insert(job);
    if (!m_flushTimer.isActive())
        m_flushTimer.start();
}

int JobListModel::rowOf(const DownloadJob *job) const
{
    if (!m_rowOfValid) {
        m_rowOf.clear();
        m_rowOf.reserve(m_rows.size());
        for (int row = 0; row < m_rows.size(); ++row)
            m_rowOf.insert(m_rows.at(row).job.get(), row);
        m_rowOfValid = true;
    }
    return m_rowOf.value(job, -1);
}
