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

// Merger and post-processor phases, as lines the progress parser reads.
inline const QString kPostprocessTemplate =
    QStringLiteral("postprocess:[%(progress.postprocessor)s] postprocess %(progress.status)s");
inline const QString kOutputTemplate = QStringLiteral("%(title).180B [%(id).40B].%(ext)s");

// What one download run is given besides the job.
struct RunInputs
{
    // A saved description of the link to load (--load-info-json) instead
    // of extracting the page again. Empty: yt-dlp extracts the link.
    QString savedInfo;
    // When extracting: where yt-dlp writes what it extracted (it adds
    // ".info.json") and announces it with kInfoFileTemplate. Empty: nothing
    // is written.
    QString infoTarget;
    // The output file's name without its extension, instead of title and
    // id: for a run that must not take the name of a file already there.
    QString fileName;
    // The markers of this run's lines for us (progress, final path, the
    // description written, whether the file was downloaded).
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
