#include "engine/DownloadQueue.h"

#include <QSet>

#include <algorithm>
#include <utility>

namespace {

qsizetype findJob(const QList<DownloadJobPtr> &jobs, const QUuid &id)
{
    const auto found =
        std::find_if(jobs.cbegin(), jobs.cend(), [&id](const DownloadJobPtr &job) { return job->id() == id; });
    return found == jobs.cend() ? -1 : found - jobs.cbegin();
}

} // namespace

DownloadQueue::DownloadQueue(QObject *parent)
    : QObject(parent)
{
}

qsizetype DownloadQueue::indexOf(const QUuid &id) const
{
    return findJob(m_jobs, id);
}

void DownloadQueue::add(const DownloadJobPtr &job)
{
    append({job});
    pump();
}

void DownloadQueue::append(const QList<DownloadJobPtr> &jobs)
{
    // A set of the ids: comparing each new job with every other one took
    // seconds for a restored queue of ten thousand jobs.
    QSet<QUuid> ids;
    ids.reserve(m_jobs.size() + jobs.size());
    for (const DownloadJobPtr &job : std::as_const(m_jobs))
        ids.insert(job->id());
    QList<DownloadJobPtr> fresh;
    fresh.reserve(jobs.size());
    for (const DownloadJobPtr &job : jobs) {
        if (!job || ids.contains(job->id()))
            continue;
        ids.insert(job->id());
        fresh.append(job);
    }
    if (fresh.isEmpty())
        return;
    const int first = int(m_jobs.size());
    const int last = first + int(fresh.size()) - 1;
    emit jobsAboutToBeInserted(first, last);
    m_jobs.append(fresh);
    emit jobsInserted(first, last);
}

void DownloadQueue::remove(const DownloadJobPtr &job)
{
    if (!job)
        return;
    const qsizetype index = indexOf(job->id());
    if (index < 0)
        return;
    emit jobAboutToBeRemoved(int(index));
    m_jobs.removeAt(index);
    emit jobRemoved(int(index));
}

void DownloadQueue::pump()
{
    if (activeCount() >= m_maxConcurrent)
        return;
    // A copy: the start handler may add or remove jobs while we walk the list.
    const QList<DownloadJobPtr> snapshot = m_jobs;
    for (const DownloadJobPtr &job : snapshot) {
        if (job->status() != DownloadStatus::queued)
            continue;
        // Recounted each time, so that the jobs started in this loop (and by
        // any pump() a handler ran) occupy their slots at once.
        if (activeCount() >= m_maxConcurrent)
            return;
        // A handler may have taken a waiting job out of the list meanwhile.
        if (indexOf(job->id()) < 0)
            continue;
        job->setStatus(DownloadStatus::analyzing);
        if (m_startHandler)
            m_startHandler(job);
    }
}

int DownloadQueue::activeCount() const
{
    return int(std::count_if(m_jobs.cbegin(), m_jobs.cend(),
                             [](const DownloadJobPtr &job) { return job->isActive(); }));
}

void DownloadQueue::setMaxConcurrent(int limit)
{
    if (m_maxConcurrent == limit)
        return;
    m_maxConcurrent = limit;
    emit maxConcurrentChanged();
}

void DownloadQueue::setStartHandler(StartHandler handler)
{
    m_startHandler = std::move(handler);
}
