#include "ui/ShutdownController.h"

#include "engine/DownloadCoordinator.h"
#include "engine/DownloadQueue.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

ShutdownController::ShutdownController(DownloadCoordinator &coordinator, QObject *parent)
    : QObject(parent), m_coordinator(coordinator)
{
    connect(&coordinator, &DownloadCoordinator::allRunsEnded, this, [this] {
        if (m_stopping)
            finish();
    });
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

void ShutdownController::requestQuit(QWidget *window)
{
    if (m_stopping || (m_question && m_question->isVisible()))
        return;
    if (!hasUnfinishedJobs()) {
        stop();
        return;
    }
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
            stop();
    });
    m_question = question;
    question->open();
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
