#include "ui/downloads/QueueNoticeBar.h"

#include "engine/DownloadCoordinator.h"
#include "engine/DownloadQueue.h"
#include "engine/QueuePersistence.h"
#include "ui/widgets/Fonts.h"
#include "ui/widgets/Foreground.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QString notKeptText(QueuePersistence::NotKeptReason reason)
{
    switch (reason) {
    case QueuePersistence::NotKeptReason::none:
        return {};
    case QueuePersistence::NotKeptReason::unavailable:
        return QueueNoticeBar::tr("The download queue can't be saved (the data folder is read-only or its "
                                  "database is in use), so these downloads won't be kept after Tarvelle quits.");
    case QueuePersistence::NotKeptReason::otherWindow:
        return QueueNoticeBar::tr("Another Tarvelle window keeps the download queue, so the downloads in this "
                                  "window won't be kept after it quits.");
    case QueuePersistence::NotKeptReason::writeFailing:
        return QueueNoticeBar::tr("The download queue can't be saved right now; Tarvelle keeps trying. "
                                  "Until it succeeds, recent changes won't be kept.");
    }
    return {};
}

} // namespace

QueueNoticeBar::QueueNoticeBar(QueuePersistence &persistence, DownloadCoordinator &coordinator, QWidget *parent)
    : QFrame(parent), m_persistence(persistence), m_coordinator(coordinator)
{
    setObjectName(QStringLiteral("queueNoticeBar"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 4, 16, 4);
    layout->setSpacing(4);

    m_restoreRow = new QWidget(this);
    auto *row = new QHBoxLayout(m_restoreRow);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(8);
    m_restoreText = new QLabel(m_restoreRow);
    m_restoreText->setObjectName(QStringLiteral("queueRestoredNotice"));
    m_restoreText->setTextFormat(Qt::PlainText);
    m_restoreText->setWordWrap(true);
    m_restoreText->setFont(Fonts::caption());
    row->addWidget(m_restoreText, 1);
    m_clearButton = new QPushButton(tr("Clear Them"), m_restoreRow);
    m_clearButton->setObjectName(QStringLiteral("clearRestoredButton"));
    row->addWidget(m_clearButton);
    auto *dismissButton = new QPushButton(tr("Dismiss"), m_restoreRow);
    dismissButton->setObjectName(QStringLiteral("dismissQueueNoticeButton"));
    row->addWidget(dismissButton);
    layout->addWidget(m_restoreRow);

    m_notKeptText = new QLabel(this);
    m_notKeptText->setObjectName(QStringLiteral("queueNotKeptNotice"));
    m_notKeptText->setTextFormat(Qt::PlainText);
    m_notKeptText->setWordWrap(true);
    m_notKeptText->setFont(Fonts::caption());
    setForeground(m_notKeptText, SemanticColor::orange);
    layout->addWidget(m_notKeptText);

    connect(m_clearButton, &QPushButton::clicked, this, &QueueNoticeBar::clearRestored);
    connect(dismissButton, &QPushButton::clicked, this, &QueueNoticeBar::dismiss);
    connect(&persistence, &QueuePersistence::restored, this, &QueueNoticeBar::refresh);
    connect(&persistence, &QueuePersistence::keepingChanged, this, &QueueNoticeBar::refresh);
    refresh();
}

void QueueNoticeBar::refresh()
{
    const int restored = int(m_persistence.restoredJobIds().size());
    const int setAside = m_persistence.setAsideCount();
    const bool tellRestore =
        m_persistence.hasRestored() && !m_persistence.restoreAcknowledged() && (restored > 0 || setAside > 0);
    QStringList sentences;
    if (restored > 0)
        sentences.append(tr("Restored %n download(s) from the last session.", nullptr, restored));
    if (setAside > 0)
        sentences.append(tr("%n saved download(s) could not be read and were set aside.", nullptr, setAside));
    m_restoreText->setText(sentences.join(QLatin1Char(' ')));
    m_clearButton->setVisible(restored > 0);
    m_restoreRow->setVisible(tellRestore);

    const QString notKept = notKeptText(m_persistence.notKeptReason());
    m_notKeptText->setText(notKept);
    m_notKeptText->setVisible(!notKept.isEmpty());
    setVisible(tellRestore || !notKept.isEmpty());
}

void QueueNoticeBar::clearRestored()
{
    QList<DownloadJobPtr> jobs = m_persistence.restoredJobsInQueue();
    // Waiting ones first, so that no cancel of a running one frees a slot
    // for one of them.
    std::stable_partition(jobs.begin(), jobs.end(),
                          [](const DownloadJobPtr &job) { return job->status() == DownloadStatus::queued; });
    for (const DownloadJobPtr &job : std::as_const(jobs))
        m_coordinator.remove(job, false);
    dismiss();
}

void QueueNoticeBar::dismiss()
{
    m_persistence.acknowledgeRestore();
    refresh();
}
