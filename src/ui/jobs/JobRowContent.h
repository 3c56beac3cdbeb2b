#pragma once

#include "engine/ProgressDisplay.h"

#include <QList>
#include <QString>
#include <QUrl>

#include <optional>

class DownloadJob;

// What a job row's buttons do, in the order it shows them, and copyLink,
// which only its menu offers.
enum class JobRowAction { cancel, retry, open, reveal, remove, copyLink };

// Everything one job row shows, worked out from the job once per change, so
// painting and measuring a row never touch the job (or the disk) again.
struct JobRowContent
{
    QString title;      // verbatim; also the tooltip
    QString subtitle;   // "Video · 1080p"
    JobStatusInfo badge;
    QString headline;   // empty: none shown
    bool headlineWarns = false; // stalled or retrying: drawn in orange
    bool showsProgress = false;
    std::optional<double> progress; // nothing: indeterminate bar
    QString detailText; // bytes · speed · ETA; empty: no detail line
    QString note;       // "Total size unknown", or how the run ended; empty: none
    bool showsError = false;
    QString errorSummary;
    QString errorReason; // the tool's own words, beneath the summary; empty: none
    bool offersLog = false; // a "Show Log" toggle
    QList<JobRowAction> actions;
    std::optional<QUrl> thumbnailUrl;

    bool operator==(const JobRowContent &) const = default;

    // True when `other` needs a row of another height.
    bool sameShape(const JobRowContent &other) const;

    // A failed job always offers its log; with `offerEveryLog` (the verbose
    // logs setting) every job that has log lines does.
    static JobRowContent forJob(const DownloadJob &job, bool offerEveryLog = false);
    static QString actionText(JobRowAction action);
};
