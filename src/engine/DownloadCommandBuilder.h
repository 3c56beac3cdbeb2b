#pragma once

#include "engine/AdvancedOptions.h"
#include "engine/ResolvedCommand.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

class DownloadJob;

// The one place that knows yt-dlp's command line: the metadata request and
// the download command of a job. Stateless; callable from any thread. The
// tools directory comes from AppConfiguration::toolsDirectory().
namespace DownloadCommandBuilder {

// Marker templates; the progress parser recognises the markers.
inline const QString kProgressTemplate = QStringLiteral("download:__KVJSON__%(progress)j");
inline const QString kPostprocessTemplate =
    QStringLiteral("postprocess:[%(progress.postprocessor)s] postprocess %(progress.status)s");
inline const QString kFilePathTemplate = QStringLiteral("after_move:__KV_FILEPATH__%(filepath)s");
inline const QString kOutputTemplate = QStringLiteral("%(title).180B [%(id)s].%(ext)s");

// True exactly for an absolute http or https link (scheme in any case) with a
// non-empty host. Nothing is trimmed: callers trim first, and a link holding
// white space or control characters anywhere is refused.
bool validateURL(const QString &text);

// "--cookies" and the path trimmed of white space, or nothing when the
// trimmed path is empty. The file itself is not looked at.
QStringList cookieArguments(const QString &path);

// {"PATH": <tools directory>:<inherited PATH>}; empty without a tools
// directory. Every yt-dlp run gets it, so yt-dlp finds the shipped deno.
QHash<QString, QString> environment();

// The metadata request (-J) for one link; nothing for a link validateURL
// refuses or without a tools directory. `cookieFilePath` is the stored
// setting ("" for none). From `options`, what shapes how yt-dlp reads the
// link, so that the analysis sees the site as the download will: browser
// cookies (in place of the cookies file), the proxy, the extra arguments.
std::optional<ResolvedCommand> analyzeCommand(const QString &url, const QString &cookieFilePath,
                                              const AdvancedOptions &options = {});

// The download command of a job, writing into `outputDir`; nothing for a
// link validateURL refuses or without a tools directory. `cookieFilePath` is
// the stored setting, read by the caller when the download starts. The job's
// advanced options add their arguments (AdvancedArguments) and may name the
// file with a template of their own; at their defaults they add nothing.
std::optional<ResolvedCommand> build(const DownloadJob &job, const QString &outputDir,
                                     const QString &cookieFilePath);

} // namespace DownloadCommandBuilder
