#pragma once

#include "engine/DownloadJob.h"

#include <QList>
#include <QObject>
#include <QUuid>

#include <functional>

// Every job since start-up, oldest first, and the rule that starts them: while
// fewer than maxConcurrent jobs are active (analyzing, downloading, merging),
// the queued job nearest the front is set to analyzing and handed to the start
// handler. The position in the list is the start order; the queue never
// reorders it. GUI thread only.
//
// Following the list from a Qt item model: call beginInsertRows(first, last)
// on jobsAboutToBeInserted and endInsertRows() on jobsInserted, and
// beginRemoveRows(index, index) on jobAboutToBeRemoved and endRemoveRows() on
// jobRemoved. Row contents change through each job's own signals (changed());
// indexOf(id) gives the row of a job.
class DownloadQueue : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int maxConcurrent READ maxConcurrent WRITE setMaxConcurrent NOTIFY maxConcurrentChanged)

public:
    // Runs a job that pump() has just set to analyzing. It should only
    // schedule the work and return; pump() tolerates handlers that add,
    // remove or pump, but calls them one after another on this thread.
    using StartHandler = std::function<void(const DownloadJobPtr &job)>;

    static constexpr int kDefaultMaxConcurrent = 2;

    explicit DownloadQueue(QObject *parent = nullptr);

    const QList<DownloadJobPtr> &jobs() const { return m_jobs; }
    // The row of the job with this id, or -1.
    qsizetype indexOf(const QUuid &id) const;

    // Appends the job, then pumps.
    void add(const DownloadJobPtr &job);
    // Appends the jobs in order without starting any; the caller pumps once
    // after a batch. Null jobs and jobs already in the list are skipped, so a
    // job never appears twice.
    void append(const QList<DownloadJobPtr> &jobs);
    // Takes the job with this job's id out of the list without stopping it and
    // without pumping; cancel it first where needed. Unknown jobs: nothing.
    void remove(const DownloadJobPtr &job);

    // Starts queued jobs in list order while slots are free. Safe to call at
    // any time; does nothing when no slot is free or no job waits.
    void pump();

    // Jobs in the list whose status is active.
    int activeCount() const;

    // Not clamped, and setting it starts nothing: after raising it, pump()
    // starts more jobs; after lowering it, running jobs go on and the next
    // start waits until fewer than the new limit are active.
    int maxConcurrent() const { return m_maxConcurrent; }
    void setMaxConcurrent(int limit);

    void setStartHandler(StartHandler handler);

signals:
    void jobsAboutToBeInserted(int first, int last);
    void jobsInserted(int first, int last);
    void jobAboutToBeRemoved(int index);
    void jobRemoved(int index);
    void maxConcurrentChanged();

private:
    QList<DownloadJobPtr> m_jobs;
    int m_maxConcurrent = kDefaultMaxConcurrent;
    StartHandler m_startHandler;
};
