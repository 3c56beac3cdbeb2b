#pragma once

#include "cli/CliArguments.h"

class AppSettings;
struct MediaList;
struct MediaMetadata;
class QJsonObject;

namespace AnalyzeCommand {

// Analyses one link and prints its metadata; the exit code.
int run(const AnalyzeRequest &request, const AppSettings &settings);

// The metadata as people read it: title, uploader, duration, a table of the
// formats, the subtitle languages. Texts from the metadata are made plain.
QString describe(const MediaMetadata &metadata);

// A list as people read it: title, uploader, link, then one row per entry
// (index, title, duration, link), and which entry the link itself is.
QString describe(const MediaList &list);
// The list for programs: {"type": "list", "id", "title", "webpageUrl",
// "uploader"?, "linkedEntry"?, "entries": [{"index", "title", "url",
// "duration"?, "thumbnail"?, "fetchFromList"?}]}.
QJsonObject toJson(const MediaList &list);

} // namespace AnalyzeCommand
