#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Versions as the tools print them and as their release tags name them.
namespace ToolVersion {

// The version a tool's --version output names: yt-dlp prints it alone,
// deno as "deno 2.5.6 (stable, ...)".
std::optional<QString> fromOutput(const QString &tool, const QByteArray &output);

// Release tags name versions: yt-dlp's "2026.08.19", deno's "v2.5.6".
QString ofTag(const QString &tag);

// Why a new file that says it is `printed` must not replace the copy in use
// (`current`, none for no copy): it must be the version its release `tag`
// names, and newer than the one in use. A release page can be made to point
// anywhere; the file's own answer is what gets installed.
std::optional<QString> refusal(const QString &tool, const QString &printed, const QString &tag,
                               const std::optional<QString> &current);

} // namespace ToolVersion
