#include "services/DesktopNotifier.h"

#include "services/NotificationService.h"

namespace {

const QString kDefault = QStringLiteral("default");
const QString kOpen = QStringLiteral("open");
const QString kReveal = QStringLiteral("reveal");
const QString kRetry = QStringLiteral("retry");

QList<NotificationService::Action> actionsFor(const FinishedDownload &download)
{
    QList<NotificationService::Action> actions{{kDefault, QString()}};
    if (download.completed && !download.filePath.isEmpty())
        actions << NotificationService::Action{kOpen, DesktopNotifier::tr("Open")} << NotificationService::Action{kReveal, DesktopNotifier::tr("Show in Folder")};
    else if (!download.completed && download.retryable)
        actions << NotificationService::Action{kRetry, DesktopNotifier::tr("Retry")};
    return actions;
}

} // namespace

DesktopNotifier::DesktopNotifier(NotificationService &service, Clock clock, QObject *parent)
    : QObject(parent), m_service(service), m_clock(std::move(clock))
{
    connect(&m_service, &NotificationService::actionInvoked, this, &DesktopNotifier::actionInvoked);
    connect(&m_service, &NotificationService::closed, this, &DesktopNotifier::forget);
}

void DesktopNotifier::notify(const FinishedDownload &download)
{
    const auto now = m_clock();
    const bool continues = m_inBurst && m_burst.lastFinish && now - *m_burst.lastFinish < kBurstWindow;
    if (!continues) {
        m_burst = Burst();
        m_burst.first = download;
        m_inBurst = true;
        ++m_burstNumber;
    }
    (download.completed ? m_burst.completed : m_burst.failed) += 1;
    m_burst.lastFinish = now;
    post();
}

void DesktopNotifier::post()
{
    Burst &burst = m_burst;
    const int count = burst.completed + burst.failed;
    if (count > 1 && burst.id == 0) {
        // The first announcement has no id yet to be replaced: the summary
        // follows when it comes.
        burst.summaryDue = true;
        return;
    }
    if (count == 1) {
        m_service.notify(burst.first.heading, burst.first.body, actionsFor(burst.first), 0, this,
                         [this, number = m_burstNumber, download = burst.first](uint id) { posted(number, id, download); });
        return;
    }
    QStringList parts;
    if (burst.completed > 0)
        parts << tr("%n complete", nullptr, burst.completed);
    if (burst.failed > 0)
        parts << tr("%n failed", nullptr, burst.failed);
    m_shown.insert(burst.id, FinishedDownload{});
    m_service.notify(tr("%n downloads finished", nullptr, count), parts.join(QStringLiteral(", ")), {{kDefault, QString()}},
                     burst.id);
}

void DesktopNotifier::posted(int burst, uint id, const FinishedDownload &download)
{
    if (id == 0)
        return;
    m_shown.insert(id, download);
    if (burst != m_burstNumber)
        return;
    m_burst.id = id;
    if (m_burst.summaryDue) {
        m_burst.summaryDue = false;
        post();
    }
}

void DesktopNotifier::actionInvoked(uint id, const QString &key)
{
    const auto shown = m_shown.constFind(id);
    if (shown == m_shown.constEnd())
        return; // another program's notification
    const FinishedDownload download = *shown;
    if (key == kOpen)
        emit openRequested(download.filePath);
    else if (key == kReveal)
        emit revealRequested(download.filePath);
    else if (key == kRetry)
        emit retryRequested(download.jobId);
    else
        emit windowRequested();
}

void DesktopNotifier::forget(uint id)
{
    m_shown.remove(id);
    if (m_inBurst && m_burst.id == id)
        m_inBurst = false; // a dismissed announcement is not replaced
}
