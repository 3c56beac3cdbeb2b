#pragma once

#include "cli/CliArguments.h"
#include "engine/DownloadJob.h"
#include "engine/ListJobs.h"

#include <QList>

#include <variant>

class AppSettings;
class SignalWatcher;

// download --playlist: the request's one link analysed as a list, and the
// jobs of the entries it chooses (--items, else all of them).
namespace ListEntries {

// The jobs, in list order, with `options`; none for a list without entries.
// Otherwise the exit code, its reason already on standard error: usage for
// a link that is no list or --items the list does not have, failure when
// the analysis failed, interrupted after SIGINT or SIGTERM.
std::variant<QList<DownloadJobPtr>, int> jobs(const DownloadRequest &request, const ListJobs::Options &options,
                                              const AppSettings &settings, SignalWatcher &watcher);

} // namespace ListEntries
