// The application killed with SIGKILL while a tool runs: what the tool
// started (as yt-dlp starts ffmpeg to merge) must not run on.
#include "process/ProcessRunner.h"

#include "support/TestSupport.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>

using namespace TestSupport;

namespace {

constexpr auto kMarkerVariable = "TARVELLE_TEST_GRANDCHILD_MARKER";

// Run in a process of its own by the test below: a tool whose child runs in
// its group, then it waits to be killed.
TEST(GroupKeeperHelper, DISABLED_RunsAToolWithAChildUntilKilled)
{
    QTemporaryDir dir;
    const QByteArray marker = qgetenv(kMarkerVariable);
    const QString tool = writeScript(dir, "tool.sh",
                                     "sh -c 'while :; do sleep 0.1; done' " + marker + " &\n"
                                     "echo started\n"
                                     "wait\n");
    ProcessRunner runner;
    bool started = false;
    runner.run(tool, {}, {}, [&started](const QString &line, bool) { started = started || line == "started"; });
    ASSERT_TRUE(waitUntil([&] { return started && !processesMatching(QString::fromUtf8(marker)).isEmpty(); }));
    std::printf("running\n");
    std::fflush(stdout);
    waitUntil([] { return false; }, 120s);
}

TEST(GroupKeeper, NoChildOfAToolOutlivesTheApplicationKilled)
{
    const QString marker = QStringLiteral("tarvelle-merge-%1").arg(QCoreApplication::applicationPid());
    QProcess app;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(kMarkerVariable, marker);
    app.setProcessEnvironment(environment);
    app.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    app.start(QCoreApplication::applicationFilePath(),
              {"--gtest_also_run_disabled_tests", "--gtest_filter=GroupKeeperHelper.*"});
    ASSERT_TRUE(app.waitForStarted());
    QByteArray said;
    ASSERT_TRUE(waitUntil(
        [&] {
            said += app.readAllStandardOutput();
            return said.contains("running\n") || app.state() == QProcess::NotRunning;
        },
        30s));
    ASSERT_TRUE(said.contains("running\n")) << said.toStdString();
    ASSERT_EQ(processesMatching(marker).size(), 1);

    ::kill(static_cast<pid_t>(app.processId()), SIGKILL);
    ASSERT_TRUE(app.waitForFinished(10000));

    EXPECT_TRUE(waitUntil([&] { return processesMatching(marker).isEmpty(); }, 5s))
        << "a tool's child outlived the application";
    // Whatever the outcome, nothing is left running behind the test.
    for (const pid_t pid : processesMatching(marker))
        ::kill(pid, SIGKILL);
}

} // namespace
