#pragma once

#include "engine/OptionCheck.h"

#include <QString>
#include <QStringList>

// Further yt-dlp arguments a user adds to every download (or to one). They
// are read the way yt-dlp will read them (YtDlpOptions) and checked against
// a list of options known to neither run code, nor read configuration, nor
// write outside the job's folder. The first argument that may not be passed
// is refused with a sentence naming it: every option the list does not know
// (a newer yt-dlp's among them), and those it refuses because they
// - run other programs or code (--exec, --downloader, --ffmpeg-location,
//   --extractor-args youtube-ejs:..., ...);
// - change where or how yt-dlp reads its configuration (--config-locations,
//   --alias, --preset-alias, ...);
// - could write or remove files outside the output folder (--print-to-file,
//   --cache-dir, --postprocessor-args, --download-archive, ...), read local
//   files (--enable-file-urls) or turn off yt-dlp's own checks
//   (--compat-options);
// - take over the main file's place or name (-o or -P without a type such
//   as "chapter:", --id): the output folder and the template decide those.
//   With a type, their path must stay inside the output folder;
// - keep yt-dlp from downloading, replace the shipped yt-dlp, fetch other
//   links or entries, or hide the progress Tarvelle follows;
// - have a setting of their own in Tarvelle (--proxy, --cookies, --embed-*,
//   ...), so that two places never disagree.
// Words that are no option, ambiguous abbreviations, missing values and "--"
// are refused too. Abbreviations are read as yt-dlp reads them: "--exec-b"
// is --exec-before-download and refused as such.
namespace ExtraArguments {

// `text` split as a shell would (ShellWords) when every word may be passed.
Checked<QStringList> parse(const QString &text);

// The sentence refusing the first word that may not be passed; empty when
// all may.
QString refusal(const QStringList &words);

} // namespace ExtraArguments
