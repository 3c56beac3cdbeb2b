#include "diagnostics/EngineDiagnostics.h"
#include "tools/FileDigest.h"
#include "tools/ToolResolver.h"
#include "tools/UserToolFolder.h"
#include "updates/ReleaseHost.h"
#include "updates/ToolInstaller.h"
#include "updates/ToolUpdater.h"

#include "support/CoordinatorFixture.h"
#include "support/LocalMediaServer.h"
#include "support/LocalReleaseServer.h"
#include "support/TestSupport.h"
#include "support/UserToolsFixture.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

const QString kYtDlp = QStringLiteral("yt-dlp/yt-dlp");
const QString kNightly = QStringLiteral("yt-dlp/yt-dlp-nightly-builds");
const QString kDeno = QStringLiteral("denoland/deno");

// Sets an environment variable for the life of the guard.
class EnvironmentGuard
{
public:
    EnvironmentGuard(const char *name, const QByteArray &value)
        : m_name(name)
        , m_had(qEnvironmentVariableIsSet(name))
        , m_previous(qgetenv(name))
    {
        qputenv(name, value);
    }
    ~EnvironmentGuard()
    {
        if (m_had)
            qputenv(m_name, m_previous);
        else
            qunsetenv(m_name);
    }

private:
    const char *m_name;
    bool m_had;
    QByteArray m_previous;
};

// Every file below `folder` with its digest, for "nothing changed".
QStringList treeOf(const QString &folder)
{
    QStringList entries;
    QDirIterator it(folder, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info(path);
        entries.append(QDir(folder).relativeFilePath(path)
                       + (info.isFile() && !info.isSymLink() ? " " + FileDigest::sha256(path).value_or("?") : ""));
    }
    entries.sort();
    return entries;
}

QByteArray read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The shipped side (resources with Tools, manifest.json and a release key
// made for the test), a user tool folder that does not exist yet, a release
// server the updater is pointed at, and a scratch TMPDIR that must stay empty.
class UpdaterFixture
{
public:
    // `realTools`: the shipped tools are the build tree's (symbolic links);
    // otherwise small scripts that print a 2023 version.
    explicit UpdaterFixture(bool realTools = false)
    {
        QDir(m_resources.path()).mkpath("Tools");
        QDir(m_resources.path()).mkpath("keys");
        QByteArray entries;
        for (const QString &name : ActiveTools::kToolNames) {
            const QString path = m_resources.filePath("Tools/" + name);
            if (realTools) {
                QFile::link(buildToolsDirectory() + "/" + name, path);
            } else {
                writeScript(m_resources, "Tools/" + name,
                            name == "deno" ? "echo 'deno 1.0.0 (stable, release, x)'" : "echo 2023.03.04");
            }
            entries += (entries.isEmpty() ? "" : ",") + QByteArray(R"({"name": ")") + name.toUtf8()
                       + R"(", "sha256": ")" + FileDigest::sha256(path).value_or("").toUtf8() + "\"}";
        }
        writeFile("manifest.json", R"({"schemaVersion": 1, "tools": [)" + entries + "]}");
        writeFile("keys/yt-dlp-release-key.asc", key.publicKey());
        QDir().rmdir(user.folder());
        QDir().mkpath(m_scratch.filePath("tmp"));
    }

    QString resources() const { return m_resources.path(); }
    QString shippedTool(const QString &name) const { return m_resources.filePath("Tools/" + name); }
    QString scratchTemp() const { return m_scratch.filePath("tmp"); }

    ToolUpdater::Setup setup() const { return {resources(), user.folder(), EngineDiagnostics::architecture()}; }

    void writeFile(const QString &relative, const QByteArray &contents) const
    {
        QFile file(m_resources.filePath(relative));
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(contents);
    }

    // Publishes yt-dlp `tag` as the latest release: the zipapp, its digest
    // list and the list's signature by `signer` (the test's release key by
    // default).
    QByteArray publishYtDlp(const QString &tag, const QString &repository = kYtDlp,
                            const ReleaseSigningKey *signer = nullptr) const
    {
        return publishYtDlpZipapp(tag, TestReleases::ytDlpZipapp(tag), repository, signer);
    }

    // The same with a zipapp of the test's choosing, genuinely signed.
    QByteArray publishYtDlpZipapp(const QString &tag, const QByteArray &zipapp, const QString &repository = kYtDlp,
                                  const ReleaseSigningKey *signer = nullptr) const
    {
        const QByteArray sums = TestReleases::digestLine("other file", "yt-dlp.exe")
                                + TestReleases::digestLine(zipapp, "yt-dlp");
        server.put(repository, tag, "yt-dlp", zipapp);
        server.put(repository, tag, "SHA2-256SUMS", sums);
        server.put(repository, tag, "SHA2-256SUMS.sig", (signer ? signer : &key)->sign(sums));
        server.setLatest(repository, tag);
        return zipapp;
    }

    ToolUpdateResult run(const QString &tool, bool install, ReleaseChannel channel = ReleaseChannel::stable,
                         const std::function<void(ToolUpdater &)> &during = {}) const
    {
        ToolUpdater updater(setup());
        std::optional<ToolUpdateResult> result;
        QObject::connect(&updater, &ToolUpdater::finished, [&](const ToolUpdateResult &r) { result = r; });
        if (during)
            during(updater);
        install ? updater.update(tool, channel) : updater.check(tool, channel);
        EXPECT_TRUE(updater.isRunning());
        if (!waitUntil([&] { return result.has_value(); }, std::chrono::seconds(60))) {
            ADD_FAILURE() << "the update did not end";
            return {};
        }
        EXPECT_FALSE(updater.isRunning());
        return *result;
    }

    ReleaseSigningKey key;
    LocalReleaseServer server;
    UserToolsFixture user;

private:
    QTemporaryDir m_resources;
    QTemporaryDir m_scratch;
    AppConfiguration::ScopedResourcesDirectory m_scope{m_resources.path()};
    EnvironmentGuard m_host{ReleaseHost::kBaseAddressVariable, server.baseUrl().toUtf8()};
    EnvironmentGuard m_temp{"TMPDIR", m_scratch.filePath("tmp").toUtf8()};
};

#define REQUIRE_FIXTURE(f)                                                                                         \
    ASSERT_TRUE((f).key.isValid()) << (f).key.errorString().toStdString();                                         \
    ASSERT_TRUE((f).server.isReady()) << (f).server.errorString().toStdString()

} // namespace

TEST(ToolUpdater, AGoodUpdateIsVerifiedInstalledAndShownAsVerified)
{
    UpdaterFixture f;
    REQUIRE_FIXTURE(f);
    const QByteArray zipapp = f.publishYtDlp("2026.09.01");

    const ToolUpdateResult result = f.run("yt-dlp", true);
    ASSERT_EQ(result.kind, ToolUpdateResult::Kind::installed) << result.message().toStdString();
    EXPECT_EQ(result.currentVersion, "2023.03.04");
    EXPECT_EQ(result.latestVersion, "2026.09.01");
    EXPECT_EQ(result.installedVersion, "2026.09.01");

    const ActiveTool active = ToolResolver::resolve().tool("yt-dlp");
    EXPECT_EQ(active.source, ToolSource::user);
    EXPECT_EQ(read(*active.path), zipapp);
    const auto manifest = UserToolFolder::readManifest(UserToolFolder::manifestPath(f.user.folder())).decoded;
    ASSERT_TRUE(manifest);
    const ManifestTool *entry = manifest->entryFor("yt-dlp");
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->version, "2026.09.01");
    EXPECT_EQ(entry->sourceURL, f.server.baseUrl() + "/yt-dlp/yt-dlp/releases/download/2026.09.01/yt-dlp");

    const EngineDiagnosticsReport report = EngineDiagnostics::run(f.resources());
    const ToolDiagnostic &tool = report.tools.at(0);
    EXPECT_EQ(tool.source, ToolSource::user);
    EXPECT_EQ(tool.version, "2026.09.01");
    EXPECT_EQ(tool.matchesManifest, true);
    EXPECT_EQ(tool.releaseDate, QDate(2026, 9, 1));

    EXPECT_EQ(treeOf(f.scratchTemp()), QStringList()) << "nothing went to the temporary folder";
    for (const QString &entryPath : treeOf(QFileInfo(f.user.folder()).absolutePath()))
        EXPECT_TRUE(entryPath.startsWith("Tools")) << entryPath.toStdString();
    EXPECT_FALSE(QDir(f.user.folder()).entryList({".staging-*"}, QDir::Dirs | QDir::Hidden).size())
        << "the work folder is gone";

    const ToolUpdateResult again = f.run("yt-dlp", true);
    EXPECT_EQ(again.kind, ToolUpdateResult::Kind::upToDate) << again.message().toStdString();
}

TEST(ToolUpdater, ACheckComparesWithoutFetchingAnything)
{
    UpdaterFixture f;
    REQUIRE_FIXTURE(f);
    f.publishYtDlp("2026.09.01", kNightly);
    const ToolUpdateResult available = f.run("yt-dlp", false, ReleaseChannel::nightly);
    EXPECT_EQ(available.kind, ToolUpdateResult::Kind::available) << available.message().toStdString();
    EXPECT_EQ(available.latestVersion, "2026.09.01");
    EXPECT_FALSE(QFileInfo::exists(f.user.folder()));

    f.publishYtDlp("2020.01.01");
    EXPECT_EQ(f.run("yt-dlp", false).kind, ToolUpdateResult::Kind::upToDate) << "an older release is no update";
}

TEST(ToolUpdater, EveryFailedStepSaysWhyAndChangesNothing)
{
    struct Case
    {
        const char *name;
        std::function<void(UpdaterFixture &)> spoil;
        UpdateStep step;
        const char *reason;
    };
    const QString tag = "2026.09.01";
    const QList<Case> cases = {
        {"bad digest",
         [&](UpdaterFixture &f) {
             const QByteArray sums = TestReleases::digestLine("something else", "yt-dlp");
             f.server.put(kYtDlp, tag, "SHA2-256SUMS", sums);
             f.server.put(kYtDlp, tag, "SHA2-256SUMS.sig", f.key.sign(sums));
         },
         UpdateStep::checkingDigest, "does not match its digest"},
        {"digest list changed after signing",
         [&](UpdaterFixture &f) {
             f.server.put(kYtDlp, tag, "SHA2-256SUMS", TestReleases::digestLine(read("/dev/null"), "yt-dlp"));
         },
         UpdateStep::checkingSignature, "does not match SHA2-256SUMS"},
        {"signed by another key",
         [&](UpdaterFixture &f) {
             ReleaseSigningKey stranger;
             f.publishYtDlp(tag, kYtDlp, &stranger);
         },
         UpdateStep::checkingSignature, "not signed by the release key"},
        {"signature missing",
         [&](UpdaterFixture &f) { f.server.fault(kYtDlp, tag, "SHA2-256SUMS.sig", "404"); },
         UpdateStep::downloading, "SHA2-256SUMS.sig could not be downloaded"},
        {"signature not a signature",
         [&](UpdaterFixture &f) { f.server.put(kYtDlp, tag, "SHA2-256SUMS.sig", "garbage"); },
         UpdateStep::checkingSignature, "SHA2-256SUMS"},
        {"truncated download",
         [&](UpdaterFixture &f) { f.server.fault(kYtDlp, tag, "yt-dlp", "truncate"); },
         UpdateStep::downloading, "yt-dlp could not be downloaded: the transfer broke off"},
        {"404", [&](UpdaterFixture &f) { f.server.fault(kYtDlp, tag, "yt-dlp", "404"); }, UpdateStep::downloading,
         "answered 404"},
        {"500", [&](UpdaterFixture &f) { f.server.fault(kYtDlp, tag, "yt-dlp", "500"); }, UpdateStep::downloading,
         "answered 500"},
        {"no release", [&](UpdaterFixture &) {}, UpdateStep::findingRelease, "answered 404"},
        {"server gone", [&](UpdaterFixture &f) { f.server.stop(); }, UpdateStep::findingRelease,
         "could not be reached"},
        {"release key missing from the installation",
         [&](UpdaterFixture &f) { QFile::remove(f.resources() + "/keys/yt-dlp-release-key.asc"); },
         UpdateStep::checkingSignature, "missing from the installation"},
    };
    for (const Case &c : cases) {
        UpdaterFixture f;
        REQUIRE_FIXTURE(f);
        if (QString(c.name) != "no release")
            f.publishYtDlp(tag);
        c.spoil(f);
        const QStringList shipped = treeOf(f.resources());

        const ToolUpdateResult result = f.run("yt-dlp", true);
        EXPECT_EQ(result.kind, ToolUpdateResult::Kind::failed) << c.name;
        EXPECT_EQ(result.failedStep, c.step) << c.name << ": " << result.message().toStdString();
        EXPECT_TRUE(result.reason.contains(c.reason)) << c.name << ": " << result.reason.toStdString();
        EXPECT_TRUE(result.message().contains("Nothing was changed")) << c.name;
        EXPECT_FALSE(QFileInfo::exists(f.user.folder())) << c.name << ": the user folder was left as it was";
        EXPECT_EQ(treeOf(f.resources()), shipped) << c.name;
        EXPECT_EQ(treeOf(f.scratchTemp()), QStringList()) << c.name;
        EXPECT_EQ(ToolResolver::resolve().tool("yt-dlp").source, ToolSource::shipped) << c.name;
    }
}

// A release page can be made to name any tag; what is installed is what the
// new file says it is, and only when that is the tag and newer than the copy
// in use.
TEST(ToolUpdater, AGenuineFileIsRefusedUnlessItIsTheTaggedVersionAndNewer)
{
    struct Case
    {
        const char *name;
        std::function<void(UpdaterFixture &)> publish;
        const char *tool;
        QStringList reasonNames;
    };
    const QList<Case> cases = {
        {"the release in use again under a later tag",
         [](UpdaterFixture &f) {
             const QByteArray zipapp = f.publishYtDlp("2026.09.01");
             ASSERT_EQ(f.run("yt-dlp", true).kind, ToolUpdateResult::Kind::installed);
             f.publishYtDlpZipapp("2099.01.01", zipapp);
         },
         "yt-dlp", {"2026.09.01", "2099.01.01"}},
        {"a release older than the shipped one under a later tag",
         [](UpdaterFixture &f) { f.publishYtDlpZipapp("2099.01.01", TestReleases::ytDlpZipapp("2020.01.01")); },
         "yt-dlp", {"2020.01.01", "2099.01.01"}},
        {"an older deno under a later tag",
         [](UpdaterFixture &f) {
             const auto release = ToolRelease::of("deno", ReleaseChannel::stable, EngineDiagnostics::architecture());
             ASSERT_TRUE(release) << "deno publishes no build for this machine";
             const QByteArray zip = TestReleases::denoZip("0.9.0");
             f.server.put(kDeno, "v9.9.9", release->asset, zip);
             f.server.put(kDeno, "v9.9.9", release->digestList, TestReleases::digestLine(zip, release->asset));
             f.server.setLatest(kDeno, "v9.9.9");
         },
         "deno", {"0.9.0", "v9.9.9"}},
    };
    for (const Case &c : cases) {
        UpdaterFixture f;
        REQUIRE_FIXTURE(f);
        c.publish(f);
        if (::testing::Test::HasFatalFailure())
            return;
        const bool hadFolder = QFileInfo::exists(f.user.folder());
        const QStringList before = treeOf(f.user.folder());
        const std::optional<QString> inUse = ToolResolver::resolve().tool(c.tool).path;

        const ToolUpdateResult result = f.run(c.tool, true);
        EXPECT_EQ(result.kind, ToolUpdateResult::Kind::failed) << c.name << ": " << result.message().toStdString();
        EXPECT_EQ(result.failedStep, UpdateStep::tryingNewFile) << c.name;
        for (const QString &name : c.reasonNames)
            EXPECT_TRUE(result.reason.contains(name)) << c.name << ": " << result.reason.toStdString();
        EXPECT_TRUE(result.message().contains("Nothing was changed")) << c.name;
        EXPECT_EQ(QFileInfo::exists(f.user.folder()), hadFolder) << c.name;
        EXPECT_EQ(treeOf(f.user.folder()), before) << c.name << ": manifest and versions/ as they were";
        EXPECT_EQ(ToolResolver::resolve().tool(c.tool).path, inUse) << c.name;
    }
}

// Tools run with the user's rights: they come over https, or from this
// machine (where the tests' server is).
TEST(ToolUpdater, APlainHttpReleaseServerElsewhereIsRefused)
{
    UpdaterFixture f;
    REQUIRE_FIXTURE(f);
    f.publishYtDlp("2026.09.01");
    const QString port = QString::number(QUrl(f.server.baseUrl()).port());
    struct Case
    {
        QString address;
        bool refused;
    };
    const QList<Case> cases = {
        {"http://example.org", true},
        {"http://127.0.0.1.example.org:" + port, true},
        {"ftp://127.0.0.1:" + port, true},
        {"http://localhost:" + port, false},
        {"http://127.0.0.1:" + port, false},
    };
    for (const Case &c : cases) {
        EnvironmentGuard host(ReleaseHost::kBaseAddressVariable, c.address.toUtf8());
        const ToolUpdateResult result = f.run("yt-dlp", false);
        if (c.refused) {
            EXPECT_EQ(result.failedStep, UpdateStep::findingRelease) << c.address.toStdString();
            EXPECT_TRUE(result.reason.contains("https")) << c.address.toStdString() << ": "
                                                           << result.reason.toStdString();
        } else {
            EXPECT_EQ(result.kind, ToolUpdateResult::Kind::available)
                << c.address.toStdString() << ": " << result.message().toStdString();
        }
    }
    EXPECT_FALSE(QFileInfo::exists(f.user.folder()));
}

TEST(ToolUpdater, WithoutAnInstallationThereIsNoKeyToTrust)
{
    UpdaterFixture f;
    REQUIRE_FIXTURE(f);
    f.publishYtDlp("2026.09.01");
    ToolUpdater::Setup setup = f.setup();
    setup.resourcesDirectory.reset();
    ToolUpdater updater(setup);
    std::optional<ToolUpdateResult> result;
    QObject::connect(&updater, &ToolUpdater::finished, [&](const ToolUpdateResult &r) { result = r; });
    updater.update("yt-dlp", ReleaseChannel::stable);
    ASSERT_TRUE(waitUntil([&] { return result.has_value(); }, std::chrono::seconds(60)));
    EXPECT_EQ(result->failedStep, UpdateStep::checkingSignature) << result->message().toStdString();
    EXPECT_TRUE(result->reason.contains("no resources folder")) << result->reason.toStdString();
    EXPECT_FALSE(QFileInfo::exists(f.user.folder()));
}

TEST(ToolUpdater, APython3TooOldForTheZipappIsRefused)
{
    UpdaterFixture f;
    REQUIRE_FIXTURE(f);
    f.publishYtDlp("2026.09.01");
    QTemporaryDir fakes;
    writeScript(fakes, "python3", "echo 'Python 3.8.10'");
    EnvironmentGuard path("PATH", (fakes.path() + ":" + qEnvironmentVariable("PATH")).toUtf8());

    const ToolUpdateResult result = f.run("yt-dlp", true);
    EXPECT_EQ(result.kind, ToolUpdateResult::Kind::failed);
    EXPECT_EQ(result.failedStep, UpdateStep::checkingPython) << result.message().toStdString();
    EXPECT_TRUE(result.reason.contains("needs Python 3.9 or newer")) << result.reason.toStdString();
    EXPECT_TRUE(result.reason.contains("Python 3.8.10")) << result.reason.toStdString();
    EXPECT_FALSE(QFileInfo::exists(f.user.folder()));
}

TEST(ToolUpdater, ACancelledDownloadChangesNothing)
{
    UpdaterFixture f;
    REQUIRE_FIXTURE(f);
    const QByteArray zipapp = TestReleases::ytDlpZipapp("2026.09.01", "3.9", 256 * 1024);
    f.publishYtDlp("2026.09.01");
    f.server.put(kYtDlp, "2026.09.01", "yt-dlp", zipapp);
    f.server.fault(kYtDlp, "2026.09.01", "yt-dlp", "slow");
    qint64 seen = 0;
    const ToolUpdateResult result = f.run("yt-dlp", true, ReleaseChannel::stable, [&](ToolUpdater &updater) {
        QObject::connect(&updater, &ToolUpdater::downloadProgress, &updater, [&](qint64 received, qint64) {
            seen = received;
            if (received > 0)
                updater.cancel();
        });
    });
    EXPECT_GT(seen, 0) << "progress was reported";
    EXPECT_EQ(result.kind, ToolUpdateResult::Kind::cancelled);
    EXPECT_FALSE(QFileInfo::exists(f.user.folder()));
}

TEST(ToolUpdater, RollbackReturnsToThePreviousCopyAndThenToTheShippedTool)
{
    UpdaterFixture f;
    REQUIRE_FIXTURE(f);
    f.publishYtDlp("2026.09.01");
    ASSERT_EQ(f.run("yt-dlp", true).kind, ToolUpdateResult::Kind::installed);
    const QString first = *ToolResolver::resolve().tool("yt-dlp").path;
    f.publishYtDlp("2026.10.02");
    ASSERT_EQ(f.run("yt-dlp", true).kind, ToolUpdateResult::Kind::installed);
    EXPECT_NE(*ToolResolver::resolve().tool("yt-dlp").path, first);

    ToolInstaller::RollbackResult back = ToolInstaller::rollback(f.user.folder());
    ASSERT_FALSE(back.failure) << back.failure->toStdString();
    ASSERT_EQ(back.changes.size(), 1);
    EXPECT_EQ(back.changes[0].from, "2026.10.02");
    EXPECT_EQ(back.changes[0].to, "2026.09.01");
    EXPECT_EQ(ToolResolver::resolve().tool("yt-dlp").path, first);
    EXPECT_TRUE(ToolInstaller::rollback(f.user.folder()).failure) << "one step back only";

    // The first update's earlier state was the shipped tool.
    QDir(f.user.folder()).removeRecursively();
    f.publishYtDlp("2026.11.03");
    ASSERT_EQ(f.run("yt-dlp", true).kind, ToolUpdateResult::Kind::installed);
    back = ToolInstaller::rollback(f.user.folder());
    ASSERT_EQ(back.changes.size(), 1);
    EXPECT_FALSE(back.changes[0].to) << "back to the shipped tool";
    EXPECT_EQ(ToolResolver::resolve().tool("yt-dlp").path, f.shippedTool("yt-dlp"));
}

TEST(ToolUpdater, RollbackRefusesACopyThatChangedSince)
{
    UpdaterFixture f;
    REQUIRE_FIXTURE(f);
    f.publishYtDlp("2026.09.01");
    ASSERT_EQ(f.run("yt-dlp", true).kind, ToolUpdateResult::Kind::installed);
    const QString first = *ToolResolver::resolve().tool("yt-dlp").path;
    f.publishYtDlp("2026.10.02");
    ASSERT_EQ(f.run("yt-dlp", true).kind, ToolUpdateResult::Kind::installed);
    QFile file(first);
    file.open(QIODevice::Append);
    file.write("# changed\n");
    file.close();
    const QStringList before = treeOf(f.user.folder());
    const ToolInstaller::RollbackResult back = ToolInstaller::rollback(f.user.folder());
    ASSERT_TRUE(back.failure);
    EXPECT_TRUE(back.failure->contains("missing or was changed")) << back.failure->toStdString();
    EXPECT_EQ(treeOf(f.user.folder()), before);
}

TEST(ToolUpdater, DenoComesFromItsZipForThisMachine)
{
    UpdaterFixture f;
    REQUIRE_FIXTURE(f);
    const auto release = ToolRelease::of("deno", ReleaseChannel::stable, EngineDiagnostics::architecture());
    if (!release)
        GTEST_SKIP() << "deno publishes no build for this machine";
    const QByteArray zip = TestReleases::denoZip("9.1.0");
    f.server.put(kDeno, "v9.1.0", release->asset, zip);
    f.server.put(kDeno, "v9.1.0", release->digestList, TestReleases::digestLine(zip, release->asset));
    f.server.setLatest(kDeno, "v9.1.0");

    const ToolUpdateResult result = f.run("deno", true);
    ASSERT_EQ(result.kind, ToolUpdateResult::Kind::installed) << result.message().toStdString();
    EXPECT_EQ(result.currentVersion, "1.0.0");
    EXPECT_EQ(result.installedVersion, "9.1.0");
    const ActiveTools active = ToolResolver::resolve();
    EXPECT_EQ(active.tool("deno").source, ToolSource::user);
    EXPECT_TRUE(read(*active.tool("deno").path).startsWith("#!/bin/sh")) << "the program, not the zip";
    EXPECT_EQ(active.searchFolders().first(), QFileInfo(*active.tool("deno").path).absolutePath());

    f.server.put(kDeno, "v9.2.0", release->asset, TestReleases::denoZip("9.2.0"));
    f.server.put(kDeno, "v9.2.0", release->digestList, TestReleases::digestLine(zip, release->asset));
    f.server.setLatest(kDeno, "v9.2.0");
    const ToolUpdateResult damaged = f.run("deno", true);
    EXPECT_EQ(damaged.failedStep, UpdateStep::checkingDigest) << damaged.message().toStdString();
    EXPECT_EQ(ToolResolver::resolve().tool("deno").userVersion, "9.1.0");
}

// With the real tools: downloads run the verified user copy, and one running
// while an update lands finishes with the copy it started with.
TEST(ToolUpdater, ADownloadKeepsItsCopyWhileAnUpdateLandsAndTheNextOneUsesTheNewCopy)
{
    UpdaterFixture f(true);
    REQUIRE_FIXTURE(f);
    LocalMediaServer media;
    ASSERT_TRUE(media.isReady()) << media.errorString().toStdString();
    EnvironmentGuard real("TARVELLE_TEST_REAL_YTDLP", (buildToolsDirectory() + "/yt-dlp").toUtf8());
    QTemporaryDir gates;
    const QString gate = gates.filePath("go");
    EnvironmentGuard gateVariable("TARVELLE_TEST_GATE", gate.toUtf8());

    // Newer than any shipped yt-dlp: updates only go forward.
    f.publishYtDlp("2099.09.01");
    ASSERT_EQ(f.run("yt-dlp", true).kind, ToolUpdateResult::Kind::installed);

    CoordinatorFixture downloads(f.resources());
    downloads.coordinator->addURLs(media.url(LocalMediaServer::kVideoPath));
    const DownloadJobPtr first = downloads.jobAt(0);
    ASSERT_TRUE(waitUntil([&] { return first->logLines().contains("[test release] 2099.09.01"); },
                          std::chrono::seconds(30)))
        << first->logLines().join('\n').toStdString();

    f.publishYtDlp("2099.10.02");
    ASSERT_EQ(f.run("yt-dlp", true).kind, ToolUpdateResult::Kind::installed);
    QFile(gate).open(QIODevice::WriteOnly);

    ASSERT_TRUE(downloads.waitForEnd(first, std::chrono::seconds(60)));
    EXPECT_EQ(first->status(), DownloadStatus::completed) << first->logLines().join('\n').toStdString();
    EXPECT_TRUE(first->logLines().contains("[test release] late import 2099.09.01"))
        << "the running download still read its own copy";
    EXPECT_TRUE(QFileInfo::exists(first->outputPath()));

    downloads.coordinator->addURLs(media.url(LocalMediaServer::kVideoPath));
    const DownloadJobPtr second = downloads.jobAt(1);
    ASSERT_TRUE(downloads.waitForEnd(second, std::chrono::seconds(60)));
    EXPECT_EQ(second->status(), DownloadStatus::completed) << second->logLines().join('\n').toStdString();
    EXPECT_TRUE(second->logLines().contains("[test release] 2099.10.02"));

    // A copy changed afterwards is passed over: the shipped yt-dlp downloads.
    QFile installed(*ToolResolver::resolve().tool("yt-dlp").path);
    installed.open(QIODevice::Append);
    installed.write("\n");
    installed.close();
    const EngineDiagnosticsReport report = EngineDiagnostics::run(f.resources());
    EXPECT_EQ(report.tools.at(0).source, ToolSource::shipped);
    EXPECT_TRUE(report.tools.at(0).userCopyIgnored.value_or("").contains("changed after it was installed"));
    downloads.coordinator->addURLs(media.url(LocalMediaServer::kVideoPath));
    const DownloadJobPtr third = downloads.jobAt(2);
    ASSERT_TRUE(downloads.waitForEnd(third, std::chrono::seconds(60)));
    EXPECT_EQ(third->status(), DownloadStatus::completed);
    EXPECT_FALSE(third->logLines().join('\n').contains("[test release]"));
}
