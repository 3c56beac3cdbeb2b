#include "analysis/SavedInfo.h"

#include "support/TestSupport.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace TestSupport;

TEST(SavedInfo, LivesInAFolderOfTheUsersAloneUntilItsLastHolderLetsGo)
{
    QTemporaryDir cache;
    ScopedEnvironment scope("XDG_CACHE_HOME", cache.path());
    const QString folder = SavedInfo::folder();
    EXPECT_EQ(folder, cache.filePath("tarvelle/info"));
    constexpr auto kOthers = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther
                             | QFile::WriteOther | QFile::ExeOther;
    EXPECT_EQ(QFileInfo(folder).permissions() & kOthers, QFile::Permissions()) << "it may hold cookies";

    auto written = SavedInfo::write("{\"id\": \"x\"}\n");
    ASSERT_NE(written, nullptr);
    const QString path = written->path();
    EXPECT_EQ(QFileInfo(path).absolutePath(), folder);
    EXPECT_TRUE(path.endsWith(".info.json"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "{\"id\": \"x\"}\n");
    file.close();

    auto holder = written;
    written.reset();
    EXPECT_TRUE(QFileInfo::exists(path)) << "still held";
    holder.reset();
    EXPECT_FALSE(QFileInfo::exists(path));

    // A file another program wrote is taken over the same way.
    const QString other = SavedInfo::newPath() + ".info.json";
    ASSERT_TRUE(QFile(other).open(QIODevice::WriteOnly));
    SavedInfo::adopt(other).reset();
    EXPECT_FALSE(QFileInfo::exists(other));
}

TEST(SavedInfo, TheFirstUseClearsWhatACrashedRunLeftBehind)
{
    QTemporaryDir cache;
    ScopedEnvironment scope("XDG_CACHE_HOME", cache.path());
    const QString folder = cache.filePath("tarvelle/info");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString stale = QDir(folder).filePath("stale.info.json");
    const QString recent = QDir(folder).filePath("recent.info.json");
    for (const QString &path : {stale, recent}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QFile file(stale);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(-2 * 60 * 60),
                                 QFileDevice::FileModificationTime));
    file.close();

    EXPECT_EQ(SavedInfo::folder(), folder);
    EXPECT_FALSE(QFileInfo::exists(stale));
    EXPECT_TRUE(QFileInfo::exists(recent)) << "another run may still need it";
}
