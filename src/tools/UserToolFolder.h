#pragma once

#include "tools/ToolManifest.h"

#include <QString>
#include <QStringList>

#include <optional>

// The layout of the user's own tool folder:
//
//   manifest.json            the user copies in use, in the shipped format
//   manifest.previous.json   the manifest before the last change (rollback)
//   versions/<sha256>/<name> every installed file, named by its digest, so a
//                            file a running download uses is never replaced
//
// Only yt-dlp and deno can come from here; ffmpeg and ffprobe always ship.
namespace UserToolFolder {

inline const QStringList kUpdatableTools = {"yt-dlp", "deno"};

QString manifestPath(const QString &folder);
QString previousManifestPath(const QString &folder);
QString versionsPath(const QString &folder);
// The file of one installed copy. `sha256` must be isValidDigest().
QString fileFor(const QString &folder, const QString &name, const QString &sha256);

// 64 lower-case hex digits: what the folder accepts as a digest (and as a
// folder name).
bool isValidDigest(const QString &text);

struct ManifestFile
{
    bool present = false;                // the file exists
    std::optional<ToolManifest> decoded; // none when absent or undecodable
};
ManifestFile readManifest(const QString &path);

} // namespace UserToolFolder
