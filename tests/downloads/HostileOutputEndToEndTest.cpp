// What a site or a server says cannot pass for Tarvelle's own: with the real
// tools against the local server, a reason phrase that carries our markers
// names no file for a job, and a "yt-dlp.conf" left in a folder runs nothing.
#include "analysis/YTDLPClient.h"
#include "engine/PartialFiles.h"
#include "support/ShippedToolsCoordinatorTest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrlQuery>

#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

class HostileOutput : public ShippedToolsCoordinatorTest
{
protected:
    // A file in a folder of the user's, outside the output folder, with a
    // name yt-dlp could give an intermediate format ("<stem>.f<id>.<ext>").
    QString victim()
    {
        QDir(m_home.path()).mkpath("Documents");
        const QString path = m_home.filePath("Documents/report.final.pdf");
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write("the user's own") > 0);
        return path;
    }

    // A "yt-dlp.conf" that would create `canary` if yt-dlp ever read it:
    // by running a command after a download, and by printing to a file (which
    // an analysis does too).
    static void plantConfiguration(const QString &folder, const QString &canary)
    {
        QDir().mkpath(folder);
        QFile config(QDir(folder).filePath("yt-dlp.conf"));
        ASSERT_TRUE(config.open(QIODevice::WriteOnly));
        config.write("--exec \"touch '" + canary.toUtf8() + "'\"\n--print-to-file \"%(id)s\" \"" + canary.toUtf8()
                     + "\"\n");
    }

    QTemporaryDir m_home;
};

TEST_F(HostileOutput, MarkersInAServersReasonPhraseNameNoFile)
{
    const QString user = victim();
    const QString escape = "../" + QDir(fixture->outputFolder()).relativeFilePath(user);
    const QStringList phrases{
        R"(__KVJSON__{"status": "downloading", "downloaded_bytes": 1, "filename": ")" + user + R"("})",
        R"(__KVJSON__{"status": "downloading", "downloaded_bytes": 1, "filename": ")" + escape + R"("})",
        "__KV_FILEPATH__" + user,
        "__KV_INFOJSON__" + user,
    };
    for (const QString &phrase : phrases) {
        QUrlQuery query;
        query.addQueryItem("phrase", phrase);
        fixture->coordinator->addURLs(s_server->url("/reason?" + query.toString(QUrl::FullyEncoded)));
        const DownloadJobPtr job = fixture->coordinator->queue().jobs().last();
        ASSERT_TRUE(fixture->waitForEnd(job, 120s)) << phrase.toStdString();
        QFile(user).open(QIODevice::Append); // newer than the job, as a file the user just saved

        EXPECT_EQ(job->status(), DownloadStatus::failed) << phrase.toStdString();
        EXPECT_TRUE(job->logLines().join('\n').contains("HTTP Error 404")) << "the phrase reached yt-dlp's line";
        EXPECT_TRUE(job->outputPath().isEmpty()) << phrase.toStdString();
        for (const QString &target : job->downloadTargets())
            EXPECT_FALSE(target.contains("report.final")) << phrase.toStdString();
        EXPECT_EQ(PartialFiles::of(*job, fixture->coordinator->queue().jobs()), QStringList()) << phrase.toStdString();
        EXPECT_TRUE(QFileInfo::exists(user)) << phrase.toStdString();
    }
}

TEST_F(HostileOutput, AConfigurationFileInTheOutputFolderRunsNothing)
{
    const QString canary = m_home.filePath("canary");
    plantConfiguration(fixture->outputFolder(), canary);
    fixture->coordinator->addURLs(s_server->url(LocalMediaServer::kVideoPath));
    const DownloadJobPtr job = fixture->coordinator->queue().jobs().last();
    ASSERT_TRUE(fixture->waitForEnd(job, 120s));
    EXPECT_EQ(job->status(), DownloadStatus::completed) << job->logLines().join('\n').toStdString();
    EXPECT_FALSE(QFileInfo::exists(canary)) << "yt-dlp read the folder's yt-dlp.conf";
}

TEST_F(HostileOutput, AConfigurationFileInTheApplicationsFolderRunsNothing)
{
    const QString canary = m_home.filePath("canary");
    const QString folder = m_home.filePath("shell");
    plantConfiguration(folder, canary);
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder));
    const auto analysed = waitFor(fixture->coordinator->client().analyze(s_server->url(LocalMediaServer::kVideoPath)), 120s);
    QDir::setCurrent(previous);
    ASSERT_TRUE(analysed);
    EXPECT_TRUE(analysed->hasMetadata());
    EXPECT_FALSE(QFileInfo::exists(canary)) << "yt-dlp read the working folder's yt-dlp.conf";
}

} // namespace
