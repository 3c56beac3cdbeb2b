#pragma once

#include <QObject>
#include <QPointer>

class DownloadCoordinator;
class QSocketNotifier;
class QueuePersistence;
class QWidget;

// Quitting: while downloads run or wait, the person is asked first. Where the
// queue is kept across restarts (keepQueueWith), the question offers to keep
// the downloads for next time (the default) or to stop and forget them.
// Keeping writes the queue as it stands and quits at once: the coordinator
// stops the processes as it goes, and the next start continues them. Stopping
// cancels every job and waits, without blocking, until the last run has ended
// (or a few seconds have passed) before it quits. Either way no download
// process outlives the application.
class ShutdownController : public QObject
{
    Q_OBJECT

public:
    static constexpr int kRunEndWaitMs = 3000;

    ShutdownController(DownloadCoordinator &coordinator, QObject *parent = nullptr);
    // From now on quitting can keep the queue for next time: through
    // `persistence` (which must outlive this object) while it keeps it.
    void keepQueueWith(QueuePersistence *persistence);

    ~ShutdownController() override;

    // Asks (over `window`) when there is something to stop, else quits at once.
    void requestQuit(QWidget *window);

    // From now on SIGINT, SIGTERM and SIGHUP quit without asking (nobody is
    // there to answer), keeping the queue for next time where it is kept and
    // stopping every download otherwise. A second signal quits at once. The
    // previous handlers come back when this object goes.
    void stopOnTerminationSignals();
    bool isQuitting() const { return m_stopping; }

signals:
    // Everything is stopped: the application may end now. Emitted once.
    void quitApproved();

private:
    bool hasUnfinishedJobs() const;
    bool keepsQueue() const;
    void askWhetherToStop(QWidget *window);
    void askWhetherToKeep(QWidget *window);
    void keepAndQuit();
    // Stops and removes every running or waiting job with its partial files
    // (PartialFiles), then quits as stop() does: what the user chose to
    // forget leaves no file no job owns.
    void forgetAndQuit();
    void stop();
    void finish();

    void terminationSignalled();

    DownloadCoordinator &m_coordinator;
    QueuePersistence *m_queuePersistence = nullptr;
    QPointer<QWidget> m_question;
    QSocketNotifier *m_signalNotifier = nullptr;
    bool m_stopping = false;
    bool m_finished = false;
};
