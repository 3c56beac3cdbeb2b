#include "ui/downloads/DownloadChoices.h"

#include "engine/JobRecord.h"
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
    choices.advanced = settings.advancedDefaults();
    return choices;
}

DownloadChoices DownloadChoices::recordedIn(const DownloadHistory &record, const DownloadChoices &fallback)
{
    DownloadChoices choices = fallback;
    choices.mediaType = JobRecord::mediaKind(record);
    choices.videoQuality = JobRecord::videoQuality(record).value_or(fallback.videoQuality);
    choices.audioFormat = JobRecord::audioFormat(record).value_or(fallback.audioFormat);
    choices.subtitleMode = JobRecord::subtitleMode(record).value_or(fallback.subtitleMode);
    choices.subtitleLang = JobRecord::subtitleLang(record).value_or(fallback.subtitleLang);
    return choices;
}

QString DownloadChoices::qualitySummary() const
{
    QString summary;
    if (mediaType == MediaKind::video)
        summary = QCoreApplication::translate("DownloadsView", "%1 video · best audio").arg(VideoQualities::label(videoQuality));
    else if (audioFormat == AudioFormat::best)
        summary = QCoreApplication::translate("DownloadsView", "Best audio");
    else
        summary = QCoreApplication::translate("DownloadsView", "%1 audio").arg(AudioFormats::displayText(audioFormat));
    if (const QString subtitles = SubtitleModes::choiceText(subtitleMode, subtitleLang); !subtitles.isEmpty())
        summary += QString::fromUtf8(" · ") + subtitles;
    return summary;
}
