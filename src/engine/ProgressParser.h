#pragma once

#include "engine/ProgressEvent.h"

#include <QString>
#include <QStringView>

#include <optional>

// Reads yt-dlp's download output. The download command makes yt-dlp print
// its progress records as JSON behind a marker of the run's (RunMarkers);
// parseRecord reads such a record. Every other line goes through parse, a
// keyword reading of yt-dlp's own text, which also reads its retry reports.
// Pure functions, safe on any thread.
namespace ProgressParser {

// One line of yt-dlp's own text without its line feed. Never fails: a line
// with nothing usable, whatever its bytes, gives the none event. It never
// gives a final path: only a marker of the run's says that.
ProgressEvent parse(const QString &line);

// One progress record (the text after its marker: JSON from its "{" through
// the last "}"). Nothing for text without braces; a progress event with the
// empty record for JSON that cannot be read.
ProgressEvent parseRecord(QStringView json);

// "120.50MiB" -> 126353408. Units with an i count in 1024s, the others in
// 1000s, from kilo to yotta. Absent for "NA", "N/A", "?", text without a
// number, a unit yt-dlp does not print, and sizes that do not fit a signed
// 64-bit integer.
std::optional<qint64> humanReadableToBytes(QStringView text);

} // namespace ProgressParser
