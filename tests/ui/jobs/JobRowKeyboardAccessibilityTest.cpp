#include "ui/jobs/ShownJobList.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

// What a screen reader finds while the keyboard moves through the rows, and
// after a row changes. (Change events themselves only leave the process
// through a platform bridge: Qt drops them offscreen, so the AT-SPI test
// covers what a reader receives.)
namespace {

class JobRowKeyboardAccessibilityTest : public ShownJobList
{
protected:
    QAccessibleInterface *row(int at) { return QAccessible::queryAccessibleInterface(&view)->child(at); }

    QAccessibleInterface *part(int at, QAccessible::Role role, const QString &name)
    {
        QAccessibleInterface *r = row(at);
        for (int i = 0; r && i < r->childCount(); ++i) {
            if (r->child(i)->role() == role && r->child(i)->text(QAccessible::Name) == name)
                return r->child(i);
        }
        return nullptr;
    }
};

TEST_F(JobRowKeyboardAccessibilityTest, TheKeyboardFocusMovesThroughRowsAndButtonsAndScreenReadersSeeIt)
{
    addJob(DownloadStatus::downloading);
    addJob(DownloadStatus::failed);
    QSignalSpy actions(&view, &JobListView::actionTriggered);

    view.clearFocus();
    ASSERT_FALSE(view.currentIndex().isValid());
    view.setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(view.currentIndex().isValid()) << "the first row becomes current with the focus";
    EXPECT_TRUE(row(0)->state().focused);
    EXPECT_FALSE(row(1)->state().focused);

    QTest::keyClick(&view, Qt::Key_Right);
    QAccessibleInterface *cancel = part(0, QAccessible::PushButton, QStringLiteral("Cancel"));
    ASSERT_NE(cancel, nullptr);
    EXPECT_TRUE(cancel->state().focused);
    EXPECT_FALSE(row(0)->state().focused) << "the button has it now";
    EXPECT_EQ(view.focusedTarget(), 0);

    QTest::keyClick(&view, Qt::Key_Space);
    ASSERT_EQ(actions.count(), 1);
    EXPECT_EQ(actions.first().at(1).value<JobRowAction>(), JobRowAction::cancel);

    // The next row: Retry instead of Cancel, and its log toggle last.
    QTest::keyClick(&view, Qt::Key_Down);
    EXPECT_TRUE(row(1)->state().focused);
    QStringList buttons;
    for (int i = 0; i < row(1)->childCount(); ++i) {
        if (row(1)->child(i)->role() == QAccessible::PushButton)
            buttons << row(1)->child(i)->text(QAccessible::Name);
    }
    EXPECT_EQ(buttons, (QStringList{"Retry", "Remove", "Show Log"}));
    EXPECT_EQ(part(1, QAccessible::ProgressBar, QStringLiteral("Progress")), nullptr) << "a failed job shows no bar";
}

TEST_F(JobRowKeyboardAccessibilityTest, ARowsPartsFollowItsJob)
{
    const auto job = addJob(DownloadStatus::queued);
    ASSERT_NE(row(0), nullptr);
    QAccessibleInterface *badge = part(0, QAccessible::StaticText, QStringLiteral("Queued"));
    ASSERT_NE(badge, nullptr);
    EXPECT_EQ(badge->text(QAccessible::Description), QStringLiteral("jobStatusBadge"));
    EXPECT_EQ(part(0, QAccessible::ProgressBar, QStringLiteral("Progress")), nullptr);

    job->setStatus(DownloadStatus::downloading);
    model.flushChanges();
    QAccessibleInterface *bar = part(0, QAccessible::ProgressBar, QStringLiteral("Progress"));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->text(QAccessible::Description), QStringLiteral("jobProgress"));
    EXPECT_EQ(bar->valueInterface()->maximumValue().toDouble(), 0.0) << "indeterminate before the first percent";
    EXPECT_TRUE(badge->text(QAccessible::Name).startsWith(QStringLiteral("Downloading"))) << "the same badge, renamed";
    EXPECT_TRUE(row(0)->text(QAccessible::Name).endsWith(badge->text(QAccessible::Name)));

    job->setProgress(0.25);
    model.flushChanges();
    EXPECT_EQ(bar->valueInterface()->maximumValue().toDouble(), 1.0);
    EXPECT_DOUBLE_EQ(bar->valueInterface()->currentValue().toDouble(), 0.25);
    EXPECT_EQ(bar->text(QAccessible::Value), QStringLiteral("25%"));
    EXPECT_TRUE(view.visualRect(model.index(0)).translated(view.viewport()->mapToGlobal(QPoint())).contains(bar->rect()));

    const QAccessible::Id barId = QAccessible::uniqueId(bar);
    const QAccessible::Id cancelId = QAccessible::uniqueId(part(0, QAccessible::PushButton, QStringLiteral("Cancel")));
    job->setStatus(DownloadStatus::cancelled);
    model.flushChanges();
    EXPECT_EQ(QAccessible::accessibleInterface(barId), nullptr);
    EXPECT_EQ(QAccessible::accessibleInterface(cancelId), nullptr);
    EXPECT_NE(part(0, QAccessible::PushButton, QStringLiteral("Retry")), nullptr);
}

} // namespace
