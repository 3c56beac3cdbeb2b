#pragma once

#include <QString>

#include <optional>

// Why a folder could not be created: the operating system's error number and
// its own description of it ("Not a directory", "Permission denied", ...).
struct FileSystemError
{
    int code = 0;        // errno value
    QString path;        // the folder that was asked for
    QString description; // the system's text for `code`
};

namespace Directories {

// Creates `folder` and every missing parent. A folder that already exists is
// success; any failure, including an existing non-folder at `folder`, gives
// the system's error.
[[nodiscard]] std::optional<FileSystemError> ensureDirectory(const QString &folder);

} // namespace Directories
