#include "services/FileService.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include <system_error>

namespace {

constexpr auto kFileManagerService = "org.freedesktop.FileManager1";
constexpr auto kFileManagerPath = "/org/freedesktop/FileManager1";
constexpr auto kFileManagerInterface = "org.freedesktop.FileManager1";

// A file manager that is on the bus answers at once; this only bounds a hung one.
constexpr int kRevealTimeoutMs = 5000;

void report(const OpenDone &done, OpenOutcome outcome)
{
    if (done)
        done(outcome);
}

// Qt hands a URL to xdg-open and forgets it, so a desktop without an
// application for the file looks like success. Running xdg-open ourselves
// gives its exit status (0: opened; 3: no method; 4: the action failed).
void launch(const QUrl &url, const OpenDone &done)
{
    const QString launcher = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (launcher.isEmpty()) {
        report(done, QDesktopServices::openUrl(url) ? OpenOutcome::opened : OpenOutcome::noHandler);
        return;
    }
    // Owned by the application: one still running at exit is ended then
    // (only xdg-open itself; what it started lives on).
    auto *process = new QProcess(QCoreApplication::instance());
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::finished, process, [process, done](int code, QProcess::ExitStatus status) {
        report(done, status == QProcess::NormalExit && code == 0 ? OpenOutcome::opened : OpenOutcome::noHandler);
        process->deleteLater();
    });
    QObject::connect(process, &QProcess::errorOccurred, process, [process, done](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        report(done, OpenOutcome::noHandler);
        process->deleteLater();
    });
    process->start(launcher, {url.toString(QUrl::FullyEncoded)});
}

void openContainingFolder(const QString &path, const OpenDone &done)
{
    launch(QUrl::fromLocalFile(QFileInfo(path).absolutePath()), done);
}

} // namespace

FileService &FileService::shared()
{
    static FileService service;
    return service;
}

std::optional<FileSystemError> FileService::ensureDirectory(const QString &folder) const
{
    return Directories::ensureDirectory(folder);
}

void FileService::openFile(const QString &path, OpenDone done) const
{
    if (!QFileInfo::exists(path)) {
        report(done, OpenOutcome::nothingThere);
        return;
    }
    launch(QUrl::fromLocalFile(path), done);
}

void FileService::revealInFinder(const QString &path, OpenDone done) const
{
    if (!QFileInfo::exists(path)) {
        openContainingFolder(path, done);
        return;
    }

    QDBusMessage call = QDBusMessage::createMethodCall(QString::fromLatin1(kFileManagerService),
                                                       QString::fromLatin1(kFileManagerPath),
                                                       QString::fromLatin1(kFileManagerInterface),
                                                       QStringLiteral("ShowItems"));
    const QString uri = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString(QUrl::FullyEncoded);
    call << QStringList{uri} << QString(); // no startup id: the file manager picks its window

    auto *watcher = new QDBusPendingCallWatcher(
        QDBusConnection::sessionBus().asyncCall(call, kRevealTimeoutMs));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                     [path, done](QDBusPendingCallWatcher *finished) {
                         if (finished->isError())
                             openContainingFolder(path, done);
                         else
                             report(done, OpenOutcome::opened);
                         finished->deleteLater();
                     });
}
