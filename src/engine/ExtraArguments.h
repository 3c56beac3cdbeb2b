#pragma once

#include "engine/OptionCheck.h"

#include <QString>
#include <QStringList>

// Further yt-dlp arguments a user adds to every download (or to one). They
// are read the way yt-dlp will read them (YtDlpOptions), and refused with a
// sentence naming the first argument that:
// - runs other programs or code (--exec, --netrc-cmd, --use-postprocessor
//   Exec, --downloader, --ffmpeg-location, --js-runtimes, ...);
// - changes where or how yt-dlp reads its configuration (--config-locations,
//   --ignore-config, --alias, ...);
// - takes over the file's place or name (-o without a type such as
//   "chapter:", -P without one, --id), which the output folder and the file
//   name template decide;
// - keeps yt-dlp from downloading (--simulate, --print, --list-formats, ...),
//   replaces the shipped yt-dlp (--update), fetches other links (--batch-file,
//   --load-info-json, --yes-playlist) or hides the progress Tarvelle follows
//   (--no-progress, --progress-template);
// - has an option of its own in Tarvelle (--proxy, --limit-rate, --cookies,
//   --cookies-from-browser, --embed-*, --sponsorblock-*, ...), so that two
//   places never disagree (a cookies file and browser cookies never meet);
// - is no yt-dlp option, is an ambiguous abbreviation, lacks its value, or
//   is a bare word or "--", which yt-dlp would take for a link.
// Abbreviations are read as yt-dlp reads them: "--exec-b" is
// --exec-before-download and refused as such.
namespace ExtraArguments {

// `text` split as a shell would (ShellWords) when every word may be passed.
Checked<QStringList> parse(const QString &text);

// The sentence refusing the first word that may not be passed; empty when
// all may.
QString refusal(const QStringList &words);

} // namespace ExtraArguments
