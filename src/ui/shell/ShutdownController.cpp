#include "ui/shell/ShutdownController.h"

#include "engine/DownloadCoordinator.h"
#include "engine/DownloadQueue.h"
#include "engine/QueuePersistence.h"

#include <QMessageBox>
#include <QPushButton>
#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>
#include <array>
#include <cerrno>

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

namespace {

constexpr std::array kTerminationSignals{SIGINT, SIGTERM, SIGHUP};

// The signal handler may only write to a pipe; the GUI thread reads it.
int signalPipe[2] = {-1, -1};
std::array<struct sigaction, kTerminationSignals.size()> previousHandlers{};

void writeSignal(int)
{
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
    errno = saved;
}

} // namespace

ShutdownController::ShutdownController(DownloadCoordinator &coordinator, QObject *parent)
    : QObject(parent), m_coordinator(coordinator)
{
    connect(&coordinator, &DownloadCoordinator::allRunsEnded, this, [this] {
        if (m_stopping)
            finish();
    });
}

void ShutdownController::keepQueueWith(QueuePersistence *persistence)
{
    m_queuePersistence = persistence;
}

ShutdownController::~ShutdownController()
{
    if (!m_signalNotifier)
        return;
    for (size_t i = 0; i < kTerminationSignals.size(); ++i)
        ::sigaction(kTerminationSignals[i], &previousHandlers[i], nullptr);
}

void ShutdownController::stopOnTerminationSignals()
{
    if (m_signalNotifier)
        return;
    if (signalPipe[0] < 0 && ::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_signalNotifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(m_signalNotifier, &QSocketNotifier::activated, this, &ShutdownController::terminationSignalled);
    struct sigaction action = {};
    action.sa_handler = writeSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (size_t i = 0; i < kTerminationSignals.size(); ++i)
        ::sigaction(kTerminationSignals[i], &action, &previousHandlers[i]);
}

void ShutdownController::terminationSignalled()
{
    char bytes[16];
    while (::read(signalPipe[0], bytes, sizeof bytes) > 0) {
    }
    if (m_stopping)
        finish();
    else if (keepsQueue())
        keepAndQuit();
    else
        stop();
}

bool ShutdownController::hasUnfinishedJobs() const
{
    if (m_coordinator.runningCount() > 0)
        return true;
    for (const auto &job : m_coordinator.queue().jobs()) {
        if (job->status() == DownloadStatus::queued || job->isActive())
            return true;
    }
    return false;
}

bool ShutdownController::keepsQueue() const
{
    return m_queuePersistence && m_queuePersistence->isKept();
}

void ShutdownController::requestQuit(QWidget *window)
{
    if (m_stopping || (m_question && m_question->isVisible()))
        return;
    if (!hasUnfinishedJobs()) {
        stop();
        return;
    }
    if (keepsQueue())
        askWhetherToKeep(window);
    else
        askWhetherToStop(window);
}

void ShutdownController::askWhetherToStop(QWidget *window)
{
    auto *question = new QMessageBox(QMessageBox::Warning, tr("Quit Tarvelle?"),
                                     tr("Downloads are still running or waiting. Quitting stops them."),
                                     QMessageBox::NoButton, window);
    question->setObjectName(QStringLiteral("quitConfirmation"));
    question->setAttribute(Qt::WA_DeleteOnClose);
    auto *quit = question->addButton(tr("Stop Downloads and Quit"), QMessageBox::DestructiveRole);
    quit->setObjectName(QStringLiteral("quitConfirmButton"));
    auto *keep = question->addButton(tr("Keep Downloading"), QMessageBox::RejectRole);
    keep->setObjectName(QStringLiteral("quitCancelButton"));
    question->setDefaultButton(keep);
    connect(question, &QMessageBox::buttonClicked, this, [this, quit](QAbstractButton *button) {
        if (button == quit)
            forgetAndQuit();
    });
    m_question = question;
    question->open();
}

void ShutdownController::askWhetherToKeep(QWidget *window)
{
    auto *question = new QMessageBox(QMessageBox::Question, tr("Quit Tarvelle?"),
                                     tr("Downloads are still running or waiting. Tarvelle can keep them and "
                                        "continue them the next time it starts."),
                                     QMessageBox::NoButton, window);
    question->setObjectName(QStringLiteral("quitConfirmation"));
    question->setAttribute(Qt::WA_DeleteOnClose);
    auto *keepForLater = question->addButton(tr("Keep for Next Time"), QMessageBox::AcceptRole);
    keepForLater->setObjectName(QStringLiteral("quitKeepButton"));
    auto *forget = question->addButton(tr("Stop and Forget"), QMessageBox::DestructiveRole);
    forget->setObjectName(QStringLiteral("quitConfirmButton"));
    auto *cancel = question->addButton(tr("Keep Downloading"), QMessageBox::RejectRole);
    cancel->setObjectName(QStringLiteral("quitCancelButton"));
    question->setDefaultButton(keepForLater);
    connect(question, &QMessageBox::buttonClicked, this,
            [this, keepForLater, forget](QAbstractButton *button) {
                if (button == keepForLater)
                    keepAndQuit();
                else if (button == forget)
                    forgetAndQuit();
            });
    m_question = question;
    question->open();
}

void ShutdownController::keepAndQuit()
{
    // Nothing is cancelled: a cancel would end each run as "cancelled", in
    // the history and in the queue. The coordinator stops the processes when
    // it goes, and the next start runs the jobs again where they stopped.
    m_stopping = true;
    m_queuePersistence->keepAsItIs();
    finish();
}

void ShutdownController::forgetAndQuit()
{
    // A download no one will go on with leaves nothing behind: waiting ones
    // first, so that no stop of a running one starts one of them.
    QList<DownloadJobPtr> jobs;
    for (const DownloadJobPtr &job : m_coordinator.queue().jobs()) {
        if (job->status() == DownloadStatus::queued || job->isActive())
            jobs << job;
    }
    std::stable_partition(jobs.begin(), jobs.end(),
                          [](const DownloadJobPtr &job) { return job->status() == DownloadStatus::queued; });
    for (const DownloadJobPtr &job : std::as_const(jobs))
        m_coordinator.remove(job, true);
    stop();
}

void ShutdownController::stop()
{
    m_stopping = true;
    m_coordinator.cancelAll();
    if (m_coordinator.runningCount() == 0) {
        finish();
        return;
    }
    QTimer::singleShot(kRunEndWaitMs, this, &ShutdownController::finish);
}

void ShutdownController::finish()
{
    if (m_finished)
        return;
    m_finished = true;
    emit quitApproved();
}
