#pragma once

#include <QString>

// The one-line failure summaries the coordinator puts on a job (and the
// history keeps), and how they read in the interface language. Summaries are
// stored in English so that records stay readable whatever language wrote
// them; they are translated when shown.
namespace FailureSummary {

QString cancelled();
QString toolMissing();
// "Cannot create output directory: <folder>"
QString outputFolder(const QString &folder);
// Every name the download could take is held by a file or another job.
QString nameTaken();
// yt-dlp named no file for the link (a filter left nothing, say).
QString nothingToDownload();

// `summary` in the interface language: the texts above and the category
// sentences are translated; any other text (written by an older version,
// say) is given back as it is.
QString translated(const QString &summary);

} // namespace FailureSummary
