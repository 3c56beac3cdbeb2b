#include "ui/shell/MainView.h"

#include "settings/AppState.h"
#include "ui/diagnostics/DiagnosticsView.h"
#include "ui/downloads/DownloadsView.h"
#include "ui/history/HistoryView.h"
#include "ui/settings/SettingsView.h"
#include "ui/shell/ClipboardLinkBar.h"
#include "ui/shell/SettingsSetAsideBar.h"
#include "ui/shell/Sidebar.h"

#include <QSplitter>
#include <QVBoxLayout>

MainView::MainView(AppState &state, ThumbnailLoader &thumbnails, QWidget *parent)
    : QWidget(parent), m_state(state), m_thumbnails(thumbnails)
{
    setObjectName(QStringLiteral("mainView"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_clipboardBar = new ClipboardLinkBar(this);
    layout->addWidget(m_clipboardBar);
    layout->addWidget(new SettingsSetAsideBar(state.settings(), this));

    auto *splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setObjectName(QStringLiteral("mainSplitter"));
    splitter->setChildrenCollapsible(false);
    m_sidebar = new Sidebar(splitter);
    m_detail = new QWidget(splitter);
    m_detail->setObjectName(QStringLiteral("detailArea"));
    m_detailLayout = new QVBoxLayout(m_detail);
    m_detailLayout->setContentsMargins(0, 0, 0, 0);
    splitter->addWidget(m_sidebar);
    splitter->addWidget(m_detail);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({220, 800});
    layout->addWidget(splitter);

    connect(m_sidebar, &Sidebar::selectionChosen, &state, &AppState::setSelectedTab);
    connect(&state, &AppState::selectedTabChanged, this, &MainView::showSection);
    showSection();
}

void MainView::showSection()
{
    const SidebarSelection section = m_state.selectedTab();
    m_sidebar->setSelection(section);
    if (m_screen) {
        m_screen->hide();
        m_screen->deleteLater();
    }
    switch (section) {
    case SidebarSelection::downloads:
        m_screen = new DownloadsView(m_state, m_thumbnails, m_detail);
        break;
    case SidebarSelection::history:
        m_screen = new HistoryView(m_state, m_thumbnails, m_detail);
        break;
    case SidebarSelection::settings:
        m_screen = new SettingsView(m_state, m_detail);
        break;
    case SidebarSelection::diagnostics:
    {
        auto *diagnostics = new DiagnosticsView(m_state.settings(), m_toolUpdater, m_detail);
        if (const LeftoverFiles *leftovers = m_state.leftoverFiles())
            diagnostics->showLeftovers(*leftovers);
        m_screen = diagnostics;
        break;
    }
    }
    m_detailLayout->addWidget(m_screen);
}
