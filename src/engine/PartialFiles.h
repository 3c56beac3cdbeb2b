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
// Besides, every such file named after the job's claimed name (its
// fileStem) is its own, whenever it was written.
//
// A target outside the job's output folder has none. Each must be a regular
// file (not a link or folder) in the target's own folder, changed at or after the job was created (a same-named file that was
// there before is someone else's), and no other job in `queue` may claim it:
// not as its output file, and not through a target of its own (two jobs of
// one link into one folder share their partial files, so neither removes
// them). A completed job has none: its files are never touched; any other
// has them, also while queued or running.
namespace PartialFiles {

// The existing partial files of `job`, sorted; `queue` is every job in the
// queue (the job itself may be among them).
QStringList of(const DownloadJob &job, const QList<DownloadJobPtr> &queue);

// Deletes those of `paths` that are still regular files; returns the paths
// that could not be deleted.
QStringList remove(const QStringList &paths);

// The unfinished files yt-dlp leaves (".part", ".ytdl", fragments, ffmpeg's
// ".temp.<ext>") directly in `folder` whose paths start with none of
// `ownedPrefixes`: left by downloads no job goes on with. Sorted. Any thread.
QStringList unowned(const QString &folder, const QStringList &ownedPrefixes);
// What the paths of `job`'s files start with: its name and a dot, and each
// of its download targets.
QStringList ownedPrefixes(const DownloadJob &job);

// Their sizes added up, for telling the user.
qint64 totalSize(const QStringList &paths);

} // namespace PartialFiles
