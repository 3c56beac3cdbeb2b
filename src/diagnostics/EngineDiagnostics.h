#pragma once

#include "diagnostics/EngineDiagnosticsReport.h"

#include <QStringList>

#include <chrono>
#include <optional>

// One-shot examination of the shipped tools: presence, version, SHA-256 and
// agreement with the manifest. Blocking (it hashes whole files and runs each
// tool), so it is run off the GUI thread. Never fails: every failure is
// folded into the report.
namespace EngineDiagnostics {

inline const QStringList kToolNames = {"yt-dlp", "ffmpeg", "ffprobe", "deno"};

inline constexpr auto kToolTimeLimit = std::chrono::seconds(10);

inline constexpr const char *kMissingNote = "Not found in app bundle Resources/Tools";

// Examines `resourcesDirectory` (its Tools folder and manifest.json); none
// means the application has no resources directory.
EngineDiagnosticsReport run(const std::optional<QString> &resourcesDirectory);

// The machine hardware name, as `uname -m` prints it.
QString architecture();

// Lower-case hex SHA-256 of a file's contents; none when it cannot be read.
std::optional<QString> sha256(const QString &path);

// The arguments that make a tool print its version: ffmpeg and ffprobe know
// only the single-dash form and reject "--version".
QStringList versionArguments(const QString &toolName);

} // namespace EngineDiagnostics
