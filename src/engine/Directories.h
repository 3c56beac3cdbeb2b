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

// Why a folder cannot take downloads.
struct FolderProblem
{
    enum class Kind {
        notAbsolute, // empty, or not a full path
        notAFolder,  // `path` is a file (the folder itself or a folder on the way)
        notWritable, // `path` is a folder where nothing may be written
    };
    Kind kind;
    QString path; // the folder asked for, or the place on its way that stops it

    bool operator==(const FolderProblem &) const = default;
};

namespace Directories {

// Creates `folder` and every missing parent. A folder that already exists is
// success; any failure, including an existing non-folder at `folder`, gives
// the system's error.
[[nodiscard]] std::optional<FileSystemError> ensureDirectory(const QString &folder);

// Whether downloads can go to `folder` without creating anything: it is a
// folder this process may write into, or it does not exist and the nearest
// folder above it that does is one this process may write into (so
// ensureDirectory can make it). Nothing when it can; reads only. It touches
// the file system: keep it off the GUI thread.
[[nodiscard]] std::optional<FolderProblem> problemWith(const QString &folder);

} // namespace Directories
