#include "services/FileService.h"

#include "DesktopRecorder.h"
#include "support/FileModes.h"
#include "support/TestSupport.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

#include <ostream>

#include <cerrno>
#include <cstring>

namespace {

using TestSupport::waitUntil;

// Receives what QDesktopServices would hand to the desktop for file: URLs.
class OpenedUrls : public QObject
{
    Q_OBJECT

public:
    OpenedUrls() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open"); }
    ~OpenedUrls() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }

    QList<QUrl> urls;

public slots:
    void open(const QUrl &url) { urls.append(url); }
};

void writeFile(const QString &path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("x");
}

class FileServiceTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    QString path(const QString &relative) const { return m_dir.filePath(relative); }

    QTemporaryDir m_dir;
};

TEST_F(FileServiceTest, EnsureDirectoryCreatesEveryMissingParent)
{
    const QString folder = path(QStringLiteral("a/b/c"));

    EXPECT_FALSE(FileService::shared().ensureDirectory(folder).has_value());

    EXPECT_TRUE(QFileInfo(folder).isDir());
}

TEST_F(FileServiceTest, EnsureDirectoryOnAnExistingFolderSucceeds)
{
    ASSERT_TRUE(QDir().mkpath(path(QStringLiteral("there"))));
    writeFile(path(QStringLiteral("there/kept.txt")));

    EXPECT_FALSE(FileService::shared().ensureDirectory(path(QStringLiteral("there"))).has_value());

    EXPECT_TRUE(QFileInfo::exists(path(QStringLiteral("there/kept.txt"))));
}

struct FailureCase
{
    const char *name;
    QString target;    // relative to the scratch folder
    int expectedErrno;
};

// The case's name where gtest (and ctest) show the parameter.
void PrintTo(const FailureCase &c, std::ostream *out)
{
    *out << c.name;
}

class EnsureDirectoryFailureTest : public FileServiceTest,
                                   public ::testing::WithParamInterface<FailureCase>
{
};

// Layout: "file" is a regular file, "locked" a folder without write permission.
TEST_P(EnsureDirectoryFailureTest, ReturnsTheSystemError)
{
    writeFile(path(QStringLiteral("file")));
    ASSERT_TRUE(QDir().mkpath(path(QStringLiteral("locked"))));
    ASSERT_TRUE(QFile::setPermissions(path(QStringLiteral("locked")),
                                      QFile::ReadOwner | QFile::ExeOwner));
    const QString target = path(GetParam().target);

    std::optional<FileSystemError> error;
    FileModes::runEnforced([&] { error = FileService::shared().ensureDirectory(target); });

    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->code, GetParam().expectedErrno);
    EXPECT_EQ(error->description, QString::fromLocal8Bit(std::strerror(GetParam().expectedErrno)));
    EXPECT_EQ(error->path, target);
    EXPECT_FALSE(QFileInfo(target).isDir());
    QFile::setPermissions(path(QStringLiteral("locked")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EnsureDirectoryFailureTest,
    ::testing::Values(FailureCase{"pathBelowAFile", QStringLiteral("file/sub/folder"), ENOTDIR},
                      FailureCase{"pathIsAFile", QStringLiteral("file"), ENOTDIR},
                      FailureCase{"readOnlyParent", QStringLiteral("locked/new"), EACCES},
                      FailureCase{"belowAReadOnlyParent", QStringLiteral("locked/new/deeper"),
                                  EACCES}),
    [](const ::testing::TestParamInfo<FailureCase> &info) { return std::string(info.param.name); });

TEST_F(FileServiceTest, OpenFileHandsOnlyExistingPathsToTheDesktop)
{
    OpenedUrls opened;
    const QString existing = path(QStringLiteral("video [id].mp4"));
    writeFile(existing);

    FileService::shared().openFile(path(QStringLiteral("missing.mp4")));
    FileService::shared().openFile(existing);
    FileService::shared().openFile(m_dir.path());

    EXPECT_EQ(opened.urls,
              (QList<QUrl>{QUrl::fromLocalFile(existing), QUrl::fromLocalFile(m_dir.path())}));
}

TEST_F(FileServiceTest, RevealAsksTheFileManagerToShowTheFile)
{
    DesktopRecorder recorder;
    ASSERT_TRUE(recorder.serveFileManager(true));
    OpenedUrls opened;
    const QString file = path(QStringLiteral("Tom & Jerry #1.mp4"));
    writeFile(file);

    FileService::shared().revealInFinder(file);

    ASSERT_TRUE(waitUntil([&] { return !recorder.fileManager.showItemsCalls.isEmpty(); }));
    const auto &call = recorder.fileManager.showItemsCalls.first();
    EXPECT_EQ(call.uris, QStringList{QUrl::fromLocalFile(file).toString(QUrl::FullyEncoded)});
    EXPECT_EQ(QUrl(call.uris.value(0)).toLocalFile(), file);
    EXPECT_EQ(call.startupId, QString());
    // The file manager answered: no folder is opened as well.
    EXPECT_FALSE(waitUntil([&] { return !opened.urls.isEmpty(); }, std::chrono::milliseconds(500)));
}

TEST_F(FileServiceTest, RevealOpensTheHoldingFolderWhenNoFileManagerAnswers)
{
    DesktopRecorder recorder; // on the bus, but not as a file manager
    OpenedUrls opened;
    const QString file = path(QStringLiteral("song.m4a"));
    writeFile(file);

    FileService::shared().revealInFinder(file);

    ASSERT_TRUE(waitUntil([&] { return !opened.urls.isEmpty(); }));
    EXPECT_EQ(opened.urls, QList<QUrl>{QUrl::fromLocalFile(m_dir.path())});
}

TEST_F(FileServiceTest, RevealOfADeletedFileOpensTheFolderThatHeldIt)
{
    DesktopRecorder recorder;
    ASSERT_TRUE(recorder.serveFileManager(true));
    OpenedUrls opened;
    const QString deleted = path(QStringLiteral("gone/clip.webm"));
    const QString present = path(QStringLiteral("present.webm"));
    writeFile(present);

    FileService::shared().revealInFinder(deleted);
    FileService::shared().revealInFinder(present);

    EXPECT_EQ(opened.urls, QList<QUrl>{QUrl::fromLocalFile(path(QStringLiteral("gone")))});
    ASSERT_TRUE(waitUntil([&] { return !recorder.fileManager.showItemsCalls.isEmpty(); }));
    EXPECT_EQ(recorder.fileManager.showItemsCalls.size(), 1);
    EXPECT_EQ(recorder.fileManager.showItemsCalls.first().uris,
              QStringList{QUrl::fromLocalFile(present).toString(QUrl::FullyEncoded)});
}

} // namespace

#include "FileServiceTest.moc"
