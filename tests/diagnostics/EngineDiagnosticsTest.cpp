#include "diagnostics/EngineDiagnostics.h"
#include "tools/FileDigest.h"
#include "tools/ToolManifest.h"

#include "support/TestSupport.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

const QString kDigestOfAbc = "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad";

class ResourcesFixture
{
public:
    ResourcesFixture() { QDir(dir.path()).mkpath("Tools"); }

    QString path() const { return dir.path(); }

    QString tool(const QString &name, const QByteArray &body)
    {
        return writeScript(dir, "Tools/" + name, body);
    }

    void manifest(const QByteArray &json)
    {
        QFile file(dir.filePath("manifest.json"));
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(json);
    }

    QTemporaryDir dir;
};

const ToolDiagnostic &named(const EngineDiagnosticsReport &report, const QString &name)
{
    for (const ToolDiagnostic &tool : report.tools) {
        if (tool.name == name)
            return tool;
    }
    static ToolDiagnostic none;
    ADD_FAILURE() << "no diagnostic for " << name.toStdString();
    return none;
}

QStringList namesOf(const EngineDiagnosticsReport &report)
{
    QStringList names;
    for (const ToolDiagnostic &tool : report.tools)
        names.append(tool.name);
    return names;
}

TEST(EngineDiagnostics, ShippedToolsAreAllPresentAndVerified)
{
    const QString resources = QDir(buildToolsDirectory()).absoluteFilePath("..");
    const auto report = EngineDiagnostics::run(resources);
    EXPECT_FALSE(report.architecture.isEmpty());
    EXPECT_TRUE(report.manifestPresent);
    EXPECT_TRUE(report.allToolsPresent);
    ASSERT_EQ(namesOf(report), EngineDiagnostics::kToolNames);
    for (const ToolDiagnostic &tool : report.tools) {
        EXPECT_TRUE(tool.exists && tool.executable) << tool.name.toStdString();
        EXPECT_FALSE(tool.version.value_or("").isEmpty()) << tool.name.toStdString();
        EXPECT_EQ(tool.matchesManifest, true) << tool.name.toStdString();
        EXPECT_FALSE(tool.note.has_value());
    }
    EXPECT_TRUE(named(report, "ffmpeg").version->startsWith("ffmpeg version "));
    EXPECT_TRUE(named(report, "deno").version->startsWith("deno "));
}

TEST(EngineDiagnostics, ReportsEachToolByItsStateInTheFolder)
{
    ResourcesFixture fixture;
    fixture.tool("yt-dlp", "printf '\\n  \\n2099.01.01\\nmore\\n'; echo noise >&2; exit 3");
    fixture.tool("ffmpeg", "echo ffmpeg version 9");
    QFile::setPermissions(fixture.path() + "/Tools/ffmpeg", QFile::ReadOwner | QFile::WriteOwner);
    fixture.tool("deno", "printf '\\377\\376\\n'");
    fixture.manifest(R"({"schemaVersion": 1, "tools": [
        {"name": "ffprobe", "sha256": "listed-but-missing"},
        {"name": "yt-dlp", "sha256": "0000"}]})");

    const auto report = EngineDiagnostics::run(fixture.path());
    ASSERT_EQ(namesOf(report), EngineDiagnostics::kToolNames);
    EXPECT_TRUE(report.manifestPresent);
    EXPECT_FALSE(report.allToolsPresent);

    const ToolDiagnostic &ytdlp = named(report, "yt-dlp");
    EXPECT_TRUE(ytdlp.exists && ytdlp.executable);
    EXPECT_EQ(ytdlp.version, "2099.01.01") << "blank lines before the version are skipped";
    EXPECT_EQ(ytdlp.path, fixture.path() + "/Tools/yt-dlp");
    EXPECT_EQ(ytdlp.sha256->size(), 64);
    EXPECT_EQ(ytdlp.matchesManifest, false);

    for (const QString &missing : {QString("ffmpeg"), QString("ffprobe")}) {
        const ToolDiagnostic &tool = named(report, missing);
        EXPECT_FALSE(tool.exists || tool.executable) << missing.toStdString();
        EXPECT_FALSE(tool.version || tool.path || tool.sha256 || tool.matchesManifest) << missing.toStdString();
        EXPECT_EQ(tool.note, "Not found in app bundle Resources/Tools");
    }
    EXPECT_EQ(named(report, "ffprobe").manifestSha, "listed-but-missing");
    EXPECT_FALSE(named(report, "ffmpeg").manifestSha.has_value());

    const ToolDiagnostic &deno = named(report, "deno");
    EXPECT_EQ(deno.version, "") << "output that is not UTF-8 counts as empty";
    EXPECT_FALSE(deno.manifestSha || deno.matchesManifest) << "an unlisted tool has nothing to compare";
}

TEST(EngineDiagnostics, AToolThatHangsIsCutOffWithAnEmptyVersion)
{
    ResourcesFixture fixture;
    const QString pidFile = fixture.dir.filePath("sleeper.pid");
    fixture.tool("yt-dlp", "echo partial; sleep 60 & echo $! > '" + pidFile.toUtf8() + "'; wait");
    const auto report = EngineDiagnostics::run(fixture.path());
    EXPECT_TRUE(named(report, "yt-dlp").exists);
    EXPECT_EQ(named(report, "yt-dlp").version, "");

    QFile file(pidFile);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const pid_t sleeper = file.readAll().trimmed().toInt();
    ASSERT_GT(sleeper, 0);
    EXPECT_TRUE(waitUntil([&] { return !isRunning(sleeper); }, 3s)) << "the hanging tool's child outlived it";
}

TEST(EngineDiagnostics, WithoutResourcesDirectoryEveryToolIsMissing)
{
    const auto report = EngineDiagnostics::run(std::nullopt);
    ASSERT_EQ(namesOf(report), EngineDiagnostics::kToolNames);
    EXPECT_FALSE(report.manifestPresent);
    EXPECT_FALSE(report.allToolsPresent);
    for (const ToolDiagnostic &tool : report.tools)
        EXPECT_FALSE(tool.exists);
}

TEST(EngineDiagnostics, DigestsComparedExactly)
{
    ResourcesFixture fixture;
    const QString path = fixture.tool("yt-dlp", "echo 1");
    const QString digest = *FileDigest::sha256(path);
    const QList<std::pair<QString, std::optional<bool>>> cases = {
        {digest, true},
        {digest.toUpper(), false},
        {digest + " ", false},
    };
    for (const auto &[listed, expected] : cases) {
        fixture.manifest(QStringLiteral(R"({"schemaVersion": 1, "tools": [{"name": "yt-dlp", "sha256": "%1"}]})")
                             .arg(listed)
                             .toUtf8());
        EXPECT_EQ(named(EngineDiagnostics::run(fixture.path()), "yt-dlp").matchesManifest, expected)
            << listed.toStdString();
    }
}

TEST(EngineDiagnostics, RunsAreIndependent)
{
    ResourcesFixture fixture;
    const auto first = EngineDiagnostics::run(fixture.path());
    const auto second = EngineDiagnostics::run(fixture.path());
    for (int i = 0; i < 4; ++i)
        EXPECT_NE(first.tools[i].id, second.tools[i].id);
    EXPECT_GE(second.generatedAt, first.generatedAt);
}

TEST(EngineDiagnostics, Sha256OfAFile)
{
    QTemporaryDir dir;
    QFile file(dir.filePath("abc"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("abc");
    file.close();
    EXPECT_EQ(FileDigest::sha256(file.fileName()), kDigestOfAbc);
    EXPECT_FALSE(FileDigest::sha256(dir.filePath("none")).has_value());
}

TEST(ToolManifest, DecodesOnlyTheRequiredShape)
{
    const QList<std::pair<const char *, bool>> cases = {
        {R"({"schemaVersion": 1, "tools": []})", true},
        {R"({"schemaVersion": 1, "architecture": null, "tools": [{"name": "deno", "sha256": "x",
            "version": null, "architecture": "x86_64", "sourceURL": null, "license": "MIT",
            "sourceArchiveURL": null, "extra": [1, 2]}], "unknown": {}})", true},
        {R"({"schemaVersion": "1", "tools": []})", false},
        {R"({"schemaVersion": 1.5, "tools": []})", false},
        {R"({"tools": []})", false},
        {R"({"schemaVersion": null, "tools": []})", false},
        {R"({"schemaVersion": 1})", false},
        {R"({"schemaVersion": 1, "tools": {}})", false},
        {R"({"schemaVersion": 1, "tools": [{"name": "deno"}]})", false},
        {R"({"schemaVersion": 1, "tools": [{"name": "deno", "sha256": null}]})", false},
        {R"({"schemaVersion": 1, "tools": [{"sha256": "x"}]})", false},
        {R"({"schemaVersion": 1, "tools": [{"name": "deno", "sha256": "x", "version": 2}]})", false},
        {R"({"schemaVersion": 1, "architecture": 64, "tools": []})", false},
        {R"({"schemaVersion": 1, "tools": ["deno"]})", false},
        {R"([{"schemaVersion": 1, "tools": []}])", false},
        {R"({"schemaVersion": 1, "tools": [)", false},
        {"", false},
        {"\xff\xfe{}", false},
    };
    for (const auto &[json, decodable] : cases)
        EXPECT_EQ(ToolManifest::decode(json).has_value(), decodable) << json;
}

TEST(ToolManifest, NamesMatchExactlyAndTheFirstEntryWins)
{
    const auto manifest = ToolManifest::decode(R"({"schemaVersion": 1, "tools": [
        {"name": "FFmpeg", "sha256": "upper"}, {"name": "deno", "sha256": "first"},
        {"name": "deno", "sha256": "second"}, {"name": "curl", "sha256": "other"}]})");
    ASSERT_TRUE(manifest);
    EXPECT_FALSE(manifest->digestFor("ffmpeg").has_value());
    EXPECT_EQ(manifest->digestFor("deno"), "first");
}

} // namespace
