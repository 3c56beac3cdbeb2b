#pragma once

#include <QList>
#include <QMetaType>
#include <QString>

#include <optional>

// One entry of a list (a playlist, a channel, a page of several videos) as
// yt-dlp's flat listing names it: enough to show it and to download it,
// without the entry's own page having been read.
struct MediaListEntry
{
    int index = 0; // 1-based place in the list, as yt-dlp counts its items
    QString title; // the entry's title, else its link
    std::optional<double> duration; // seconds
    std::optional<QString> thumbnail;
    // The link a download of this entry fetches: the entry's own page, or,
    // for an entry that has none (a video on the list's page), the list's
    // link, of which the download then fetches item `index`.
    QString url;
    bool fetchFromList = false;

    bool operator==(const MediaListEntry &) const = default;

    // The duration as clock text ("m:ss", "h:mm:ss"); see clockText().
    std::optional<QString> durationString() const;
};

// What the analysis of a list link gives. A plain value; safe to copy
// between threads.
struct MediaList
{
    QString id;
    QString title; // the list's title, else its link
    std::optional<QString> uploader;
    QString webpageUrl; // the list's own page (the analysed link when yt-dlp names none)
    QList<MediaListEntry> entries; // in list order, indices 1..n
    // The entry the analysed link names itself, when it is one video of
    // the list (a video opened inside a playlist): the user may want that
    // video alone. 1-based; none for a link to the list itself.
    std::optional<int> linkedEntry;

    bool operator==(const MediaList &) const = default;
};

Q_DECLARE_METATYPE(MediaList)
