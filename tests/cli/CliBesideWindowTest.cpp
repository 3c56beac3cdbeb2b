// tarvelle-cli and the window at once over one data folder: the command
// keeps its run in memory and leaves the window's kept queue as it is.
#include "cli/CliHarness.h"
#include "support/LocalMediaServer.h"
#include "support/TestSupport.h"

#include "engine/DownloadQueue.h"
#include "engine/QueueEntry.h"
#include "engine/QueuePersistence.h"
#include "history/PersistenceController.h"
#include "history/QueueStore.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

QList<QueuedJobRow> rowsOnDisk(const QString &databasePath)
{
    const auto store = QueueStore::open(databasePath);
    return store ? store->load().value_or(QList<QueuedJobRow>()) : QList<QueuedJobRow>();
}

TEST(CliBesideWindow, ADownloadLeavesTheWindowsQueueAsItIs)
{
    ASSERT_TRUE(QFileInfo(buildToolsDirectory() + QStringLiteral("/yt-dlp")).isExecutable())
        << "run scripts/bootstrap-tools.sh on the build tree first";
    LocalMediaServer server;
    ASSERT_TRUE(server.isReady()) << server.errorString().toStdString();
    CliUser user;
    ASSERT_TRUE(user.isValid());
    QTemporaryDir output;

    // The window of the same user, with two downloads waiting in its queue.
    const QString databasePath = user.home() + QStringLiteral("/.local/share/tarvelle/history.sqlite");
    PersistenceController persistence(databasePath);
    ASSERT_TRUE(persistence.isPersistent());
    DownloadQueue queue;
    queue.setMaxConcurrent(0);
    QueuePersistence window(queue, persistence.databasePath());
    ASSERT_TRUE(waitUntil([&] { return window.hasRestored(); }));
    for (const char *link : {"https://a.example/1", "https://a.example/2"}) {
        queue.add(DownloadJob::create(QString::fromLatin1(link), MediaKind::video, VideoQuality::best,
                                      AudioFormat::best, SubtitleMode::none, QStringLiteral("en")));
    }
    ASSERT_TRUE(waitUntil([&] { return rowsOnDisk(databasePath).size() == 2; }));
    const QList<QueuedJobRow> before = rowsOnDisk(databasePath);

    const CliResult result = user.run({"download", "--output", output.path(), server.url(LocalMediaServer::kVideoPath)});
    ASSERT_TRUE(result.finished);
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    ASSERT_EQ(user.history().size(), 1) << "the command's run is in the shared history";
    EXPECT_EQ(user.history().at(0).toObject().value("finalStatusRaw").toString(), "completed");

    // Not a row more, not a row changed: the command's job never was in it.
    EXPECT_EQ(rowsOnDisk(databasePath), before);
    EXPECT_TRUE(window.isKept());
    // And the window goes on keeping its queue.
    queue.add(DownloadJob::create(QStringLiteral("https://a.example/3"), MediaKind::video, VideoQuality::best,
                                  AudioFormat::best, SubtitleMode::none, QStringLiteral("en")));
    ASSERT_TRUE(waitUntil([&] { return rowsOnDisk(databasePath).size() == 3; }));
    EXPECT_TRUE(window.isKept());
}

} // namespace
