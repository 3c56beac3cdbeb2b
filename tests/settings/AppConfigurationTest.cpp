#include "settings/AppConfiguration.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(AppConfiguration, VersionAndBuildAreCompiledIn)
{
    EXPECT_EQ(AppConfiguration::version(), QStringLiteral(TARVELLE_VERSION));
    EXPECT_EQ(AppConfiguration::buildNumber(), QStringLiteral(TARVELLE_BUILD_NUMBER));
    EXPECT_EQ(AppConfiguration::appId(), QStringLiteral(TARVELLE_APP_ID));
}

TEST(AppConfiguration, DefaultOutputDirIsKorvanthInDownloads)
{
    const QFileInfo dir(AppConfiguration::defaultOutputDir());
    EXPECT_EQ(dir.fileName(), QStringLiteral("Korvanth"));
    QString downloads = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    if (downloads.isEmpty())
        downloads = QDir::home().filePath(QStringLiteral("Downloads"));
    EXPECT_EQ(QDir::cleanPath(dir.absolutePath()), QDir::cleanPath(downloads));
}

TEST(AppConfiguration, ResourcesBesideTheExecutable)
{
    // The build tree mirrors an installed tree: bin/ beside share/tarvelle.
    const QString expected = QDir::cleanPath(QStringLiteral(TARVELLE_BUILD_DIR "/share/tarvelle"));
    if (!QFileInfo(expected).isDir()) {
        EXPECT_EQ(AppConfiguration::resourcesDirectory(), std::nullopt);
        EXPECT_EQ(AppConfiguration::toolsDirectory(), std::nullopt);
        return;
    }
    EXPECT_EQ(AppConfiguration::resourcesDirectory(), expected);
    EXPECT_EQ(AppConfiguration::toolsDirectory(), expected + QStringLiteral("/Tools"));
}

TEST(AppConfiguration, ToolsDirectoryFollowsAnOverrideAndIsNotTestedForExistence)
{
    const std::optional<QString> before = AppConfiguration::toolsDirectory();
    QTemporaryDir fixture;
    ASSERT_TRUE(fixture.isValid());
    {
        AppConfiguration::ScopedResourcesDirectory scope(fixture.path());
        EXPECT_EQ(AppConfiguration::toolsDirectory(), fixture.filePath(QStringLiteral("Tools")));
        EXPECT_FALSE(QFileInfo::exists(fixture.filePath(QStringLiteral("Tools"))));
        {
            AppConfiguration::ScopedResourcesDirectory none(std::nullopt);
            EXPECT_EQ(AppConfiguration::resourcesDirectory(), std::nullopt);
            EXPECT_EQ(AppConfiguration::toolsDirectory(), std::nullopt);
        }
        EXPECT_EQ(AppConfiguration::resourcesDirectory(), fixture.path());
    }
    EXPECT_EQ(AppConfiguration::toolsDirectory(), before);
}
