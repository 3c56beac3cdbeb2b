#pragma once

#include "engine/DownloadStatus.h"
#include "engine/SemanticColor.h"

#include <QString>

#include <optional>

class DownloadJob;

// What a job row draws in its progress area, with every text finished. The
// English texts are translation keys in the "ProgressDisplay" context; numbers
// and sizes are filled in after translation.
struct ProgressDisplay
{
    enum class Kind {
        percent,
        aboutPercent,
        fragment,
        indeterminate,
        merging,
        finalizing,
        completed,
        stalled,
        idle,
        retrying,
    };

    Kind kind = Kind::idle;
    QString primaryText;
    std::optional<QString> bytesText;
    std::optional<QString> speedText;
    std::optional<QString> etaText;
    bool indeterminate = false;
    std::optional<QString> totalUnknownNote;

    bool operator==(const ProgressDisplay &) const = default;

    // Pure except for a completed job, whose file size is read from the disk.
    static ProgressDisplay forJob(const DownloadJob &job);
};

// The status badge: symbol name, text and colour of a job's status.
struct JobStatusInfo
{
    QString symbolName;
    QString text; // translated at call time ("JobStatusInfo" context)
    SemanticColor foreground = SemanticColor::secondary;

    bool operator==(const JobStatusInfo &) const = default;

    static JobStatusInfo forStatus(DownloadStatus status, const QString &stage);
    // A running job from which nothing has come for a while.
    static JobStatusInfo stalled();
};
