#pragma once

#include <QJsonObject>
#include <QList>
#include <QMetaType>
#include <QString>

#include <optional>

// One downloadable format of a medium, as yt-dlp lists it. Compared, hashed and
// serialised over every field; identified by `id` (which need not be unique).
struct MediaFormat
{
    QString id;                          // yt-dlp's format identifier
    QString ext;                         // file extension
    std::optional<QString> qualityLabel; // label of the quality
    std::optional<qint64> height;        // picture height in pixels
    std::optional<qint64> width;         // picture width in pixels
    std::optional<double> fps;           // frames per second
    std::optional<QString> vcodec;       // video codec as yt-dlp names it ("none" kept as is)
    std::optional<QString> acodec;       // audio codec as yt-dlp names it
    std::optional<qint64> filesize;      // size in bytes
    std::optional<QString> note;         // yt-dlp's note on the format

    bool operator==(const MediaFormat &) const = default;

    // Keyed form; keys are the field names above, absent optionals are omitted.
    QJsonObject toJson() const;
    // Strict reading of the keyed form: "id" and "ext" must be text, optional
    // keys may be absent or null, any other type makes the whole read fail.
    static std::optional<MediaFormat> fromJson(const QJsonObject &object);
};

// One subtitle language of a medium.
struct SubtitleTrack
{
    QString id;                  // the language code
    std::optional<QString> name; // display name (the parser sets the language code)
    std::optional<QString> ext;  // subtitle file extension
    bool isAuto = false;         // true for automatically generated captions

    bool operator==(const SubtitleTrack &) const = default;

    QJsonObject toJson() const;
    static std::optional<SubtitleTrack> fromJson(const QJsonObject &object);
};

// The analysed description of one link: what MetadataParser makes of yt-dlp's
// JSON answer. A plain value; safe to copy between threads.
struct MediaMetadata
{
    QString id;
    QString title;
    std::optional<QString> uploader;
    std::optional<double> duration; // seconds
    std::optional<QString> thumbnail;
    QString webpageUrl;
    std::optional<QString> extractor;
    std::optional<QString> description;
    QList<MediaFormat> formats;
    QList<SubtitleTrack> subtitles;
    QList<SubtitleTrack> automaticCaptions;

    bool operator==(const MediaMetadata &) const = default;

    // The duration as clock text: "m:ss" under an hour, "h:mm:ss" from an hour
    // on, whole seconds (the fraction is dropped). Absent when there is no
    // duration, when it is not greater than 0, or when it is too large to count
    // as a signed 64-bit number of seconds.
    std::optional<QString> durationString() const;

    // Keyed form with the keys "id", "title", "uploader", "duration",
    // "thumbnail", "webpageUrl", "extractor", "description", "formats",
    // "subtitles", "automaticCaptions". Absent optionals are omitted.
    QJsonObject toJson() const;
    // Strict reading of the keyed form (the inverse of toJson()). Required keys
    // ("id", "title", "webpageUrl", the three lists) must be present with the
    // right type; optional keys may be absent or null. Anything else: nothing.
    static std::optional<MediaMetadata> fromJson(const QJsonObject &object);
};

// A duration in seconds as clock text, by the rule of
// MediaMetadata::durationString().
std::optional<QString> clockText(std::optional<double> duration);

size_t qHash(const MediaFormat &format, size_t seed = 0) noexcept;
size_t qHash(const SubtitleTrack &track, size_t seed = 0) noexcept;
size_t qHash(const MediaMetadata &metadata, size_t seed = 0) noexcept;

Q_DECLARE_METATYPE(MediaMetadata)
