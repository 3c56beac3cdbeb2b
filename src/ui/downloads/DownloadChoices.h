#pragma once

#include "engine/AdvancedOptions.h"
#include "engine/DownloadOptions.h"
#include "history/DownloadHistory.h"

#include <QString>

class AppSettings;

// What the preview card asks: media type, video quality, audio format,
// subtitles and their language, and the advanced options under "More
// options".
struct DownloadChoices
{
    MediaKind mediaType = MediaKind::video;
    VideoQuality videoQuality = VideoQuality::p1080;
    AudioFormat audioFormat = AudioFormat::best;
    SubtitleMode subtitleMode = SubtitleMode::none;
    QString subtitleLang = QStringLiteral("en");
    AdvancedOptions advanced;

    bool operator==(const DownloadChoices &) const = default;

    // The stored default options.
    static DownloadChoices fromSettings(const AppSettings &settings);
    // The options `record` was downloaded with; `fallback`'s for what the
    // record does not keep.
    static DownloadChoices recordedIn(const DownloadHistory &record, const DownloadChoices &fallback);

    // "MP3 audio", "Best audio", "1080p video · best audio", with the
    // subtitles after another " · " when there are any.
    QString qualitySummary() const;
};
