#include "cli/CliHarness.h"
#include "tools/JsChallenges.h"
#include "tools/ToolAge.h"
#include "history/HistoryStore.h"
#include "history/PersistenceController.h"
#include "support/TestSupport.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

DownloadHistory record(const QString &title, const QString &url, const QString &status, int finishedMinute)
{
    DownloadHistory record;
    record.uuid = QUuid::createUuid();
    record.sourceURL = url;
    record.title = title;
    record.mediaTypeRaw = "video";
    record.selectedQuality = "p1080";
    record.startedAt = QDateTime(QDate(2026, 3, 1), QTime(9, 0), Qt::UTC);
    record.finishedAt = QDateTime(QDate(2026, 3, 1), QTime(9, finishedMinute), Qt::UTC);
    record.finalStatusRaw = status;
    if (status == "completed") {
        record.finalFilePath = "/downloads/" + title + ".mp4";
    } else {
        record.errorType = status == "failed" ? "network" : "cancelled";
        record.errorSummary = status == "failed" ? "A network error occurred." : "Cancelled";
        if (status == "failed")
            record.errorReason = "HTTP Error 404: Not Found";
    }
    record.subtitleModeRaw = "original";
    return record;
}

QStringList titles(const QJsonArray &records)
{
    QStringList result;
    for (const QJsonValue &value : records)
        result.append(value.toObject().value("title").toString());
    return result;
}

} // namespace

// history over records the window would have written into the user's store.
class CliHistory : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_user.isValid());
        PersistenceController persistence(m_user.home() + "/.local/share/tarvelle/history.sqlite");
        ASSERT_TRUE(persistence.isPersistent());
        HistoryStore store(persistence.context());
        store.add(m_walk);
        store.add(m_news);
        store.add(m_cooking);
    }

    CliUser m_user;
    DownloadHistory m_walk = record("Morning Walk", "http://127.0.0.1/walk", "completed", 1);
    DownloadHistory m_news = record("Evening News", "http://127.0.0.1/news", "failed", 2);
    DownloadHistory m_cooking = record("Cooking\nTime \x1b[2JShow", "http://127.0.0.1/cook", "cancelled", 3);
};

TEST_F(CliHistory, FilterAndSearch)
{
    const QString cooking = m_cooking.title;
    struct Case
    {
        QStringList arguments;
        QStringList titles; // newest first
    };
    const QList<Case> cases{
        {{}, {cooking, "Evening News", "Morning Walk"}},
        {{"--success"}, {"Morning Walk"}},
        {{"--failed"}, {"Evening News"}}, // cancelled is no failure
        {{"--search", "WALK"}, {"Morning Walk"}},
        {{"--search=/news"}, {"Evening News"}}, // the link counts too
        {{"--search", "n"}, {cooking, "Evening News", "Morning Walk"}},
        {{"--failed", "--search", "walk"}, {}},
        {{"--search", "nothing like it"}, {}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(titles(m_user.history(c.arguments)), c.titles) << c.arguments.join(' ').toStdString();
}

TEST_F(CliHistory, JsonRecordsCarryTheFieldNames)
{
    const QJsonArray records = m_user.history({"--failed"});
    ASSERT_EQ(records.size(), 1);
    const QJsonObject expected{
        {"uuid", m_news.uuid.toString(QUuid::WithoutBraces)},
        {"sourceURL", "http://127.0.0.1/news"},
        {"title", "Evening News"},
        {"uploader", QJsonValue::Null},
        {"thumbnailURL", QJsonValue::Null},
        {"mediaTypeRaw", "video"},
        {"selectedQuality", "p1080"},
        {"startedAt", "2026-03-01T09:00:00.000Z"},
        {"finishedAt", "2026-03-01T09:02:00.000Z"},
        {"finalFilePath", QJsonValue::Null},
        {"finalStatusRaw", "failed"},
        {"errorType", "network"},
        {"errorSummary", "A network error occurred."},
        {"errorReason", "HTTP Error 404: Not Found"},
        {"subtitleModeRaw", "original"},
        {"subtitleLang", QJsonValue::Null},
        {"note", QJsonValue::Null},
        {"listTitle", QJsonValue::Null},
        {"listIndex", QJsonValue::Null},
        {"fetchedFromList", false},
    };
    EXPECT_EQ(records.first().toObject(), expected);
}

TEST_F(CliHistory, TextForPeople)
{
    // Finished at 09:01-09:03 UTC; the user's clock is 5:30 ahead.
    const CliResult result = m_user.run({"history"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out.toStdString(), "2026-03-01 14:33  Cancelled  Cooking Time [2JShow  Cancelled\n"
                                        "2026-03-01 14:32  Failed  Evening News  A network error occurred.\n"
                                        "2026-03-01 14:31  Completed  Morning Walk  /downloads/Morning Walk.mp4\n");

    const CliResult none = m_user.run({"history", "--search", "nothing like it"});
    EXPECT_EQ(none.exitCode, 0);
    EXPECT_EQ(none.out, "No download history.\n");
}

namespace {

// The first line `program` prints for `argument`.
QString firstLine(const QString &program, const QString &argument)
{
    QProcess process;
    process.start(program, {argument});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput()).section('\n', 0, 0).trimmed();
}

} // namespace

// The report of the build tree's tools, as the window's Copy action gives it:
// the bootstrapped tools match their manifest, and each one's version is the
// first line it prints itself.
TEST(CliDiagnostics, PrintsTheReportText)
{
    const QString tools = QFileInfo(TestSupport::buildToolsDirectory()).absoluteFilePath();
    ASSERT_TRUE(QFileInfo::exists(tools + "/../manifest.json")) << "run scripts/bootstrap-tools.sh on the build tree first";
    QString expected = "Tarvelle Diagnostics\nArchitecture: " + firstLine("uname", "-m")
        + "\nManifest present: true\n";
    const QList<std::pair<QString, QString>> versionArguments = {
        {"yt-dlp", "--version"}, {"ffmpeg", "-version"}, {"ffprobe", "-version"}, {"deno", "--version"}};
    for (const auto &[name, argument] : versionArguments) {
        const QString path = tools + '/' + name;
        const QString version = firstLine(path, argument);
        expected += "- " + name + ": exists=true version=" + version + " path=" + path + " shaMatch=true";
        // yt-dlp's version is its release date: the report gives its age,
        // counted to the program's own date: CliUser::kTimeZone, 5:30 ahead of UTC.
        if (const auto released = ToolAge::releaseDate(name, version)) {
            const QDate today = QDateTime::currentDateTimeUtc().toOffsetFromUtc((5 * 60 + 30) * 60).date();
            const int days = ToolAge::ageInDays(*released, today);
            expected += QStringLiteral(" age=%1d").arg(days) + (ToolAge::isStale(days) ? " outdated" : "");
        }
        expected += "\n";
    }
    // The user's settings leave the solver's fetch on; whether the yt-dlp
    // bootstrapped supports it decides the line.
    const QString ytDlpVersion = firstLine(tools + "/yt-dlp", "--version");
    const QString denoVersion = firstLine(tools + "/deno", "--version").section(' ', 1, 1);
    expected += JsChallenges::statusLine(JsChallenges::readiness(ytDlpVersion, true, true), denoVersion, false) + "\n";

    CliUser user;
    const CliResult result = user.run({"diagnostics"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out.toStdString(), expected.toStdString());
    EXPECT_TRUE(result.err.isEmpty()) << result.err.toStdString();
}
