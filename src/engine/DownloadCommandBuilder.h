#pragma once

#include "engine/AdvancedOptions.h"
#include "engine/ResolvedCommand.h"
#include "engine/RunMarkers.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

class DownloadJob;

// The one place that knows yt-dlp's command line: the metadata request and
// the download command of a job. Stateless; callable from any thread. The
// tools come from ToolResolver: the verified user copy of yt-dlp or deno when
// there is one, the shipped tools otherwise; without a shipped tools folder
// there is no command.
namespace DownloadCommandBuilder {

// Merger and post-processor phases, as lines the progress parser reads. The
// carriage return ends each: older yt-dlp (Debian 12's 2023.03.04) prints
// them without a line feed and takes none from a template, so they would run
// into each other and into the lines after them, our markers among them
// (RunOutputReader::pieces).
inline const QString kPostprocessTemplate =
    QStringLiteral("postprocess:[%(progress.postprocessor)s] postprocess %(progress.status)s\r");
inline const QString kOutputTemplate = QStringLiteral("%(title).180B [%(id).40B].%(ext)s");

// What one run of a job is given besides the job. A job's first run only
// decides the name (yt-dlp extracts the link, prints the path it would
// write and saves what it extracted, writing nothing into the output
// folder); every run after that downloads under the name claimed for it.
struct RunInputs
{
    // True for the run that decides the name.
    bool decidesName = false;
    // A saved description of the link to load (--load-info-json) instead
    // of extracting the page again. Empty: yt-dlp extracts the link.
    QString savedInfo;
    // When extracting: where yt-dlp saves what it extracted (a download
    // adds ".info.json" and announces it with the info-file marker; the
    // run deciding the name writes exactly this path). Empty: nothing is
    // saved.
    QString infoTarget;
    // The claimed path of the job's files without extension (downloads
    // only): every file of the job is named after it.
    QString fileStem;
    // The markers of this run's lines for us (progress, final path, the
    // description written, the name).
    RunMarkers markers;
};

// True exactly for an absolute http or https link (scheme in any case) with a
// non-empty host. Nothing is trimmed: callers trim first, and a link holding
// white space or control characters anywhere is refused.
bool validateURL(const QString &text);

// "--cookies" and the path trimmed of white space, or nothing when the
// trimmed path is empty. The file itself is not looked at.
QStringList cookieArguments(const QString &path);

// {"PATH": <folders>:<inherited PATH>}, the folders being the active deno's
// (when it is a user copy) and the shipped tools folder; empty without
// either. Every yt-dlp run gets it, so yt-dlp finds the active deno.
QHash<QString, QString> environment();

// What a metadata request describes of a link that is a list: all of it,
// or, for a video opened inside a list, that video alone.
enum class ListReach { wholeList, linkedItem };

// Every yt-dlp run starts with --ignore-config: no configuration file of
// the user's, the system's or one left beside the tool or in a folder
// changes what a run does or what it prints for us.

// The metadata request (-J) for one link; nothing for a link validateURL
// refuses or without a tools directory. `cookieFilePath` is the stored
// setting ("" for none). From `options`, what shapes how yt-dlp reads the
// link, so that the analysis sees the site as the download will: browser
// cookies (in place of the cookies file), the proxy, the extra arguments.
// A list is always listed flat: its entries' pages are not read.
std::optional<ResolvedCommand> analyzeCommand(const QString &url, const QString &cookieFilePath,
                                              const AdvancedOptions &options = {},
                                              ListReach reach = ListReach::wholeList);

// The download command of a job, writing into `outputDir`; nothing for a
// link validateURL refuses or without a tools directory. `cookieFilePath` is
// the stored setting, read by the caller when the download starts. The job's
// advanced options add their arguments (AdvancedArguments) and may name the
// file with a template of their own; at their defaults they add nothing. The
// link stays the last argument also when saved info is loaded (yt-dlp then
// ignores it; it shows which link a running yt-dlp serves).
std::optional<ResolvedCommand> build(const DownloadJob &job, const QString &outputDir,
                                     const QString &cookieFilePath, const RunInputs &inputs = {});

} // namespace DownloadCommandBuilder
