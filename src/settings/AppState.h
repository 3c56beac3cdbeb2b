#pragma once

#include <QObject>

class AppSettings;
class DownloadCoordinator;
class HistoryStore;
class LeftoverFiles;
class QueuePersistence;

// The window's sections, in sidebar order.
enum class SidebarSelection { downloads, history, settings, diagnostics };

// The root of the running application: the coordinator, the history and the
// settings, and the window state more than one screen needs. GUI thread only.
class AppState : public QObject
{
    Q_OBJECT
    Q_PROPERTY(SidebarSelection selectedTab READ selectedTab WRITE setSelectedTab NOTIFY selectedTabChanged)
    Q_PROPERTY(bool legalAccepted READ legalAccepted WRITE setLegalAccepted NOTIFY legalAcceptedChanged)

public:
    // Reads the stored legal flag (absent means false) without writing it.
    AppState(DownloadCoordinator &coordinator, HistoryStore &historyStore, AppSettings &settings,
             QObject *parent = nullptr);

    DownloadCoordinator &coordinator() const { return m_coordinator; }
    HistoryStore &historyStore() const { return m_historyStore; }
    AppSettings &settings() const { return m_settings; }
    // What keeps the queue across restarts; null where nothing does (tests
    // of single screens).
    QueuePersistence *queuePersistence() const { return m_queuePersistence; }
    void setQueuePersistence(QueuePersistence *persistence) { m_queuePersistence = persistence; }
    // The partial files no kept job owns, as found at start; null where
    // nothing looks (tests of single screens).
    const LeftoverFiles *leftoverFiles() const { return m_leftoverFiles; }
    void setLeftoverFiles(const LeftoverFiles *leftovers) { m_leftoverFiles = leftovers; }

    // Every start opens on downloads; the section is never stored.
    SidebarSelection selectedTab() const { return m_selectedTab; }
    void setSelectedTab(SidebarSelection tab);

    bool legalAccepted() const { return m_legalAccepted; }
    // Writes the flag to the settings store on every assignment.
    void setLegalAccepted(bool accepted);

signals:
    void selectedTabChanged();
    void legalAcceptedChanged();

private:
    DownloadCoordinator &m_coordinator;
    HistoryStore &m_historyStore;
    AppSettings &m_settings;
    QueuePersistence *m_queuePersistence = nullptr;
    const LeftoverFiles *m_leftoverFiles = nullptr;
    SidebarSelection m_selectedTab = SidebarSelection::downloads;
    bool m_legalAccepted = false;
};
