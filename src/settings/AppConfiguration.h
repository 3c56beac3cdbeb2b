#pragma once

#include <QString>

#include <optional>

// Fixed values the application derives from its installation rather than from
// the user. Everything here may be called from any thread.
namespace AppConfiguration {

// Compiled in; "1.0.0" and "1" when the build gave none.
QString version();
QString buildNumber();
// Reverse-DNS application id.
QString appId();

// The user's Downloads folder (home/Downloads when XDG names none) plus
// "Korvanth". Determined once; the folder is not created here.
QString defaultOutputDir();

// `share/tarvelle` beside the executable's `bin` folder when that folder
// exists; none otherwise.
std::optional<QString> resourcesDirectory();

// resourcesDirectory() + "Tools"; none without a resources directory.
// Evaluated on every call; whether the folder exists is not tested.
std::optional<QString> toolsDirectory();

// The user's own tool folder, where verified tool updates go:
// <XDG data dir>/tarvelle/Tools. Not created here.
QString userToolsDirectory();

// The download archive yt-dlp keeps of what it downloaded with "skip what
// was downloaded" on: <XDG data dir>/tarvelle/download-archive.txt, beside
// the history. yt-dlp makes it at its first entry.
QString downloadArchivePath();

// Puts a different resources directory (or none) in place for the whole
// process while it lives, and restores the previous one afterwards. Meant for
// tests, which point the application at a fixture folder this way.
class ScopedResourcesDirectory
{
public:
    explicit ScopedResourcesDirectory(std::optional<QString> directory);
    ~ScopedResourcesDirectory();
    ScopedResourcesDirectory(const ScopedResourcesDirectory &) = delete;
    ScopedResourcesDirectory &operator=(const ScopedResourcesDirectory &) = delete;

private:
    std::optional<std::optional<QString>> m_previous;
};

// The same for the user's tool folder.
class ScopedUserToolsDirectory
{
public:
    explicit ScopedUserToolsDirectory(QString directory);
    ~ScopedUserToolsDirectory();
    ScopedUserToolsDirectory(const ScopedUserToolsDirectory &) = delete;
    ScopedUserToolsDirectory &operator=(const ScopedUserToolsDirectory &) = delete;

private:
    std::optional<QString> m_previous;
};

} // namespace AppConfiguration
