#pragma once

#include "diagnostics/EngineDiagnosticsReport.h"
#include "tools/ActiveTools.h"

#include <QStringList>

#include <chrono>
#include <optional>

// One-shot examination of the tools that run (ToolResolver: a verified user
// copy, else the shipped tool): presence, version, SHA-256 and agreement
// with the manifest that lists them. Blocking (it hashes whole files and runs each
// tool), so it is run off the GUI thread. Never fails: every failure is
// folded into the report.
namespace EngineDiagnostics {

inline const QStringList kToolNames = ActiveTools::kToolNames;

inline constexpr auto kToolTimeLimit = std::chrono::seconds(10);

inline constexpr const char *kMissingNote = "Not found in app bundle Resources/Tools";

// Examines `resourcesDirectory` (its Tools folder and manifest.json; none
// means the application has no resources directory) with the user's tool
// folder of AppConfiguration::userToolsDirectory().
EngineDiagnosticsReport run(const std::optional<QString> &resourcesDirectory);

// The machine hardware name, as `uname -m` prints it.
QString architecture();

// The arguments that make a tool print its version: ffmpeg and ffprobe know
// only the single-dash form and reject "--version".
QStringList versionArguments(const QString &toolName);

} // namespace EngineDiagnostics
