#pragma once

#include "tools/ActiveTools.h"

#include <QString>

#include <optional>

// Decides which copy of each tool runs. Every place that starts a tool
// (analysis, downloads, diagnostics, the updater, the command line) asks
// here, so they all run the same files.
//
// A user copy of yt-dlp or deno is used only while its file's SHA-256 equals
// its entry in the user folder's manifest; otherwise the shipped tool runs and
// userCopyIgnored says why. Digests are remembered per unchanged file
// (FileDigest::rememberedSha256), so a check before every start costs a stat.
// Safe from any thread; the first check of a large file reads all of it.
namespace ToolResolver {

ActiveTools resolve(const std::optional<QString> &resourcesDirectory, const QString &userToolsDirectory);

// Over AppConfiguration's resources directory and user tool folder.
ActiveTools resolve();

} // namespace ToolResolver
