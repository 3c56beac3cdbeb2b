#include "cli/CliHarness.h"
#include "support/LocalMediaServer.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonObject>
#include <QRegularExpression>
#include <QUrl>

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <vector>

#include <sys/stat.h>

using namespace TestSupport;

namespace {

QString text(const QJsonObject &record, const char *key)
{
    return record.value(key).toString();
}

} // namespace

// download against the local server with the shipped tools.
class CliDownload : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QFileInfo(buildToolsDirectory() + "/yt-dlp").isExecutable())
            << "run scripts/bootstrap-tools.sh on the build tree first";
        ASSERT_TRUE(m_user.isValid());
        ASSERT_TRUE(m_output.isValid());
    }

    static void SetUpTestSuite() { s_server = new LocalMediaServer; }
    static void TearDownTestSuite()
    {
        delete s_server;
        s_server = nullptr;
    }
    static LocalMediaServer &server() { return *s_server; }

    QStringList files() const { return QDir(m_output.path()).entryList(QDir::Files); }

    static inline LocalMediaServer *s_server = nullptr;
    CliUser m_user;
    QTemporaryDir m_output;
};

TEST_F(CliDownload, CompletesIntoTheOutputFolderWithoutTouchingTheSettings)
{
    ASSERT_TRUE(server().isReady()) << server().errorString().toStdString();
    const QString url = server().url(LocalMediaServer::kVideoPath);
    const CliResult result = m_user.run({"download", "--audio", "mp3", "--output", m_output.path(), url});

    EXPECT_EQ(result.exitCode, 0) << result.out.toStdString() << result.err.toStdString();
    EXPECT_EQ(files(), QStringList{"video [video].mp3"});
    // Not a terminal: plain lines, no cursor movement.
    EXPECT_FALSE(result.out.contains(QChar(0x1b)));
    EXPECT_TRUE(result.out.contains("[1/1] video — Completed")) << result.out.toStdString();
    EXPECT_FALSE(QFileInfo::exists(m_user.settingsFile()));
    EXPECT_FALSE(QFileInfo::exists(m_user.defaultOutputDirectory()));

    const QJsonArray history = m_user.history();
    ASSERT_EQ(history.size(), 1);
    const QJsonObject record = history.first().toObject();
    EXPECT_EQ(text(record, "finalStatusRaw"), "completed");
    EXPECT_EQ(text(record, "sourceURL"), url);
    EXPECT_EQ(text(record, "mediaTypeRaw"), "audio");
    EXPECT_EQ(text(record, "selectedQuality"), "mp3");
    EXPECT_EQ(text(record, "finalFilePath"), QDir(m_output.path()).filePath("video [video].mp3"));
    EXPECT_TRUE(record.value("errorType").isNull());
}

// yt-dlp describes a master playlist of 2,500 variants in about 2 MB on one
// line; the job still learns its title and downloads the file.
TEST_F(CliDownload, AMasterPlaylistOfThousandsOfVariantsIsDownloaded)
{
    ASSERT_TRUE(server().isReady()) << server().errorString().toStdString();
    const QString url = server().url(server().addMasterPlaylist(2500));
    const CliResult result = m_user.run({"download", "--quality", "720", "--output", m_output.path(), url});

    EXPECT_EQ(result.exitCode, 0) << result.out.toStdString() << result.err.toStdString();
    EXPECT_EQ(files(), QStringList{"master-2500 [master-2500].mp4"});
    EXPECT_GT(QFileInfo(QDir(m_output.path()).filePath(files().value(0))).size(), 10000);
    EXPECT_TRUE(result.out.contains("[1/1] master-2500 — Completed")) << result.out.toStdString();
    EXPECT_TRUE(QDir(m_user.home() + "/.cache/tarvelle/info").isEmpty()) << "the description goes with the job";
}

// The same link twice: the second run downloads nothing and says so; it
// completes pointing at the file of the first.
TEST_F(CliDownload, TheSameLinkAgainIsAlreadyDownloaded)
{
    ASSERT_TRUE(server().isReady()) << server().errorString().toStdString();
    const QString url = server().url(LocalMediaServer::kVideoPath);
    const QStringList arguments{"download", "--audio", "m4a", "--output", m_output.path(), url};
    const CliResult first = m_user.run(arguments);
    ASSERT_EQ(first.exitCode, 0) << first.out.toStdString() << first.err.toStdString();
    EXPECT_FALSE(first.out.contains("Already downloaded")) << first.out.toStdString();

    const CliResult again = m_user.run(arguments);
    EXPECT_EQ(again.exitCode, 0) << again.out.toStdString() << again.err.toStdString();
    const QString file = QDir(m_output.path()).filePath("video [video].m4a");
    EXPECT_TRUE(again.out.contains("[1/1] video — Completed · ")) << again.out.toStdString();
    EXPECT_TRUE(again.out.contains(" · Already downloaded: the file from an earlier download of this link is kept. · "
                                   + file + "\n"))
        << again.out.toStdString();
    EXPECT_EQ(files(), QStringList{"video [video].m4a"});
    const QJsonArray history = m_user.history({"--success"});
    ASSERT_EQ(history.size(), 2);
    for (const QJsonValue &record : history)
        EXPECT_EQ(text(record.toObject(), "finalFilePath"), file);
    const QString note = "Already downloaded: the file from an earlier download of this link is kept.";
    EXPECT_EQ(text(history.at(0).toObject(), "note"), note) << "the newest record";
    EXPECT_TRUE(history.at(1).toObject().value("note").isNull());
    const QString newest = m_user.run({"history"}).out.split('\n').first();
    EXPECT_TRUE(newest.endsWith(file + "  " + note)) << newest.toStdString();
}

// Without options: the stored defaults (here audio as m4a), the stored folder.
TEST_F(CliDownload, UsesTheStoredDefaults)
{
    ASSERT_TRUE(server().isReady()) << server().errorString().toStdString();
    ASSERT_TRUE(QDir().mkpath(QFileInfo(m_user.settingsFile()).path()));
    QFile settings(m_user.settingsFile());
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write(QStringLiteral(R"({"defaultMediaType": "audio", "defaultAudioFormat": "m4a",
                                      "defaultOutputDirectory": "%1"})")
                       .arg(m_output.path())
                       .toUtf8());
    settings.close();

    const CliResult result = m_user.run({"download", server().url(LocalMediaServer::kVideoPath)});

    EXPECT_EQ(result.exitCode, 0) << result.out.toStdString() << result.err.toStdString();
    EXPECT_EQ(files(), QStringList{"video [video].m4a"});
}

// On a terminal the job lines are redrawn in place: cursor up over the
// lines drawn before, each line cleared and written again, cut to the width
// of the terminal when it has one.
TEST_F(CliDownload, OnATerminalLinesAreRedrawn)
{
    ASSERT_TRUE(server().isReady()) << server().errorString().toStdString();
    const QString redrawn = "\r\x1b[2K";
    for (const int columns : {0, 24}) {
        QTemporaryDir output;
        const QStringList arguments{"download", "--audio", "m4a", "--output", output.path(),
                                    server().url(LocalMediaServer::kVideoPath), server().url("/404")};
        const CliResult result = m_user.runOnTerminal(arguments, columns);
        EXPECT_EQ(result.exitCode, 1) << columns << "\n" << result.out.toStdString();
        EXPECT_TRUE(result.out.startsWith(redrawn + "[1/2] ")) << columns << "\n" << result.out.toStdString();
        EXPECT_TRUE(result.out.contains("\x1b[2A" + redrawn + "[1/2] ")) << columns;
        EXPECT_EQ(QDir(output.path()).entryList(QDir::Files), QStringList{"video [video].m4a"}) << columns;

        // Every drawn line, up to the end of its row.
        QStringList drawn;
        for (const QString &piece : result.out.split(redrawn).mid(1))
            drawn.append(piece.section(QRegularExpression("[\r\n]"), 0, 0));
        const QString finalLine = "[1/2] video — Completed · ";
        if (columns == 0) {
            EXPECT_TRUE(std::any_of(drawn.begin(), drawn.end(), [&](const QString &line) {
                return line.startsWith(finalLine);
            })) << result.out.toStdString();
        } else {
            EXPECT_TRUE(drawn.contains(finalLine.left(columns - 1))) << result.out.toStdString();
            for (const QString &line : drawn)
                EXPECT_LT(line.size(), columns) << line.toStdString();
        }
    }
}

// The title comes from the page: printed as text, never as terminal commands.
TEST_F(CliDownload, ProgressLinesShowTitlesAsPlainText)
{
    ASSERT_TRUE(server().isReady()) << server().errorString().toStdString();
    const QString title = QStringLiteral("Clip\x1b[31mRed\u202e");
    const QString url = server().url(LocalMediaServer::kPagePath + "?title=" + QUrl::toPercentEncoding(title));
    const CliResult result = m_user.run({"download", "--audio", "m4a", "--output", m_output.path(), url});

    EXPECT_EQ(result.exitCode, 0) << result.out.toStdString() << result.err.toStdString();
    EXPECT_TRUE(result.out.contains("[1/1] Clip[31mRed")) << result.out.toStdString();
    EXPECT_FALSE(result.out.contains(QChar(0x1b)));
    EXPECT_FALSE(result.out.contains(QChar(0x202e)));
}

// The window and other runs share settings and history: runs at the same
// time all keep their records.
TEST_F(CliDownload, RunsAtTheSameTimeShareTheHistory)
{
    ASSERT_TRUE(server().isReady()) << server().errorString().toStdString();
    // Folders of their own: runs into one folder would fight over yt-dlp's
    // intermediate files.
    std::vector<std::unique_ptr<QTemporaryDir>> folders;
    std::vector<std::unique_ptr<QProcess>> runs;
    for (const char *format : {"m4a", "mp3", "best"}) {
        folders.push_back(std::make_unique<QTemporaryDir>());
        runs.push_back(m_user.start({"download", "--audio", format, "--output", folders.back()->path(),
                                     server().url(LocalMediaServer::kVideoPath)}));
    }
    for (const auto &run : runs) {
        ASSERT_TRUE(run->waitForFinished(120000));
        EXPECT_EQ(run->exitCode(), 0) << run->readAllStandardOutput().toStdString();
    }
    EXPECT_EQ(m_user.history({"--success"}).size(), 3);
}

// Runs into one folder at once, each with links of the same clip (which
// yt-dlp names alike): every job gets a whole file of its own.
TEST_F(CliDownload, RunsIntoOneFolderAtOnceEachWriteFilesOfTheirOwn)
{
    LocalMediaServer slow(LocalMediaServer::Options{.throttleBytesPerSecond = 200 * 1024});
    ASSERT_TRUE(slow.isReady()) << slow.errorString().toStdString();
    QFile source(slow.mediaDirectory() + LocalMediaServer::kVideoPath);
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    const QByteArray clip = source.readAll();
    std::vector<std::unique_ptr<QProcess>> runs;
    for (int run = 0; run < 2; ++run) {
        runs.push_back(m_user.start({"download", "--output", m_output.path(),
                                     slow.url(LocalMediaServer::kVideoPath + QStringLiteral("?run=%1&n=1").arg(run)),
                                     slow.url(LocalMediaServer::kVideoPath + QStringLiteral("?run=%1&n=2").arg(run))}));
    }
    for (const auto &run : runs) {
        ASSERT_TRUE(run->waitForFinished(180000));
        EXPECT_EQ(run->exitCode(), 0) << run->readAllStandardOutput().toStdString()
                                      << run->readAllStandardError().toStdString();
    }
    // Four files, each the whole clip, and nothing else.
    const QStringList names = QDir(m_output.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    ASSERT_EQ(names.size(), 4) << names.join(", ").toStdString();
    for (const QString &name : names) {
        QFile file(QDir(m_output.path()).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), clip) << name.toStdString();
    }
    EXPECT_EQ(m_user.history({"--success"}).size(), 4);
}

TEST_F(CliDownload, AFailedJobExitsWithOne)
{
    ASSERT_TRUE(server().isReady()) << server().errorString().toStdString();
    const QString good = server().url(LocalMediaServer::kVideoPath);
    const QString missing = server().url("/404");
    const CliResult result = m_user.run({"download", "--audio", "m4a", "--output", m_output.path(), good, missing});

    EXPECT_EQ(result.exitCode, 1) << result.out.toStdString() << result.err.toStdString();
    EXPECT_EQ(files(), QStringList{"video [video].m4a"});
    EXPECT_TRUE(result.out.contains("[2/2] " + missing + " — Failed · A network error occurred."))
        << result.out.toStdString();

    const QJsonArray failed = m_user.history({"--failed"});
    ASSERT_EQ(failed.size(), 1);
    EXPECT_EQ(text(failed.first().toObject(), "sourceURL"), missing);
    EXPECT_EQ(text(failed.first().toObject(), "errorType"), "network");
}

// SIGINT or SIGTERM at any stage of a run: the jobs are cancelled, their
// processes gone, their records written, and the exit code is 130.
TEST_F(CliDownload, SignalCancelsCleanly)
{
    // Slow enough that the signal always comes while the jobs still run.
    LocalMediaServer slow(LocalMediaServer::Options{.throttleBytesPerSecond = 4096});
    ASSERT_TRUE(slow.isReady()) << slow.errorString().toStdString();
    struct Case
    {
        const char *name;
        int signalNumber;
        QString waitFor; // what the progress shows before the signal
        int links;       // two run at a time; a third waits
    };
    const QList<Case> cases{
        {"Ctrl+C while downloading", SIGINT, "Downloading video", 1},
        {"Ctrl+C while analyzing", SIGINT, "Analyzing", 1},
        {"terminated while downloading", SIGTERM, "Downloading video", 1},
        {"Ctrl+C with a link still waiting", SIGINT, "Downloading video", 3},
    };
    for (const Case &c : cases) {
        CliUser user;
        // A folder per case: a file left by one case is not the next one's.
        const QTemporaryDir output;
        QStringList urls;
        for (int i = 0; i < c.links; ++i)
            urls.append(slow.url(LocalMediaServer::kVideoPath) +
                        QStringLiteral("?case=%1&link=%2").arg(&c - cases.data()).arg(i));
        const auto process = user.start(QStringList{"download", "--output", output.path()} + urls);
        QString out;
        ASSERT_TRUE(waitUntil(
            [&] {
                out += QString::fromUtf8(process->readAllStandardOutput());
                return out.contains(c.waitFor);
            },
            60s))
            << c.name << "\n" << out.toStdString();
        ::kill(static_cast<pid_t>(process->processId()), c.signalNumber);

        ASSERT_TRUE(process->waitForFinished(30000)) << c.name;
        EXPECT_EQ(process->exitStatus(), QProcess::NormalExit) << c.name;
        EXPECT_EQ(process->exitCode(), 130) << c.name;
        // yt-dlp has the link on its command line, ffmpeg the output folder.
        for (const QString &url : urls)
            EXPECT_TRUE(processesMatching(url).isEmpty()) << c.name;
        EXPECT_TRUE(processesMatching(output.path()).isEmpty()) << c.name;
        out += QString::fromUtf8(process->readAllStandardOutput());
        const QStringList finalLines = out.split('\n').mid(out.count('\n') - c.links, c.links);
        for (const QString &line : finalLines)
            EXPECT_TRUE(line.contains(" — Cancelled")) << c.name << "\n" << out.toStdString();
        // No job of the command goes on: what they left is gone with them.
        EXPECT_EQ(QDir(output.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot), QStringList())
            << c.name;

        // Every run that started is recorded; a link that never started has no run.
        const QJsonArray history = user.history();
        ASSERT_EQ(history.size(), std::min(c.links, 2)) << c.name;
        for (const QJsonValue &record : history) {
            EXPECT_EQ(text(record.toObject(), "finalStatusRaw"), "cancelled") << c.name;
            EXPECT_EQ(text(record.toObject(), "errorType"), "cancelled") << c.name;
        }
    }
}

// Batch input from a file or from stdin: problems reported by line, the
// valid links downloaded once each.
TEST_F(CliDownload, BatchReportsItsProblemsAndQueuesTheRest)
{
    ASSERT_TRUE(server().isReady()) << server().errorString().toStdString();
    const QString url = server().url(LocalMediaServer::kVideoPath);
    const QByteArray batch = ("# my links\n" + url + "\nnot a link\n\n" + url.toUpper().replace("HTTP", "http") +
                              "\nftp://127.0.0.1/file\n")
                                 .toUtf8();
    QFile file(m_user.home() + "/links.txt");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(batch);
    file.close();

    struct Case
    {
        const char *name;
        QString source;
        QByteArray input;
    };
    const QList<Case> cases{{"file", file.fileName(), {}}, {"standard input", "-", batch}};
    for (const Case &c : cases) {
        QTemporaryDir output;
        const CliResult result =
            m_user.run({"download", "--audio", "m4a", "--output", output.path(), "--batch", c.source}, c.input);
        EXPECT_EQ(result.exitCode, 0) << c.name << "\n" << result.err.toStdString();
        EXPECT_EQ(result.err, "Line 3: not a link, skipped: not a link\n"
                              "Line 6: not a link, skipped: ftp://127.0.0.1/file\n"
                              "Line 5: duplicate link, skipped: " +
                                  url.toUpper().replace("HTTP", "http") + "\n")
            << c.name;
        EXPECT_EQ(QDir(output.path()).entryList(QDir::Files), QStringList{"video [video].m4a"}) << c.name;
    }
    EXPECT_EQ(m_user.history().size(), 2);
}

// Batches that give nothing to download: nothing queued, nothing recorded.
TEST_F(CliDownload, BatchesWithNothingToQueue)
{
    ASSERT_TRUE(server().isReady()) << server().errorString().toStdString();
    struct Case
    {
        const char *name;
        QString source;
        QByteArray input;
        int exitCode;
        QString message;
    };
    const QString fifo = m_user.home() + "/links.fifo";
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    // Links up to the limit, then one byte more.
    const QString large = m_user.home() + "/large.txt";
    QFile largeFile(large);
    ASSERT_TRUE(largeFile.open(QIODevice::WriteOnly));
    const QByteArray line = server().url(LocalMediaServer::kVideoPath).toUtf8() + "\n";
    while (largeFile.size() <= 16 * 1024 * 1024)
        largeFile.write(line.repeated(4096));
    largeFile.close();
    const QList<Case> cases{
        {"not UTF-8", "-", server().url(LocalMediaServer::kVideoPath).toUtf8() + "\nhttp://127.0.0.1/caf\xe9\n", 2,
         "The batch input is not valid UTF-8 text; nothing was queued.\n"},
        {"no such file", m_user.home() + "/missing.txt", {}, 2,
         "Cannot read the batch file " + m_user.home() + "/missing.txt: No such file or directory\n"},
        {"comments and invalid lines only", "-", "# nothing\n\nnot a link\n", 1,
         "Line 3: not a link, skipped: not a link\nNo links to download.\n"},
        {"endless device", "/dev/zero", {}, 2, "Cannot read the batch file /dev/zero: Not a regular file\n"},
        {"FIFO nobody writes to", fifo, {}, 2, "Cannot read the batch file " + fifo + ": Not a regular file\n"},
        {"over 16 MiB", large, {}, 2, "Cannot read the batch file " + large + ": Larger than 16 MiB\n"},
    };
    for (const Case &c : cases) {
        const CliResult result = m_user.run({"download", "--output", m_output.path(), "--batch", c.source}, c.input);
        EXPECT_EQ(result.exitCode, c.exitCode) << c.name;
        EXPECT_EQ(result.err, c.message) << c.name;
        EXPECT_TRUE(files().isEmpty()) << c.name;
    }
    EXPECT_TRUE(m_user.history().isEmpty());
}

// Whoever reads the progress may go away (`tarvelle-cli download … | head`):
// the run goes on to its end and records it.
TEST_F(CliDownload, AClosedOutputDoesNotStopTheRun)
{
    ASSERT_TRUE(server().isReady()) << server().errorString().toStdString();
    // The shell waits for the whole pipeline, so this run has ended when it returns.
    const CliResult result = m_user.runPiped(
        {"download", "--audio", "m4a", "--output", m_output.path(), server().url(LocalMediaServer::kVideoPath)},
        "head -c 1");
    EXPECT_TRUE(result.finished);
    EXPECT_EQ(result.out.size(), 1);
    EXPECT_EQ(files(), QStringList{"video [video].m4a"});
    EXPECT_EQ(m_user.history({"--success"}).size(), 1);
}
