#include "ui/shell/MainWindow.h"

#include "settings/AppSettings.h"
#include "settings/AppState.h"
#include "ui/shell/LegalGateView.h"
#include "ui/shell/MainView.h"
#include "ui/shell/ShutdownController.h"
#include "ui/widgets/Symbols.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>

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

    connect(&state, &AppState::legalAcceptedChanged, this, &MainWindow::showContent);
    showContent();
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
    setCentralWidget(new MainView(m_state, m_thumbnails, this));
    setMinimumSize(kMainMinimumSize.width(), kMainMinimumSize.height() + menuHeight);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    if (!restoreGeometry(m_state.settings().windowGeometry()))
        resize(qMax(width(), kMainDefaultSize.width()), qMax(height(), kMainDefaultSize.height()));
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
