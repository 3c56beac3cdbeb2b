#include "engine/DownloadCommandBuilder.h"

#include "engine/AdvancedArguments.h"
#include "engine/DownloadJob.h"
#include "engine/OutputTemplate.h"
#include "engine/WebLink.h"
#include "settings/AppConfiguration.h"
#include "tools/JsChallenges.h"
#include "tools/ToolResolver.h"

#include <QDir>

namespace DownloadCommandBuilder {

namespace {

QHash<QString, QString> environmentFor(const ActiveTools &tools)
{
    const QStringList folders = tools.searchFolders();
    if (folders.isEmpty())
        return {};
    const QString inherited = qEnvironmentVariable("PATH");
    return {{QStringLiteral("PATH"), folders.join(QLatin1Char(':')) + QLatin1Char(':') + inherited}};
}

QString ytDlpOf(const ActiveTools &tools)
{
    return tools.tool(QStringLiteral("yt-dlp")).path.value_or(QString());
}

// What yt-dlp should fetch for the job's media kind and options.
QStringList formatArguments(const DownloadJob &job)
{
    if (job.mediaType() == MediaKind::audio) {
        // "/best" keeps sources without a separate audio stream working (a
        // plain video file, many HLS streams); -x then extracts the audio,
        // copying it as it comes unless a container was chosen.
        QStringList arguments{"-f", "bestaudio/best", "-x"};
        if (job.audioFormat() != AudioFormat::best)
            arguments << "--audio-format" << AudioFormats::rawValue(job.audioFormat()) << "--audio-quality"
                      << "192K";
        return arguments;
    }
    const std::optional<int> height = VideoQualities::maxHeight(job.videoQuality());
    if (!height)
        return {"-f", "bestvideo+bestaudio/best", "--remux-video", "mp4"};
    const QString h = QString::number(*height);
    return {"-f", "bestvideo[height<=" + h + "]+bestaudio/best[height<=" + h + "]/best", "--remux-video", "mp4"};
}

// A path as literal text in an output template, where "%" starts a field.
QString literal(const QString &path)
{
    return QString(path).replace(QLatin1Char('%'), QLatin1String("%%"));
}

QStringList subtitleArguments(const DownloadJob &job)
{
    const QString language = job.subtitleLang().isEmpty() ? QStringLiteral("all") : job.subtitleLang();
    switch (job.subtitleMode()) {
    case SubtitleMode::none:
        return {};
    case SubtitleMode::original:
        return {"--write-subs", "--sub-format", "srt", "--sub-langs", language};
    case SubtitleMode::automatic:
        return {"--write-auto-subs", "--sub-format", "srt", "--sub-langs", language};
    }
    return {};
}

// A folder's field that is "." or ".." (an uploader may call itself so)
// would name no folder of its own, or one outside the output folder; yt-dlp
// keeps both, so it is told to write "_" for them.
QStringList dotFieldArguments(const QString &templateText)
{
    const QStringList fields = OutputTemplate::folderFieldNames(templateText);
    if (fields.isEmpty())
        return {};
    return {"--replace-in-metadata", fields.join(QLatin1Char(',')), "^\\.{1,2}$", "_"};
}

} // namespace

bool validateURL(const QString &text)
{
    const std::optional<QUrl> url = WebLink::parse(text);
    return url && !url->host().isEmpty();
}

QStringList cookieArguments(const QString &path)
{
    const QString trimmed = path.trimmed();
    if (trimmed.isEmpty())
        return {};
    return {QStringLiteral("--cookies"), trimmed};
}

QHash<QString, QString> environment()
{
    return environmentFor(ToolResolver::resolve());
}

std::optional<ResolvedCommand> analyzeCommand(const QString &url, const QString &cookieFilePath,
                                              const AdvancedOptions &options, ListReach reach)
{
    if (!validateURL(url))
        return std::nullopt;
    const ActiveTools tools = ToolResolver::resolve();
    if (!tools.shippedDirectory)
        return std::nullopt;
    QStringList arguments{"--ignore-config", "-J", "--no-warnings", "--no-color", "--flat-playlist",
                          reach == ListReach::wholeList ? "--yes-playlist" : "--no-playlist"};
    arguments += AdvancedArguments::connection(options, cookieFilePath);
    arguments += options.extraArguments;
    arguments += JsChallenges::arguments(JsChallenges::readinessOf(tools, AppConfiguration::resourcesDirectory()),
                                         JsChallenges::cacheFolder());
    arguments << url;
    return ResolvedCommand{ytDlpOf(tools), arguments, environmentFor(tools), AppConfiguration::defaultOutputDir()};
}

std::optional<ResolvedCommand> build(const DownloadJob &job, const QString &outputDir,
                                     const QString &cookieFilePath, const RunInputs &inputs)
{
    if (!validateURL(job.url()))
        return std::nullopt;
    const ActiveTools tools = ToolResolver::resolve();
    if (!tools.shippedDirectory)
        return std::nullopt;

    // A job fetches one item: --no-playlist leaves a page that is a list
    // anyway (a multi-video page) to the playlist path, where
    // --playlist-items stops after its first entry (with a normal exit,
    // unlike --max-downloads, which ends with status 101). An entry that
    // lives on its list's page is that list's item of its number.
    const std::optional<ListPlacement> &placement = job.listPlacement();
    const bool fromList = placement && placement->fetchFromList;
    QStringList arguments{"--ignore-config",
                          "--no-warnings",
                          "--no-color",
                          fromList ? "--yes-playlist" : "--no-playlist",
                          "--playlist-items",
                          fromList ? QString::number(placement->index) : QStringLiteral("1"),
                          "--newline",
                          "--progress"};
    // ffmpeg and ffprobe always ship, whichever yt-dlp runs.
    arguments << "--ffmpeg-location" << *tools.shippedDirectory;
    // The challenge solver, fetched and checked by yt-dlp when a site needs it.
    arguments += JsChallenges::arguments(JsChallenges::readinessOf(tools, AppConfiguration::resourcesDirectory()),
                                         JsChallenges::cacheFolder());
    const AdvancedOptions &advanced = job.advancedOptions();
    arguments += AdvancedArguments::connection(advanced, cookieFilePath);
    arguments += AdvancedArguments::transfer(advanced);
    arguments += formatArguments(job);
    arguments += subtitleArguments(job);
    arguments += AdvancedArguments::processing(advanced, job.mediaType(), job.audioFormat(), job.subtitleMode());
    // Deciding the name, the job's template or ours; downloading, the name
    // claimed, taken as it is.
    const QString name = inputs.decidesName              ? QDir(literal(outputDir)).filePath(
                                                  advanced.outputTemplate.isEmpty() ? kOutputTemplate
                                                                                    : advanced.outputTemplate)
                         : literal(inputs.fileStem) + ".%(ext)s";
    // The tool starts in a private empty folder: names yt-dlp makes from
    // relative templates of its own (a chapter's, say) go into the output
    // folder, not there. (No configuration is read from it: --ignore-config.)
    arguments << "-P" << "home:" + outputDir;
    arguments << "-o" << name;
    arguments += dotFieldArguments(name);
    if (inputs.decidesName) {
        // Printing implies --simulate: nothing is downloaded or written but
        // the description, into our private folder; as extracted, before
        // formats and time ranges were chosen from it, so that the download
        // loading it chooses them once.
        arguments << "--print" << inputs.markers.nameTemplate();
        if (!inputs.infoTarget.isEmpty())
            arguments << "--print-to-file" << "after_filter:%()j" << literal(inputs.infoTarget);
    } else {
        arguments << "--progress-template" << inputs.markers.progressTemplate();
        // --print makes yt-dlp quiet; without this template the merge and
        // post-processing phases would print nothing at all.
        arguments << "--progress-template" << kPostprocessTemplate;
        arguments << "--print" << inputs.markers.filePathTemplate();
        if (!inputs.infoTarget.isEmpty()) {
            // A playlist's own description would land in the output folder.
            arguments << "-o" << "infojson:" + literal(inputs.infoTarget) << "--write-info-json"
                      << "--no-write-playlist-metafiles" << "--print" << inputs.markers.infoFileTemplate();
        }
    }
    if (!inputs.savedInfo.isEmpty())
        arguments << "--load-info-json" << inputs.savedInfo;
    arguments << job.url();
    return ResolvedCommand{ytDlpOf(tools), arguments, environmentFor(tools), outputDir};
}

} // namespace DownloadCommandBuilder
