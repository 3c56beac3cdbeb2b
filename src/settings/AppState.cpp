#include "settings/AppState.h"

#include "settings/AppSettings.h"

AppState::AppState(DownloadCoordinator &coordinator, HistoryStore &historyStore, AppSettings &settings,
                   QObject *parent)
    : QObject(parent)
    , m_coordinator(coordinator)
    , m_historyStore(historyStore)
    , m_settings(settings)
    , m_legalAccepted(settings.legalAccepted())
{
}

void AppState::setSelectedTab(SidebarSelection tab)
{
    if (m_selectedTab == tab)
        return;
    m_selectedTab = tab;
    emit selectedTabChanged();
}

void AppState::setLegalAccepted(bool accepted)
{
    const bool changed = m_legalAccepted != accepted;
    m_legalAccepted = accepted;
    m_settings.setLegalAccepted(accepted);
    if (changed)
        emit legalAcceptedChanged();
}
