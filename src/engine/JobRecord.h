#pragma once

#include "engine/DownloadOptions.h"
#include "engine/DownloadStatus.h"
#include "history/DownloadHistory.h"

class DownloadJob;

// The engine's side of the history: a finished job becomes a record of
// plain values, and a record's stored texts read back as the engine's
// vocabulary. The history itself knows nothing of jobs.
namespace JobRecord {

// The record of `job` as it stands now. The caller sets the job's
// finishedAt (and outputPath) first; the job is not changed.
DownloadHistory of(const DownloadJob &job);

// The status named by the record's finalStatusRaw; any text that names none
// reads as failed.
DownloadStatus status(const DownloadHistory &record);

// audio for the text "audio", video for any other.
MediaKind mediaKind(const DownloadHistory &record);

} // namespace JobRecord
