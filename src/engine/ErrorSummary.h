#pragma once

#include <QString>

// The one-line summaries a failed job carries. They are kept in English, on
// the job and in its history record, and translated only where shown.
namespace ErrorSummary {

// "Cannot create output directory: <folder>"
QString cannotCreateOutputDirectory(const QString &folder);

// "Required tool (yt-dlp / ffmpeg) is missing."
QString toolMissing();

// `summary` in the interface language: a category's user message, or one of
// the summaries above with its folder kept as it is; any other text as it is.
QString translated(const QString &summary);

} // namespace ErrorSummary
