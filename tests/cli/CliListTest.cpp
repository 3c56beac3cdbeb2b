#include "cli/AnalyzeCommand.h"
#include "cli/CliArguments.h"
#include "cli/CliHarness.h"
#include "analysis/MediaList.h"
#include "support/LocalMediaServer.h"
#include "support/LocalServerTest.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const QString kSkipped = QStringLiteral("Skipped: the download archive shows it was downloaded before.");

// The records of a history, one run after another, each run's in list
// order (a run's jobs end in any order).
QList<QJsonObject> byRunAndPlace(const QJsonArray &history, const QList<int> &runSizes)
{
    QList<QJsonObject> oldestFirst;
    for (const QJsonValue &value : history)
        oldestFirst.prepend(value.toObject());
    auto first = oldestFirst.begin();
    for (const int size : runSizes) {
        if (oldestFirst.end() - first < size)
            break;
        std::sort(first, first + size, [](const QJsonObject &a, const QJsonObject &b) {
            return a.value("listIndex").toInt() < b.value("listIndex").toInt();
        });
        first += size;
    }
    return oldestFirst;
}

// The last line of `out` that starts with `start`: a job's final state.
QString lastLine(const QString &out, const QString &start)
{
    const QStringList lines = out.split('\n');
    const auto found = std::find_if(lines.rbegin(), lines.rend(), [&](const QString &line) { return line.startsWith(start); });
    return found == lines.rend() ? QString() : *found;
}

} // namespace

// Readable texts in assertion messages (found by argument-dependent lookup).
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

// Lists against the local server (a page of several videos, an RSS feed)
// with the shipped tools, and a history and a download archive of the test's
// own user.
class CliList : public LocalServerTest
{
protected:
    void SetUp() override
    {
        LocalServerTest::SetUp();
        if (HasFatalFailure())
            return;
        ASSERT_TRUE(m_user.isValid());
        ASSERT_TRUE(m_output.isValid());
    }

    static QString feed(int count) { return s_server->url(LocalMediaServer::kFeedPath + "?count=" + QString::number(count)); }
    static QString entryPage(int n) { return s_server->url(LocalMediaServer::kPagePath + "?title=Entry%20" + QString::number(n)); }

    QStringList files() const { return QDir(m_output.path()).entryList(QDir::Files, QDir::Name); }
    CliResult download(const QStringList &arguments) const
    {
        return m_user.run(QStringList{"download", "--quality", "480", "--output", m_output.path()} + arguments);
    }

    CliUser m_user;
    QTemporaryDir m_output;
};

TEST_F(CliList, AnalyzeListsEveryEntry)
{
    const CliResult text = m_user.run({"analyze", feed(5)});
    ASSERT_EQ(text.exitCode, 0) << text.err.toStdString();
    const QStringList lines = text.out.split('\n');
    for (const QString &expected : {"List: " + LocalMediaServer::kFeedTitle, "Link: " + feed(5), QString("Entries: 5")})
        EXPECT_TRUE(lines.contains(expected)) << expected.toStdString() << "\n" << text.out.toStdString();
    for (int n = 1; n <= 5; ++n) {
        const QString row = QStringLiteral("  %1  Entry %1  0:02  %2").arg(n).arg(entryPage(n));
        EXPECT_TRUE(lines.contains(row)) << row.toStdString() << "\n" << text.out.toStdString();
    }

    const CliResult json = m_user.run({"analyze", "--json", feed(5)});
    ASSERT_EQ(json.exitCode, 0) << json.err.toStdString();
    const QJsonObject list = QJsonDocument::fromJson(json.out.toUtf8()).object();
    EXPECT_EQ(list.value("type").toString(), "list");
    EXPECT_EQ(list.value("title").toString(), LocalMediaServer::kFeedTitle);
    EXPECT_EQ(list.value("webpageUrl").toString(), feed(5));
    EXPECT_FALSE(list.contains("linkedEntry"));
    const QJsonArray entries = list.value("entries").toArray();
    ASSERT_EQ(entries.size(), 5) << json.out.toStdString();
    for (int n = 1; n <= 5; ++n) {
        const QJsonObject entry = entries.at(n - 1).toObject();
        EXPECT_EQ(entry.value("index").toInt(), n);
        EXPECT_EQ(entry.value("title").toString(), QStringLiteral("Entry %1").arg(n));
        EXPECT_EQ(entry.value("duration").toDouble(), 2.0);
        EXPECT_EQ(entry.value("url").toString(), entryPage(n));
        EXPECT_FALSE(entry.contains("fetchFromList"));
    }
}

// A link naming one video of a page of several: yt-dlp names the page's
// videos "<last part of the link>-N", here "clip-N", so the link's v=clip-2
// is the id of entry 2. Analysed, it is that video, with its place in the
// list; with --playlist, the list, naming the entry.
TEST_F(CliList, AnalyzeOfAVideoInsideAListDescribesTheVideoAndNamesTheList)
{
    const QString link = s_server->url(LocalMediaServer::kPlaylistPath + "?v=clip-2&from=/clip");
    const CliResult text = m_user.run({"analyze", link});
    ASSERT_EQ(text.exitCode, 0) << text.err.toStdString();
    const QStringList lines = text.out.split('\n');
    for (const QString &expected : {QStringLiteral("Entry 2 of “Playlist Page” (3 entries)"),
                                    QStringLiteral("Title: Playlist Page (2)"), QStringLiteral("Formats: 1")})
        EXPECT_TRUE(lines.contains(expected)) << expected.toStdString() << "\n" << text.out.toStdString();

    const CliResult json = m_user.run({"analyze", "--json", link});
    ASSERT_EQ(json.exitCode, 0) << json.err.toStdString();
    const QJsonObject video = QJsonDocument::fromJson(json.out.toUtf8()).object();
    EXPECT_EQ(video.value("title").toString(), "Playlist Page (2)");
    const QJsonObject list = video.value("list").toObject();
    EXPECT_EQ(list.value("title").toString(), "Playlist Page");
    EXPECT_EQ(list.value("index").toInt(), 2);
    EXPECT_EQ(list.value("count").toInt(), 3);

    const CliResult whole = m_user.run({"analyze", "--playlist", link});
    ASSERT_EQ(whole.exitCode, 0) << whole.err.toStdString();
    const QStringList listLines = whole.out.split('\n');
    for (const QString &expected : {QStringLiteral("List: Playlist Page"), QStringLiteral("Entries: 3"),
                                    QStringLiteral("The link itself is entry 2 of this list.")})
        EXPECT_TRUE(listLines.contains(expected)) << expected.toStdString() << "\n" << whole.out.toStdString();
}

// Entries that live on the list's own page are fetched as items of it; the
// history keeps each one's place in the list.
TEST_F(CliList, DownloadsTheChosenItemsOfAPage)
{
    const QString page = s_server->url(LocalMediaServer::kPlaylistPath + "?count=3");
    const CliResult result = download({"--playlist", "--items", "1,3", page});

    EXPECT_EQ(result.exitCode, 0) << result.out.toStdString() << result.err.toStdString();
    EXPECT_EQ(files().size(), 2) << files().join(", ").toStdString();
    EXPECT_TRUE(result.out.contains("[2/2] ")) << result.out.toStdString();
    EXPECT_FALSE(result.out.contains("[1/3]")) << result.out.toStdString();

    const QList<QJsonObject> records = byRunAndPlace(m_user.history(), {2});
    ASSERT_EQ(records.size(), 2);
    const int indices[] = {1, 3};
    for (int i = 0; i < 2; ++i) {
        const QJsonObject &record = records.at(i);
        EXPECT_EQ(record.value("finalStatusRaw").toString(), "completed");
        EXPECT_EQ(record.value("listTitle").toString(), "Playlist Page");
        EXPECT_EQ(record.value("listIndex").toInt(), indices[i]);
        EXPECT_TRUE(record.value("fetchedFromList").toBool());
        EXPECT_EQ(record.value("sourceURL").toString(), page);
        EXPECT_TRUE(files().contains(QFileInfo(record.value("finalFilePath").toString()).fileName()))
            << record.value("finalFilePath").toString().toStdString();
    }
    EXPECT_NE(records.at(0).value("finalFilePath"), records.at(1).value("finalFilePath"));
}

// --new-only, as a timer runs it: each run fetches only the entries no
// earlier run downloaded; the others count as done.
TEST_F(CliList, NewOnlyFetchesOnlyNewEntries)
{
    const CliResult first = download({"--playlist", "--new-only", feed(2)});
    EXPECT_EQ(first.exitCode, 0) << first.out.toStdString() << first.err.toStdString();
    const QStringList twoFiles = files();
    EXPECT_EQ(twoFiles.size(), 2) << twoFiles.join(", ").toStdString();
    EXPECT_FALSE(first.out.contains(kSkipped)) << first.out.toStdString();

    const CliResult again = download({"--playlist", "--new-only", feed(2)});
    EXPECT_EQ(again.exitCode, 0) << again.out.toStdString() << again.err.toStdString();
    EXPECT_EQ(files(), twoFiles);
    for (int n = 1; n <= 2; ++n) {
        const QString line = lastLine(again.out, QStringLiteral("[%1/2] Entry %1 — ").arg(n));
        EXPECT_TRUE(line.contains(" — Completed · ") && line.endsWith(" · " + kSkipped)) << again.out.toStdString();
    }

    const CliResult grown = download({"--playlist", "--new-only", feed(3)});
    EXPECT_EQ(grown.exitCode, 0) << grown.out.toStdString() << grown.err.toStdString();
    const QStringList threeFiles = files();
    ASSERT_EQ(threeFiles.size(), 3) << threeFiles.join(", ").toStdString();
    EXPECT_TRUE(std::all_of(twoFiles.begin(), twoFiles.end(), [&](const QString &file) { return threeFiles.contains(file); }));
    for (int n = 1; n <= 2; ++n)
        EXPECT_TRUE(lastLine(grown.out, QStringLiteral("[%1/3] Entry %1 — ").arg(n)).endsWith(" · " + kSkipped))
            << grown.out.toStdString();
    // The run names the new entry from its own page.
    const QString fetched = lastLine(grown.out, "[3/3] Entry 3");
    EXPECT_TRUE(fetched.contains(" — Completed · ") && !fetched.contains(kSkipped)) << grown.out.toStdString();
    EXPECT_TRUE(fetched.endsWith(QDir(m_output.path()).filePath(threeFiles.at(2)))) << grown.out.toStdString();

    // Seven runs of an entry: three fetched it, four found it in the archive.
    const QList<QJsonObject> records = byRunAndPlace(m_user.history({"--success"}), {2, 2, 3});
    ASSERT_EQ(records.size(), 7);
    const QList<std::pair<int, bool>> expected{{1, false}, {2, false}, {1, true}, {2, true},
                                                {1, true},  {2, true},  {3, false}};
    for (qsizetype i = 0; i < records.size(); ++i) {
        const QJsonObject &record = records.at(i);
        const auto [index, skipped] = expected.at(i);
        EXPECT_EQ(record.value("listTitle").toString(), LocalMediaServer::kFeedTitle) << i;
        EXPECT_EQ(record.value("listIndex").toInt(), index) << i;
        EXPECT_FALSE(record.value("fetchedFromList").toBool()) << i;
        EXPECT_EQ(record.value("sourceURL").toString(), entryPage(index)) << i;
        EXPECT_EQ(record.value("note").toString(), skipped ? kSkipped : QString()) << i;
        EXPECT_EQ(record.value("finalFilePath").isNull(), skipped) << i;
    }
}

// What cannot be a list download is refused before anything is fetched:
// the reason on stderr, exit 2, no file, no record.
TEST_F(CliList, RefusedChoicesExitWithTwo)
{
    const QString page = s_server->url(LocalMediaServer::kPlaylistPath + "?count=3");
    struct Case
    {
        QStringList arguments;
        QString message;
    };
    const QList<Case> cases{
        {{"--items", "0", page}, "--items: Entries are numbered from 1."},
        {{"--items", "5-3", page}, "--items: There is no entry 5: the list ends at entry 3."},
        {{"--items", "3-2", page}, "--items: The range 3-2 runs backwards: write the lower number first."},
        {{"--items", "x", page}, "--items: “x” is not an entry number or a range such as 3-7."},
        {{"--items", "2,4", page}, "--items: There is no entry 4: the list ends at entry 3."},
        {{s_server->url(LocalMediaServer::kVideoPath)},
         "This link is a single video, not a list: leave out --playlist to download it."},
    };
    for (const Case &c : cases) {
        const std::string name = c.arguments.join(' ').toStdString();
        const CliResult result = download(QStringList{"--playlist"} + c.arguments);
        EXPECT_EQ(result.exitCode, 2) << name << "\n" << result.err.toStdString();
        EXPECT_EQ(result.err, c.message + "\n") << name;
        EXPECT_TRUE(result.out.isEmpty()) << name << "\n" << result.out.toStdString();
    }
    EXPECT_TRUE(files().isEmpty()) << files().join(", ").toStdString();
    EXPECT_TRUE(m_user.history().isEmpty());
}

// A link to one video opened inside a list names its entry, in the text and
// in the JSON; a link to the list itself names none.
TEST(CliListText, TheLinkedEntryIsNamed)
{
    MediaList list;
    list.id = "PL1";
    list.title = "Mix\x1b[2J";
    list.webpageUrl = "https://media.test/watch?v=b2&list=PL1";
    list.entries = {{1, "One", 75.0, std::nullopt, "https://media.test/watch?v=a1", false},
                    {2, "Two", std::nullopt, std::nullopt, "https://media.test/watch?v=b2", false}};
    struct Case
    {
        std::optional<int> linkedEntry;
        bool named;
    };
    for (const Case &c : {Case{2, true}, Case{std::nullopt, false}}) {
        list.linkedEntry = c.linkedEntry;
        const QString text = AnalyzeCommand::describe(list);
        EXPECT_TRUE(text.startsWith("List: Mix[2J\nUploader: unknown\nLink: " + list.webpageUrl + "\nEntries: 2\n"))
            << text.toStdString();
        EXPECT_TRUE(text.contains("  1  One  1:15  https://media.test/watch?v=a1\n")) << text.toStdString();
        EXPECT_TRUE(text.contains("  2  Two  -     https://media.test/watch?v=b2\n")) << text.toStdString();
        EXPECT_EQ(text.contains("The link itself is entry 2 of this list.\n"), c.named) << text.toStdString();
        const QJsonObject json = AnalyzeCommand::toJson(list);
        EXPECT_EQ(json.value("linkedEntry").toInt(), c.named ? 2 : 0);
        EXPECT_EQ(json.contains("linkedEntry"), c.named);
        EXPECT_EQ(json.value("entries").toArray().size(), 2);
    }
}

// The list options as the command line reads them; --new-only keeps to its
// list, and a run without --playlist is the download of its links as before.
TEST(CliListArguments, AreReadIntoTheRequest)
{
    struct Case
    {
        QStringList arguments;
        bool playlist;
        std::optional<QString> items;
        bool newOnly;
    };
    const QString link = QStringLiteral("https://media.example/list");
    const QList<Case> cases{
        {{"--playlist", link}, true, std::nullopt, false},
        {{"--playlist", "--items", "1-5,7", "--new-only", link}, true, QString("1-5,7"), true},
        {{"--items=3-", "--playlist", link}, true, QString("3-"), false},
        {{link}, false, std::nullopt, false},
    };
    for (const Case &c : cases) {
        const std::string name = c.arguments.join(' ').toStdString();
        const CliParseResult parsed = CliArguments::parse(QStringList{"download"} + c.arguments);
        ASSERT_TRUE(parsed.command) << name << ": " << parsed.error.toStdString();
        const auto *request = std::get_if<DownloadRequest>(&*parsed.command);
        ASSERT_TRUE(request) << name;
        EXPECT_EQ(request->playlist, c.playlist) << name;
        EXPECT_EQ(request->items, c.items) << name;
        EXPECT_EQ(request->newOnly, c.newOnly) << name;
        EXPECT_EQ(request->urls, QStringList{link}) << name;
    }

    for (const bool whole : {true, false}) {
        const QStringList arguments = whole ? QStringList{"analyze", "--playlist", link} : QStringList{"analyze", link};
        const CliParseResult parsed = CliArguments::parse(arguments);
        ASSERT_TRUE(parsed.command) << parsed.error.toStdString();
        const auto *request = std::get_if<AnalyzeRequest>(&*parsed.command);
        ASSERT_TRUE(request);
        EXPECT_EQ(request->wholeList, whole);
        EXPECT_EQ(request->url, link);
    }
}
