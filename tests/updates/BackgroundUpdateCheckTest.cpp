#include "diagnostics/EngineDiagnostics.h"
#include "settings/AppSettings.h"
#include "updates/BackgroundUpdateCheck.h"
#include "updates/ReleaseHost.h"

#include "support/LocalReleaseServer.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

// A shipped yt-dlp of 2023, a settings file and a server whose latest stable
// yt-dlp is 2026.09.01.
class CheckFixture
{
public:
    CheckFixture()
    {
        QDir(m_dir.path()).mkpath("share/Tools");
        writeScript(m_dir, "share/Tools/yt-dlp", "echo 2023.03.04");
        server.put("yt-dlp/yt-dlp", "2026.09.01", "yt-dlp", "zipapp");
        server.setLatest("yt-dlp/yt-dlp", "2026.09.01");
        qputenv(ReleaseHost::kBaseAddressVariable, server.baseUrl().toUtf8());
    }
    ~CheckFixture() { qunsetenv(ReleaseHost::kBaseAddressVariable); }

    // Runs one background look to its end and returns the version it
    // announced, if any.
    std::optional<QString> look()
    {
        BackgroundUpdateCheck check(settings, {m_dir.filePath("share"), m_dir.filePath("user/Tools"),
                                               EngineDiagnostics::architecture()});
        std::optional<QString> announced;
        bool ended = false;
        QObject::connect(&check, &BackgroundUpdateCheck::newerYtDlpFound,
                         [&](const QString &version) { announced = version; });
        QObject::connect(&check, &BackgroundUpdateCheck::lookEnded, [&] { ended = true; });
        check.start(std::chrono::milliseconds(0));
        EXPECT_TRUE(waitUntil([&] { return ended; }, std::chrono::seconds(20))) << "the look did not end";
        return announced;
    }

    LocalReleaseServer server;
    QTemporaryDir m_dir;
    AppSettings settings{m_dir.filePath("settings.json")};
};

} // namespace

TEST(BackgroundUpdateCheck, TellsOfANewerYtDlpOnceAWeekAndInstallsNothing)
{
    CheckFixture f;
    ASSERT_TRUE(f.server.isReady()) << f.server.errorString().toStdString();
    EXPECT_EQ(f.look(), "2026.09.01");
    EXPECT_EQ(f.settings.newerYtDlp(), "2026.09.01");
    const std::optional<QDateTime> checked = f.settings.toolUpdateCheckedAt();
    ASSERT_TRUE(checked);
    EXPECT_LE(checked->secsTo(QDateTime::currentDateTimeUtc()), 60);
    EXPECT_FALSE(QFileInfo::exists(f.m_dir.filePath("user"))) << "a check installs nothing";

    const std::string asked = f.server.requests().join(' ').toStdString();
    EXPECT_NE(asked, "");
    EXPECT_FALSE(f.look()) << "not due again within the week";
    EXPECT_EQ(f.server.requests().join(' ').toStdString(), asked) << "not due again within the week";
    EXPECT_EQ(f.settings.toolUpdateCheckedAt(), checked);
}

TEST(BackgroundUpdateCheck, StaysQuietWhenTurnedOffOrUnanswered)
{
    CheckFixture f;
    ASSERT_TRUE(f.server.isReady()) << f.server.errorString().toStdString();
    f.settings.setCheckForToolUpdates(false);
    EXPECT_FALSE(f.look());
    EXPECT_EQ(f.server.requests().join(' ').toStdString(), "") << "turned off, yet asked";
    EXPECT_FALSE(f.settings.toolUpdateCheckedAt());

    f.settings.setCheckForToolUpdates(true);
    f.server.stop();
    EXPECT_FALSE(f.look());
    EXPECT_FALSE(f.settings.toolUpdateCheckedAt()) << "no answer: asked again at the next start";
}
