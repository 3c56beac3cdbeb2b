#pragma once

#include "cli/CliArguments.h"
#include "history/DownloadHistory.h"

#include <QJsonObject>

class HistoryStore;

namespace HistoryCommand {

// Lists the store's records, newest first, through the request's filter and
// search; always succeeds.
int run(const HistoryRequest &request, const HistoryStore &store);

// Whether a record passes the outcome filter (success: completed; failed:
// failed, cancelled records are not failures) and the search (empty, or a
// case-insensitive part of the title or the link).
bool admits(const DownloadHistory &record, HistoryOutcome outcome, const QString &search);

// The record under its field names; absent optional fields are null, times
// are ISO 8601 in UTC with milliseconds.
QJsonObject toJson(const DownloadHistory &record);

} // namespace HistoryCommand
