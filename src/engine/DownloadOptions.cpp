#include "engine/DownloadOptions.h"

#include <QCoreApplication>
#include <QtGlobal>

#include <array>

namespace {

// Raw texts and English labels of one enumeration; the index is the case value.
template <typename Enum, size_t N>
struct Table
{
    std::array<const char *, N> raw;
    std::array<const char *, N> label; // translation key, or nullptr when shown as is
};

template <typename Enum, size_t N>
QList<Enum> allCases()
{
    QList<Enum> list;
    list.reserve(N);
    for (size_t i = 0; i < N; ++i)
        list.append(static_cast<Enum>(i));
    return list;
}

template <typename Enum, size_t N>
std::optional<Enum> lookUp(const Table<Enum, N> &table, QStringView raw)
{
    for (size_t i = 0; i < N; ++i) {
        if (raw == QLatin1String(table.raw[i]))
            return static_cast<Enum>(i);
    }
    return std::nullopt;
}

constexpr Table<MediaKind, 2> kMediaKinds{
    {"video", "audio"},
    {QT_TRANSLATE_NOOP("MediaKind", "Video"), QT_TRANSLATE_NOOP("MediaKind", "Audio")},
};

constexpr Table<VideoQuality, 6> kVideoQualities{
    {"best", "p2160", "p1440", "p1080", "p720", "p480"},
    {QT_TRANSLATE_NOOP("VideoQuality", "Best Quality"), "2160p", "1440p", "1080p", "720p", "480p"},
};
constexpr std::array<int, 6> kHeights{0, 2160, 1440, 1080, 720, 480};

constexpr Table<AudioFormat, 3> kAudioFormats{
    {"best", "mp3", "m4a"},
    {QT_TRANSLATE_NOOP("AudioFormat", "Best Audio"), "MP3", "M4A"},
};

constexpr Table<SubtitleMode, 3> kSubtitleModes{
    {"none", "original", "auto"},
    {QT_TRANSLATE_NOOP("SubtitleMode", "No Subtitles"),
     QT_TRANSLATE_NOOP("SubtitleMode", "Download Original Subtitles"),
     QT_TRANSLATE_NOOP("SubtitleMode", "Download Auto Subtitles")},
};

QString translated(const char *context, const char *key)
{
    return QCoreApplication::translate(context, key);
}

} // namespace

namespace MediaKinds {

const QList<MediaKind> &all()
{
    static const QList<MediaKind> cases = allCases<MediaKind, 2>();
    return cases;
}

QString rawValue(MediaKind kind)
{
    return QString::fromLatin1(kMediaKinds.raw[static_cast<size_t>(kind)]);
}

std::optional<MediaKind> fromRawValue(QStringView raw)
{
    return lookUp(kMediaKinds, raw);
}

QString label(MediaKind kind)
{
    return translated("MediaKind", kMediaKinds.label[static_cast<size_t>(kind)]);
}

} // namespace MediaKinds

namespace VideoQualities {

const QList<VideoQuality> &all()
{
    static const QList<VideoQuality> cases = allCases<VideoQuality, 6>();
    return cases;
}

QString rawValue(VideoQuality quality)
{
    return QString::fromLatin1(kVideoQualities.raw[static_cast<size_t>(quality)]);
}

std::optional<VideoQuality> fromRawValue(QStringView raw)
{
    return lookUp(kVideoQualities, raw);
}

QString label(VideoQuality quality)
{
    // The height labels are plain text; only "Best Quality" is translated.
    if (quality == VideoQuality::best)
        return translated("VideoQuality", kVideoQualities.label[0]);
    return QString::fromLatin1(kVideoQualities.label[static_cast<size_t>(quality)]);
}

std::optional<int> maxHeight(VideoQuality quality)
{
    if (quality == VideoQuality::best)
        return std::nullopt;
    return kHeights[static_cast<size_t>(quality)];
}

} // namespace VideoQualities

namespace AudioFormats {

const QList<AudioFormat> &all()
{
    static const QList<AudioFormat> cases = allCases<AudioFormat, 3>();
    return cases;
}

QString rawValue(AudioFormat format)
{
    return QString::fromLatin1(kAudioFormats.raw[static_cast<size_t>(format)]);
}

std::optional<AudioFormat> fromRawValue(QStringView raw)
{
    return lookUp(kAudioFormats, raw);
}

QString displayText(AudioFormat format)
{
    if (format == AudioFormat::best)
        return translated("AudioFormat", kAudioFormats.label[0]);
    return QString::fromLatin1(kAudioFormats.label[static_cast<size_t>(format)]);
}

} // namespace AudioFormats

namespace SubtitleModes {

const QList<SubtitleMode> &all()
{
    static const QList<SubtitleMode> cases = allCases<SubtitleMode, 3>();
    return cases;
}

QString rawValue(SubtitleMode mode)
{
    return QString::fromLatin1(kSubtitleModes.raw[static_cast<size_t>(mode)]);
}

std::optional<SubtitleMode> fromRawValue(QStringView raw)
{
    return lookUp(kSubtitleModes, raw);
}

QString label(SubtitleMode mode)
{
    return translated("SubtitleMode", kSubtitleModes.label[static_cast<size_t>(mode)]);
}

QString choiceText(SubtitleMode mode, const QString &languages)
{
    // No languages means every one: the download asks yt-dlp for "all".
    const QString shown = languages.isEmpty()
        ? translated("SubtitleMode", QT_TRANSLATE_NOOP("SubtitleMode", "all languages"))
        : languages;
    switch (mode) {
    case SubtitleMode::none:
        return {};
    case SubtitleMode::original:
        return translated("SubtitleMode", QT_TRANSLATE_NOOP("SubtitleMode", "Subtitles: %1")).arg(shown);
    case SubtitleMode::automatic:
        return translated("SubtitleMode", QT_TRANSLATE_NOOP("SubtitleMode", "Auto subtitles: %1")).arg(shown);
    }
    return {};
}

} // namespace SubtitleModes
