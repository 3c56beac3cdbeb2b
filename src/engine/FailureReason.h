#pragma once

#include <QString>
#include <QStringList>

// yt-dlp's own account of a failure, cut down to one short line for the
// person who has to act on it: the text of its last "ERROR:" line without
// the extractor and media id in front, the Python exception chain behind
// ("(caused by ...)"), the request to report a bug, connection object names
// and errno markers. An HTTP status speaks for itself ("HTTP Error 404: Not
// Found"). Plain text; empty when no line starts with "ERROR:".
namespace FailureReason {

// The longest reason, in characters; a longer one ends in "…" at a word.
inline constexpr qsizetype kMaxLength = 160;

QString fromOutput(const QStringList &lines);

} // namespace FailureReason
