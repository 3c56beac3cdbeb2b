#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>

class DownloadJob;

// Finds a job's files in the output folder by the media id the output
// template puts in every file name. File-system errors count as finding
// nothing; nothing here ever fails.
namespace OutputFiles {

// Extensions (lower case) that are never the final output: partial
// downloads, subtitles, thumbnails, metadata and temporary files.
bool isExcludedExtension(const QString &fileName);

// Paths of the files in `folder` (not recursive, hidden files skipped) whose
// name contains `token` (case-sensitive), whose extension is not excluded and
// that were modified at or after `createdAfter`, in listing order. An empty
// token finds nothing.
QStringList candidateOutputFiles(const QString &folder, const QString &token, const QDateTime &createdAfter);

// The size of the job's final file when known, else of the largest file in
// `folder` whose name contains the job's media id (every file without
// metadata), ".part" files included; 0 when none; nothing when the folder
// cannot be listed.
std::optional<qint64> currentOutputSize(const DownloadJob &job, const QString &folder);

// Fills outputPath/outputFilename when exactly one candidate exists; with
// none or several, outputPath is cleared and nothing is guessed.
void resolveFinalOutputPath(DownloadJob &job, const QString &folder);

} // namespace OutputFiles
