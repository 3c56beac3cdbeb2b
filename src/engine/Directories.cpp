#include "engine/Directories.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>

#include <fcntl.h>
#include <unistd.h>

namespace Directories {

std::optional<FileSystemError> ensureDirectory(const QString &folder)
{
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(QFile::encodeName(folder).toStdString()), error);
    if (!error)
        return std::nullopt;
    return FileSystemError{error.value(), folder, QString::fromStdString(error.message())};
}

std::optional<FolderProblem> problemWith(const QString &folder)
{
    if (folder.isEmpty() || QDir::isRelativePath(folder))
        return FolderProblem{FolderProblem::Kind::notAbsolute, folder};
    // The folder, or the nearest place above it that exists.
    QString existing = QDir::cleanPath(folder);
    QFileInfo info(existing);
    while (!info.exists() && !info.isSymLink()) {
        const QString parent = QFileInfo(existing).path();
        if (parent == existing)
            break;
        existing = parent;
        info = QFileInfo(existing);
    }
    if (!info.isDir())
        return FolderProblem{FolderProblem::Kind::notAFolder, existing};
    // The rights this process acts with (effective, as mkdir uses them), read-only file systems included.
    if (::faccessat(AT_FDCWD, QFile::encodeName(existing).constData(), W_OK | X_OK, AT_EACCESS) != 0)
        return FolderProblem{FolderProblem::Kind::notWritable, existing};
    return std::nullopt;
}

} // namespace Directories
