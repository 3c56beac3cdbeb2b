#include "process/ProcessRunner.h"

#include "process/LineAccumulator.h"
#include "process/OutputCapture.h"

#include "support/TestSupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <gtest/gtest.h>

#include <memory>

#include <fcntl.h>
#include <unistd.h>

using namespace TestSupport;

namespace {

class ProcessRunnerTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    // Runs a script to its end and returns the result with the lines it printed.
    ProcessRunResult runScript(const QByteArray &body, LineLog &log,
                               const QHash<QString, QString> &environment = {})
    {
        ProcessRunner runner;
        const QString script = writeScript(dir, QStringLiteral("child.sh"), body);
        auto result = waitFor(runner.run(script, {}, environment,
                                         [&log](const QString &line, bool isError) { log.add(line, isError); }));
        EXPECT_TRUE(result.has_value()) << "the run never ended";
        return result.value_or(ProcessRunResult::exited(-1));
    }

    QTemporaryDir dir;
};

struct ScriptCase
{
    const char *name;
    QByteArray body;
    QStringList expectedStdout;
};

TEST_F(ProcessRunnerTest, DeliversLinesOfARealChild)
{
    const QList<ScriptCase> cases = {
        {"last line without line feed", "printf 'a\\nb'", {"a", "b"}},
        {"carriage return before line feed", "printf 'a\\r\\n'", {"a\r"}},
        {"empty line", "printf 'a\\n\\nb\\n'", {"a", "", "b"}},
        {"invalid UTF-8 dropped", "printf '\\377\\376\\nok\\n'", {"ok"}},
        {"character split across two writes", "printf 'h\\303'; sleep 0.2; printf '\\251llo\\n'",
         {QString::fromUtf8("h\xc3\xa9llo")}},
        {"nothing printed", "exit 0", {}},
    };
    for (const ScriptCase &c : cases) {
        LineLog log;
        EXPECT_EQ(runScript(c.body, log), ProcessRunResult::exited(0)) << c.name;
        EXPECT_EQ(log.lines(false), c.expectedStdout) << c.name;
        EXPECT_TRUE(log.lines(true).isEmpty()) << c.name;
    }
}

TEST_F(ProcessRunnerTest, SeparatesStandardErrorFromStandardOutput)
{
    LineLog log;
    const auto result = runScript("echo out1; echo err1 >&2; echo out2; printf 'err2' >&2; exit 3", log);
    EXPECT_EQ(result, ProcessRunResult::exited(3));
    EXPECT_EQ(log.lines(false), QStringList({"out1", "out2"}));
    EXPECT_EQ(log.lines(true), QStringList({"err1", "err2"}));
}

TEST_F(ProcessRunnerTest, ManyLinesArriveCompleteAndInOrder)
{
    LineLog log;
    const auto result = runScript("i=0; while [ $i -lt 20000 ]; do echo \"line $i\"; i=$((i+1)); done", log);
    EXPECT_EQ(result, ProcessRunResult::exited(0));
    const QStringList lines = log.lines();
    ASSERT_EQ(lines.size(), 20000);
    for (int i = 0; i < lines.size(); i += 997)
        EXPECT_EQ(lines[i], QStringLiteral("line %1").arg(i));
    EXPECT_EQ(lines.last(), "line 19999");
}

// yt-dlp prints its metadata as one line of any length; a capture keeps it
// whole, while standard error is still cut into lines.
TEST_F(ProcessRunnerTest, ACaptureKeepsAWholeDocumentWhateverItsLineLength)
{
    const QString script = writeScript(dir, "document.sh",
                                       "echo warning >&2; printf '{'; head -c 3145728 /dev/zero | tr '\\0' x; "
                                       "printf '}\\n'");
    auto capture = std::make_shared<OutputCapture>(4 * 1024 * 1024);
    auto errors = std::make_shared<LineLog>();
    ProcessRunner runner;
    const auto result = waitFor(runner.run(
        script, {}, {}, capture,
        std::make_shared<LineAccumulator>([errors](const QString &line) { errors->add(line, true); })));
    ASSERT_TRUE(result);
    EXPECT_EQ(*result, ProcessRunResult::exited(0));
    EXPECT_FALSE(capture->exceeded());
    EXPECT_EQ(capture->take(), "{" + QByteArray(3145728, 'x') + "}\n");
    EXPECT_EQ(errors->lines(true), QStringList{"warning"});
}

// A child that never stops printing cannot make the capture grow beyond its
// limit: the caller is told and stops it.
TEST_F(ProcessRunnerTest, ACaptureBeyondItsLimitLetsTheCallerStopTheChild)
{
    const QString script = writeScript(dir, "endless.sh", "exec tr -d '\\n' < /dev/zero");
    auto runner = std::make_shared<ProcessRunner>();
    auto capture = std::make_shared<OutputCapture>(1024 * 1024, [weak = std::weak_ptr<ProcessRunner>(runner)] {
        if (const auto strong = weak.lock())
            strong->cancel();
    });
    const auto result = waitFor(runner->run(script, {}, {}, capture,
                                            std::make_shared<LineAccumulator>([](const QString &) {})));
    ASSERT_TRUE(result) << "the endless child was not stopped";
    EXPECT_EQ(*result, ProcessRunResult::cancelled());
    EXPECT_TRUE(capture->exceeded());
    EXPECT_TRUE(capture->take().isEmpty());
    // The stopped child is reaped once the escalation to SIGKILL is over.
    EXPECT_TRUE(waitUntil([] { return zombieChildren().isEmpty(); }, 5s));
}

// Progress lines keep their own bound: a child printing megabytes without a
// line feed gives one cut line, not a buffer as large as its output.
TEST_F(ProcessRunnerTest, LinesKeepTheirBoundWhenNoLineFeedComes)
{
    LineLog log;
    const auto result = runScript("head -c 8388608 /dev/zero | tr '\\0' y; printf '\\nnext\\n'", log);
    EXPECT_EQ(result, ProcessRunResult::exited(0));
    const QStringList lines = log.lines();
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], QString(LineAccumulator::kMaxLineBytes, 'y'));
    EXPECT_EQ(lines[1], "next");
}

TEST_F(ProcessRunnerTest, ChildKilledBySignalReportsTheSignalNumber)
{
    LineLog log;
    EXPECT_EQ(runScript("echo before; kill -9 $$", log), ProcessRunResult::exited(9));
    EXPECT_TRUE(log.contains("before"));
}

TEST_F(ProcessRunnerTest, EnvironmentIsLaidOverTheApplications)
{
    qputenv("TARVELLE_INHERITED", "kept");
    LineLog log;
    const auto result = runScript("echo \"$TARVELLE_EXTRA|$TARVELLE_INHERITED|$PATH\"", log,
                                  {{"TARVELLE_EXTRA", "given"}, {"PATH", "/opt/first:/usr/bin:/bin"}});
    EXPECT_EQ(result, ProcessRunResult::exited(0));
    EXPECT_EQ(log.lines(), QStringList({"given|kept|/opt/first:/usr/bin:/bin"}));
}

// A tool gets nothing of ours but its output pipes: it starts in a folder
// of its own that nobody could have put a file in (yt-dlp reads a
// "yt-dlp.conf" from the folder it starts in), reads no input, and sees no
// descriptor this process opened without close-on-exec.
TEST_F(ProcessRunnerTest, TheChildStartsInAPrivateEmptyFolderWithNothingOfOursOpen)
{
    const QString ours = dir.filePath("ours-only");
    ASSERT_TRUE(QFile(ours).open(QIODevice::WriteOnly));
    // Without O_CLOEXEC, as a careless library would open it (and clear of
    // the standard streams, which a test run may have started closed).
    const int opened = ::open(QFile::encodeName(ours).constData(), O_RDONLY);
    ASSERT_GE(opened, 0);
    const int leaked = ::fcntl(opened, F_DUPFD, 10);
    ::close(opened);
    ASSERT_GE(leaked, 10);
    // This process's own input has a line waiting, which an inherited
    // standard input would hand to the child.
    int input[2];
    ASSERT_EQ(::pipe(input), 0);
    ASSERT_EQ(::write(input[1], "typed\n", 6), 6);
    const int ownInput = ::fcntl(STDIN_FILENO, F_DUPFD_CLOEXEC, 10); // -1 when it was closed
    ::dup2(input[0], STDIN_FILENO);
    LineLog log;
    const auto result = runScript("pwd; stat -c %a .; ls -A | wc -l\n"
                                  "if read -r line; then echo input; else echo no-input; fi\n"
                                  "ls -l /proc/$$/fd | grep -c ours-only; exit 0",
                                  log);
    if (ownInput >= 0)
        ::dup2(ownInput, STDIN_FILENO);
    else
        ::close(STDIN_FILENO);
    for (int fd : {ownInput, input[0], input[1], leaked}) {
        if (fd > STDERR_FILENO)
            ::close(fd);
    }
    ASSERT_EQ(result, ProcessRunResult::exited(0)) << log.lines(true).join('\n').toStdString();
    const QStringList lines = log.lines();
    ASSERT_EQ(lines.size(), 5) << lines.join('\n').toStdString();
    const QString folder = lines[0];
    EXPECT_NE(folder, QDir::currentPath());
    EXPECT_TRUE(folder.startsWith(QDir::tempPath() + "/tarvelle-run-")) << folder.toStdString();
    EXPECT_EQ(lines[1], "700");
    EXPECT_EQ(lines[2].trimmed(), "0") << "the folder is empty";
    EXPECT_EQ(lines[3], "no-input");
    EXPECT_EQ(lines[4], "0") << "a descriptor of ours reached the child";
    EXPECT_TRUE(waitUntil([&] { return !QFileInfo::exists(folder); }, 3s)) << "the folder outlives the run";
}

TEST_F(ProcessRunnerTest, ArgumentsAreHandedOverUnchanged)
{
    ProcessRunner runner;
    LineLog log;
    const QString script = writeScript(dir, "args.sh", "for a in \"$@\"; do echo \"[$a]\"; done");
    const QStringList arguments = {"two words", "$HOME", "", "--flag=*", QString::fromUtf8("\xe4\xb8\xad")};
    auto result = waitFor(runner.run(script, arguments, {},
                                     [&log](const QString &line, bool e) { log.add(line, e); }));
    ASSERT_TRUE(result);
    QStringList expected;
    for (const QString &a : arguments)
        expected.append("[" + a + "]");
    EXPECT_EQ(log.lines(), expected);
}

TEST_F(ProcessRunnerTest, LaunchFailuresAreMappedThroughTheClassifier)
{
    const QString notExecutable = dir.filePath("plain.txt");
    {
        QFile file(notExecutable);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("echo never\n");
    }
    const QString notAProgram = dir.filePath("garbage");
    {
        QFile file(notAProgram);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("\x7f\x45\x4c\x46garbage", 11));
        file.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    }
    const QList<std::pair<QString, int>> cases = {
        {dir.filePath("does-not-exist"), 127},
        {notExecutable, 1},
        {notAProgram, 1},
        {dir.path(), 1},
    };
    for (const auto &[path, expectedCode] : cases) {
        ProcessRunner runner;
        LineLog log;
        auto result = waitFor(runner.run(path, {}, {},
                                         [&log](const QString &l, bool e) { log.add(l, e); }));
        ASSERT_TRUE(result) << path.toStdString();
        EXPECT_EQ(*result, ProcessRunResult::exited(expectedCode)) << path.toStdString();
        EXPECT_TRUE(log.lines(false).isEmpty() && log.lines(true).isEmpty()) << path.toStdString();
    }
    EXPECT_TRUE(zombieChildren().isEmpty());
}

TEST_F(ProcessRunnerTest, CancelEndsTheWholeGroupEvenAGrandchildIgnoringSigterm)
{
    const QString marker = QStringLiteral("tarvelle-stubborn-%1").arg(QCoreApplication::applicationPid());
    // The child exits 0 on SIGTERM; its grandchild ignores SIGTERM entirely.
    const QString script = writeScript(dir, "parent.sh",
                                       "sh -c 'trap \"\" TERM; echo \"grandchild $$\"; "
                                       "while :; do sleep 0.05; done' " + marker.toUtf8() + " &\n"
                                       "trap 'exit 0' TERM\n"
                                       "echo started\n"
                                       "while :; do sleep 0.05; done\n");
    ProcessRunner runner;
    LineLog log;
    auto future = runner.run(script, {}, {}, [&log](const QString &l, bool e) { log.add(l, e); });
    ASSERT_TRUE(waitUntil([&] {
        const QStringList lines = log.lines();
        return lines.contains("started")
               && std::any_of(lines.begin(), lines.end(), [](const QString &l) { return l.startsWith("grandchild "); });
    }));
    pid_t grandchild = 0;
    for (const QString &line : log.lines()) {
        if (line.startsWith("grandchild "))
            grandchild = line.mid(11).toInt();
    }
    ASSERT_GT(grandchild, 0);

    QElapsedTimer timer;
    timer.start();
    runner.cancel();
    auto result = waitFor(future, 5s);
    ASSERT_TRUE(result);
    EXPECT_EQ(*result, ProcessRunResult::cancelled()) << "exit 0 after the signal is still a cancel";

    // SIGTERM left the grandchild alone; the escalation must end it.
    EXPECT_TRUE(waitUntil([&] { return !isRunning(grandchild); }, 6s));
    EXPECT_GE(timer.elapsed(), 1500) << "SIGKILL came before the grace period";
    EXPECT_TRUE(waitUntil([&] { return processesMatching(marker).isEmpty(); }, 3s));
    EXPECT_TRUE(waitUntil([&] { return zombieChildren().isEmpty(); }, 3s));
}

TEST_F(ProcessRunnerTest, CancelBeforeRunNeverStartsTheChild)
{
    const QString flag = dir.filePath("started");
    const QString script = writeScript(dir, "child.sh", "touch '" + flag.toUtf8() + "'");
    ProcessRunner runner;
    runner.cancel();
    auto result = waitFor(runner.run(script, {}, {}, [](const QString &, bool) {}), 2s);
    ASSERT_TRUE(result);
    EXPECT_EQ(*result, ProcessRunResult::cancelled());
    QThread::msleep(200);
    EXPECT_FALSE(QFile::exists(flag));
}

TEST_F(ProcessRunnerTest, CancelDuringLaunchStillEndsTheChild)
{
    const QString marker = QStringLiteral("tarvelle-launching-%1").arg(QCoreApplication::applicationPid());
    const QString script = writeScript(dir, "child.sh", "exec sleep 30 " + marker.toUtf8());
    ProcessRunner runner;
    auto future = runner.run(script, {marker}, {}, [](const QString &, bool) {});
    runner.cancel(); // the I/O thread is very likely still starting the child
    auto result = waitFor(future, 5s);
    ASSERT_TRUE(result);
    EXPECT_EQ(*result, ProcessRunResult::cancelled());
    EXPECT_TRUE(waitUntil([&] { return processesMatching(marker).isEmpty(); }, 4s));
}

TEST_F(ProcessRunnerTest, CancelAfterTheEndChangesNothing)
{
    const QString script = writeScript(dir, "child.sh", "echo done; exit 4");
    ProcessRunner runner;
    auto future = runner.run(script, {}, {}, [](const QString &, bool) {});
    auto result = waitFor(future);
    ASSERT_TRUE(result);
    runner.cancel();
    runner.cancel();
    EXPECT_EQ(future.result(), ProcessRunResult::exited(4));
}

TEST_F(ProcessRunnerTest, ResultArrivesEvenWhenTheRunnerIsGone)
{
    const QString script = writeScript(dir, "child.sh", "sleep 0.3; echo late; exit 2");
    auto log = std::make_shared<LineLog>();
    QFuture<ProcessRunResult> future;
    {
        ProcessRunner runner;
        future = runner.run(script, {}, {}, [log](const QString &l, bool e) { log->add(l, e); });
    }
    auto result = waitFor(future);
    ASSERT_TRUE(result);
    EXPECT_EQ(*result, ProcessRunResult::exited(2));
    EXPECT_TRUE(log->contains("late"));
}

TEST_F(ProcessRunnerTest, OutputInThePipesIsDeliveredBeforeTheResult)
{
    // A burst written just before exit must not trail behind the result.
    const QString script = writeScript(dir, "child.sh", "seq 1 5000; printf 'final'");
    ProcessRunner runner;
    LineLog log;
    auto future = runner.run(script, {}, {}, [&log](const QString &l, bool e) { log.add(l, e); });
    auto seenAtResult = waitFor(future.then([&log](ProcessRunResult) { return log.lines(); }));
    ASSERT_TRUE(seenAtResult);
    ASSERT_EQ(seenAtResult->size(), 5001);
    EXPECT_EQ(seenAtResult->last(), "final");
}

TEST_F(ProcessRunnerTest, NoZombiesAfterManyRuns)
{
    const QString script = writeScript(dir, "child.sh", "echo hi");
    for (int i = 0; i < 50; ++i) {
        ProcessRunner runner;
        ASSERT_TRUE(waitFor(runner.run(script, {}, {}, [](const QString &, bool) {})));
    }
    EXPECT_TRUE(waitUntil([] { return zombieChildren().isEmpty(); }, 3s));
}

} // namespace
