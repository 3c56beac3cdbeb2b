#include "engine/DownloadCommandBuilder.h"

#include "engine/AdvancedArguments.h"
#include "engine/DownloadJob.h"
#include "engine/WebLink.h"
#include "settings/AppConfiguration.h"

#include <QDir>

namespace DownloadCommandBuilder {

namespace {

QString executableIn(const QString &toolsDirectory)
{
    return QDir(toolsDirectory).filePath(QStringLiteral("yt-dlp"));
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
    const std::optional<QString> tools = AppConfiguration::toolsDirectory();
    if (!tools)
        return {};
    const QString inherited = qEnvironmentVariable("PATH");
    return {{QStringLiteral("PATH"), *tools + QLatin1Char(':') + inherited}};
}

std::optional<ResolvedCommand> analyzeCommand(const QString &url, const QString &cookieFilePath,
                                              const AdvancedOptions &options)
{
    if (!validateURL(url))
        return std::nullopt;
    const std::optional<QString> tools = AppConfiguration::toolsDirectory();
    if (!tools)
        return std::nullopt;
    QStringList arguments{"-J", "--no-warnings", "--no-color", "--no-playlist"};
    arguments += AdvancedArguments::connection(options, cookieFilePath);
    arguments += options.extraArguments;
    arguments << url;
    return ResolvedCommand{executableIn(*tools), arguments, environment(), AppConfiguration::defaultOutputDir()};
}

std::optional<ResolvedCommand> build(const DownloadJob &job, const QString &outputDir,
                                     const QString &cookieFilePath)
{
    if (!validateURL(job.url()))
        return std::nullopt;
    const std::optional<QString> tools = AppConfiguration::toolsDirectory();
    if (!tools)
        return std::nullopt;

    QStringList arguments{"--no-warnings", "--no-color", "--no-playlist", "--newline", "--progress"};
    arguments << "--ffmpeg-location" << *tools;
    const AdvancedOptions &advanced = job.advancedOptions();
    arguments += AdvancedArguments::connection(advanced, cookieFilePath);
    arguments += AdvancedArguments::transfer(advanced);
    arguments += formatArguments(job);
    arguments += subtitleArguments(job);
    arguments += AdvancedArguments::processing(advanced, job.mediaType(), job.audioFormat(), job.subtitleMode());
    const QString outputTemplate = advanced.outputTemplate.isEmpty() ? kOutputTemplate : advanced.outputTemplate;
    arguments << "-o" << QDir(outputDir).filePath(outputTemplate);
    arguments << "--progress-template" << kProgressTemplate;
    // --print makes yt-dlp quiet; without this template the merge and
    // post-processing phases would print nothing at all.
    arguments << "--progress-template" << kPostprocessTemplate;
    arguments << "--print" << kFilePathTemplate;
    arguments << job.url();
    return ResolvedCommand{executableIn(*tools), arguments, environment(), outputDir};
}

} // namespace DownloadCommandBuilder
