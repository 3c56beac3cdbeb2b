#include "ui/shell/MainWindow.h"

#include "engine/DownloadCoordinator.h"
#include "settings/AppSettings.h"
#include "settings/AppState.h"
#include "ui/downloads/DownloadsView.h"
#include "ui/shell/ClipboardLinkBar.h"
#include "ui/shell/ClipboardWatch.h"
#include "ui/shell/IncomingLinks.h"
#include "ui/shell/LegalGateView.h"
#include "ui/shell/MainView.h"
#include "ui/shell/ShutdownController.h"
#include "ui/widgets/Symbols.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMenuBar>
#include <QMimeData>

MainWindow::MainWindow(AppState &state, ShutdownController &shutdown, ThumbnailLoader &thumbnails, QWidget *parent)
    : QMainWindow(parent), m_state(state), m_shutdown(shutdown), m_thumbnails(thumbnails)
{
    setObjectName(QStringLiteral("mainWindow"));

    m_fileMenu = menuBar()->addMenu(QString());
    m_settingsAction = m_fileMenu->addAction(Symbols::icon(QStringLiteral("gearshape")), QString());
    m_settingsAction->setObjectName(QStringLiteral("settingsCommand"));
    m_settingsAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma));
    m_settingsAction->setShortcutContext(Qt::WindowShortcut);
    m_settingsAction->setMenuRole(QAction::PreferencesRole);
    // Reachable whether or not the menu bar is shown.
    addAction(m_settingsAction);
    connect(m_settingsAction, &QAction::triggered, this,
            [this] { m_state.setSelectedTab(SidebarSelection::settings); });
    m_fileMenu->addSeparator();
    m_quitAction = m_fileMenu->addAction(QIcon::fromTheme(QStringLiteral("application-exit")), QString());
    m_quitAction->setObjectName(QStringLiteral("quitCommand"));
    m_quitAction->setShortcut(QKeySequence::Quit);
    m_quitAction->setMenuRole(QAction::QuitRole);
    connect(m_quitAction, &QAction::triggered, this, &QWidget::close);
    retranslate();

    // Links dropped anywhere on the window, the link field included (it
    // leaves its drops to the window), arrive through openLinks().
    setAcceptDrops(true);
    m_clipboardWatch = new ClipboardWatch(state.settings(), *QApplication::clipboard(), this);
    connect(m_clipboardWatch, &ClipboardWatch::linkOffered, this, [this](const QString &link) {
        if (m_mainView)
            m_mainView->clipboardBar()->offer(link);
    });

    connect(&state, &AppState::legalAcceptedChanged, this, &MainWindow::showContent);
    showContent();
}

void MainWindow::openLinks(const QStringList &items)
{
    m_pending.append({items, false});
    if (m_showsMain)
        deliver(m_pending.takeFirst());
}

void MainWindow::queueLinks(const QStringList &links)
{
    m_pending.append({links, true});
    if (m_showsMain)
        deliver(m_pending.takeFirst());
}

void MainWindow::bringToFront(const QVariantMap &platformData)
{
    // Wayland lets a window take the focus only with the token of the
    // launch that asked for it; Qt reads it from the environment.
    const QString token = platformData.value(QStringLiteral("activation-token")).toString();
    if (!token.isEmpty())
        qputenv("XDG_ACTIVATION_TOKEN", token.toUtf8());
    show();
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    raise();
    activateWindow();
}

void MainWindow::deliver(const PendingLinks &pending)
{
    const IncomingLinks incoming = IncomingLinks::sort(pending.items);
    if (pending.queueAll) {
        if (!incoming.links.isEmpty()) {
            showDownloads();
            m_state.coordinator().addURLs(incoming.links.join(QLatin1Char('\n')));
        }
        return;
    }
    if (incoming.isEmpty())
        return;
    DownloadsView *downloads = showDownloads();
    if (incoming.links.size() > 1)
        m_state.coordinator().addURLs(incoming.links.join(QLatin1Char('\n')));
    else if (incoming.links.size() == 1)
        downloads->showLink(incoming.links.first());
    else if (incoming.files.isEmpty())
        downloads->showLink(incoming.otherText);
    if (!incoming.files.isEmpty())
        downloads->openBatchFile(incoming.files.first());
}

DownloadsView *MainWindow::showDownloads()
{
    m_state.setSelectedTab(SidebarSelection::downloads);
    return qobject_cast<DownloadsView *>(m_mainView->currentScreen());
}

void MainWindow::analyzeCopiedLink(const QString &link)
{
    DownloadsView *downloads = showDownloads();
    downloads->showLink(link);
    downloads->analyze();
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls() || event->mimeData()->hasText())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    const QMimeData *mime = event->mimeData();
    QStringList items;
    if (mime->hasUrls()) {
        for (const QUrl &url : mime->urls())
            items.append(url.toString());
    } else {
        items.append(mime->text());
    }
    event->acceptProposedAction();
    openLinks(items);
}

void MainWindow::showContent()
{
    const int menuHeight = menuBar()->sizeHint().height();
    // The Settings command has nothing to show behind the notice.
    m_settingsAction->setEnabled(m_state.legalAccepted());
    if (!m_state.legalAccepted()) {
        auto *gate = new LegalGateView(this);
        connect(gate, &LegalGateView::understood, this, [this] {
            m_state.setSelectedTab(SidebarSelection::downloads);
            m_state.setLegalAccepted(true);
        });
        connect(gate, &LegalGateView::quitRequested, this, [this] { m_shutdown.requestQuit(this); });
        setCentralWidget(gate);
        setFixedSize(LegalGateView::kSize.width(), LegalGateView::kSize.height() + menuHeight);
        gate->setFocus();
        m_showsMain = false;
        return;
    }
    if (m_showsMain)
        return;
    m_showsMain = true;
    m_mainView = new MainView(m_state, m_thumbnails, this);
    connect(m_mainView->clipboardBar(), &ClipboardLinkBar::analyzeRequested, this, &MainWindow::analyzeCopiedLink);
    setCentralWidget(m_mainView);
    setMinimumSize(kMainMinimumSize.width(), kMainMinimumSize.height() + menuHeight);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    if (!restoreGeometry(m_state.settings().windowGeometry()))
        resize(qMax(width(), kMainDefaultSize.width()), qMax(height(), kMainDefaultSize.height()));
    // Links that arrived while the notice showed.
    while (!m_pending.isEmpty())
        deliver(m_pending.takeFirst());
}

void MainWindow::retranslate()
{
    setWindowTitle(tr("Tarvelle"));
    m_fileMenu->setTitle(tr("&File"));
    m_settingsAction->setText(tr("Settings"));
    m_quitAction->setText(tr("Quit"));
}

void MainWindow::changeEvent(QEvent *event)
{
    // The window and its sidebar outlive a change of language; the screens
    // are made afresh on every section switch and pick it up then.
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QMainWindow::changeEvent(event);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Only the main window's place is kept; the notice has a fixed size.
    if (m_showsMain)
        m_state.settings().setWindowGeometry(saveGeometry());
    if (m_shutdown.isQuitting()) {
        event->accept();
        return;
    }
    event->ignore();
    m_shutdown.requestQuit(this);
}
