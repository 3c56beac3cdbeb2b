#pragma once

#include "cli/CliArguments.h"

// `tarvelle-cli download --to-window`: the links go to the queue of the
// Tarvelle window that runs in this session, with the window's own default
// options, instead of being downloaded here.
namespace WindowHandOff {

// Exit codes as for the other commands: failure when no window runs or a
// link is not usable (the usable ones are handed over all the same).
int run(const DownloadRequest &request);

} // namespace WindowHandOff
