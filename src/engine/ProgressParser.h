#pragma once

#include "engine/ProgressEvent.h"

#include <QString>
#include <QStringView>

#include <optional>

// Reads one line of yt-dlp download output. The download command makes yt-dlp
// print "__KVJSON__" + its progress record as JSON for every update and
// "__KV_FILEPATH__" + the final path once the file is in place; every other
// line goes through a keyword fallback, which also reads yt-dlp's retry
// reports. Pure functions, safe on any thread.
namespace ProgressParser {

inline constexpr QLatin1String kJsonMarker("__KVJSON__");
inline constexpr QLatin1String kFilepathMarker("__KV_FILEPATH__");

// One line without its line feed. Never fails: a line with nothing usable,
// whatever its bytes, gives the none event; a JSON marker line whose JSON
// cannot be read gives a progress event with the empty record.
ProgressEvent parse(const QString &line);

// "120.50MiB" -> 126353408. Units with an i count in 1024s, the others in
// 1000s, from kilo to yotta. Absent for "NA", "N/A", "?", text without a
// number, a unit yt-dlp does not print, and sizes that do not fit a signed
// 64-bit integer.
std::optional<qint64> humanReadableToBytes(QStringView text);

} // namespace ProgressParser
