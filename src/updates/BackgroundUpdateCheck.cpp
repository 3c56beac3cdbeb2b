#include "updates/BackgroundUpdateCheck.h"

#include "settings/AppSettings.h"
#include "tools/ToolUpdateSchedule.h"

BackgroundUpdateCheck::BackgroundUpdateCheck(AppSettings &settings, ToolUpdater::Setup setup, QObject *parent)
    : QObject(parent)
    , m_settings(settings)
    , m_updater(std::move(setup))
{
    connect(&m_timer, &QTimer::timeout, this, &BackgroundUpdateCheck::checkIfDue);
    connect(&m_updater, &ToolUpdater::finished, this, &BackgroundUpdateCheck::onChecked);
}

void BackgroundUpdateCheck::start(std::chrono::milliseconds delay)
{
    m_timer.setSingleShot(true);
    m_timer.start(delay);
}

void BackgroundUpdateCheck::checkIfDue()
{
    m_timer.setSingleShot(false);
    m_timer.start(kRecheckInterval);
    if (m_updater.isRunning() || !m_settings.checkForToolUpdates()
        || !ToolUpdateSchedule::isDue(m_settings.toolUpdateCheckedAt(), QDateTime::currentDateTimeUtc())) {
        emit lookEnded();
        return;
    }
    m_updater.check(QStringLiteral("yt-dlp"), m_settings.toolUpdateChannel());
}

void BackgroundUpdateCheck::onChecked(const ToolUpdateResult &result)
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    if (result.kind == ToolUpdateResult::Kind::available && result.latestVersion) {
        m_settings.recordToolUpdateCheck(now, result.latestVersion);
        emit newerYtDlpFound(*result.latestVersion);
    } else if (result.kind == ToolUpdateResult::Kind::upToDate) {
        m_settings.recordToolUpdateCheck(now, std::nullopt);
    }
    emit lookEnded();
}
