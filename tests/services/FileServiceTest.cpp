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

// The search path for the launcher while it lives: a folder that holds
// only what a test puts there, so no test ever starts the machine's real
// xdg-open (and whatever application it would pick).
class ScopedLauncherPath
{
public:
    ScopedLauncherPath() : m_saved(qgetenv("PATH")) { qputenv("PATH", m_dir.path().toLocal8Bit()); }
    ~ScopedLauncherPath() { qputenv("PATH", m_saved); }

    // An xdg-open that writes its arguments to "asked" and exits with `status`.
    QString installLauncher(int status)
    {
        TestSupport::writeScript(m_dir, QStringLiteral("xdg-open"),
                                 QByteArray("printf '%s\\n' \"$@\" > '") + asked().toLocal8Bit() +
                                     "'\nexit " + QByteArray::number(status));
        return asked();
    }
    QString asked() const { return m_dir.filePath(QStringLiteral("asked")); }

private:
    QTemporaryDir m_dir;
    QByteArray m_saved;
};

QString readText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

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
    ScopedLauncherPath noLauncher;
    OpenedUrls opened;
    const QString existing = path(QStringLiteral("video [id].mp4"));
    writeFile(existing);
    QList<OpenOutcome> outcomes;
    const auto note = [&](OpenOutcome outcome) { outcomes << outcome; };

    FileService::shared().openFile(path(QStringLiteral("missing.mp4")), note);
    FileService::shared().openFile(existing, note);
    FileService::shared().openFile(m_dir.path(), note);

    EXPECT_EQ(opened.urls,
              (QList<QUrl>{QUrl::fromLocalFile(existing), QUrl::fromLocalFile(m_dir.path())}));
    EXPECT_EQ(outcomes, (QList<OpenOutcome>{OpenOutcome::nothingThere, OpenOutcome::opened, OpenOutcome::opened}));
}

TEST_F(FileServiceTest, WithoutALauncherOrPlatformServiceTheDesktopHasNoHandler)
{
    ScopedLauncherPath noLauncher; // and the offscreen platform opens nothing
    const QString file = path(QStringLiteral("clip.mp4"));
    writeFile(file);
    std::optional<OpenOutcome> outcome;
    FileService::shared().openFile(file, [&](OpenOutcome o) { outcome = o; });
    EXPECT_EQ(outcome, OpenOutcome::noHandler);
}

struct LauncherCase
{
    const char *name;
    int exitStatus;
    OpenOutcome outcome;
};

void PrintTo(const LauncherCase &c, std::ostream *out)
{
    *out << c.name;
}

class FileServiceLauncherTest : public FileServiceTest, public ::testing::WithParamInterface<LauncherCase>
{
};

// xdg-open's exit status: 0 opened, 3 no method available, 4 the action failed.
TEST_P(FileServiceLauncherTest, TheLaunchersAnswerIsTheOutcome)
{
    ScopedLauncherPath launcher;
    const QString asked = launcher.installLauncher(GetParam().exitStatus);
    const QString file = path(QStringLiteral("Tom & Jerry #1.mp4"));
    writeFile(file);
    std::optional<OpenOutcome> outcome;

    FileService::shared().openFile(file, [&](OpenOutcome o) { outcome = o; });

    ASSERT_TRUE(waitUntil([&] { return outcome.has_value(); }));
    EXPECT_EQ(*outcome, GetParam().outcome);
    EXPECT_EQ(QUrl(readText(asked).trimmed()).toLocalFile(), file);
}

INSTANTIATE_TEST_SUITE_P(Answers, FileServiceLauncherTest,
                         ::testing::Values(LauncherCase{"opened", 0, OpenOutcome::opened},
                                           LauncherCase{"noMethod", 3, OpenOutcome::noHandler},
                                           LauncherCase{"actionFailed", 4, OpenOutcome::noHandler}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(FileServiceTest, RevealWithoutFileManagerOrApplicationSaysSo)
{
    DesktopRecorder recorder; // on the bus, but not as a file manager
    ScopedLauncherPath launcher;
    const QString asked = launcher.installLauncher(3);
    const QString file = path(QStringLiteral("song.m4a"));
    writeFile(file);
    std::optional<OpenOutcome> outcome;

    FileService::shared().revealInFinder(file, [&](OpenOutcome o) { outcome = o; });

    ASSERT_TRUE(waitUntil([&] { return outcome.has_value(); }));
    EXPECT_EQ(*outcome, OpenOutcome::noHandler);
    EXPECT_EQ(QUrl(readText(asked).trimmed()).toLocalFile(), m_dir.path());
}

TEST_F(FileServiceTest, RevealAsksTheFileManagerToShowTheFile)
{
    DesktopRecorder recorder;
    ASSERT_TRUE(recorder.serveFileManager(true));
    ScopedLauncherPath noLauncher;
    OpenedUrls opened;
    const QString file = path(QStringLiteral("Tom & Jerry #1.mp4"));
    writeFile(file);
    std::optional<OpenOutcome> outcome;

    FileService::shared().revealInFinder(file, [&](OpenOutcome o) { outcome = o; });

    ASSERT_TRUE(waitUntil([&] { return !recorder.fileManager.showItemsCalls.isEmpty(); }));
    ASSERT_TRUE(waitUntil([&] { return outcome.has_value(); }));
    EXPECT_EQ(*outcome, OpenOutcome::opened);
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
    ScopedLauncherPath noLauncher;
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
    ScopedLauncherPath noLauncher;
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
