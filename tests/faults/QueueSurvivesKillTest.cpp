// The application killed with SIGKILL in the middle of three held
// downloads, then started again: the three jobs come back, continue their
// partial files and complete, each with one history record.
#include "support/LocalMediaServer.h"
#include "support/TestSupport.h"

#include "engine/DownloadQueue.h"
#include "engine/QueueEntry.h"
#include "engine/QueuePersistence.h"
#include "history/PersistenceController.h"
#include "history/QueueStore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

using namespace TestSupport;

namespace {

const QString kNames[] = {QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three")};

QString appPath()
{
    return QStringLiteral(TARVELLE_BUILD_DIR "/bin/tarvelle");
}

// Runs a shipped tool; its exit code and what it printed on standard error.
std::pair<int, QByteArray> runTool(const QString &tool, const QStringList &arguments, QByteArray *out = nullptr)
{
    QProcess process;
    process.start(buildToolsDirectory() + QLatin1Char('/') + tool, arguments);
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return {-1, "did not finish"};
    }
    if (out)
        *out = process.readAllStandardOutput();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardError()};
}

// A user of the window: home, settings and data folders of its own.
class WindowUser
{
public:
    WindowUser()
    {
        QDir(m_home.path()).mkpath(QStringLiteral(".config/tarvelle"));
        QDir(m_home.path()).mkpath(QStringLiteral("out"));
        QDir(m_home.path()).mkpath(QStringLiteral("runtime"));
        QFile::setPermissions(m_home.filePath(QStringLiteral("runtime")),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    QString outputFolder() const { return m_home.filePath(QStringLiteral("out")); }
    QString databasePath() const { return m_home.filePath(QStringLiteral(".local/share/tarvelle/history.sqlite")); }

    void writeSettings(const QJsonObject &settings) const
    {
        QFile file(m_home.filePath(QStringLiteral(".config/tarvelle/settings.json")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QJsonDocument(settings).toJson());
    }

    std::unique_ptr<QProcess> startApp() const
    {
        auto app = std::make_unique<QProcess>();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), m_home.path());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.filePath(QStringLiteral(".config")));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), m_home.filePath(QStringLiteral(".local/share")));
        environment.insert(QStringLiteral("XDG_CACHE_HOME"), m_home.filePath(QStringLiteral(".cache")));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_home.filePath(QStringLiteral("runtime")));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        // No desktop session of the developer's: nothing to talk to.
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
                           QStringLiteral("unix:path=") + m_home.filePath(QStringLiteral("no-bus")));
        app->setProcessEnvironment(environment);
        app->setProcessChannelMode(QProcess::ForwardedChannels);
        app->start(appPath(), {});
        return app;
    }

private:
    QTemporaryDir m_home;
};

// Reads the database as the application writes it, without taking a lock.
qint64 countRows(const QString &databasePath, const QString &query)
{
    const QString connection = QStringLiteral("kill-test-reader");
    qint64 rows = -1;
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        database.setDatabaseName(databasePath);
        database.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=1000"));
        if (database.open()) {
            QSqlQuery select(database);
            if (select.exec(query) && select.next())
                rows = select.value(0).toLongLong();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    return rows;
}

QList<QueueEntry> queueOnDisk(const QString &databasePath)
{
    QList<QueueEntry> entries;
    if (const auto store = QueueStore::open(databasePath)) {
        for (const QueuedJobRow &row : store->load().value_or(QList<QueuedJobRow>())) {
            if (const auto entry = QueueEntry::fromRow(row))
                entries.append(*entry);
        }
    }
    return entries;
}

qint64 fileSize(const QString &path)
{
    return QFileInfo(path).size();
}

TEST(QueueSurvivesKill, ThreeDownloadsContinueTheirPartialFilesAndCompleteOnce)
{
    ASSERT_TRUE(QFileInfo(buildToolsDirectory() + QStringLiteral("/yt-dlp")).isExecutable())
        << "run scripts/bootstrap-tools.sh on the build tree first";
    ASSERT_TRUE(QFileInfo(appPath()).isExecutable()) << "build the tarvelle target";

    // 10 s of media, about 300 KB; the server holds every body at 100 KB
    // until released, so the three are in the middle together however fast
    // or slow each one got going.
    const qint64 holdAt = 100 * 1024;
    LocalMediaServer server(LocalMediaServer::Options{0, holdAt});
    ASSERT_TRUE(server.isReady()) << server.errorString().toStdString();
    const QDir served(server.mediaDirectory());
    ASSERT_EQ(runTool(QStringLiteral("ffmpeg"),
                      {"-hide_banner", "-loglevel", "error", "-nostdin", "-y", "-f", "lavfi", "-i",
                       "testsrc=size=320x240:rate=25:duration=10", "-f", "lavfi", "-i",
                       "sine=frequency=440:sample_rate=44100:duration=10", "-c:v", "libx264", "-preset", "ultrafast",
                       "-pix_fmt", "yuv420p", "-c:a", "aac", "-shortest", "-movflags", "+faststart",
                       served.filePath("long.mp4")})
                  .first,
              0);
    const qint64 size = fileSize(served.filePath("long.mp4"));
    ASSERT_GT(size, 2 * holdAt);
    for (const QString &name : kNames)
        ASSERT_TRUE(QFile::copy(served.filePath("long.mp4"), served.filePath(name + ".mp4")));

    WindowUser user;
    user.writeSettings({{"legalAccepted", true},
                        {"defaultOutputDirectory", user.outputFolder()},
                        {"maxConcurrentDownloads", 3},
                        {"downloadCompleteNotification", false}});
    // The queue the last session left: three links waiting.
    QList<QUuid> ids;
    {
        PersistenceController persistence(user.databasePath());
        ASSERT_TRUE(persistence.isPersistent());
        DownloadQueue queue;
        queue.setMaxConcurrent(0);
        QueuePersistence keeper(queue, persistence.databasePath());
        ASSERT_TRUE(waitUntil([&] { return keeper.hasRestored(); }));
        for (const QString &name : kNames) {
            queue.add(DownloadJob::create(server.url("/" + name + ".mp4"), MediaKind::video, VideoQuality::p1080,
                                          AudioFormat::best, SubtitleMode::none, QStringLiteral("en")));
            ids.append(queue.jobs().constLast()->id());
        }
        ASSERT_TRUE(waitUntil([&] { return queueOnDisk(user.databasePath()).size() == 3; }));
    }

    const auto partialFile = [&](const QString &name) {
        return QDir(user.outputFolder()).filePath(name + " [" + name + "].mp4.part");
    };
    std::unique_ptr<QProcess> app = user.startApp();
    ASSERT_TRUE(app->waitForStarted());
    // In the middle of all three: each partial file holds most of what the
    // server sends before holding it, and the queue on disk knows they run.
    const bool midway = waitUntil(
        [&] {
            for (const QString &name : kNames) {
                if (fileSize(partialFile(name)) < holdAt / 2)
                    return false;
            }
            const QList<QueueEntry> entries = queueOnDisk(user.databasePath());
            return entries.size() == 3 && std::all_of(entries.cbegin(), entries.cend(), [](const QueueEntry &e) {
                       return e.status == DownloadStatus::downloading;
                   });
        },
        90s);
    ASSERT_TRUE(midway) << "the three downloads did not get going";
    ASSERT_EQ(processesMatching(server.baseUrl()).size(), 3);

    ::kill(static_cast<pid_t>(app->processId()), SIGKILL);
    ASSERT_TRUE(app->waitForFinished(10000));
    ASSERT_TRUE(waitUntil([&] { return processesMatching(server.baseUrl()).isEmpty(); }, 10s))
        << "a tool outlived the application";
    QHash<QString, qint64> keptBytes;
    for (const QString &name : kNames) {
        keptBytes.insert(name, fileSize(partialFile(name)));
        EXPECT_LT(keptBytes.value(name), size) << name.toStdString();
    }
    EXPECT_EQ(countRows(user.databasePath(), "SELECT count(*) FROM history"), 0);

    ASSERT_TRUE(server.release());
    const qint64 restartedAt = QDateTime::currentMSecsSinceEpoch();
    app = user.startApp();
    ASSERT_TRUE(app->waitForStarted());
    const bool completed = waitUntil(
        [&] {
            return countRows(user.databasePath(), "SELECT count(*) FROM history WHERE finalStatusRaw = 'completed'")
                       == 3
                   && countRows(user.databasePath(), "SELECT count(*) FROM queue") == 0;
        },
        120s);
    ::kill(static_cast<pid_t>(app->processId()), SIGTERM);
    ASSERT_TRUE(app->waitForFinished(20000));
    EXPECT_EQ(app->exitStatus(), QProcess::NormalExit);
    ASSERT_TRUE(completed) << "the restored downloads did not complete";

    // Exactly one record each, all three completed, for the queued jobs.
    EXPECT_EQ(countRows(user.databasePath(), "SELECT count(*) FROM history"), 3);
    for (const QUuid &id : std::as_const(ids)) {
        EXPECT_EQ(countRows(user.databasePath(),
                            "SELECT count(*) FROM history WHERE uuid = '" + id.toString(QUuid::WithoutBraces) + "'"),
                  1);
    }
    const QList<LocalMediaServer::ServedRequest> requests = server.servedRequests();
    for (const QString &name : kNames) {
        SCOPED_TRACE(name.toStdString());
        const QString file = QDir(user.outputFolder()).filePath(name + " [" + name + "].mp4");
        EXPECT_EQ(fileSize(file), size);
        EXPECT_FALSE(QFileInfo::exists(partialFile(name)));
        // Intact: every frame decodes, and the whole ten seconds are there.
        const auto [decoded, errors] = runTool(QStringLiteral("ffmpeg"), {"-v", "error", "-i", file, "-f", "null", "-"});
        EXPECT_EQ(decoded, 0);
        EXPECT_EQ(errors, QByteArray());
        QByteArray duration;
        runTool(QStringLiteral("ffprobe"),
                {"-v", "error", "-show_entries", "format=duration", "-of", "default=nw=1:nk=1", file}, &duration);
        EXPECT_NEAR(duration.trimmed().toDouble(), 10.0, 0.2);

        // Continued, not started again: after the restart the download
        // asked for the rest of the file, and the server sent less than the
        // file for it. (A request from the start after the restart is the
        // analysis's, which stops reading early; at full speed the server
        // counts what fits into the socket.)
        qint64 sentAfterRestart = 0;
        bool continued = false;
        for (const LocalMediaServer::ServedRequest &request : requests) {
            if (request.path != "/" + name + ".mp4" || request.startedAt < restartedAt || request.first == 0)
                continue;
            sentAfterRestart += request.sent;
            continued = continued || (request.first == keptBytes.value(name) && request.last == size - 1);
        }
        EXPECT_LT(sentAfterRestart, size);
        EXPECT_GE(sentAfterRestart, size - keptBytes.value(name));
        EXPECT_TRUE(continued) << "no request for the bytes after " << keptBytes.value(name);
    }
    // The three files under their own names, and nothing else: no partial
    // file, no claim on a name.
    const QStringList left =
        QDir(user.outputFolder()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    EXPECT_EQ(left, (QStringList{"one [one].mp4", "three [three].mp4", "two [two].mp4"}));
}

} // namespace
