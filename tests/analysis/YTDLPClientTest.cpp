#include "analysis/YTDLPClient.h"
#include "analysis/SavedInfo.h"
#include "settings/AppConfiguration.h"
#include "settings/AppSettings.h"
#include "support/LocalMediaServer.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

// yt-dlp's answer for a clip with `formats` formats, on one line.
QByteArray answerWithFormats(int formats)
{
    QByteArray answer = R"({"id": "many", "title": "Many formats", "formats": [)";
    for (int i = 0; i < formats; ++i) {
        answer += (i ? ", " : "") + QStringLiteral(R"({"format_id": "hls-%1", "ext": "mp4", "height": 720,)"
                                                   R"( "url": "https://media.example/%1/index.m3u8"})")
                                        .arg(i)
                                        .toUtf8();
    }
    return answer + "]}";
}

// A category's raw text, the metadata's title in quotes, or a list's
// title in quotes and its number of entries.
std::string describe(const AnalyzeResult &result)
{
    if (result.hasMetadata())
        return QStringLiteral("metadata \"%1\"").arg(result.metadata().title).toStdString();
    if (result.hasList())
        return QStringLiteral("list \"%1\" of %2").arg(result.list().title).arg(result.list().entries.size()).toStdString();
    return DownloadErrorCategories::rawValue(result.error()).toStdString();
}

// Settings in a temporary folder, and a client that reads them.
class YTDLPClientTest : public ::testing::Test
{
protected:
    AnalyzeResult analyze(const QString &url, AnalysisCancelToken cancel = {})
    {
        return analyze(url, YTDLPClient::Scope::list, std::move(cancel));
    }
    AnalyzeResult analyze(const QString &url, YTDLPClient::Scope scope, AnalysisCancelToken cancel = {})
    {
        const std::optional<AnalyzeResult> result =
            waitFor(m_client.analyze(url, cancel, YTDLPClient::KeepInfo::no, scope), 60s);
        if (!result) {
            ADD_FAILURE() << "no result for " << url.toStdString();
            return DownloadErrorCategory::unknown;
        }
        return *result;
    }

    QTemporaryDir m_settingsDir;
    // Saved answers go into a cache folder of the test's own.
    ScopedEnvironment m_cache{"XDG_CACHE_HOME", m_settingsDir.filePath(QStringLiteral("cache"))};
    AppSettings m_settings{m_settingsDir.filePath(QStringLiteral("settings.json"))};
    YTDLPClient m_client{m_settings};
};

// The yt-dlp the bootstrap script put into the build tree, against the local server.
class YTDLPClientRealToolTest : public YTDLPClientTest
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QFileInfo(buildToolsDirectory() + "/yt-dlp").isExecutable())
            << "run scripts/bootstrap-tools.sh on the build tree first";
        ASSERT_TRUE(m_server.isReady()) << m_server.errorString().toStdString();
    }

    void describesMasterPlaylist()
    {
        const QString path = m_server.addMasterPlaylist(2500);
        ASSERT_TRUE(m_server.errorString().isEmpty()) << m_server.errorString().toStdString();
        const AnalyzeResult result = analyze(m_server.url(path));
        ASSERT_TRUE(result.hasMetadata()) << describe(result);
        EXPECT_EQ(result.metadata().formats.size(), 2500);
        EXPECT_EQ(result.metadata().webpageUrl, m_server.url(path));
    }

    AppConfiguration::ScopedResourcesDirectory m_scope{QFileInfo(buildToolsDirectory()).absolutePath()};
    LocalMediaServer m_server;
};

// A fixture resources folder whose Tools/yt-dlp is a script.
class YTDLPClientFakeToolTest : public YTDLPClientTest
{
protected:
    void SetUp() override { ASSERT_TRUE(QDir(m_resources.path()).mkpath("Tools")); }

    void fakeYtDlp(const QByteArray &body) { writeScript(m_resources, "Tools/yt-dlp", body); }
    QString toolsPath() const { return m_resources.filePath("Tools"); }
    // The fakes that note their start write this file.
    QString startedMarker() const { return m_resources.filePath("Tools/started"); }

    QTemporaryDir m_resources;
    AppConfiguration::ScopedResourcesDirectory m_scope{m_resources.path()};
};

const QString kLink = QStringLiteral("https://media.example/watch?v=abc");

} // namespace

TEST_F(YTDLPClientRealToolTest, DirectMediaFile)
{
    const QString url = m_server.url(LocalMediaServer::kVideoPath);
    const AnalyzeResult result = analyze(url);
    ASSERT_TRUE(result.hasMetadata()) << describe(result);
    const MediaMetadata &metadata = result.metadata();
    EXPECT_EQ(metadata.title, QStringLiteral("video"));
    EXPECT_EQ(metadata.id, QStringLiteral("video"));
    EXPECT_EQ(metadata.webpageUrl, url);
    EXPECT_EQ(metadata.extractor, QStringLiteral("generic"));
    ASSERT_FALSE(metadata.formats.isEmpty());
    EXPECT_EQ(metadata.formats.first().ext, QStringLiteral("mp4"));
}

TEST_F(YTDLPClientRealToolTest, PageWithATitleAndAVideo)
{
    const AnalyzeResult result = analyze(m_server.url(LocalMediaServer::kPagePath));
    ASSERT_TRUE(result.hasMetadata()) << describe(result);
    // yt-dlp numbers the media it finds on a page: "<title> (1)".
    EXPECT_TRUE(result.metadata().title.startsWith(LocalMediaServer::kPageTitle))
        << result.metadata().title.toStdString();
    EXPECT_FALSE(result.metadata().id.isEmpty());
    EXPECT_FALSE(result.metadata().formats.isEmpty());
}

TEST_F(YTDLPClientRealToolTest, ListsAFeedOfAThousandEntriesFlat)
{
    const QString url = m_server.url(LocalMediaServer::kFeedPath + QStringLiteral("?count=1000"));
    const AnalyzeResult result = analyze(url);
    ASSERT_TRUE(result.hasList()) << describe(result);
    const MediaList &list = result.list();
    EXPECT_EQ(list.title, LocalMediaServer::kFeedTitle);
    ASSERT_EQ(list.entries.size(), 1000);
    const MediaListEntry &last = list.entries.last();
    EXPECT_EQ(last.index, 1000);
    EXPECT_EQ(last.title, QStringLiteral("Entry 1000"));
    EXPECT_EQ(last.durationString(), QStringLiteral("0:02"));
    EXPECT_EQ(last.url, m_server.url(LocalMediaServer::kPagePath + QStringLiteral("?title=Entry%201000")));
    EXPECT_FALSE(last.fetchFromList);
}

TEST_F(YTDLPClientRealToolTest, APageOfSeveralVideosIsAListWhoseEntriesAreFetchedThroughIt)
{
    const QString url = m_server.url(LocalMediaServer::kPlaylistPath);
    const AnalyzeResult whole = analyze(url);
    ASSERT_TRUE(whole.hasList()) << describe(whole);
    EXPECT_EQ(whole.list().title, QStringLiteral("Playlist Page"));
    ASSERT_EQ(whole.list().entries.size(), 3);
    for (const MediaListEntry &entry : whole.list().entries) {
        EXPECT_TRUE(entry.fetchFromList);
        EXPECT_EQ(entry.url, url);
        EXPECT_EQ(entry.title, QStringLiteral("Playlist Page (%1)").arg(entry.index));
    }
}

// A link naming one video of a page of several (yt-dlp names the page's
// videos "<last part of the link>-N", here "clip-N": the link's v=clip-2 is
// entry 2's id): that video, formats and all, with the list it is in, from
// the one listing; asked for the list, the list, naming the entry.
TEST_F(YTDLPClientRealToolTest, AVideoOpenedInsideAPageOfSeveralIsThatVideoWithItsList)
{
    const QString url = m_server.url(LocalMediaServer::kPlaylistPath + QStringLiteral("?v=clip-2&from=/clip"));
    const AnalyzeResult video = analyze(url, YTDLPClient::Scope::linkedItem);
    ASSERT_TRUE(video.hasMetadata()) << describe(video);
    EXPECT_EQ(video.metadata().title, QStringLiteral("Playlist Page (2)"));
    EXPECT_EQ(video.metadata().id, QStringLiteral("clip-2"));
    EXPECT_FALSE(video.metadata().formats.isEmpty());
    ASSERT_TRUE(video.enclosingList());
    EXPECT_EQ(video.enclosingList()->title, QStringLiteral("Playlist Page"));
    EXPECT_EQ(video.enclosingList()->linkedEntry, 2);
    EXPECT_EQ(video.enclosingList()->entries.size(), 3);

    const AnalyzeResult whole = analyze(url, YTDLPClient::Scope::list);
    ASSERT_TRUE(whole.hasList()) << describe(whole);
    EXPECT_EQ(whole.list().linkedEntry, 2);
}

// A link to a list itself is the list, also when a video is asked for.
TEST_F(YTDLPClientRealToolTest, AListLinkIsTheListWhicheverIsAsked)
{
    const QString url = m_server.url(LocalMediaServer::kFeedPath + QStringLiteral("?count=3"));
    const AnalyzeResult result = analyze(url, YTDLPClient::Scope::linkedItem);
    ASSERT_TRUE(result.hasList()) << describe(result);
    EXPECT_EQ(result.list().entries.size(), 3);
}

TEST_F(YTDLPClientRealToolTest, HlsStream)
{
    const AnalyzeResult result = analyze(m_server.url(LocalMediaServer::kHlsPath));
    ASSERT_TRUE(result.hasMetadata()) << describe(result);
    EXPECT_EQ(result.metadata().id, QStringLiteral("index"));
    EXPECT_FALSE(result.metadata().formats.isEmpty());
}

// Sites with many renditions make yt-dlp answer with megabytes on one line:
// 2,500 variants give about 2 MB, twice the line bound of progress output.
// Checked with Debian's yt-dlp and, when it is there, a current one.
TEST_F(YTDLPClientRealToolTest, MasterPlaylistOfThousandsOfVariantsIsDescribedWhole)
{
    describesMasterPlaylist();
}

TEST_F(YTDLPClientRealToolTest, MasterPlaylistOfThousandsOfVariantsWithACurrentYtDlp)
{
    const QString current = currentYtDlp();
    if (current.isEmpty())
        GTEST_SKIP() << "no current yt-dlp at ../shared/tools/yt-dlp-2026.08.19";
    QTemporaryDir resources;
    ASSERT_TRUE(QDir(resources.path()).mkpath("Tools"));
    ASSERT_TRUE(QFile::link(current, resources.filePath("Tools/yt-dlp")));
    AppConfiguration::ScopedResourcesDirectory tools(resources.path());
    describesMasterPlaylist();
}

TEST_F(YTDLPClientRealToolTest, FailuresAreClassified)
{
    QFile page(QDir(m_server.mediaDirectory()).filePath("empty.html"));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write("<!DOCTYPE html><html><head><title>Nothing</title></head><body>no media</body></html>\n");
    page.close();
    const QList<std::pair<QString, DownloadErrorCategory>> cases{
        {"/404", DownloadErrorCategory::network},
        {"/empty.html", DownloadErrorCategory::unsupportedURL},
    };
    for (const auto &[path, expected] : cases) {
        const AnalyzeResult result = analyze(m_server.url(path));
        EXPECT_EQ(describe(result), DownloadErrorCategories::rawValue(expected).toStdString()) << path.toStdString();
    }
}

TEST_F(YTDLPClientFakeToolTest, OutcomesOfTheRun)
{
    struct Case
    {
        const char *name;
        QByteArray script;
        std::string expected; // a category's raw text, or the title of the metadata
    };
    const QList<Case> cases{
        {"private video on stderr, exit 1",
         "echo \"ERROR: [generic] abc: Private video. Sign in if you've been granted access\" >&2\nexit 1\n",
         "privateMedia"},
        {"error text on stdout, exit 1", "echo 'ERROR: This video is private'\nexit 1\n", "privateMedia"},
        {"unclassified failure", "echo 'ERROR: something odd' >&2\nexit 2\n", "unknown"},
        {"exit 0 without output", "exit 0\n", "unknown"},
        {"exit 0 with text that is not JSON", "echo '[generic] Extracting URL'\n", "unknown"},
        {"exit 0 with a JSON list", "echo '[{\"title\": \"x\"}]'\n", "unknown"},
        {"exit 0 with a document and something after it", "echo '{\"title\": \"x\"}'\necho 'done'\n", "unknown"},
        {"warnings on stderr only",
         "echo 'WARNING: [generic] Falling back on generic information extractor' >&2\n"
         "echo '{\"id\": \"abc\", \"title\": \"Warned but fine\"}'\n"
         "echo 'WARNING: another one' >&2\n",
         "metadata \"Warned but fine\""},
        {"a document over several lines", "printf '{\\n  \"title\": \"Spread\",\\n  \"id\": \"s\"\\n}\\n'\n",
         "metadata \"Spread\""},
        {"UTF-8 text", "printf '{\"title\": \"\\346\\227\\245\\346\\234\\254 \\360\\237\\216\\265\"}\\n'\n",
         "metadata \"日本 🎵\""},
    };
    for (const Case &c : cases) {
        fakeYtDlp(c.script);
        EXPECT_EQ(describe(analyze(kLink)), c.expected) << c.name;
    }
}

TEST_F(YTDLPClientFakeToolTest, AFailureKeepsWhatTheToolSaidOnStandardError)
{
    fakeYtDlp("echo '{\"partial\": ' \necho 'ERROR: [generic] HTTP Error 404: Not Found' >&2\nexit 1\n");
    const auto result = analyze(kLink);
    ASSERT_TRUE(result.isError());
    EXPECT_EQ(result.errorOutput(), "ERROR: [generic] HTTP Error 404: Not Found\n");
}

TEST_F(YTDLPClientFakeToolTest, RunsTheAnalyzeCommandWithTheStoredCookiesAndTheToolsOnThePath)
{
    fakeYtDlp("printf '%s\\n' \"$@\" > \"$(dirname \"$0\")/arguments\"\n"
              "printf '%s\\n' \"$PATH\" > \"$(dirname \"$0\")/path\"\n"
              "echo '{\"title\": \"t\"}'\n");
    m_settings.setCookieFilePath(" /home/user/cookies.txt\n");
    ASSERT_TRUE(analyze(kLink).hasMetadata());

    QFile arguments(QDir(toolsPath()).filePath("arguments"));
    ASSERT_TRUE(arguments.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(arguments.readAll()),
              "--ignore-config\n-J\n--no-warnings\n--no-color\n--flat-playlist\n--yes-playlist\n--cookies\n/home/user/cookies.txt\n" + kLink + "\n");
    QFile path(QDir(toolsPath()).filePath("path"));
    ASSERT_TRUE(path.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(path.readAll()).startsWith(toolsPath() + ":"));
}

// A listing that names the linked entry by its link alone, as a site's
// playlist does (which the local server cannot serve): the entry's own page
// is read, without its list, for the video's formats; the list comes along.
TEST_F(YTDLPClientFakeToolTest, AnEntryListedByItsLinkAloneIsReadFromItsOwnPage)
{
    const QString entry = QStringLiteral("https://media.example/watch?v=bbbbbbbbbbb");
    fakeYtDlp("printf '%s\\n' \"$@\" >> \"$(dirname \"$0\")/arguments\"\n"
              "case \"$*\" in *--yes-playlist*) echo '{\"_type\": \"playlist\", \"title\": \"Mix\", \"entries\": ["
              "{\"_type\": \"url\", \"id\": \"aaaaaaaaaaa\", \"url\": \"https://media.example/watch?v=aaaaaaaaaaa\"}, "
              "{\"_type\": \"url\", \"id\": \"bbbbbbbbbbb\", \"url\": \"" + entry.toUtf8() + "\"}]}' ;;\n"
              "*) echo '{\"id\": \"bbbbbbbbbbb\", \"title\": \"Second\"}' ;;\nesac\n");
    const QString link = QStringLiteral("https://media.example/watch?v=bbbbbbbbbbb&list=PL9");
    const std::optional<AnalyzeResult> result =
        waitFor(m_client.analyze(link, {}, YTDLPClient::KeepInfo::no, YTDLPClient::Scope::linkedItem));
    ASSERT_TRUE(result);
    ASSERT_TRUE(result->hasMetadata()) << describe(*result);
    EXPECT_EQ(result->metadata().title, QStringLiteral("Second"));
    ASSERT_TRUE(result->enclosingList());
    EXPECT_EQ(result->enclosingList()->title, QStringLiteral("Mix"));
    EXPECT_EQ(result->enclosingList()->linkedEntry, 2);

    QFile arguments(QDir(toolsPath()).filePath("arguments"));
    ASSERT_TRUE(arguments.open(QIODevice::ReadOnly));
    const QString runs = QString::fromUtf8(arguments.readAll());
    EXPECT_EQ(runs, "--ignore-config\n-J\n--no-warnings\n--no-color\n--flat-playlist\n--yes-playlist\n" + link +
                        "\n--ignore-config\n-J\n--no-warnings\n--no-color\n--flat-playlist\n--no-playlist\n" + entry + "\n");
}

TEST_F(YTDLPClientFakeToolTest, RefusedLinksAndMissingToolsStartNothing)
{
    fakeYtDlp("touch \"$(dirname \"$0\")/started\"\necho '{}'\n");
    EXPECT_EQ(describe(analyze("ftp://media.example/a")), "invalidURL");
    EXPECT_EQ(describe(analyze(" " + kLink)), "invalidURL");
    {
        AppConfiguration::ScopedResourcesDirectory none(std::nullopt);
        EXPECT_EQ(describe(analyze(kLink)), "toolMissing");
    }
    EXPECT_FALSE(QFileInfo::exists(startedMarker()));
}

TEST_F(YTDLPClientFakeToolTest, AToolsFolderWithoutYtDlpGivesToolMissing)
{
    EXPECT_EQ(describe(analyze(kLink)), "toolMissing");
    // A tool that exits with 127 and says why is classified as usual.
    fakeYtDlp("echo 'ERROR: Private video' >&2\nexit 127\n");
    EXPECT_EQ(describe(analyze(kLink)), "privateMedia");
}

TEST_F(YTDLPClientFakeToolTest, AYtDlpThatCannotBeStartedGivesToolMissing)
{
    const QString path = QDir(toolsPath()).filePath("yt-dlp");
    const QList<std::pair<const char *, QByteArray>> cases = {
        {"not executable", "#!/bin/sh\necho '{}'\n"},
        {"not a program", QByteArray("\x7f" "ELFgarbage")},
    };
    for (const auto &[name, content] : cases) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
        file.close();
        const bool executable = QByteArray(name) != "not executable";
        file.setPermissions(executable ? QFile::ReadOwner | QFile::ExeOwner : QFile::ReadOwner);
        EXPECT_EQ(describe(analyze(kLink)), "toolMissing") << name;
    }
}

TEST_F(YTDLPClientFakeToolTest, CancellingARunningAnalysisEndsItsProcessGroup)
{
    fakeYtDlp("touch \"$(dirname \"$0\")/started\"\nsleep 60 &\nwait\n");
    AnalysisCancelToken cancel;
    QFuture<AnalyzeResult> future = m_client.analyze(kLink, cancel);
    ASSERT_TRUE(waitUntil([&] { return QFileInfo::exists(startedMarker()); }));
    EXPECT_FALSE(future.isFinished());
    cancel.cancel();
    const std::optional<AnalyzeResult> result = waitFor(future);
    ASSERT_TRUE(result);
    EXPECT_EQ(describe(*result), "cancelled");
    EXPECT_TRUE(waitUntil([&] { return processesMatching(toolsPath()).isEmpty(); }));
}

TEST_F(YTDLPClientFakeToolTest, CancellingBeforehandStartsNothingAndAfterwardsChangesNothing)
{
    fakeYtDlp("touch \"$(dirname \"$0\")/started\"\necho '{\"title\": \"t\"}'\n");
    AnalysisCancelToken early;
    early.cancel();
    EXPECT_EQ(describe(analyze(kLink, early)), "cancelled");
    EXPECT_FALSE(QFileInfo::exists(startedMarker()));

    // Cancelling an ended analysis leaves its delivered result as it was;
    // the token stays cancelled, so a later analysis with it never starts.
    AnalysisCancelToken late;
    const QFuture<AnalyzeResult> ended = m_client.analyze(kLink, late);
    ASSERT_TRUE(waitFor(ended, 60s));
    late.cancel();
    EXPECT_EQ(describe(ended.result()), "metadata \"t\"");
    ASSERT_TRUE(QFile::remove(startedMarker()));
    EXPECT_EQ(describe(analyze(kLink, late)), "cancelled");
    EXPECT_FALSE(QFileInfo::exists(startedMarker()));
}

TEST_F(YTDLPClientFakeToolTest, AnalysesRunSideBySideWithoutSharingOutput)
{
    // Prints the link as the title, slowly and in pieces, with noise on stderr.
    fakeYtDlp("for a; do link=$a; done\n"
              "printf '{\"title\": \"%s\",\\n' \"$link\"\n"
              "echo \"WARNING: $link\" >&2\nsleep 0.2\n"
              "printf '\"id\": \"x\"}\\n'\n");
    QList<QFuture<AnalyzeResult>> futures;
    for (int i = 0; i < 4; ++i)
        futures << m_client.analyze(kLink + QString::number(i));
    for (int i = 0; i < 4; ++i) {
        const std::optional<AnalyzeResult> result = waitFor(futures[i]);
        ASSERT_TRUE(result);
        EXPECT_EQ(describe(*result), "metadata \"" + (kLink + QString::number(i)).toStdString() + "\"");
    }
}

TEST_F(YTDLPClientFakeToolTest, AnAnswerOnOneLongLineIsReadWhole)
{
    QFile answer(m_resources.filePath("answer.json"));
    ASSERT_TRUE(answer.open(QIODevice::WriteOnly));
    answer.write(answerWithFormats(20000) + "\n");
    answer.close();
    ASSERT_GT(answer.size(), 2 * 1024 * 1024);
    fakeYtDlp("cat '" + answer.fileName().toUtf8() + "'\n");
    const AnalyzeResult result = analyze(kLink);
    ASSERT_TRUE(result.hasMetadata()) << describe(result);
    EXPECT_EQ(result.metadata().formats.size(), 20000);
    EXPECT_EQ(result.metadata().formats.last().id, "hls-19999");
}

// Never a cut document: beyond the limit the analysis stops yt-dlp and says
// why in a sentence of its own.
TEST_F(YTDLPClientFakeToolTest, AnAnswerBeyondTheLimitStopsYtDlpWithASentenceOfItsOwn)
{
    fakeYtDlp("exec tr -d '\\n' < /dev/zero\n");
    const YTDLPClient client(m_settings, 1024 * 1024);
    const std::optional<AnalyzeResult> result = waitFor(client.analyze(kLink), 30s);
    ASSERT_TRUE(result) << "yt-dlp was not stopped";
    ASSERT_TRUE(result->isError());
    EXPECT_EQ(result->error(), DownloadErrorCategory::unknown);
    EXPECT_STREQ(result->message(),
                 "The description yt-dlp gave of this link is larger than 256 MiB, more than Tarvelle reads.");
    EXPECT_TRUE(waitUntil([&] { return processesMatching(toolsPath()).isEmpty(); }));
}

TEST_F(YTDLPClientFakeToolTest, AKeptAnswerIsAPrivateFileUntilItsLastHolderLetsGo)
{
    const QByteArray answer = answerWithFormats(3);
    fakeYtDlp("printf '%s\\n' '" + answer + "'\n");
    EXPECT_EQ(analyze(kLink).savedInfo(), nullptr) << "kept only when asked for";

    QString path;
    {
        const auto result = waitFor(m_client.analyze(kLink, {}, YTDLPClient::KeepInfo::yes));
        ASSERT_TRUE(result && result->hasMetadata());
        const std::shared_ptr<const SavedInfo> saved = result->savedInfo();
        ASSERT_NE(saved, nullptr);
        path = saved->path();
        EXPECT_EQ(QFileInfo(path).absolutePath(), m_settingsDir.filePath("cache/tarvelle/info"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), answer + "\n");
        EXPECT_TRUE(saved->isFresh());
    }
    // The analysis's future keeps a copy of its result until the run's
    // reader thread is done, a moment after the result was delivered.
    EXPECT_TRUE(waitUntil([&] { return !QFileInfo::exists(path); }, 5s)) << "removed with its last holder";

    // yt-dlp drops a playlist's entries when it loads saved info: a video
    // wrapped as a list of one is not saved.
    fakeYtDlp(R"(echo '{"title": "List", "entries": [{"id": "a", "title": "A", "formats": []}]}')");
    const auto playlist = waitFor(m_client.analyze(kLink, {}, YTDLPClient::KeepInfo::yes));
    ASSERT_TRUE(playlist && playlist->hasMetadata());
    EXPECT_EQ(playlist->metadata().title, "A");
    EXPECT_EQ(playlist->savedInfo(), nullptr);
}
