#pragma once

#include "engine/Directories.h"

#include <QString>

#include <functional>
#include <optional>

// How handing a path to the desktop ended.
enum class OpenOutcome {
    opened,       // the desktop took it
    nothingThere, // no file or folder at the path: nothing was asked
    noHandler,    // the desktop has no application (or no file manager) for it
};
using OpenDone = std::function<void(OpenOutcome)>;

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

    // Opens the file or folder at `path` with the user's default application:
    // through the desktop's launcher xdg-open when there is one (its exit
    // status says whether it found an application), else through Qt's
    // platform services. Nothing happens when nothing exists there. Returns
    // at once; `done` (if given) hears the outcome later, on this thread.
    void openFile(const QString &path, OpenDone done = {}) const;

    // Shows the file or folder at `path` selected in the file manager
    // (org.freedesktop.FileManager1 on the session bus). When nothing exists
    // at `path`, or no file manager answers, the folder that holds (or held)
    // it is opened instead, as openFile does. Returns at once.
    void revealInFinder(const QString &path, OpenDone done = {}) const;

private:
    FileService() = default;
};
