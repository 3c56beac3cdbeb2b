#pragma once

#include "settings/AppState.h"
#include "updates/ToolUpdater.h"

#include <QWidget>

class ClipboardLinkBar;
class QSplitter;
class QVBoxLayout;
class Sidebar;
class ThumbnailLoader;

// The main window's content: the sidebar of sections and the screen of the
// selected one. Each screen is made afresh when its section is selected, so
// what it held (typed text, a preview) is gone after a switch; a tool update
// is not: its updater lives here, beyond the Diagnostics screen.
class MainView : public QWidget
{
    Q_OBJECT

public:
    MainView(AppState &state, ThumbnailLoader &thumbnails, QWidget *parent = nullptr);

    QWidget *currentScreen() const { return m_screen; }
    // Above every screen: the offer to analyse a copied link.
    ClipboardLinkBar *clipboardBar() const { return m_clipboardBar; }

private:
    void showSection();

    AppState &m_state;
    ThumbnailLoader &m_thumbnails;
    ClipboardLinkBar *m_clipboardBar;
    Sidebar *m_sidebar;
    QWidget *m_detail;
    QVBoxLayout *m_detailLayout;
    QWidget *m_screen = nullptr;
    ToolUpdater m_toolUpdater;
};
