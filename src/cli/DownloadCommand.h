#pragma once

#include "cli/CliArguments.h"

class AppSettings;
class HistoryStore;

namespace DownloadCommand {

// Queues the request's links (and its batch), or with --playlist the chosen
// entries of its list (see ListEntries), shows their progress until every
// job has ended, and gives the exit code: success when all completed (an
// entry the download archive holds completes without a download), failure
// otherwise, interrupted after SIGINT or SIGTERM (running jobs are
// cancelled and recorded first), usage for an unreadable batch.
int run(const DownloadRequest &request, AppSettings &userSettings, HistoryStore &history);

} // namespace DownloadCommand
