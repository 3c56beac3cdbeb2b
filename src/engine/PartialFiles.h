#pragma once

#include "engine/DownloadJob.h"

#include <QList>
#include <QStringList>

// The partial files a failed or cancelled job left behind, found by the names
// yt-dlp gives them after each file it reported downloading into for the job
// (DownloadJob::downloadTargets), never by a guess at a title or a pattern
// over the folder:
//
//   <target>.part, <target>.ytdl, <target>.part-Frag<N>[.part]
//       the download in progress, its resume state and its fragments;
//   <target> itself when it is an intermediate format file
//       (<stem>.f<format>.<ext>), which only exists until the merge;
//   <stem>.temp.<ext>
//       ffmpeg's working file while merging or remuxing.
//
// A target outside the job's output folder has none. Each must be a regular
// file (not a link or folder) in the target's own folder, changed at or after the job was created (a same-named file that was
// there before is someone else's), and no other job in `queue` may claim it:
// not as its output file, and not through a target of its own (two jobs of
// one link into one folder share their partial files, so neither removes
// them). A completed job has none: its files are never touched.
namespace PartialFiles {

// The existing partial files of `job`, sorted; `queue` is every job in the
// queue (the job itself may be among them).
QStringList of(const DownloadJob &job, const QList<DownloadJobPtr> &queue);

// Deletes those of `paths` that are still regular files; returns the paths
// that could not be deleted.
QStringList remove(const QStringList &paths);

// Their sizes added up, for telling the user.
qint64 totalSize(const QStringList &paths);

} // namespace PartialFiles
