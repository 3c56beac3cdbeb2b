#pragma once

#include "engine/DownloadErrorCategory.h"

#include <QString>
#include <QStringList>

#include <system_error>

// Derives a failure category from what a tool printed, or from the error that
// stopped a tool from starting. Pure functions; callable from any thread.
namespace DownloadErrorClassifier {

// Ordered substring rules over the lines of stdout and stderr, lower-cased:
// what the tools said, not the titles and file names they also carry. Left
// out: the progress records of the log, every absolute path, and each of
// `ownNames` (the job's title and the names of its files) wherever it stands.
// The exit code does not take part in the choice; callers decide whether to
// classify.
DownloadErrorCategory classify(int exitCode, const QString &stdoutText, const QString &stderrText,
                               bool wasCancelled, const QStringList &ownNames = {});

// Whether a run that printed nothing at all and ended with `exitCode` is a
// program that could not be started: the process runner reports that as 127
// (no such file) or 1 (not executable, not a program), without output; the
// text rules above would call it unknown. A yt-dlp that really ran and
// failed always says why.
bool isFailedLaunch(int exitCode, bool printedNothing);

// Whether a failed download from a saved description was refused the media
// itself (HTTP 403 or 410): the signed media links in the description have
// most likely expired, and a fresh extraction would give working ones.
bool mediaLinkRefused(const QString &output);

// A launch error: POSIX error numbers decide first (ENOENT, EACCES, ENOSPC),
// then the error's description.
DownloadErrorCategory classify(const std::error_code &error);

} // namespace DownloadErrorClassifier
