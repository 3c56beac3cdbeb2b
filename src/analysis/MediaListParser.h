#pragma once

#include "analysis/MediaList.h"

#include <QJsonObject>
#include <QString>

#include <optional>

// Reads the list in yt-dlp's answer for a link analysed with
// --flat-playlist. Pure functions; any thread.
namespace MediaListParser {

// The list of a top-level answer; nothing when the answer is no list (no
// "entries" list of objects) or a list of a single, fully described video
// (some sites wrap every video so), which is better shown as that video.
// `analysedUrl` is the link that was asked about: the list's link when the
// answer names none, and what tells whether the link is one of its entries.
std::optional<MediaList> parse(const QJsonObject &answer, const QString &analysedUrl);

// The description of the entry the link names (`list` being parse()'s list
// of `answer`) when the listing holds it whole, formats and all, as it does
// for a video on the list's own page; nothing for an entry listed only by
// its link, or when the link names none.
std::optional<QJsonObject> linkedVideo(const QJsonObject &answer, const MediaList &list);

} // namespace MediaListParser
