#pragma once

#include "engine/AdvancedOptions.h"
#include "engine/DownloadOptions.h"

#include <QString>
#include <QStringList>

// yt-dlp arguments of the advanced options, in the groups the command
// builder places them in. Options at their defaults add nothing.
namespace AdvancedArguments {

// How yt-dlp reaches the site: browser cookies when chosen, else the
// cookies file when one is set (never both); then the proxy.
QStringList connection(const AdvancedOptions &options, const QString &cookieFilePath);

// How fast it fetches: the speed limit, concurrent fragments; and whether
// it skips what the download archive holds.
QStringList transfer(const AdvancedOptions &options);

// How yt-dlp ends a run that skipped its item because the download archive
// holds it. It says so only on the screen, which our --print templates
// silence; --break-on-existing (part of transfer() with skipDownloaded)
// makes it end with this status instead, which is its status for a download
// it stopped on purpose.
inline constexpr int kArchiveHoldsItExitCode = 101;

// What it makes of the download: embedded parts, SponsorBlock, the time
// range, split chapters, then the user's extra arguments. Embedding follows
// what the file's container can hold:
// - video (always remuxed to mp4): metadata, chapters, thumbnail, and
//   subtitles when subtitles are fetched;
// - audio as mp3 or m4a: metadata, chapters and thumbnail; subtitles stay
//   files beside it (neither container holds text tracks for players);
// - audio as it comes (opus, ogg, webm, m4a, ...): metadata and chapters;
//   no thumbnail, as the container is only known once downloaded and yt-dlp
//   fails the download on one it cannot embed into.
// --embed-metadata alone would make yt-dlp embed chapters too, so chapters
// left out are refused explicitly, unless SponsorBlock marks segments, which
// are chapters by nature.
QStringList processing(const AdvancedOptions &options, MediaKind kind, AudioFormat audio, SubtitleMode subtitles);

} // namespace AdvancedArguments
