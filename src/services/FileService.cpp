#include "services/FileService.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <system_error>

namespace {

constexpr auto kFileManagerService = "org.freedesktop.FileManager1";
constexpr auto kFileManagerPath = "/org/freedesktop/FileManager1";
constexpr auto kFileManagerInterface = "org.freedesktop.FileManager1";

// A file manager that is on the bus answers at once; this only bounds a hung one.
constexpr int kRevealTimeoutMs = 5000;

void openContainingFolder(const QString &path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absolutePath()));
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

void FileService::openFile(const QString &path) const
{
    if (!QFileInfo::exists(path))
        return;
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void FileService::revealInFinder(const QString &path) const
{
    if (!QFileInfo::exists(path)) {
        openContainingFolder(path);
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
                     [path](QDBusPendingCallWatcher *finished) {
                         if (finished->isError())
                             openContainingFolder(path);
                         finished->deleteLater();
                     });
}
