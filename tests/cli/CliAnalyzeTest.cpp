#include "cli/CliHarness.h"
#include "engine/DownloadErrorCategory.h"
#include "support/LocalMediaServer.h"
#include "support/LocalServerTest.h"
#include "support/TestSupport.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>

#include <gtest/gtest.h>

// analyze against the local server with the shipped yt-dlp.
class CliAnalyze : public LocalServerTest
{
protected:
    CliUser m_user;
};

TEST_F(CliAnalyze, TextForPeople)
{
    const CliResult result = m_user.run({"analyze", s_server->url(LocalMediaServer::kVideoPath)});
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QStringList lines = result.out.split('\n');
    for (const QString &expected : {QString("Title: video"), QString("Uploader: unknown"), QString("Duration: unknown"),
                                    "Link: " + s_server->url(LocalMediaServer::kVideoPath), QString("Formats: 1"),
                                    QString("Subtitles: none"), QString("Automatic captions: none")})
        EXPECT_TRUE(lines.contains(expected)) << expected.toStdString() << "\n" << result.out.toStdString();
    // The one format's row: yt-dlp names a direct file's format by its extension.
    EXPECT_TRUE(result.out.contains("\n  mp4  mp4\n")) << result.out.toStdString();
}

TEST_F(CliAnalyze, JsonIsTheMetadataRecord)
{
    const QString url = s_server->url(LocalMediaServer::kVideoPath);
    const CliResult result = m_user.run({"analyze", "--json", url});
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    QJsonParseError error;
    const QJsonObject record = QJsonDocument::fromJson(result.out.toUtf8(), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << result.out.toStdString();
    EXPECT_EQ(record.value("title").toString(), "video");
    EXPECT_EQ(record.value("webpageUrl").toString(), url);
    EXPECT_EQ(record.value("formats").toArray().size(), 1);
    for (const char *key : {"id", "subtitles", "automaticCaptions"})
        EXPECT_TRUE(record.contains(key)) << key;
}

// yt-dlp describes a master playlist of 2,500 variants in about 2 MB on one
// line: every format is listed.
TEST_F(CliAnalyze, AMasterPlaylistOfThousandsOfVariantsIsListedWhole)
{
    const QString url = s_server->url(s_server->addMasterPlaylist(2500));
    const CliResult text = m_user.run({"analyze", url});
    EXPECT_EQ(text.exitCode, 0) << text.err.toStdString();
    EXPECT_TRUE(text.out.split('\n').contains("Formats: 2500")) << text.out.left(2000).toStdString();

    const CliResult json = m_user.run({"analyze", "--json", url});
    EXPECT_EQ(json.exitCode, 0) << json.err.toStdString();
    EXPECT_EQ(QJsonDocument::fromJson(json.out.toUtf8()).object().value("formats").toArray().size(), 2500);
}

// A title from the page is text, never terminal commands.
TEST_F(CliAnalyze, TitleControlCharactersAreNotPrinted)
{
    const QString title = QStringLiteral("Clip\x1b[31mRed\x1b[2J\u202eEnd");
    const QString url = s_server->url(LocalMediaServer::kPagePath + "?title=" + QUrl::toPercentEncoding(title));
    const CliResult result = m_user.run({"analyze", url});
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_TRUE(result.out.contains("Title: Clip[31mRed[2JEnd")) << result.out.toStdString();
    EXPECT_FALSE(result.out.contains(QChar(0x1b)));
    EXPECT_FALSE(result.out.contains(QChar(0x202e)));
}

// Failures: the category's message on stderr, its raw value in --json, exit 1.
TEST_F(CliAnalyze, FailuresGiveTheirCategory)
{
    struct Case
    {
        const char *name;
        QString url;
        DownloadErrorCategory category;
    };
    const QList<Case> cases{
        {"not found", s_server->url("/404"), DownloadErrorCategory::network},
        {"no link", "not a link", DownloadErrorCategory::invalidURL},
    };
    for (const Case &c : cases) {
        const QString message = DownloadErrorCategories::userMessage(c.category);
        const CliResult text = m_user.run({"analyze", c.url});
        EXPECT_EQ(text.exitCode, 1) << c.name;
        EXPECT_TRUE(text.out.isEmpty()) << c.name << "\n" << text.out.toStdString();
        EXPECT_EQ(text.err, message + "\n") << c.name;

        const CliResult json = m_user.run({"analyze", "--json", c.url});
        EXPECT_EQ(json.exitCode, 1) << c.name;
        const QJsonObject expected{{"error", DownloadErrorCategories::rawValue(c.category)}};
        EXPECT_EQ(QJsonDocument::fromJson(json.out.toUtf8()).object(), expected)
            << c.name << "\n" << json.out.toStdString();
        EXPECT_EQ(json.err, message + "\n") << c.name;
    }
}
