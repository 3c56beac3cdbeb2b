#include "services/DesktopNotifier.h"

#include "DesktopRecorder.h"
#include "services/NotificationService.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

using TestSupport::waitUntil;
using namespace std::chrono_literals;

FinishedDownload completed(const QString &title, const QString &path)
{
    return {QUuid::createUuid(), true, QStringLiteral("Download complete"), title, path, false};
}

FinishedDownload failed(const QString &title, bool retryable)
{
    return {QUuid::createUuid(), false, QStringLiteral("Download failed"), title, QString(), retryable};
}

class DesktopNotifierTest : public ::testing::Test
{
protected:
    // The notifier's clock stands still until a test moves it.
    DesktopNotifier::Clock clock()
    {
        return [this] { return now; };
    }

    void SetUp() override
    {
        ASSERT_TRUE(recorder.serveNotifications(true));
        service().requestAuthorization();
        ASSERT_TRUE(waitUntil([] { return service().supportsActions(); }));
    }

    static NotificationService &service() { return NotificationService::shared(); }
    const QList<NotificationsRecorder::Notification> &sent() const { return recorder.notifications.notifications; }

    // Waits until `count` notifications reached the server and their ids came back.
    void waitForSent(qsizetype count)
    {
        ASSERT_TRUE(waitUntil([&] { return sent().size() >= count; })) << sent().size();
        TestSupport::processEventsBriefly();
        ASSERT_EQ(sent().size(), count);
    }

    DesktopRecorder recorder;
    std::chrono::steady_clock::time_point now;
};

TEST_F(DesktopNotifierTest, EachKindOfEndOffersWhatCanBeDoneWithIt)
{
    DesktopNotifier notifier(service(), clock());
    struct Case
    {
        FinishedDownload download;
        QStringList actions;
    };
    const QList<Case> cases{
        {completed("Clip & Co", "/out/Clip.mp4"), {"default", "", "open", "Open", "reveal", "Show in Folder"}},
        {completed("No file known", QString()), {"default", ""}},
        {failed("Kept failure", true), {"default", "", "retry", "Retry"}},
        {failed("Removed failure", false), {"default", ""}},
    };
    for (const Case &c : cases) {
        // A quiet window between the cases: each is announced on its own.
        now += DesktopNotifier::kBurstWindow;
        const qsizetype before = sent().size();
        notifier.notify(c.download);
        waitForSent(before + 1);
        const auto &notification = sent().last();
        EXPECT_EQ(notification.replacesId, 0u) << c.download.body.toStdString();
        EXPECT_EQ(notification.summary, c.download.heading);
        EXPECT_EQ(notification.body, NotificationService::escapeBody(c.download.body));
        EXPECT_EQ(notification.actions, c.actions) << c.download.body.toStdString();
    }
}

TEST_F(DesktopNotifierTest, ActionsPressedOnTheDesktopReachTheApplication)
{
    DesktopNotifier notifier(service(), clock());
    QStringList heard;
    QObject::connect(&notifier, &DesktopNotifier::openRequested, [&](const QString &path) { heard << "open " + path; });
    QObject::connect(&notifier, &DesktopNotifier::revealRequested,
                     [&](const QString &path) { heard << "reveal " + path; });
    QObject::connect(&notifier, &DesktopNotifier::retryRequested,
                     [&](const QUuid &job) { heard << "retry " + job.toString(); });
    QObject::connect(&notifier, &DesktopNotifier::windowRequested, [&] { heard << "window"; });

    notifier.notify(completed("Done", "/out/Done.mkv"));
    waitForSent(1);
    now += DesktopNotifier::kBurstWindow;
    const FinishedDownload failure = failed("Broken", true);
    notifier.notify(failure);
    waitForSent(2);

    const struct
    {
        uint id;
        QString key;
        QString heard;
    } presses[]{
        {1, "open", "open /out/Done.mkv"},
        {1, "reveal", "reveal /out/Done.mkv"},
        {1, "default", "window"},
        {2, "retry", "retry " + failure.jobId.toString()},
    };
    for (const auto &press : presses) {
        heard.clear();
        recorder.invokeAction(press.id, press.key);
        EXPECT_TRUE(waitUntil([&] { return !heard.isEmpty(); })) << press.key.toStdString();
        EXPECT_EQ(heard, QStringList{press.heard});
    }

    // Another program's notification, and one the user dismissed: nothing.
    heard.clear();
    recorder.invokeAction(99, "open");
    recorder.closeNotification(1);
    TestSupport::processEventsBriefly();
    recorder.invokeAction(1, "open");
    TestSupport::processEventsBriefly();
    EXPECT_TRUE(heard.isEmpty()) << heard.join(", ").toStdString();
}

TEST_F(DesktopNotifierTest, DownloadsEndingTogetherMakeOneSummaryInsteadOfAFlood)
{
    DesktopNotifier notifier(service(), clock());
    notifier.notify(completed("First", "/out/1.mp4"));
    notifier.notify(completed("Second", "/out/2.mp4"));
    notifier.notify(failed("Third", true));
    ASSERT_TRUE(waitUntil([&] { return !sent().isEmpty() && sent().last().summary == "3 downloads finished"; }));
    TestSupport::processEventsBriefly();

    EXPECT_EQ(sent().first().summary, QStringLiteral("Download complete"));
    EXPECT_EQ(sent().first().replacesId, 0u);
    for (qsizetype i = 1; i < sent().size(); ++i)
        EXPECT_EQ(sent().at(i).replacesId, 1u) << "every later one replaces the first";
    EXPECT_EQ(sent().last().body, QStringLiteral("2 complete, 1 failed"));
    EXPECT_EQ(sent().last().actions, (QStringList{"default", ""}));

    // The window runs from the latest end, not the first: each of these
    // ends just inside it and joins.
    for (const QString summary : {"4 downloads finished", "5 downloads finished"}) {
        now += DesktopNotifier::kBurstWindow - 1ms;
        notifier.notify(completed("Later in the burst", "/out/more.mp4"));
        ASSERT_TRUE(waitUntil([&] { return sent().last().summary == summary; }))
            << sent().last().summary.toStdString();
        EXPECT_EQ(sent().last().replacesId, 1u);
    }

    // A quiet window ends the burst: the next download stands on its own.
    now += DesktopNotifier::kBurstWindow;
    const qsizetype before = sent().size();
    notifier.notify(completed("Later", "/out/later.mp4"));
    waitForSent(before + 1);
    EXPECT_EQ(sent().last().replacesId, 0u);
    EXPECT_EQ(sent().last().summary, QStringLiteral("Download complete"));
}

TEST_F(DesktopNotifierTest, AServerWithoutActionsGetsPlainNotifications)
{
    recorder.notifications.capabilities = {QStringLiteral("body")};
    service().requestAuthorization();
    ASSERT_TRUE(waitUntil([] { return !service().supportsActions(); }));
    DesktopNotifier notifier(service(), clock());
    notifier.notify(completed("Plain", "/out/plain.mp4"));
    waitForSent(1);
    EXPECT_TRUE(sent().first().actions.isEmpty());
}

} // namespace
