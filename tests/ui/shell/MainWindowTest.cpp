#include "settings/SettingsStore.h"
#include "ui/UiTestApp.h"
#include "ui/downloads/DownloadsView.h"
#include "ui/settings/SettingsView.h"
#include "ui/shell/LegalGateView.h"
#include "ui/shell/MainView.h"
#include "ui/shell/MainWindow.h"
#include "ui/shell/Sidebar.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class MainWindowTest : public ::testing::Test
{
protected:
    void open()
    {
        window = std::make_unique<MainWindow>(*app.state, *app.shutdown, app.thumbnails);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    template <typename T = QWidget>
    T *find(const char *name) const
    {
        return window->findChild<T *>(QLatin1String(name));
    }

    bool storedAcceptance() const
    {
        return SettingsStore(app.settingsPath()).value(AppSettings::kLegalAcceptedKey).toBool(false);
    }

    bool storesAcceptanceAtAll() const
    {
        return SettingsStore(app.settingsPath()).contains(AppSettings::kLegalAcceptedKey);
    }

    void pressKey(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : window.get();
        QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
    }

    UiTestApp app;
    std::unique_ptr<MainWindow> window;
};

TEST_F(MainWindowTest, FirstLaunchShowsTheNoticeInAFixedFrame)
{
    open();
    ASSERT_NE(find("legalGate"), nullptr);
    EXPECT_EQ(find("mainView"), nullptr);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Tarvelle"));
    EXPECT_EQ(find("legalGate")->size(), LegalGateView::kSize);
    EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "the notice cannot be resized";
    EXPECT_FALSE(storesAcceptanceAtAll());
}

TEST_F(MainWindowTest, ReturnAcceptsAndOpensDownloads)
{
    open();
    pressKey(Qt::Key_Return);
    EXPECT_TRUE(storedAcceptance());
    ASSERT_NE(find("mainView"), nullptr);
    EXPECT_NE(find<DownloadsView>("downloadsView"), nullptr);
    EXPECT_TRUE(find<QAbstractButton>("navDownloads")->isChecked());
    EXPECT_GE(window->minimumWidth(), MainWindow::kMainMinimumSize.width());
    EXPECT_GE(window->minimumHeight(), MainWindow::kMainMinimumSize.height());
    EXPECT_GT(window->maximumWidth(), 10000);
}

TEST_F(MainWindowTest, EscapeQuitsWithoutStoringAndTheNextLaunchShowsTheNoticeAgain)
{
    open();
    QSignalSpy quit(app.shutdown.get(), &ShutdownController::quitApproved);
    pressKey(Qt::Key_Escape);
    EXPECT_EQ(quit.count(), 1);
    EXPECT_FALSE(storesAcceptanceAtAll());

    window.reset();
    app.relaunch();
    open();
    EXPECT_NE(find("legalGate"), nullptr);
}

TEST_F(MainWindowTest, ARelaunchAfterAcceptanceGoesStraightToDownloads)
{
    app.state->setLegalAccepted(true);
    app.state->setSelectedTab(SidebarSelection::history);
    app.relaunch();
    open();
    EXPECT_EQ(find("legalGate"), nullptr);
    EXPECT_NE(find<DownloadsView>("downloadsView"), nullptr);
}

// A settings file that no longer parses is set aside at start; the window
// says where, once, and keeps what could still be read.
TEST_F(MainWindowTest, ADamagedSettingsFileIsToldOnce)
{
    const auto damage = [&] {
        QFile file(app.settingsPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(R"({"legalAccepted": true, "keepFailedTasks": fal)");
    };
    damage();
    app.relaunch();
    open();
    EXPECT_EQ(find("legalGate"), nullptr) << "the acceptance was kept";
    auto *notice = find<QLabel>("settingsSetAsideNotice");
    ASSERT_NE(notice, nullptr);
    EXPECT_TRUE(notice->isVisible());
    EXPECT_TRUE(notice->text().contains(app.settingsPath() + ".bad-")) << notice->text().toStdString();
    find<QPushButton>("dismissSettingsSetAsideButton")->click();
    EXPECT_FALSE(notice->isVisible());

    // Damaged again while the window is open: told when it is found.
    damage();
    EXPECT_TRUE(app.settings->legalAccepted());
    EXPECT_TRUE(TestSupport::waitUntil([&] { return notice->isVisible(); }));

    window.reset();
    app.relaunch();
    open();
    EXPECT_FALSE(find<QLabel>("settingsSetAsideNotice")->isVisible()) << "the next start finds a good file";
}

TEST_F(MainWindowTest, SettingsCommandSelectsSettings)
{
    app.state->setLegalAccepted(true);
    open();
    pressKey(Qt::Key_Comma, Qt::ControlModifier);
    EXPECT_EQ(app.state->selectedTab(), SidebarSelection::settings);
    EXPECT_TRUE(find<QAbstractButton>("navSettings")->isChecked());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(find<DownloadsView>("downloadsView"), nullptr);
    EXPECT_EQ(window->settingsAction()->text(), QStringLiteral("Settings"));
}

TEST_F(MainWindowTest, AcceptingTheNoticeOpensOnDownloadsWhateverWasSelectedBehindIt)
{
    open();
    EXPECT_FALSE(window->settingsAction()->isEnabled()) << "nothing to show behind the notice";
    pressKey(Qt::Key_Comma, Qt::ControlModifier);
    EXPECT_EQ(app.state->selectedTab(), SidebarSelection::downloads);
    app.state->setSelectedTab(SidebarSelection::diagnostics);
    find<QPushButton>("legalUnderstandButton")->click();
    EXPECT_EQ(app.state->selectedTab(), SidebarSelection::downloads);
    EXPECT_TRUE(find<QAbstractButton>("navDownloads")->isChecked());
    EXPECT_NE(find<DownloadsView>("downloadsView"), nullptr);
    EXPECT_TRUE(window->settingsAction()->isEnabled());
}

TEST_F(MainWindowTest, TheWindowOpensWhereItWasClosedAtTheSizeItHad)
{
    app.state->setLegalAccepted(true);
    open();
    const QSize defaultSize = window->size();
    EXPECT_GE(defaultSize.width(), MainWindow::kMainDefaultSize.width());
    const QRect placed(QPoint(37, 21), QSize(960, 690));
    window->setGeometry(placed);
    window->close();

    window.reset();
    app.relaunch();
    open();
    EXPECT_EQ(window->geometry(), placed);
}

TEST_F(MainWindowTest, SwitchingSectionsMakesTheScreenAfresh)
{
    app.state->setLegalAccepted(true);
    open();
    find<QLineEdit>("urlInput")->setText(QStringLiteral("https://typed.example/"));
    find<QAbstractButton>("navHistory")->click();
    EXPECT_EQ(app.state->selectedTab(), SidebarSelection::history);
    find<QAbstractButton>("navDownloads")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_NE(find<QLineEdit>("urlInput"), nullptr);
    EXPECT_TRUE(find<QLineEdit>("urlInput")->text().isEmpty());
}

TEST_F(MainWindowTest, ArrowKeysMoveThroughTheSections)
{
    app.state->setLegalAccepted(true);
    open();
    find<QAbstractButton>("navDownloads")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(app.state->selectedTab(), SidebarSelection::history);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(app.state->selectedTab(), SidebarSelection::settings);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    EXPECT_EQ(app.state->selectedTab(), SidebarSelection::history);
    EXPECT_TRUE(find<QAbstractButton>("navHistory")->hasFocus());
}

TEST_F(MainWindowTest, ClosingWithWaitingDownloadsAsksFirst)
{
    app.state->setLegalAccepted(true);
    app.holdQueue();
    app.coordinator->addURLs(QStringLiteral("https://a.example/1"));
    open();
    QSignalSpy quit(app.shutdown.get(), &ShutdownController::quitApproved);

    window->close();
    auto *question = window->findChild<QMessageBox *>(QStringLiteral("quitConfirmation"));
    ASSERT_NE(question, nullptr);
    EXPECT_TRUE(window->isVisible());
    question->findChild<QPushButton *>(QStringLiteral("quitCancelButton"))->click();
    EXPECT_EQ(quit.count(), 0);
    EXPECT_EQ(app.coordinator->queue().jobs().first()->status(), DownloadStatus::queued);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    window->close();
    question = window->findChild<QMessageBox *>(QStringLiteral("quitConfirmation"));
    ASSERT_NE(question, nullptr);
    question->findChild<QPushButton *>(QStringLiteral("quitConfirmButton"))->click();
    ASSERT_TRUE(TestSupport::waitUntil([&] { return quit.count() == 1; }));
    EXPECT_TRUE(app.coordinator->queue().jobs().isEmpty()) << "the waiting download is forgotten";
}

TEST_F(MainWindowTest, ClosingWithNothingRunningQuitsAtOnce)
{
    app.state->setLegalAccepted(true);
    open();
    QSignalSpy quit(app.shutdown.get(), &ShutdownController::quitApproved);
    window->close();
    EXPECT_EQ(quit.count(), 1);
    EXPECT_EQ(window->findChild<QMessageBox *>(QStringLiteral("quitConfirmation")), nullptr);
}

} // namespace
