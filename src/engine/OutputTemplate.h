#pragma once

#include "analysis/MediaMetadata.h"
#include "engine/DownloadOptions.h"
#include "engine/OptionCheck.h"

#include <QString>
#include <QStringList>

// The file name template of a download: yt-dlp's output template, relative to
// the output folder (fields such as %(title)s, subfolders allowed).
namespace OutputTemplate {

// Today's name: title (at most 180 bytes) and id (at most 40), leaving room
// under the 255-byte limit of a file name for what yt-dlp adds to it while
// downloading.
QString defaultTemplate();

// The default of earlier versions, which did not bound the id; a stored
// copy of it stands for today's default.
inline const QString kEarlierDefault = QStringLiteral("%(title).180B [%(id)s].%(ext)s");

// `text` when yt-dlp can use it as the name of a file inside the output
// folder: every % starts a field written as %(name) with a conversion (s, d,
// .180B, 03d, ...) or is doubled (%%); it ends with .%(ext)s so the file keeps
// its type; it does not start with / or ~, has no ".." folder and no line
// breaks. The empty text stands for the default template and passes.
Checked<QString> check(const QString &text);

// The fields `templateText` (checked) names in its folders, before the
// last "/", those inside others by the field holding them ("formats" for
// %(formats.0.id)s), each once.
QStringList folderFieldNames(const QString &templateText);

// The name `templateText` (checked) gives the analysed `record` with the
// extension `ext`, as yt-dlp would write it: fields are filled from what the
// analysis read (id, title, uploader, duration, extractor, webpage_url, ...),
// with yt-dlp's replacements for characters a file name cannot hold, widths
// and precisions applied (.180B cuts at 180 bytes), and "." or ".." as a
// folder's field "_". Fields the analysis did not read show as <name>:
// yt-dlp fills them.
QString preview(const QString &templateText, const MediaMetadata &record, const QString &ext);

// The extension a download of `record` will have: mp4 for video, mp3 or m4a
// when converted, otherwise that of the best audio the analysis listed.
QString expectedExtension(const MediaMetadata &record, MediaKind kind, AudioFormat audio);

} // namespace OutputTemplate
