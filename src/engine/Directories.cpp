#include "engine/Directories.h"

#include <QFile>

#include <filesystem>

namespace Directories {

std::optional<FileSystemError> ensureDirectory(const QString &folder)
{
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(QFile::encodeName(folder).toStdString()), error);
    if (!error)
        return std::nullopt;
    return FileSystemError{error.value(), folder, QString::fromStdString(error.message())};
}

} // namespace Directories
