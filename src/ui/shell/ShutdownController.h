#pragma once

#include <QObject>
#include <QPointer>

class DownloadCoordinator;
class QSocketNotifier;
class QWidget;

// Quitting: while downloads run or wait, the person is asked first; then
// every job is cancelled and the application waits, without blocking, until
// the last run has ended (or a few seconds have passed) before it quits, so
// that no download process outlives it.
class ShutdownController : public QObject
{
    Q_OBJECT

public:
    static constexpr int kRunEndWaitMs = 3000;

    ShutdownController(DownloadCoordinator &coordinator, QObject *parent = nullptr);

    ~ShutdownController() override;

    // Asks (over `window`) when there is something to stop, else quits at once.
    void requestQuit(QWidget *window);

    // From now on SIGINT, SIGTERM and SIGHUP stop every download and quit,
    // without asking: nobody is there to answer. A second signal quits at
    // once. The previous handlers come back when this object goes.
    void stopOnTerminationSignals();
    bool isQuitting() const { return m_stopping; }

signals:
    // Everything is stopped: the application may end now. Emitted once.
    void quitApproved();

private:
    bool hasUnfinishedJobs() const;
    void stop();
    void finish();

    void terminationSignalled();

    DownloadCoordinator &m_coordinator;
    QPointer<QWidget> m_question;
    QSocketNotifier *m_signalNotifier = nullptr;
    bool m_stopping = false;
    bool m_finished = false;
};
