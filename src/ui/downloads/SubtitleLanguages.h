#pragma once

#include "analysis/MediaMetadata.h"
#include "engine/DownloadOptions.h"

#include <QList>
#include <QString>

// The subtitle languages a link offers, as the preview card lets the person
// choose among them.
namespace SubtitleLanguages {

// The value that asks yt-dlp for every language.
inline constexpr auto kAll = "all";

struct Entry
{
    QString code; // what yt-dlp's --sub-langs is given: a language code, or "all"
    QString text; // what the picker shows

    bool operator==(const Entry &) const = default;
};

// The languages of `record` for `mode`: its own subtitles for original, its
// automatic captions for automatic, in the record's order; nothing for none.
QList<Entry> offered(const MediaMetadata &record, SubtitleMode mode);

// The picker's entries: "All languages" first, then `offered`.
QList<Entry> entries(const QList<Entry> &offered);

// The entry to start on for `wanted` (the stored default: "all", one code,
// or several separated by commas): the first wanted code that is offered,
// else the first offered one of a wanted language ("en" for "en-US" and the
// other way round), else "all" when that is wanted, else the first offered
// language, so that an unmatched default never asks for every language.
// An index into `entries`.
int preferred(const QList<Entry> &entries, const QString &wanted);

// "Deutsch (de)": the language's own name and its code; the code alone when
// the code names no language Qt knows.
QString displayName(const QString &code);

} // namespace SubtitleLanguages
