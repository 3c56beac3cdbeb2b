// The application killed with SIGKILL while a tool runs: what the tool
// started (as yt-dlp starts ffmpeg to merge) must not run on.
#include "process/ProcessRunner.h"

#include "support/HelperTest.h"
#include "support/TestSupport.h"

#include <QCoreApplication>
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
    HelperTest app(QStringLiteral("GroupKeeperHelper.*"), {{kMarkerVariable, marker}});
    ASSERT_TRUE(app.started());
    ASSERT_TRUE(app.waitForLine(QStringLiteral("running"))) << app.lines().join('\n').toStdString();
    ASSERT_EQ(processesMatching(marker).size(), 1);

    ASSERT_TRUE(app.kill());

    EXPECT_TRUE(waitUntil([&] { return processesMatching(marker).isEmpty(); }, 5s))
        << "a tool's child outlived the application";
    // Whatever the outcome, nothing is left running behind the test.
    for (const pid_t pid : processesMatching(marker))
        ::kill(pid, SIGKILL);
}

} // namespace
