#include "cli/CliHarness.h"
#include "support/LocalMediaServer.h"
#include "support/TestSupport.h"
#include "support/UserToolsFixture.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace TestSupport;

// A failed download with an old yt-dlp points to the update command; with a
// fresh one it does not. The yt-dlp is the build tree's, installed as the
// user's own copy with the release date its manifest entry gives.
TEST(CliUpdateHint, AnOldYtDlpPointsToTheUpdateCommand)
{
    ASSERT_TRUE(QFileInfo(buildToolsDirectory() + "/yt-dlp").isExecutable())
        << "run scripts/bootstrap-tools.sh on the build tree first";
    LocalMediaServer server;
    ASSERT_TRUE(server.isReady()) << server.errorString().toStdString();
    QFile page(QDir(server.mediaDirectory()).filePath("no-media.html"));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write("<!DOCTYPE html><html><head><title>Nothing</title></head><body>no media</body></html>\n");
    page.close();
    QFile shipped(buildToolsDirectory() + "/yt-dlp");
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    const QByteArray ytDlp = shipped.readAll();

    const QString hint = " days old; updating it often fixes this: tarvelle-cli tools update";
    for (const int age : {75, 3}) {
        CliUser user;
        QTemporaryDir output;
        UserToolsFixture userTools;
        userTools.install("yt-dlp", ytDlp, QDate::currentDate().addDays(-age).toString("yyyy.MM.dd"));
        const QString data = user.home() + "/.local/share/tarvelle";
        ASSERT_TRUE(QDir().mkpath(data));
        ASSERT_TRUE(QFile::link(userTools.folder(), data + "/Tools"));

        const CliResult result = user.run({"download", "--output", output.path(), server.url("/no-media.html")});
        EXPECT_EQ(result.exitCode, 1) << result.out.toStdString() << result.err.toStdString();
        EXPECT_TRUE(result.out.contains("This link is not supported.")) << result.out.toStdString();
        EXPECT_EQ((result.out + result.err).contains("yt-dlp is " + QString::number(age) + hint), age == 75)
            << age << "\n" << result.out.toStdString() << result.err.toStdString();
    }
}
