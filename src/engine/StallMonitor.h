#pragma once

#include "engine/DownloadJob.h"

#include <QHash>
#include <QTimer>
#include <QUuid>

#include <chrono>
#include <functional>

// Watches running jobs for signs of life: every interval, each watched job
// that printed nothing and whose files did not grow for longer than the
// timeout is flagged stalled (it keeps running; the flag clears with the next
// line or growth). Every running job is watched on its own: one job ending
// does not stop the watching of the others. GUI thread only.
class StallMonitor : public QObject
{
    Q_OBJECT

public:
    // The folder a job writes into.
    using FolderProvider = std::function<QString(const DownloadJob &job)>;

    StallMonitor(FolderProvider outputFolder, std::chrono::milliseconds interval, std::chrono::milliseconds timeout,
                 QObject *parent = nullptr);

    void watch(const DownloadJobPtr &job);
    void unwatch(const DownloadJob &job);
    bool isWatching(const DownloadJob &job) const;
    bool isRunning() const { return m_timer.isActive(); }

    // One check of one job at `now`; stops watching it once it is no longer active.
    void check(DownloadJob &job, const QDateTime &now = QDateTime::currentDateTime());

private:
    void tick();

    FolderProvider m_outputFolder;
    std::chrono::milliseconds m_timeout;
    QTimer m_timer;
    QHash<QUuid, std::weak_ptr<DownloadJob>> m_watched;
};
