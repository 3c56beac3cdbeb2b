#pragma once

#include <QMainWindow>

class AppState;
class QAction;
class QMenu;
class ShutdownController;
class ThumbnailLoader;

// The application's window: the legal notice until it is accepted (a fixed
// 520 × 360 frame), then the main view (at least 900 × 620), which opens on
// Downloads, where the window was last closed and at the size it had. Its
// menu holds the "Settings" command (Ctrl+,), available once the notice is
// accepted. Closing the window quits through the shutdown controller, which
// asks first while downloads run.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    static constexpr QSize kMainMinimumSize{900, 620};
    // The main window's size when no size is stored.
    static constexpr QSize kMainDefaultSize{1100, 760};

    MainWindow(AppState &state, ShutdownController &shutdown, ThumbnailLoader &thumbnails, QWidget *parent = nullptr);

    QAction *settingsAction() const { return m_settingsAction; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void showContent();
    void retranslate();

    AppState &m_state;
    ShutdownController &m_shutdown;
    ThumbnailLoader &m_thumbnails;
    QMenu *m_fileMenu;
    QAction *m_settingsAction;
    QAction *m_quitAction;
    bool m_showsMain = false;
};
