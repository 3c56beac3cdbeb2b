#pragma once

#include "cli/CliArguments.h"

#include "analysis/MediaList.h"

#include <optional>

class AppSettings;
struct MediaMetadata;
class QJsonObject;

namespace AnalyzeCommand {

// Analyses one link and prints its metadata; the exit code.
int run(const AnalyzeRequest &request, const AppSettings &settings);

// The metadata as people read it: title, uploader, duration, a table of the
// formats, the subtitle languages; first, for a video opened inside a list,
// its place there and the list's link. Texts from the metadata are made plain.
QString describe(const MediaMetadata &metadata, const std::optional<MediaList> &enclosingList = std::nullopt);
// The metadata record for programs, with, for a video opened inside a list,
// "list": {"title", "webpageUrl", "index", "count"}.
QJsonObject toJson(const MediaMetadata &metadata, const std::optional<MediaList> &enclosingList);

// A list as people read it: title, uploader, link, then one row per entry
// (index, title, duration, link), and which entry the link itself is.
QString describe(const MediaList &list);
// The list for programs: {"type": "list", "id", "title", "webpageUrl",
// "uploader"?, "linkedEntry"?, "entries": [{"index", "title", "url",
// "duration"?, "thumbnail"?, "fetchFromList"?}]}.
QJsonObject toJson(const MediaList &list);

} // namespace AnalyzeCommand
