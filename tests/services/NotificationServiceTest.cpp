#include "services/NotificationService.h"

#include "DesktopRecorder.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

using TestSupport::waitUntil;

struct BodyCase
{
    const char *name;
    QString body;
    QString sent;
};

// The case's name where gtest (and ctest) show the parameter.
void PrintTo(const BodyCase &c, std::ostream *out)
{
    *out << c.name;
}

class NotificationBodyTest : public ::testing::TestWithParam<BodyCase>
{
};

TEST_P(NotificationBodyTest, ReachesTheServerAsANewNotificationWithAnEscapedBody)
{
    DesktopRecorder recorder;
    ASSERT_TRUE(recorder.serveNotifications(true));

    NotificationService::shared().notify(QStringLiteral("Download complete"), GetParam().body);

    ASSERT_TRUE(waitUntil([&] { return !recorder.notifications.notifications.isEmpty(); }));
    ASSERT_EQ(recorder.notifications.notifications.size(), 1);
    const auto &sent = recorder.notifications.notifications.first();
    EXPECT_EQ(sent.appName, QStringLiteral(TARVELLE_APP_ID));
    EXPECT_EQ(sent.replacesId, 0u);
    EXPECT_EQ(sent.summary, QStringLiteral("Download complete"));
    EXPECT_EQ(sent.body, GetParam().sent);
    EXPECT_TRUE(sent.actions.isEmpty());
    EXPECT_EQ(sent.hints.value(QStringLiteral("desktop-entry")).toString(),
              QStringLiteral(TARVELLE_APP_ID));
    EXPECT_EQ(sent.expireTimeout, -1);
}

INSTANTIATE_TEST_SUITE_P(
    Bodies, NotificationBodyTest,
    ::testing::Values(
        BodyCase{"plain", QStringLiteral("Morning walk [abc123]"),
                 QStringLiteral("Morning walk [abc123]")},
        BodyCase{"markup", QStringLiteral("Tom & Jerry <b>Live</b>"),
                 QStringLiteral("Tom &amp; Jerry &lt;b&gt;Live&lt;/b&gt;")},
        BodyCase{"quotes", QStringLiteral("\"Best\" of '24"),
                 QStringLiteral("&quot;Best&quot; of &apos;24")},
        BodyCase{"entityLookalike", QStringLiteral("&amp; stays text"),
                 QStringLiteral("&amp;amp; stays text")},
        BodyCase{"unicode", QStringLiteral("Ünïcødé 音楽 🎵"), QStringLiteral("Ünïcødé 音楽 🎵")},
        BodyCase{"empty", QString(), QString()}),
    [](const ::testing::TestParamInfo<BodyCase> &info) { return std::string(info.param.name); });

TEST(NotificationServiceTest, EachCallPostsItsOwnNotification)
{
    DesktopRecorder recorder;
    ASSERT_TRUE(recorder.serveNotifications(true));

    NotificationService::shared().notify(QStringLiteral("Download complete"), QStringLiteral("one"));
    NotificationService::shared().notify(QStringLiteral("Download failed"), QStringLiteral("two"));

    ASSERT_TRUE(waitUntil([&] { return recorder.notifications.notifications.size() == 2; }));
    const auto &first = recorder.notifications.notifications.at(0);
    const auto &second = recorder.notifications.notifications.at(1);
    EXPECT_EQ(first.summary, QStringLiteral("Download complete"));
    EXPECT_EQ(first.body, QStringLiteral("one"));
    EXPECT_EQ(second.summary, QStringLiteral("Download failed"));
    EXPECT_EQ(second.body, QStringLiteral("two"));
    EXPECT_EQ(second.replacesId, 0u);
}

TEST(NotificationServiceTest, RequestAuthorizationAsksForTheServerInformation)
{
    DesktopRecorder recorder;
    ASSERT_TRUE(recorder.serveNotifications(true));

    NotificationService::shared().requestAuthorization();

    EXPECT_TRUE(waitUntil([&] { return recorder.notifications.serverInformationRequests == 1; }));
    EXPECT_TRUE(recorder.notifications.notifications.isEmpty());
}

TEST(NotificationServiceTest, WithoutAServerNothingFailsAndLaterNotificationsStillArrive)
{
    DesktopRecorder recorder; // on the bus, but no notification server yet

    NotificationService::shared().requestAuthorization();
    NotificationService::shared().notify(QStringLiteral("Download failed"), QStringLiteral("lost"));
    TestSupport::processEventsBriefly();

    ASSERT_TRUE(recorder.serveNotifications(true));
    NotificationService::shared().notify(QStringLiteral("Download complete"), QStringLiteral("seen"));

    ASSERT_TRUE(waitUntil([&] { return !recorder.notifications.notifications.isEmpty(); }));
    ASSERT_EQ(recorder.notifications.notifications.size(), 1);
    EXPECT_EQ(recorder.notifications.notifications.first().body, QStringLiteral("seen"));
    EXPECT_EQ(recorder.notifications.serverInformationRequests, 0);
}

} // namespace
