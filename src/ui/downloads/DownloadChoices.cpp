#include "ui/downloads/DownloadChoices.h"

#include "settings/AppSettings.h"

#include <QCoreApplication>

DownloadChoices DownloadChoices::fromSettings(const AppSettings &settings)
{
    DownloadChoices choices;
    choices.mediaType = settings.defaultMediaType();
    choices.videoQuality = settings.defaultVideoQuality();
    choices.audioFormat = settings.defaultAudioFormat();
    choices.subtitleMode = settings.defaultSubtitleMode();
    choices.subtitleLang = settings.defaultSubtitleLang();
    return choices;
}

QString DownloadChoices::qualitySummary() const
{
    if (mediaType == MediaKind::audio)
        return QCoreApplication::translate("DownloadsView", "%1 audio").arg(AudioFormats::displayText(audioFormat));
    return QCoreApplication::translate("DownloadsView", "%1 video · best audio").arg(VideoQualities::label(videoQuality));
}
