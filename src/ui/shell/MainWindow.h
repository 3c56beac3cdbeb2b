#pragma once

#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <QVariantMap>

class AppState;
class ClipboardWatch;
class DownloadsView;
class MainView;
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

    // Links from outside (a launcher, a second start, a drop): one goes to
    // the link field of Downloads, several are queued with the default
    // options as "Download All" does, a text file of links opens in the batch
    // sheet. While the legal notice shows they wait for its acceptance.
    void openLinks(const QStringList &items);
    // Every link queued with the default options, however many.
    void queueLinks(const QStringList &links);
    // Shown, unminimised, raised and activated where the desktop allows it.
    void bringToFront(const QVariantMap &platformData);

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    struct PendingLinks
    {
        QStringList items;
        bool queueAll = false;
    };

    void showContent();
    void retranslate();
    void deliver(const PendingLinks &pending);
    DownloadsView *showDownloads();
    void analyzeCopiedLink(const QString &link);

    AppState &m_state;
    ShutdownController &m_shutdown;
    ThumbnailLoader &m_thumbnails;
    QMenu *m_fileMenu;
    QAction *m_settingsAction;
    QAction *m_quitAction;
    bool m_showsMain = false;
    QPointer<MainView> m_mainView;
    ClipboardWatch *m_clipboardWatch;
    QList<PendingLinks> m_pending;
};
