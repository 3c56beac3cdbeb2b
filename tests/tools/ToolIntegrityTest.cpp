#include "analysis/YTDLPClient.h"
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

// A copy of the build tree's shipped tools and manifest that a test may
// alter: yt-dlp and ffmpeg copied, the others linked.
class ShippedCopy
{
public:
    ShippedCopy()
    {
        const QString from = QFileInfo(buildToolsDirectory()).absolutePath();
        QDir(m_folder.path()).mkpath("Tools");
        QFile::copy(from + "/manifest.json", m_folder.filePath("manifest.json"));
        for (const QString name : {"yt-dlp", "ffmpeg"})
            QFile::copy(from + "/Tools/" + name, tool(name));
        for (const QString name : {"ffprobe", "deno"})
            QFile::link(from + "/Tools/" + name, tool(name));
    }
    QString path() const { return m_folder.path(); }
    QString tool(const QString &name) const { return m_folder.filePath("Tools/" + name); }

private:
    QTemporaryDir m_folder;
};

AnalyzeResult analyze(const YTDLPClient &client, const QString &url)
{
    const std::optional<AnalyzeResult> result = waitFor(client.analyze(url), 60s);
    return result.value_or(AnalyzeResult(DownloadErrorCategory::cancelled));
}

} // namespace

// A shipped tool changed after it was bootstrapped never runs: the analysis
// that would start it fails as a tool that failed its integrity check, and
// says which file. Changed back, it runs again.
TEST(ToolIntegrity, AToolAlteredAfterBootstrapDoesNotRun)
{
    ASSERT_TRUE(QFileInfo(buildToolsDirectory() + "/yt-dlp").isExecutable())
        << "run scripts/bootstrap-tools.sh on the build tree first";
    QTemporaryDir settingsFolder;
    ScopedEnvironment cache{"XDG_CACHE_HOME", settingsFolder.filePath("cache")};
    AppSettings settings(settingsFolder.filePath("settings.json"));
    const YTDLPClient client(settings);
    LocalMediaServer server;
    ASSERT_TRUE(server.isReady()) << server.errorString().toStdString();
    const QString url = server.url(LocalMediaServer::kVideoPath);

    for (const QString altered : {"yt-dlp", "ffmpeg"}) {
        ShippedCopy shipped;
        AppConfiguration::ScopedResourcesDirectory scope(shipped.path());
        ASSERT_TRUE(analyze(client, url).hasMetadata()) << altered.toStdString();

        // Replaced by a program that would leave a mark if it ever ran.
        const QString mark = settingsFolder.filePath("ran-" + altered);
        QFile original(shipped.tool(altered));
        const QString kept = shipped.tool(altered) + ".kept";
        ASSERT_TRUE(original.rename(kept));
        QFile impostor(shipped.tool(altered));
        ASSERT_TRUE(impostor.open(QIODevice::WriteOnly));
        impostor.write("#!/bin/sh\ntouch '" + QFile::encodeName(mark) + "'\n/bin/false\n");
        impostor.close();
        impostor.setPermissions(impostor.permissions() | QFile::ExeOwner);

        const AnalyzeResult refused = analyze(client, url);
        ASSERT_TRUE(refused.isError()) << altered.toStdString();
        EXPECT_EQ(refused.error(), DownloadErrorCategory::toolCorrupted) << altered.toStdString();
        EXPECT_TRUE(refused.errorOutput().contains(QDir::cleanPath(shipped.tool(altered)) + ": this file failed "
                                                                                             "its integrity check"))
            << refused.errorOutput().toStdString();
        EXPECT_FALSE(QFileInfo::exists(mark)) << altered.toStdString() << " ran";

        ASSERT_TRUE(QFile::remove(shipped.tool(altered)));
        ASSERT_TRUE(QFile::rename(kept, shipped.tool(altered)));
        EXPECT_TRUE(analyze(client, url).hasMetadata()) << altered.toStdString() << " restored";
    }
}
