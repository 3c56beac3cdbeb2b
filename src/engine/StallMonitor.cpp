#include "engine/StallMonitor.h"

#include "engine/OutputFiles.h"

StallMonitor::StallMonitor(FolderProvider outputFolder, std::chrono::milliseconds interval,
                           std::chrono::milliseconds timeout, QObject *parent)
    : QObject(parent)
    , m_outputFolder(std::move(outputFolder))
    , m_timeout(timeout)
{
    m_timer.setInterval(interval);
    connect(&m_timer, &QTimer::timeout, this, &StallMonitor::tick);
}

void StallMonitor::watch(const DownloadJobPtr &job)
{
    m_watched.insert(job->id(), job);
    if (!m_timer.isActive())
        m_timer.start();
}

void StallMonitor::unwatch(const DownloadJob &job)
{
    m_watched.remove(job.id());
    if (m_watched.isEmpty())
        m_timer.stop();
}

bool StallMonitor::isWatching(const DownloadJob &job) const
{
    return m_watched.contains(job.id());
}

void StallMonitor::check(DownloadJob &job, const QDateTime &now)
{
    if (!job.isActive()) {
        unwatch(job);
        return;
    }
    const std::optional<qint64> size = OutputFiles::currentOutputSize(job, m_outputFolder(job));
    if (size && *size > job.lastCheckedFileSize()) {
        job.setLastCheckedFileSize(*size);
        job.setLastActivityAt(now);
        job.setStalled(false);
        return;
    }
    const auto lastActivity = job.lastActivityAt();
    job.setStalled(!lastActivity || lastActivity->msecsTo(now) > m_timeout.count());
}

void StallMonitor::tick()
{
    // Checks may unwatch jobs, so walk a copy.
    const auto watched = m_watched;
    for (auto it = watched.cbegin(); it != watched.cend(); ++it) {
        if (const DownloadJobPtr job = it.value().lock())
            check(*job);
        else
            m_watched.remove(it.key());
    }
    if (m_watched.isEmpty())
        m_timer.stop();
}
