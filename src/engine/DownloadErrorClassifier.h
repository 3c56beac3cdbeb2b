#pragma once

#include "engine/DownloadErrorCategory.h"

#include <QString>

#include <system_error>

// Derives a failure category from what a tool printed, or from the error that
// stopped a tool from starting. Pure functions; callable from any thread.
namespace DownloadErrorClassifier {

// Ordered substring rules over the lines of stdout and stderr, lower-cased:
// what the tools said, not the titles and file names the progress records,
// the final-path lines and an error's file name carry. The exit code does not
// take part in the choice; callers decide whether to classify.
DownloadErrorCategory classify(int exitCode, const QString &stdoutText, const QString &stderrText,
                               bool wasCancelled);

// A launch error: POSIX error numbers decide first (ENOENT, EACCES, ENOSPC),
// then the error's description.
DownloadErrorCategory classify(const std::error_code &error);

} // namespace DownloadErrorClassifier
