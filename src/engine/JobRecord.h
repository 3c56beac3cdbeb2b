#pragma once

#include "engine/DownloadOptions.h"
#include "engine/DownloadStatus.h"
#include "engine/ListPlacement.h"
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

// The options the record kept, in the engine's words; nothing where it keeps
// none: the video quality of an audio record, the audio format of a video
// one, the subtitles of a record made before they were kept, or a text that
// names no case.
std::optional<VideoQuality> videoQuality(const DownloadHistory &record);
std::optional<AudioFormat> audioFormat(const DownloadHistory &record);
std::optional<SubtitleMode> subtitleMode(const DownloadHistory &record);
// Empty when the job asked for subtitles without naming languages.
std::optional<QString> subtitleLang(const DownloadHistory &record);

// The list the record's entry was chosen from, so a retry fetches the same
// entry; nothing for a link queued on its own.
std::optional<ListPlacement> listPlacement(const DownloadHistory &record);

} // namespace JobRecord
