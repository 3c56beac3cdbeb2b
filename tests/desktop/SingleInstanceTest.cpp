#include "PrivateSessionBus.h"
#include "cli/CliHarness.h"
#include "settings/AppConfiguration.h"
#include "support/TestSupport.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QJsonArray>
#include <QJsonObject>
#include <QSet>

#include <gtest/gtest.h>

namespace {

// Nothing listens on the discard port: a download of these links fails at
// once and leaves its history record, which shows the window queued it.
const QString kLinkA = QStringLiteral("http://127.0.0.1:9/a");
const QString kLinkB = QStringLiteral("http://127.0.0.1:9/b");
const QString kLinkC = QStringLiteral("http://127.0.0.1:9/c");

bool windowOnTheBus()
{
    return QDBusConnection::sessionBus().interface()->isServiceRegistered(AppConfiguration::appId()).value();
}

QSet<QString> recordedLinks(const CliUser &user)
{
    QSet<QString> links;
    for (const QJsonValue &record : user.history())
        links.insert(record.toObject().value("sourceURL").toString());
    return links;
}

TEST(SingleInstance, LaterStartsAndTheCommandLineHandTheirLinksToTheOneWindow)
{
    ASSERT_FALSE(PrivateSessionBus::address().isEmpty());
    CliUser user;
    ASSERT_TRUE(user.isValid());
    ASSERT_TRUE(user.acceptNoticeForWindow());

    // Two windows started at once: one keeps the name, the other hands its
    // link over and ends.
    const auto first = user.start({}, windowPath());
    const auto second = user.start({kLinkA}, windowPath());
    ASSERT_TRUE(TestSupport::waitUntil([&] { return first->state() == QProcess::NotRunning
                                             || second->state() == QProcess::NotRunning; },
                                std::chrono::seconds(20)));
    QProcess *window = first->state() == QProcess::Running ? first.get() : second.get();
    QProcess *ended = window == first.get() ? second.get() : first.get();
    EXPECT_EQ(ended->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(ended->exitCode(), 0) << ended->readAllStandardError().constData();
    EXPECT_EQ(window->state(), QProcess::Running) << window->readAllStandardError().constData();
    ASSERT_TRUE(windowOnTheBus());

    // A later start with two links: they are queued in the window.
    const auto later = user.start({kLinkB, kLinkC}, windowPath());
    ASSERT_TRUE(later->waitForFinished(20000));
    EXPECT_EQ(later->exitCode(), 0) << later->readAllStandardError().constData();

    // The command line queues in the window too.
    const CliResult handed = user.run({"download", "--to-window", kLinkC + "?again"});
    EXPECT_EQ(handed.exitCode, 0) << handed.err.toStdString();
    EXPECT_TRUE(handed.out.contains("Queued 1 link(s) in the Tarvelle window.")) << handed.out.toStdString();

    // A, one link, went to the window's link field whichever start kept
    // the name: only B, C and C?again are downloaded.
    const QSet<QString> expected{kLinkB, kLinkC, kLinkC + "?again"};
    ASSERT_TRUE(TestSupport::waitUntil([&] { return recordedLinks(user).contains(expected); }, std::chrono::seconds(120)))
        << "records: " << QStringList(recordedLinks(user).values()).join(' ').toStdString();
    EXPECT_FALSE(recordedLinks(user).contains(kLinkA)) << "one link is put in the field, not downloaded";

    window->terminate();
    ASSERT_TRUE(window->waitForFinished(20000));
    ASSERT_TRUE(TestSupport::waitUntil([] { return !windowOnTheBus(); }, std::chrono::seconds(5)));

    const CliResult alone = user.run({"download", "--to-window", kLinkA});
    EXPECT_EQ(alone.exitCode, 1);
    EXPECT_TRUE(alone.err.contains("No Tarvelle window is running")) << alone.err.toStdString();
    EXPECT_TRUE(alone.out.isEmpty());
}

} // namespace
