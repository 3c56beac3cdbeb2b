#pragma once

#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringView>

#include <optional>

// What the user wants from a link. Four closed enumerations whose raw texts are
// stored in the settings and in history records and must never change.
//
// Each has a helper namespace (MediaKinds, VideoQualities, AudioFormats,
// SubtitleModes) with:
//   all()           every case, in declaration order: the order of every picker;
//   rawValue(x)     the stored text, which is also the stable identity of a case;
//   fromRawValue(s) the case whose raw text is exactly `s` (case-sensitive, no
//                   trimming), nothing for any other text;
//   label(x)        the text shown to the user, translated at call time
//                   (AudioFormats has displayText() instead, shared by every screen).
// Translations use the enumeration's name as context and the English text as key.
// Hash a case with qHash(rawValue) or qHash(static_cast<int>(x)); the enum classes
// hash directly with qHash in Qt 6.

// What to download.
enum class MediaKind { video, audio };

// Upper bound on the video height; `best` sets none. Raw text equals the case name.
enum class VideoQuality { best, p2160, p1440, p1080, p720, p480 };

// The container of an audio download.
enum class AudioFormat { best, mp3, m4a };

// Whether subtitles are fetched beside the media. The raw texts are "none",
// "original" and "auto"; `auto` being a C++ keyword, that case is spelt
// `automatic` in code.
enum class SubtitleMode { none, original, automatic };

namespace MediaKinds {
const QList<MediaKind> &all();
QString rawValue(MediaKind kind);
std::optional<MediaKind> fromRawValue(QStringView raw);
QString label(MediaKind kind); // "Video", "Audio" (translated)
} // namespace MediaKinds

namespace VideoQualities {
const QList<VideoQuality> &all();
QString rawValue(VideoQuality quality);
std::optional<VideoQuality> fromRawValue(QStringView raw);
// "Best Quality" (translated); "2160p", "1440p", "1080p", "720p", "480p" as they are.
QString label(VideoQuality quality);
// The height bound in pixels; nothing for `best`.
std::optional<int> maxHeight(VideoQuality quality);
} // namespace VideoQualities

namespace AudioFormats {
const QList<AudioFormat> &all();
QString rawValue(AudioFormat format);
std::optional<AudioFormat> fromRawValue(QStringView raw);
// The one text every screen shows for an audio format: "Best Audio"
// (translated), "MP3", "M4A".
QString displayText(AudioFormat format);
} // namespace AudioFormats

namespace SubtitleModes {
const QList<SubtitleMode> &all();
QString rawValue(SubtitleMode mode);
std::optional<SubtitleMode> fromRawValue(QStringView raw);
// "No Subtitles", "Download Original Subtitles", "Download Auto Subtitles" (translated).
QString label(SubtitleMode mode);
// The subtitles a job asks for, as its row and summary name them: nothing
// for none, "Subtitles: en" or "Auto subtitles: en,de" (translated; the
// languages verbatim, "all languages" when none are given).
QString choiceText(SubtitleMode mode, const QString &languages);
} // namespace SubtitleModes

Q_DECLARE_METATYPE(MediaKind)
Q_DECLARE_METATYPE(VideoQuality)
Q_DECLARE_METATYPE(AudioFormat)
Q_DECLARE_METATYPE(SubtitleMode)
