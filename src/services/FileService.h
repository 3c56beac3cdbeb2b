#pragma once

#include "engine/Directories.h"

#include <QString>

#include <optional>

// Files and folders on the desktop: creating folders, opening a file with its
// default application, showing a file in the file manager. No state; one
// shared instance. GUI thread only (the desktop calls go through Qt Gui and
// the session bus).
class FileService
{
public:
    static FileService &shared();

    // Creates `folder` and every missing parent. A folder that already exists
    // is success (nothing is returned); any failure, including an existing
    // non-folder at `folder`, returns the system's error. This is the one
    // operation of the desktop services that reports a failure.
    [[nodiscard]] std::optional<FileSystemError> ensureDirectory(const QString &folder) const;

    // Opens the file or folder at `path` with the user's default application.
    // Nothing happens when nothing exists there; the outcome is not reported.
    void openFile(const QString &path) const;

    // Shows the file or folder at `path` selected in the file manager
    // (org.freedesktop.FileManager1 on the session bus). When nothing exists
    // at `path`, or no file manager answers, the folder that holds (or held)
    // it is opened instead. Returns at once; the bus call is asynchronous.
    void revealInFinder(const QString &path) const;

private:
    FileService() = default;
};
