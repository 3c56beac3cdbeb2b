#pragma once

#include "analysis/MediaList.h"
#include "engine/AdvancedOptions.h"
#include "engine/DownloadJob.h"
#include "engine/DownloadOptions.h"

#include <QList>
#include <QString>

// The jobs of the chosen entries of a list: one per entry, in list order,
// each with the entry's own link (or the list's, fetching that item of it),
// its place in the list, and the same options. The window's list card and
// the command line both queue lists through here.
namespace ListJobs {

struct Options
{
    MediaKind mediaType = MediaKind::video;
    VideoQuality videoQuality = VideoQuality::p1080;
    AudioFormat audioFormat = AudioFormat::best;
    SubtitleMode subtitleMode = SubtitleMode::none;
    QString subtitleLang;
    AdvancedOptions advanced;
};

// `indices` are 1-based entry numbers (ListItemRange::parse gives them);
// numbers the list does not have are passed over. Each job shows the
// entry's title, duration and thumbnail until its own run describes it.
QList<DownloadJobPtr> create(const MediaList &list, const QList<int> &indices, const Options &options);

} // namespace ListJobs
