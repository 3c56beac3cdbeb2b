#include "engine/DownloadCommandBuilder.h"
#include "engine/DownloadJob.h"
#include "process/ProcessRunner.h"
#include "settings/AppConfiguration.h"
#include "settings/AppSettings.h"
#include "settings/SettingsStore.h"
#include "support/LocalMediaServer.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

// The settings file and the cache folder in a scratch folder.
struct ScratchXdgFolders
{
    QString cacheFolder() const { return folder.filePath("cache/tarvelle/yt-dlp"); }

    QTemporaryDir folder;
    ScopedEnvironment config{"XDG_CONFIG_HOME", folder.filePath("config")};
    ScopedEnvironment cache{"XDG_CACHE_HOME", folder.filePath("cache")};
};

void writeFile(const QString &path, const QByteArray &content, bool executable)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
    file.close();
    if (executable)
        file.setPermissions(file.permissions() | QFile::ExeOwner);
}

QByteArray manifestListing(const QString &ytDlpVersion)
{
    const QByteArray digest(64, 'a');
    return "{\"schemaVersion\": 1, \"tools\": [{\"name\": \"yt-dlp\", \"version\": \"" + ytDlpVersion.toUtf8()
           + "\", \"sha256\": \"" + digest + "\"}]}";
}

} // namespace

// yt-dlp is told it may fetch the challenge solver exactly when it knows how
// (2025.11.12 and later), deno is there to run it and the setting is on; the
// download and the analysis alike.
TEST(ChallengeArguments, OnlyWhenSupportedWithDenoAndTurnedOn)
{
    struct Case
    {
        const char *name;
        QString version;
        bool deno;
        bool settingOn;
        bool expected;
    };
    const QList<Case> cases{
        {"current yt-dlp, deno, on", "2026.10.26", true, true, true},
        {"first release that knows it", "2025.11.12", true, true, true},
        {"nightly build", "2026.10.27.232807", true, true, true},
        {"turned off", "2026.10.26", true, false, false},
        {"no deno", "2026.10.26", false, true, false},
        {"yt-dlp of the day before", "2025.11.11", true, true, false},
        {"Debian 12's yt-dlp", "2023.03.04", true, true, false},
        {"a version that is no date", "unknown", true, true, false},
    };
    for (const Case &c : cases) {
        ScratchXdgFolders xdg;
        QTemporaryDir resources;
        AppConfiguration::ScopedResourcesDirectory scope(resources.path());
        writeFile(resources.filePath("manifest.json"), manifestListing(c.version), false);
        writeFile(resources.filePath("Tools/yt-dlp"), "#!/bin/sh\n", true);
        if (c.deno)
            writeFile(resources.filePath("Tools/deno"), "#!/bin/sh\n", true);
        AppSettings(SettingsStore::defaultFilePath()).setFetchChallengeSolver(c.settingOn);

        const QStringList wanted{"--remote-components", "ejs:github", "--cache-dir", xdg.cacheFolder()};
        const DownloadJobPtr job = DownloadJob::create("https://media.example/v", MediaKind::video,
                                                       VideoQuality::best, AudioFormat::best, SubtitleMode::none, "en");
        const std::optional<ResolvedCommand> download = DownloadCommandBuilder::build(*job, "/tmp/out", "");
        const std::optional<ResolvedCommand> analysis = DownloadCommandBuilder::analyzeCommand(job->url(), "");
        ASSERT_TRUE(download && analysis) << c.name;
        for (const QStringList &arguments : {download->arguments, analysis->arguments}) {
            const qsizetype at = arguments.indexOf("--remote-components");
            EXPECT_EQ(at >= 0, c.expected) << c.name << ": " << arguments.join(' ').toStdString();
            if (c.expected && at >= 0) {
                EXPECT_EQ(arguments.mid(at, wanted.size()), wanted) << c.name;
            }
            EXPECT_EQ(arguments.count("ejs:github"), c.expected ? 1 : 0) << c.name;
        }
    }
}

// The yt-dlp of the build tree takes the arguments: the analysis and a
// simulated download of a link on the local server succeed with them.
TEST(ChallengeArguments, TheShippedYtDlpAcceptsThem)
{
    ASSERT_TRUE(QFileInfo(buildToolsDirectory() + "/yt-dlp").isExecutable())
        << "run scripts/bootstrap-tools.sh on the build tree first";
    ScratchXdgFolders xdg;
    AppConfiguration::ScopedResourcesDirectory scope(QFileInfo(buildToolsDirectory()).absolutePath());
    LocalMediaServer server;
    ASSERT_TRUE(server.isReady()) << server.errorString().toStdString();
    QTemporaryDir output;
    const DownloadJobPtr job = DownloadJob::create(server.url(LocalMediaServer::kVideoPath), MediaKind::video,
                                                   VideoQuality::best, AudioFormat::best, SubtitleMode::none, "en");
    std::optional<ResolvedCommand> download = DownloadCommandBuilder::build(*job, output.path(), "");
    const std::optional<ResolvedCommand> analysis = DownloadCommandBuilder::analyzeCommand(job->url(), "");
    ASSERT_TRUE(download && analysis);
    if (!download->arguments.contains("--remote-components"))
        GTEST_SKIP() << "the build tree's yt-dlp predates the option (bootstrap from Debian's unstable archive)";
    ASSERT_TRUE(analysis->arguments.contains("--remote-components"));
    download->arguments.insert(download->arguments.size() - 1, "--simulate");

    for (const ResolvedCommand &command : {*download, *analysis}) {
        auto log = std::make_shared<LineLog>();
        ProcessRunner runner;
        const std::optional<ProcessRunResult> result =
            waitFor(runner.run(command.executable, command.arguments, command.environment,
                               [log](const QString &line, bool isErr) { log->add(line, isErr); }),
                    120s);
        ASSERT_TRUE(result);
        EXPECT_EQ(*result, ProcessRunResult::exited(0)) << log->lines(true).join('\n').toStdString();
        EXPECT_FALSE(log->lines(true).join('\n').contains("remote component")) << log->lines(true).join('\n').toStdString();
    }
    EXPECT_TRUE(QDir(output.path()).entryList(QDir::Files).isEmpty());
}
