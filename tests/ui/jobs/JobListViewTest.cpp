#include "support/TestSupport.h"
#include "ui/jobs/ShownJobList.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class JobListViewTest : public ShownJobList
{
protected:
    QStringList targetTexts(int row) const
    {
        QStringList texts;
        for (const auto &target : view.rowTargets(model.index(row)))
            texts << target.first;
        return texts;
    }

    void click(int row, const QString &text)
    {
        for (const auto &target : view.rowTargets(model.index(row))) {
            if (target.first == text) {
                QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, target.second.center());
                return;
            }
        }
        FAIL() << "no button " << text.toStdString();
    }

    // The log viewer of the row, if one is open (closed ones are deleted later).
    QPlainTextEdit *log() const
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return view.findChild<QPlainTextEdit *>(QStringLiteral("jobLogText"));
    }
};

TEST_F(JobListViewTest, ClickingARowButtonReportsItsAction)
{
    const auto running = addJob(DownloadStatus::downloading);
    const auto failed = addJob(DownloadStatus::failed);
    EXPECT_EQ(targetTexts(0), (QStringList{"Cancel", "Remove"}));
    EXPECT_EQ(targetTexts(1), (QStringList{"Retry", "Remove", "Show Log"}));

    QSignalSpy actions(&view, &JobListView::actionTriggered);
    click(0, QStringLiteral("Cancel"));
    click(1, QStringLiteral("Retry"));
    click(1, QStringLiteral("Remove"));
    ASSERT_EQ(actions.count(), 3);
    EXPECT_EQ(actions.at(0).at(0).value<DownloadJobPtr>(), running);
    EXPECT_EQ(actions.at(0).at(1).value<JobRowAction>(), JobRowAction::cancel);
    EXPECT_EQ(actions.at(1).at(1).value<JobRowAction>(), JobRowAction::retry);
    EXPECT_EQ(actions.at(2).at(0).value<DownloadJobPtr>(), failed);
    EXPECT_EQ(actions.at(2).at(1).value<JobRowAction>(), JobRowAction::remove);
}

TEST_F(JobListViewTest, TabReachesTheButtonsOfTheCurrentRowAndSpacePressesThem)
{
    const auto completed = addJob(DownloadStatus::completed);
    completed->setOutputPath(QStringLiteral("/tmp/clip.mp4"));
    model.flushChanges();
    view.setFocus(Qt::TabFocusReason);
    view.setCurrentIndex(model.index(0));
    ASSERT_EQ(targetTexts(0), (QStringList{"Open", "Reveal", "Remove"}));

    QSignalSpy actions(&view, &JobListView::actionTriggered);
    QTest::keyClick(&view, Qt::Key_Tab);
    EXPECT_EQ(view.focusedTarget(), 0);
    QTest::keyClick(&view, Qt::Key_Tab);
    EXPECT_EQ(view.focusedTarget(), 1);
    QTest::keyClick(&view, Qt::Key_Space);
    ASSERT_EQ(actions.count(), 1);
    EXPECT_EQ(actions.at(0).at(1).value<JobRowAction>(), JobRowAction::reveal);

    QTest::keyClick(&view, Qt::Key_Backtab);
    EXPECT_EQ(view.focusedTarget(), 0);
    QTest::keyClick(&view, Qt::Key_Return);
    ASSERT_EQ(actions.count(), 2);
    EXPECT_EQ(actions.at(1).at(1).value<JobRowAction>(), JobRowAction::open);
}

TEST_F(JobListViewTest, ShowLogRevealsASelectablePlainTextLog)
{
    const auto failed = addJob(DownloadStatus::failed);
    failed->setLogLines({QStringLiteral("[download] <b>not bold</b>"), QStringLiteral("ERROR: & <img src=x>")});
    model.flushChanges();
    EXPECT_EQ(log(), nullptr);

    click(0, QStringLiteral("Show Log"));
    QPlainTextEdit *viewer = log();
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->toPlainText(), QStringLiteral("[download] <b>not bold</b>\nERROR: & <img src=x>"));
    EXPECT_TRUE(viewer->isReadOnly());
    EXPECT_TRUE(viewer->textInteractionFlags() & Qt::TextSelectableByMouse);
    EXPECT_TRUE(viewer->textInteractionFlags() & Qt::TextSelectableByKeyboard);
    EXPECT_EQ(targetTexts(0).last(), QStringLiteral("Hide Log"));

    click(0, QStringLiteral("Hide Log"));
    TestSupport::processEventsBriefly();
    EXPECT_EQ(log(), nullptr);
    EXPECT_EQ(targetTexts(0).last(), QStringLiteral("Show Log"));
}

TEST_F(JobListViewTest, ARetriedJobClosesItsLog)
{
    const auto failed = addJob(DownloadStatus::failed);
    click(0, QStringLiteral("Show Log"));
    ASSERT_NE(log(), nullptr);

    failed->setStatus(DownloadStatus::queued);
    model.flushChanges();
    TestSupport::processEventsBriefly();
    EXPECT_EQ(log(), nullptr);
    EXPECT_EQ(targetTexts(0), (QStringList{"Cancel", "Remove"}));
}

// The row's menu: every action in one place, those the row lacks disabled.
struct MenuCase
{
    const char *name;
    DownloadStatus status;
    QStringList enabled;
};

class JobRowMenuTest : public JobListViewTest, public ::testing::WithParamInterface<MenuCase>
{
protected:
    QMenu *openMenu(int row, QContextMenuEvent::Reason reason)
    {
        if (reason == QContextMenuEvent::Mouse) {
            const QPoint at = view.visualRect(model.index(row)).topLeft() + QPoint(20, 20);
            QContextMenuEvent event(reason, at, view.viewport()->mapToGlobal(at));
            QCoreApplication::sendEvent(view.viewport(), &event);
        } else {
            view.setCurrentIndex(model.index(row));
            QContextMenuEvent event(reason, QPoint(), view.mapToGlobal(QPoint()));
            QCoreApplication::sendEvent(&view, &event);
        }
        return view.findChild<QMenu *>(QStringLiteral("jobRowMenu"));
    }

    static QAction *item(QMenu *menu, const QString &text)
    {
        for (QAction *action : menu->actions()) {
            if (action->text() == text)
                return action;
        }
        return nullptr;
    }
};

TEST_P(JobRowMenuTest, OffersEveryActionAndDoesIt)
{
    const MenuCase &c = GetParam();
    addJob(DownloadStatus::queued);
    const auto job = addJob(c.status);
    if (c.status == DownloadStatus::completed)
        job->setOutputPath(QStringLiteral("/tmp/clip.mp4"));
    model.flushChanges();

    for (const auto reason : {QContextMenuEvent::Mouse, QContextMenuEvent::Keyboard}) {
        QMenu *menu = openMenu(1, reason);
        ASSERT_NE(menu, nullptr);
        EXPECT_TRUE(menu->isVisible());
        EXPECT_EQ(view.currentIndex().row(), 1);
        QStringList texts;
        QStringList enabled;
        for (const QAction *action : menu->actions()) {
            if (action->isSeparator())
                continue;
            texts << action->text();
            if (action->isEnabled())
                enabled << action->text();
        }
        EXPECT_EQ(texts, (QStringList{"Open", "Reveal", "Copy Link", "Retry", "Cancel", "Remove", "Show Log"}));
        EXPECT_EQ(enabled, c.enabled);

        QSignalSpy actions(&view, &JobListView::actionTriggered);
        item(menu, QStringLiteral("Copy Link"))->trigger();
        menu->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ASSERT_EQ(actions.count(), 1);
        EXPECT_EQ(actions.at(0).at(0).value<DownloadJobPtr>(), job);
        EXPECT_EQ(actions.at(0).at(1).value<JobRowAction>(), JobRowAction::copyLink);
    }

    // The menu's log toggle opens the log as the row's button does.
    if (c.enabled.contains(QStringLiteral("Show Log"))) {
        QMenu *menu = openMenu(1, QContextMenuEvent::Mouse);
        item(menu, QStringLiteral("Show Log"))->trigger();
        menu->close();
        EXPECT_NE(log(), nullptr);
        menu = openMenu(1, QContextMenuEvent::Mouse);
        EXPECT_NE(item(menu, QStringLiteral("Hide Log")), nullptr);
        menu->close();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Statuses, JobRowMenuTest,
    ::testing::Values(MenuCase{"failed", DownloadStatus::failed, {"Copy Link", "Retry", "Remove", "Show Log"}},
                      MenuCase{"running", DownloadStatus::downloading, {"Copy Link", "Cancel", "Remove"}},
                      MenuCase{"completed", DownloadStatus::completed, {"Open", "Reveal", "Copy Link", "Remove"}},
                      MenuCase{"queued", DownloadStatus::queued, {"Copy Link", "Cancel", "Remove"}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(JobListViewTest, JobsJustAddedComeIntoView)
{
    for (int i = 0; i < 40; ++i)
        addJob(DownloadStatus::queued);
    TestSupport::processEventsBriefly();
    view.scrollToTop();
    const auto shown = [this](int row) {
        return view.viewport()->rect().intersects(view.visualRect(model.index(row)));
    };
    ASSERT_FALSE(shown(39));

    // A few new rows come into view whole; of many, the first ones do.
    for (const int count : {3, 100}) {
        const int first = model.rowCount();
        QList<DownloadJobPtr> jobs;
        for (int i = 0; i < count; ++i)
            jobs << DownloadJob::create(QStringLiteral("https://example.com/new/%1").arg(i), MediaKind::video,
                                        VideoQuality::p1080, AudioFormat::best, SubtitleMode::none, QString());
        queue.append(jobs);
        TestSupport::processEventsBriefly();
        EXPECT_TRUE(shown(first)) << count;
        EXPECT_EQ(shown(first + count - 1), count == 3) << count;
        view.scrollToTop();
    }
}

TEST_F(JobListViewTest, RowsGrowWithTheirContent)
{
    const auto job = addJob(DownloadStatus::queued);
    const int queuedHeight = view.visualRect(model.index(0)).height();
    job->setStatus(DownloadStatus::failed);
    model.flushChanges();
    view.doItemsLayout();
    EXPECT_GT(view.visualRect(model.index(0)).height(), queuedHeight);
}

} // namespace
