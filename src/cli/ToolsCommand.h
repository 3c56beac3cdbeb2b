#pragma once

#include "cli/CliArguments.h"

class AppSettings;

namespace ToolsCommand {

// "tools": one line per tool in use (source, version, yt-dlp's age, digest
// match) and why a user copy was passed over; always succeeds.
// "tools update": checks for, or installs, a newer release, printing each
// step and the download's progress to standard error; Ctrl+C cancels. 0 when
// it ended installed, up to date or (with --check) with a newer release
// found; 1 when it failed; 130 when interrupted.
// "tools rollback": returns to the state before the last update; 1 when
// there is none or it cannot be restored.
int run(const ToolsRequest &request, AppSettings &settings);

} // namespace ToolsCommand
