#include "engine/AdvancedArguments.h"

#include "engine/DownloadCommandBuilder.h"
#include "settings/AppConfiguration.h"

namespace AdvancedArguments {

QStringList connection(const AdvancedOptions &options, const QString &cookieFilePath)
{
    QStringList arguments = options.browserCookies
                                ? QStringList{QStringLiteral("--cookies-from-browser"), options.browserCookies->text()}
                                : DownloadCommandBuilder::cookieArguments(cookieFilePath);
    if (!options.proxy.isEmpty())
        arguments << QStringLiteral("--proxy") << options.proxy;
    return arguments;
}

QStringList transfer(const AdvancedOptions &options)
{
    QStringList arguments;
    if (options.speedLimit)
        arguments << QStringLiteral("--limit-rate") << options.speedLimit->text();
    if (options.concurrentFragments > 1)
        arguments << QStringLiteral("-N") << QString::number(options.concurrentFragments);
    if (options.skipDownloaded)
        arguments << QStringLiteral("--download-archive") << AppConfiguration::downloadArchivePath()
                  << QStringLiteral("--break-on-existing");
    return arguments;
}

QStringList processing(const AdvancedOptions &options, MediaKind kind, AudioFormat audio, SubtitleMode subtitles)
{
    QStringList arguments;
    const EmbedChoices &embed = options.embed;
    if (embed.metadata)
        arguments << QStringLiteral("--embed-metadata");
    if (embed.chapters)
        arguments << QStringLiteral("--embed-chapters");
    else if (embed.metadata && options.sponsorBlockMark.isEmpty())
        arguments << QStringLiteral("--no-embed-chapters");
    const bool holdsThumbnail = kind == MediaKind::video || audio != AudioFormat::best;
    if (embed.thumbnail && holdsThumbnail)
        arguments << QStringLiteral("--embed-thumbnail");
    if (embed.subtitles && kind == MediaKind::video && subtitles != SubtitleMode::none)
        arguments << QStringLiteral("--embed-subs");
    if (!options.sponsorBlockMark.isEmpty())
        arguments << QStringLiteral("--sponsorblock-mark") << options.sponsorBlockMark.join(QLatin1Char(','));
    if (!options.sponsorBlockRemove.isEmpty())
        arguments << QStringLiteral("--sponsorblock-remove") << options.sponsorBlockRemove.join(QLatin1Char(','));
    if (options.timeRange)
        arguments << QStringLiteral("--download-sections") << options.timeRange->argument();
    if (options.splitChapters)
        arguments << QStringLiteral("--split-chapters");
    arguments += options.extraArguments;
    return arguments;
}

} // namespace AdvancedArguments
