#include "engine/Directories.h"

#include "support/FileModes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

namespace {

using Kind = FolderProblem::Kind;

struct FolderCase
{
    const char *name;
    QString folder;  // relative to the scratch folder, unless `absolute`
    bool absolute;
    std::optional<Kind> problem;
    QString stoppedAt; // relative to the scratch folder
};

void PrintTo(const FolderCase &c, std::ostream *out)
{
    *out << c.name;
}

class FolderProblemTest : public ::testing::TestWithParam<FolderCase>
{
};

// The scratch folder holds "file" (a file), "open" (a folder), "locked" (a
// folder without write permission) and "dangling" (a link to nothing).
TEST_P(FolderProblemTest, TellsWhetherDownloadsCanGoThere)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile file(dir.filePath(QStringLiteral("file")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("open")));
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("locked")));
    ASSERT_TRUE(QFile::setPermissions(dir.filePath(QStringLiteral("locked")), QFile::ReadOwner | QFile::ExeOwner));
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("nowhere")), dir.filePath(QStringLiteral("dangling"))));
    const FolderCase &c = GetParam();
    const QString folder = c.absolute ? c.folder : dir.filePath(c.folder);

    std::optional<FolderProblem> problem;
    FileModes::runEnforced([&] { problem = Directories::problemWith(folder); });

    const std::optional<FolderProblem> expected =
        c.problem ? std::optional(FolderProblem{*c.problem, c.absolute ? folder : dir.filePath(c.stoppedAt)})
                  : std::nullopt;
    EXPECT_EQ(problem, expected);
    EXPECT_FALSE(QDir(dir.filePath(QStringLiteral("open/new"))).exists()) << "nothing is created";
    QFile::setPermissions(dir.filePath(QStringLiteral("locked")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

INSTANTIATE_TEST_SUITE_P(
    Folders, FolderProblemTest,
    ::testing::Values(FolderCase{"existingFolder", "open", false, std::nullopt, ""},
                      FolderCase{"trailingSlash", "open/", false, std::nullopt, ""},
                      FolderCase{"newFolder", "open/new", false, std::nullopt, ""},
                      FolderCase{"newFolders", "open/new/deeper/still", false, std::nullopt, ""},
                      FolderCase{"aFile", "file", false, Kind::notAFolder, "file"},
                      FolderCase{"belowAFile", "file/new/deeper", false, Kind::notAFolder, "file"},
                      FolderCase{"danglingLink", "dangling/new", false, Kind::notAFolder, "dangling"},
                      FolderCase{"readOnlyFolder", "locked", false, Kind::notWritable, "locked"},
                      FolderCase{"belowAReadOnlyFolder", "locked/new/deeper", false, Kind::notWritable, "locked"},
                      FolderCase{"relative", "Videos/new", true, Kind::notAbsolute, ""},
                      FolderCase{"homeShorthand", "~/Videos", true, Kind::notAbsolute, ""},
                      FolderCase{"empty", "", true, Kind::notAbsolute, ""}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
