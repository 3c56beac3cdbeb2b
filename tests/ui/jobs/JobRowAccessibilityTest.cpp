#include "support/LocalMediaServer.h"
#include "ui/UiTestApp.h"
#include "ui/shell/MainWindow.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

// The window as a screen reader user meets it: every control is found by
// its role and name in the accessibility tree, pressed through its press
// action and read through its name, description and value.
namespace {

using Match = std::function<bool(QAccessibleInterface *)>;

QAccessibleInterface *findIn(QAccessibleInterface *root, const Match &match)
{
    if (!root || !root->isValid() || root->state().invisible)
        return nullptr;
    if (match(root))
        return root;
    for (int i = 0; i < root->childCount(); ++i) {
        if (QAccessibleInterface *found = findIn(root->child(i), match))
            return found;
    }
    return nullptr;
}

Match named(QAccessible::Role role, const QString &name)
{
    return [role, name](QAccessibleInterface *iface) {
        return iface->role() == role && iface->text(QAccessible::Name) == name;
    };
}

Match identified(QAccessible::Role role, const QString &identifier)
{
    return [role, identifier](QAccessibleInterface *iface) {
        return iface->role() == role && iface->text(QAccessible::Description) == identifier;
    };
}

QStringList buttonNames(QAccessibleInterface *row)
{
    QStringList names;
    for (int i = 0; row && i < row->childCount(); ++i) {
        if (row->child(i)->role() == QAccessible::PushButton)
            names << row->child(i)->text(QAccessible::Name);
    }
    return names;
}

void press(QAccessibleInterface *control)
{
    ASSERT_NE(control, nullptr);
    ASSERT_NE(control->actionInterface(), nullptr);
    ASSERT_TRUE(control->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    control->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

class JobRowAccessibilityTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(server.isReady()) << server.errorString().toStdString();
        app.state->setLegalAccepted(true);
        window = std::make_unique<MainWindow>(*app.state, *app.shutdown, app.thumbnails);
        window->resize(1100, 760);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        root = QAccessible::queryAccessibleInterface(window.get());
        ASSERT_NE(root, nullptr);
    }

    QAccessibleInterface *find(const Match &match) const { return findIn(root, match); }

    QAccessibleInterface *jobList() const { return find(named(QAccessible::List, QStringLiteral("Downloads"))); }

    QAccessibleInterface *onlyRow() const
    {
        QAccessibleInterface *list = jobList();
        return list && list->childCount() == 1 ? list->child(0) : nullptr;
    }

    QString badgeOf(QAccessibleInterface *row) const
    {
        QAccessibleInterface *badge = findIn(row, identified(QAccessible::StaticText, QStringLiteral("jobStatusBadge")));
        return badge ? badge->text(QAccessible::Name) : QString();
    }

    // Waits for the row's badge to read `status`.
    bool waitForStatus(const QString &status) const
    {
        return TestSupport::waitUntil([&] { return onlyRow() && badgeOf(onlyRow()) == status; }, std::chrono::seconds(60));
    }

    // A slow download, so that it is still running when the test presses Cancel.
    LocalMediaServer server{LocalMediaServer::Options{16 * 1024}};
    UiTestApp app;
    std::unique_ptr<MainWindow> window;
    QAccessibleInterface *root = nullptr;
};

TEST_F(JobRowAccessibilityTest, AScreenReaderUserQueuesFollowsCancelsRetriesAndRemovesADownload)
{
    QAccessibleInterface *link = find(named(QAccessible::EditableText, QStringLiteral("Link")));
    ASSERT_NE(link, nullptr);
    link->setText(QAccessible::Value, server.url(LocalMediaServer::kVideoPath));
    ASSERT_NO_FATAL_FAILURE(press(find(named(QAccessible::PushButton, QStringLiteral("Download All")))));

    ASSERT_TRUE(TestSupport::waitUntil([&] { return onlyRow() != nullptr; }));
    QAccessibleInterface *list = jobList();
    QAccessibleInterface *row = onlyRow();
    const QAccessible::Id rowId = QAccessible::uniqueId(row);
    EXPECT_EQ(row->role(), QAccessible::ListItem);
    EXPECT_EQ(row->parent(), list);
    EXPECT_EQ(list->indexOfChild(row), 0);

    // The bar reports how far the download is, out of 1.
    QAccessibleInterface *bar = nullptr;
    ASSERT_TRUE(TestSupport::waitUntil([&] {
        bar = findIn(onlyRow(), identified(QAccessible::ProgressBar, QStringLiteral("jobProgress")));
        return bar && bar->valueInterface()->maximumValue().toDouble() == 1.0
            && bar->valueInterface()->currentValue().toDouble() > 0;
    }, std::chrono::seconds(60))) << badgeOf(onlyRow()).toStdString();
    const QAccessible::Id barId = QAccessible::uniqueId(bar);
    EXPECT_EQ(bar->text(QAccessible::Name), QStringLiteral("Progress"));
    EXPECT_EQ(bar->valueInterface()->minimumValue().toDouble(), 0.0);
    EXPECT_LT(bar->valueInterface()->currentValue().toDouble(), 1.0);
    EXPECT_TRUE(bar->text(QAccessible::Value).endsWith(QLatin1Char('%'))) << bar->text(QAccessible::Value).toStdString();
    EXPECT_EQ(onlyRow()->indexOfChild(bar), 1) << "after the badge";
    EXPECT_TRUE(badgeOf(onlyRow()).startsWith(QStringLiteral("Downloading")));
    EXPECT_TRUE(onlyRow()->text(QAccessible::Name).endsWith(badgeOf(onlyRow())));
    EXPECT_EQ(buttonNames(onlyRow()), (QStringList{"Cancel", "Remove"}));

    ASSERT_NO_FATAL_FAILURE(press(findIn(onlyRow(), named(QAccessible::PushButton, QStringLiteral("Cancel")))));
    ASSERT_TRUE(waitForStatus(QStringLiteral("Cancelled")));
    EXPECT_EQ(app.coordinator->queue().jobs().first()->status(), DownloadStatus::cancelled);
    EXPECT_EQ(findIn(onlyRow(), identified(QAccessible::ProgressBar, QStringLiteral("jobProgress"))), nullptr)
        << "a stopped job shows no bar";
    EXPECT_EQ(QAccessible::accessibleInterface(barId), nullptr) << "the bar's interface is gone with it";
    EXPECT_EQ(buttonNames(onlyRow()), (QStringList{"Retry", "Remove"})) << "Cancel is no longer offered";

    ASSERT_NO_FATAL_FAILURE(press(findIn(onlyRow(), named(QAccessible::PushButton, QStringLiteral("Retry")))));
    ASSERT_TRUE(TestSupport::waitUntil([&] { return buttonNames(onlyRow()).contains(QStringLiteral("Cancel")); }))
        << (jobList() ? jobList()->childCount() : -1);
    EXPECT_NE(badgeOf(onlyRow()), QStringLiteral("Cancelled"));

    // Running again, the download stops only when the user says so in the
    // question that comes up, reached the same way.
    ASSERT_NO_FATAL_FAILURE(press(findIn(onlyRow(), named(QAccessible::PushButton, QStringLiteral("Remove")))));
    QAccessibleInterface *stop = nullptr;
    ASSERT_TRUE(TestSupport::waitUntil([&] {
        QWidget *question = QApplication::activeModalWidget();
        stop = question ? findIn(QAccessible::queryAccessibleInterface(question),
                                 named(QAccessible::PushButton, QStringLiteral("Stop and Remove")))
                        : nullptr;
        return stop != nullptr;
    }));
    ASSERT_NO_FATAL_FAILURE(press(stop));
    ASSERT_TRUE(TestSupport::waitUntil([&] { return list->childCount() == 0; }));
    EXPECT_TRUE(app.coordinator->queue().jobs().isEmpty());
    EXPECT_EQ(QAccessible::accessibleInterface(rowId), nullptr) << "a removed row's interface is gone";
}

} // namespace
