#include "cli/CliHarness.h"

#include "support/LocalReleaseServer.h"
#include "tools/ActiveTools.h"
#include "tools/ToolAge.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

// The version of the build tree's yt-dlp, as it prints it: the tests hold for
// whichever release was bootstrapped.
QString shippedYtDlpVersion()
{
    QProcess ytDlp;
    ytDlp.start(buildToolsDirectory() + "/yt-dlp", {"--version"});
    ytDlp.waitForFinished(60000);
    return QString::fromUtf8(ytDlp.readAllStandardOutput()).trimmed();
}

// Every file below `folder`, relative to it.
QStringList filesBelow(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(QDir(folder).relativeFilePath(it.next()));
    return files;
}

// An installed tree of its own (the built program, the build tree's tools
// and manifest, and a release key made for the test), its user pointed at a
// local release server.
class ToolsTree
{
public:
    ToolsTree()
    {
        QDir root(m_tree.path());
        root.mkpath("bin");
        root.mkpath("share/tarvelle/Tools");
        root.mkpath("share/tarvelle/keys");
        QFile::copy(cliPath(), root.filePath("bin/tarvelle-cli"));
        QFile::setPermissions(root.filePath("bin/tarvelle-cli"), QFile::ReadOwner | QFile::ExeOwner);
        for (const QString &name : ActiveTools::kToolNames)
            QFile::link(buildToolsDirectory() + "/" + name, root.filePath("share/tarvelle/Tools/" + name));
        QFile::copy(buildToolsDirectory() + "/../manifest.json", root.filePath("share/tarvelle/manifest.json"));
        QFile key(root.filePath("share/tarvelle/keys/yt-dlp-release-key.asc"));
        key.open(QIODevice::WriteOnly);
        key.write(signingKey.publicKey());
        key.close();

        user.setProgram(root.filePath("bin/tarvelle-cli"));
        user.setVariable("TARVELLE_RELEASE_HOST", server.baseUrl());
        user.setVariable("TMPDIR", user.home() + "/tmp");
        user.setVariable("XDG_CACHE_HOME", user.home() + "/.cache");
        QDir(user.home()).mkpath("tmp");
    }

    void publish(const QString &tag) const
    {
        const QByteArray zipapp = TestReleases::ytDlpZipapp(tag);
        const QByteArray sums = TestReleases::digestLine(zipapp, "yt-dlp");
        server.put("yt-dlp/yt-dlp", tag, "yt-dlp", zipapp);
        server.put("yt-dlp/yt-dlp", tag, "SHA2-256SUMS", sums);
        server.put("yt-dlp/yt-dlp", tag, "SHA2-256SUMS.sig", signingKey.sign(sums));
        server.setLatest("yt-dlp/yt-dlp", tag);
    }

    ReleaseSigningKey signingKey;
    LocalReleaseServer server;
    CliUser user;

private:
    QTemporaryDir m_tree;
};

} // namespace

TEST(CliTools, ListsTheToolsInUseWithSourceAgeAndDigest)
{
    CliUser user;
    const CliResult result = user.run({"tools"});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QStringList lines = result.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4) << result.out.toStdString();
    const QString version = shippedYtDlpVersion();
    EXPECT_TRUE(lines[0].startsWith("yt-dlp: " + version + ", shipped, ")) << lines[0].toStdString();
    const std::optional<QDate> released = ToolAge::releaseDate("yt-dlp", version);
    ASSERT_TRUE(released) << version.toStdString();
    const bool outdated = ToolAge::isStale(ToolAge::ageInDays(*released, QDate::currentDate()));
    EXPECT_TRUE(lines[0].contains(outdated ? " days old, outdated: run 'tarvelle-cli tools update', digest matches, "
                                           : " days old, digest matches, "))
        << lines[0].toStdString();
    EXPECT_TRUE(lines[3].startsWith("deno: ")) << lines[3].toStdString();
    EXPECT_FALSE(lines[3].contains("days old")) << "deno's versions are no dates";
}

TEST(CliTools, UpdateCheckAndRollbackWriteOnlyIntoTheUsersToolFolder)
{
    ToolsTree t;
    ASSERT_TRUE(t.signingKey.isValid()) << t.signingKey.errorString().toStdString();
    ASSERT_TRUE(t.server.isReady()) << t.server.errorString().toStdString();
    // Releases after any yt-dlp the build tree may ship.
    t.publish("2099.09.01");
    const QString shipped = shippedYtDlpVersion();

    CliResult result = t.user.run({"tools", "update", "--check"});
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(result.out, "A newer yt-dlp is available: 2099.09.01 (in use: " + shipped + ").\n");
    EXPECT_EQ(filesBelow(t.user.home()), QStringList());

    result = t.user.run({"tools", "update"});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(result.out, "yt-dlp 2099.09.01 is verified and installed in your tool folder; new jobs use it.\n");
    for (const char *step : {"Checking the signature…", "Checking the digest…", "Checking python3…",
                             "Trying the new file…", "Installing…"})
        EXPECT_TRUE(result.err.contains(step)) << step << "\n" << result.err.toStdString();
    for (const QString &file : filesBelow(t.user.home()))
        EXPECT_TRUE(file.startsWith(".local/share/tarvelle/Tools/")) << file.toStdString();

    result = t.user.run({"tools"});
    EXPECT_TRUE(result.out.startsWith("yt-dlp: 2099.09.01, user tool folder, ")) << result.out.toStdString();
    EXPECT_TRUE(result.out.contains(", digest matches, " + t.user.home() + "/.local/share/tarvelle/Tools/versions/"));

    result = t.user.run({"tools", "update"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(result.out.startsWith("yt-dlp 2099.09.01 is up to date")) << result.out.toStdString();

    result = t.user.run({"tools", "rollback"});
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(result.out, "yt-dlp: back from 2099.09.01 to the shipped tool\n");
    EXPECT_TRUE(t.user.run({"tools"}).out.startsWith("yt-dlp: " + shipped + ", shipped, "));
    result = t.user.run({"tools", "rollback"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.err.contains("There is no earlier state to return to.")) << result.err.toStdString();

    t.publish("2099.10.02");
    t.server.fault("yt-dlp/yt-dlp", "2099.10.02", "SHA2-256SUMS.sig", "404");
    const QStringList before = filesBelow(t.user.home());
    result = t.user.run({"tools", "update"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.err.contains("Updating yt-dlp failed while downloading: SHA2-256SUMS.sig could not be "
                                    "downloaded"))
        << result.err.toStdString();
    EXPECT_TRUE(result.err.contains("Nothing was changed."));
    EXPECT_EQ(filesBelow(t.user.home()), before);
}

TEST(CliTools, RefusesWhatItCannotDo)
{
    CliUser user;
    struct Case
    {
        QStringList arguments;
        const char *error;
    };
    const QList<Case> cases = {
        {{"tools", "update", "--channel", "weekly"}, "Invalid value for --channel: 'weekly' (expected stable or nightly)"},
        {{"tools", "update", "ffmpeg"}, "Only yt-dlp and deno can be updated, not ffmpeg"},
        {{"tools", "update", "deno", "--channel", "nightly"}, "--channel applies to yt-dlp only"},
        {{"tools", "update", "yt-dlp", "deno"}, "tools update takes one tool: deno"},
        {{"tools", "frob"}, "Unknown tools command: frob"},
        {{"tools", "rollback", "now"}, "Unknown tools command: now"},
    };
    for (const Case &c : cases) {
        const CliResult result = user.run(c.arguments);
        EXPECT_EQ(result.exitCode, 2) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(result.err.startsWith("tarvelle-cli: " + QString(c.error) + "\n"))
            << c.arguments.join(' ').toStdString() << ": " << result.err.toStdString();
    }
    const CliResult help = user.run({"tools", "update", "--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains("tools update [--check] [--channel stable|nightly] [yt-dlp|deno]"))
        << help.out.toStdString();
}
