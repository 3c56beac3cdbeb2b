#include "diagnostics/EngineDiagnostics.h"
#include "engine/DownloadCommandBuilder.h"
#include "engine/DownloadJob.h"
#include "tools/FileDigest.h"
#include "tools/ToolResolver.h"
#include "tools/UserToolFolder.h"

#include "support/TestSupport.h"
#include "support/UserToolsFixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

// A shipped tools folder with four small scripts and their manifest.
class ShippedTools
{
public:
    ShippedTools()
    {
        QDir(m_dir.path()).mkpath("Tools");
        QByteArray entries;
        for (const QString &name : ActiveTools::kToolNames) {
            const QString path = writeScript(m_dir, "Tools/" + name, "echo shipped-" + name.toUtf8());
            entries += (entries.isEmpty() ? "" : ",") + QByteArray(R"({"name": ")") + name.toUtf8()
                       + R"(", "sha256": ")" + FileDigest::sha256(path)->toUtf8() + "\"}";
        }
        QFile manifest(m_dir.filePath("manifest.json"));
        manifest.open(QIODevice::WriteOnly);
        manifest.write(R"({"schemaVersion": 1, "tools": [)" + entries + "]}");
    }

    QString resources() const { return m_dir.path(); }
    QString tools() const { return m_dir.filePath("Tools"); }

private:
    QTemporaryDir m_dir;
    AppConfiguration::ScopedResourcesDirectory m_scope{m_dir.path()};
};

const ToolDiagnostic &diagnosticOf(const EngineDiagnosticsReport &report, const QString &name)
{
    for (const ToolDiagnostic &tool : report.tools) {
        if (tool.name == name)
            return tool;
    }
    static ToolDiagnostic none;
    ADD_FAILURE() << "no diagnostic for " << name.toStdString();
    return none;
}

} // namespace

TEST(ToolResolver, WithoutUserCopiesEveryToolIsShipped)
{
    ShippedTools shipped;
    UserToolsFixture user;
    QDir().rmdir(user.folder());

    const ActiveTools active = ToolResolver::resolve();
    ASSERT_EQ(active.tools.size(), 4);
    for (const ActiveTool &tool : active.tools) {
        EXPECT_EQ(tool.source, ToolSource::shipped) << tool.name.toStdString();
        EXPECT_EQ(tool.path, shipped.tools() + "/" + tool.name);
        EXPECT_FALSE(tool.userCopyIgnored) << "nothing in the user folder, nothing to explain";
    }
    EXPECT_EQ(active.searchFolders(), QStringList{shipped.tools()});
}

TEST(ToolResolver, VerifiedUserCopiesRunEverywhereWithShippedFfmpegAndTheActiveDenoOnThePath)
{
    ShippedTools shipped;
    UserToolsFixture user;
    const QString ytdlp = user.installScript("yt-dlp", "echo 2099.01.02", "2099.01.02");
    const QString deno = user.installScript("deno", "echo deno 9.9.9", "9.9.9");

    const ActiveTools active = ToolResolver::resolve();
    EXPECT_EQ(active.tool("yt-dlp").source, ToolSource::user);
    EXPECT_EQ(active.tool("yt-dlp").path, ytdlp);
    EXPECT_EQ(active.tool("yt-dlp").userVersion, "2099.01.02");
    EXPECT_EQ(active.tool("deno").path, deno);
    EXPECT_EQ(active.tool("ffmpeg").path, shipped.tools() + "/ffmpeg");
    EXPECT_EQ(active.searchFolders(), (QStringList{QFileInfo(deno).absolutePath(), shipped.tools()}));
    EXPECT_EQ(QDir(QFileInfo(deno).absolutePath()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{"deno"})
        << "the folder put on the search path holds the verified deno alone";

    const auto job = DownloadJob::create("https://media.example/v", MediaKind::video, VideoQuality::best,
                                         AudioFormat::best, SubtitleMode::none, "");
    const auto download = DownloadCommandBuilder::build(*job, "/out", "");
    const auto analysis = DownloadCommandBuilder::analyzeCommand("https://media.example/v", "");
    ASSERT_TRUE(download && analysis);
    EXPECT_EQ(download->executable, ytdlp);
    EXPECT_EQ(analysis->executable, ytdlp);
    EXPECT_EQ(download->arguments.at(download->arguments.indexOf("--ffmpeg-location") + 1), shipped.tools());
    EXPECT_TRUE(download->environment.value("PATH").startsWith(QFileInfo(deno).absolutePath() + ":" + shipped.tools() + ":"));
    EXPECT_EQ(analysis->environment, download->environment);

    const EngineDiagnosticsReport report = EngineDiagnostics::run(shipped.resources());
    const ToolDiagnostic &diagnostic = diagnosticOf(report, "yt-dlp");
    EXPECT_EQ(diagnostic.source, ToolSource::user);
    EXPECT_EQ(diagnostic.path, ytdlp);
    EXPECT_EQ(diagnostic.version, "2099.01.02");
    EXPECT_EQ(diagnostic.releaseDate, QDate(2099, 1, 2));
    EXPECT_EQ(diagnostic.matchesManifest, true) << "checked against the user folder's manifest";
    EXPECT_EQ(diagnosticOf(report, "deno").source, ToolSource::user);
    EXPECT_EQ(diagnosticOf(report, "ffprobe").source, ToolSource::shipped);
    EXPECT_EQ(diagnosticOf(report, "ffprobe").matchesManifest, true);
}

TEST(ToolResolver, AUserCopyThatDoesNotCheckOutLeavesTheShippedToolInUseAndSaysWhy)
{
    struct Case
    {
        const char *name;
        std::function<void(UserToolsFixture &, const QString &copy)> spoil;
        const char *reason;
    };
    const QList<Case> cases = {
        {"changed after it was installed",
         [](UserToolsFixture &, const QString &copy) {
             QFile file(copy);
             file.open(QIODevice::Append);
             file.write("echo tampered\n");
         },
         "changed after it was installed"},
        {"file gone",
         [](UserToolsFixture &, const QString &copy) { QFile::remove(copy); }, "missing or not executable"},
        {"not executable",
         [](UserToolsFixture &, const QString &copy) { QFile::setPermissions(copy, QFile::ReadOwner); },
         "missing or not executable"},
        {"manifest unreadable",
         [](UserToolsFixture &user, const QString &) { user.writeManifest("{\"schemaVersion\": \"one\"}"); },
         "manifest.json cannot be read"},
        {"digest that is no digest",
         [](UserToolsFixture &user, const QString &) {
             user.writeManifest(R"({"schemaVersion": 1, "tools": [{"name": "yt-dlp", "sha256": "../../x"}]})");
         },
         "no valid SHA-256"},
    };
    for (const Case &c : cases) {
        ShippedTools shipped;
        UserToolsFixture user;
        const QString copy = user.installScript("yt-dlp", "echo 2099.01.02", "2099.01.02");
        ASSERT_EQ(ToolResolver::resolve().tool("yt-dlp").source, ToolSource::user) << c.name;
        c.spoil(user, copy);

        const ActiveTool tool = ToolResolver::resolve().tool("yt-dlp");
        EXPECT_EQ(tool.source, ToolSource::shipped) << c.name;
        EXPECT_EQ(tool.path, shipped.tools() + "/yt-dlp") << c.name;
        EXPECT_TRUE(tool.userCopyIgnored.value_or("").contains(c.reason))
            << c.name << ": " << tool.userCopyIgnored.value_or("(none)").toStdString();

        const auto command = DownloadCommandBuilder::analyzeCommand("https://media.example/v", "");
        EXPECT_EQ(command->executable, shipped.tools() + "/yt-dlp") << c.name;
        const EngineDiagnosticsReport report = EngineDiagnostics::run(shipped.resources());
        const ToolDiagnostic &diagnostic = diagnosticOf(report, "yt-dlp");
        EXPECT_EQ(diagnostic.source, ToolSource::shipped) << c.name;
        EXPECT_EQ(diagnostic.version, "shipped-yt-dlp") << c.name;
        EXPECT_EQ(diagnostic.matchesManifest, true) << c.name;
        EXPECT_EQ(diagnostic.userCopyIgnored, tool.userCopyIgnored) << c.name;
    }
}

TEST(ToolResolver, FfmpegNeverComesFromTheUserFolder)
{
    ShippedTools shipped;
    UserToolsFixture user;
    user.installScript("ffmpeg", "echo ffmpeg version 99");
    const ActiveTool ffmpeg = ToolResolver::resolve().tool("ffmpeg");
    EXPECT_EQ(ffmpeg.source, ToolSource::shipped);
    EXPECT_TRUE(ffmpeg.userCopyIgnored.value_or("").contains("Only yt-dlp and deno"));
}

TEST(FileDigest, ARememberedDigestFollowsTheFileItWasTakenFrom)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("tool");
    const auto write = [&](const QByteArray &contents) {
        QFile file(path);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(contents);
    };
    write("abc");
    const auto first = FileDigest::rememberedSha256(path);
    EXPECT_EQ(first, FileDigest::sha256(path));
    EXPECT_EQ(FileDigest::rememberedSha256(path), first);
    write("abd"); // same size, same second
    EXPECT_EQ(FileDigest::rememberedSha256(path), FileDigest::sha256(path));
    EXPECT_NE(FileDigest::rememberedSha256(path), first);
    QFile::remove(path);
    EXPECT_FALSE(FileDigest::rememberedSha256(path));
}
