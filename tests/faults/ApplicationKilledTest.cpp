// The application itself killed with SIGKILL in the middle of two downloads:
// its history and settings survive intact and none of its tools run on.
#include "support/HelperTest.h"
#include "support/LocalMediaServer.h"
#include "support/TestSupport.h"

#include "engine/DownloadCoordinator.h"
#include "engine/DownloadQueue.h"
#include "history/HistoryStore.h"
#include "history/PersistenceController.h"
#include "settings/AppConfiguration.h"
#include "settings/AppSettings.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <cstdio>

using namespace TestSupport;

namespace {

constexpr auto kFolderVariable = "TARVELLE_TEST_APP_FOLDER";
constexpr auto kFastLinkVariable = "TARVELLE_TEST_FAST_LINK";
constexpr auto kSlowLinkVariable = "TARVELLE_TEST_SLOW_LINK";

void say(const char *line)
{
    std::printf("%s\n", line);
    std::fflush(stdout);
}

// Run in a process of its own by the test below: one finished download, then
// two slow ones, then it waits to be killed.
TEST(ApplicationKilledHelper, DISABLED_DownloadsUntilKilled)
{
    const QDir folder(qEnvironmentVariable(kFolderVariable));
    ASSERT_TRUE(folder.exists());
    AppConfiguration::ScopedResourcesDirectory resources(QDir(buildToolsDirectory()).absoluteFilePath(".."));
    AppSettings settings(folder.filePath("settings.json"));
    settings.setDefaultOutputDirectory(folder.filePath("out"));
    settings.setMaxConcurrentDownloads(3);
    PersistenceController persistence(folder.filePath("history.sqlite"));
    HistoryStore history(persistence.context());
    DownloadCoordinator coordinator(history, settings, nullptr);

    coordinator.addURLs(qEnvironmentVariable(kFastLinkVariable));
    const DownloadJobPtr first = coordinator.queue().jobs().first();
    ASSERT_TRUE(waitUntil([&] { return first->status() == DownloadStatus::completed; }, 60s));
    ASSERT_EQ(history.all().size(), 1);
    say("recorded");

    coordinator.addURLs(qEnvironmentVariable(kSlowLinkVariable));
    const auto &jobs = coordinator.queue().jobs();
    ASSERT_TRUE(waitUntil([&] { return jobs[1]->downloadedBytes() > 0 && jobs[2]->downloadedBytes() > 0; }, 60s));
    say("downloading");
    waitUntil([] { return false; }, 120s);
}

TEST(ApplicationKilled, HistoryAndSettingsSurviveAndNoToolRunsOn)
{
    LocalMediaServer fast;
    LocalMediaServer slow(LocalMediaServer::Options{8 * 1024});
    ASSERT_TRUE(fast.isReady() && slow.isReady());
    // Files of their own: the same media again would count as already downloaded.
    const QDir served(slow.mediaDirectory());
    for (const QString &name : {QString("first.mp4"), QString("second.mp4")})
        ASSERT_TRUE(QFile::copy(served.filePath("video.mp4"), served.filePath(name)));
    QTemporaryDir folder;

    HelperTest app(QStringLiteral("ApplicationKilledHelper.*"),
                   {{kFolderVariable, folder.path()},
                    {kFastLinkVariable, fast.url(LocalMediaServer::kVideoPath)},
                    {kSlowLinkVariable, slow.url("/first.mp4") + "\n" + slow.url("/second.mp4")}});
    ASSERT_TRUE(app.started());
    ASSERT_TRUE(app.waitForLine(QStringLiteral("downloading"), 120s)) << app.lines().join('\n').toStdString();
    ASSERT_TRUE(app.lines().contains(QStringLiteral("recorded"))) << app.lines().join('\n').toStdString();
    ASSERT_EQ(processesMatching(slow.baseUrl()).size(), 2) << "both slow downloads run";

    ASSERT_TRUE(app.kill());

    EXPECT_TRUE(waitUntil([&] { return processesMatching(slow.baseUrl()).isEmpty(); }, 5s))
        << "a tool outlived the application";

    PersistenceController reopened(folder.filePath("history.sqlite"));
    EXPECT_TRUE(reopened.isPersistent());
    HistoryStore history(reopened.context());
    ASSERT_EQ(history.all().size(), 1);
    EXPECT_EQ(history.all()[0].finalStatusRaw, "completed");

    QFile settingsFile(folder.filePath("settings.json"));
    ASSERT_TRUE(settingsFile.open(QIODevice::ReadOnly));
    QJsonParseError error;
    const QJsonDocument settings = QJsonDocument::fromJson(settingsFile.readAll(), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError);
    EXPECT_EQ(settings.object().value("maxConcurrentDownloads").toInt(), 3);
}

} // namespace
