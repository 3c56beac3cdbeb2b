#pragma once

#include "history/DownloadHistory.h"

#include <QList>
#include <QLocale>
#include <QString>

#include <optional>

// How history records are narrowed and described on the History screen.
// Pure functions over records; GUI thread or not, they touch nothing else.

// The outcome filter, in segment order. Cancelled records pass only `all`.
enum class HistoryFilter { all, success, failed };

namespace HistoryPresentation {

const QList<HistoryFilter> &filters();
// "All", "Success", "Failed" (translated).
QString filterLabel(HistoryFilter filter);

// True when `record` passes `filter` and `search` is empty or found,
// ignoring case, in its title or link. The search text is not trimmed.
bool matches(const DownloadHistory &record, HistoryFilter filter, const QString &search);

// "Audio · M4A · x.m4a": kind, quality (when not empty), file name (when
// known), and the record's note (translated) when it has one.
QString subtitle(const DownloadHistory &record);

// Why a failed record failed, in the interface language: its summary (the
// category sentence), else its category's sentence; nothing for a record that
// did not fail or keeps neither.
std::optional<QString> failureText(const DownloadHistory &record);
// The tool's own words on a failed record's failure; nothing otherwise.
std::optional<QString> failureReason(const DownloadHistory &record);
// How many of the two lines above a record has, without translating anything
// (rows of a long history are measured by it).
int failureLineCount(const DownloadHistory &record);

// Failed and cancelled records can be queued again.
bool offersRetry(const DownloadHistory &record);

// The finish time, else the start time, as an abbreviated date and a short
// time in `locale`, in the local time zone.
QString dateText(const DownloadHistory &record, const QLocale &locale = QLocale());

} // namespace HistoryPresentation
