#pragma once

#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringView>

#include <optional>

// Where a job stands. The raw text of each case is its name; it is stored as
// the final status of history records and must never change. There is no
// display text here: the job row and the progress display choose the words.
enum class DownloadStatus {
    queued,      // waiting for a free slot; the initial status of every job
    analyzing,   // started; the link's metadata is being fetched
    downloading, // the yt-dlp download process is running
    merging,     // the download process is merging or post-processing
    completed,   // finished successfully
    cancelled,   // stopped by the user
    failed,      // finished with an error (see the job's errorCategory/errorSummary)
};

namespace DownloadStatuses {

// Every case, in declaration order.
const QList<DownloadStatus> &all();

QString rawValue(DownloadStatus status);

// Exact, case-sensitive match on the raw text; anything else gives nothing.
std::optional<DownloadStatus> fromRawValue(QStringView raw);

// True for analyzing, downloading and merging: the statuses in which a job holds
// one of the queue's slots and the stall monitor watches it.
bool isActive(DownloadStatus status);

// True for completed, cancelled and failed.
bool isTerminal(DownloadStatus status);

} // namespace DownloadStatuses

Q_DECLARE_METATYPE(DownloadStatus)
