#include "analysis/MediaMetadata.h"

#include "engine/StrictJson.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonValue>

#include <cmath>

namespace {

// ---- hashing --------------------------------------------------------------

template <typename T>
size_t hashOptional(const std::optional<T> &value, size_t seed)
{
    // Absent and present hash differently even when the value hashes to seed.
    return value ? qHash(*value, seed ^ 0x9e3779b9u) : qHash(0, seed);
}

struct Combiner
{
    size_t seed;
    template <typename T>
    Combiner &add(const T &value)
    {
        seed = QtPrivate::QHashCombine()(seed, value);
        return *this;
    }
    template <typename T>
    Combiner &addOptional(const std::optional<T> &value)
    {
        seed = QtPrivate::QHashCombine()(seed, hashOptional(value, 0));
        return *this;
    }
};

// ---- writing --------------------------------------------------------------

template <typename T>
void putOptional(QJsonObject &object, const char *key, const std::optional<T> &value)
{
    if (value)
        object.insert(QLatin1String(key), QJsonValue(*value));
}

template <typename T>
QJsonArray toArray(const QList<T> &items)
{
    QJsonArray array;
    for (const T &item : items)
        array.append(item.toJson());
    return array;
}

// ---- strict reading -------------------------------------------------------
// Each reader returns false when the key holds a value of the wrong type.

using StrictJson::readOptionalText;
using StrictJson::readText;


bool readBool(const QJsonObject &object, const char *key, bool &out)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (!value.isBool())
        return false;
    out = value.toBool();
    return true;
}

// Absent or null: the optional stays empty.
bool readOptionalDouble(const QJsonObject &object, const char *key, std::optional<double> &out)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isUndefined() || value.isNull())
        return true;
    if (!value.isDouble())
        return false;
    out = value.toDouble();
    return true;
}

bool readOptionalInteger(const QJsonObject &object, const char *key, std::optional<qint64> &out)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isUndefined() || value.isNull())
        return true;
    if (!value.isDouble())
        return false;
    const qint64 a = value.toInteger(0);
    const qint64 b = value.toInteger(1);
    if (a != b)
        return false; // not a whole number within the 64-bit range
    out = a;
    return true;
}

template <typename T>
bool readList(const QJsonObject &object, const char *key, QList<T> &out)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (!value.isArray())
        return false;
    const QJsonArray array = value.toArray();
    out.reserve(array.size());
    for (const QJsonValue &element : array) {
        if (!element.isObject())
            return false;
        std::optional<T> item = T::fromJson(element.toObject());
        if (!item)
            return false;
        out.append(std::move(*item));
    }
    return true;
}

} // namespace

// ---- MediaFormat ----------------------------------------------------------

QJsonObject MediaFormat::toJson() const
{
    QJsonObject object;
    object.insert(QLatin1String("id"), id);
    object.insert(QLatin1String("ext"), ext);
    putOptional(object, "qualityLabel", qualityLabel);
    putOptional(object, "height", height);
    putOptional(object, "width", width);
    putOptional(object, "fps", fps);
    putOptional(object, "vcodec", vcodec);
    putOptional(object, "acodec", acodec);
    putOptional(object, "filesize", filesize);
    putOptional(object, "note", note);
    return object;
}

std::optional<MediaFormat> MediaFormat::fromJson(const QJsonObject &object)
{
    MediaFormat f;
    const bool ok = readText(object, "id", f.id) && readText(object, "ext", f.ext)
        && readOptionalText(object, "qualityLabel", f.qualityLabel)
        && readOptionalInteger(object, "height", f.height)
        && readOptionalInteger(object, "width", f.width)
        && readOptionalDouble(object, "fps", f.fps)
        && readOptionalText(object, "vcodec", f.vcodec)
        && readOptionalText(object, "acodec", f.acodec)
        && readOptionalInteger(object, "filesize", f.filesize)
        && readOptionalText(object, "note", f.note);
    if (!ok)
        return std::nullopt;
    return f;
}

size_t qHash(const MediaFormat &f, size_t seed) noexcept
{
    return Combiner{seed}
        .add(f.id)
        .add(f.ext)
        .addOptional(f.qualityLabel)
        .addOptional(f.height)
        .addOptional(f.width)
        .addOptional(f.fps)
        .addOptional(f.vcodec)
        .addOptional(f.acodec)
        .addOptional(f.filesize)
        .addOptional(f.note)
        .seed;
}

// ---- SubtitleTrack --------------------------------------------------------

QJsonObject SubtitleTrack::toJson() const
{
    QJsonObject object;
    object.insert(QLatin1String("id"), id);
    putOptional(object, "name", name);
    putOptional(object, "ext", ext);
    object.insert(QLatin1String("isAuto"), isAuto);
    return object;
}

std::optional<SubtitleTrack> SubtitleTrack::fromJson(const QJsonObject &object)
{
    SubtitleTrack t;
    const bool ok = readText(object, "id", t.id) && readOptionalText(object, "name", t.name)
        && readOptionalText(object, "ext", t.ext) && readBool(object, "isAuto", t.isAuto);
    if (!ok)
        return std::nullopt;
    return t;
}

size_t qHash(const SubtitleTrack &t, size_t seed) noexcept
{
    return Combiner{seed}.add(t.id).addOptional(t.name).addOptional(t.ext).add(t.isAuto).seed;
}

// ---- MediaMetadata --------------------------------------------------------

std::optional<QString> MediaMetadata::durationString() const
{
    return clockText(duration);
}

std::optional<QString> clockText(std::optional<double> duration)
{
    if (!duration || !(*duration > 0))
        return std::nullopt;
    // 2^63 is exactly representable; anything from there on (or infinity) does
    // not fit a signed 64-bit count of seconds.
    if (!std::isfinite(*duration) || *duration >= 9223372036854775808.0)
        return std::nullopt;
    const qint64 total = static_cast<qint64>(*duration); // truncates: 59.9 -> 59
    const qint64 hours = total / 3600;
    const qint64 minutes = (total % 3600) / 60;
    const qint64 seconds = total % 60;
    if (total < 3600)
        return QString::asprintf("%lld:%02lld", static_cast<long long>(minutes),
                                 static_cast<long long>(seconds));
    return QString::asprintf("%lld:%02lld:%02lld", static_cast<long long>(hours),
                             static_cast<long long>(minutes), static_cast<long long>(seconds));
}

QJsonObject MediaMetadata::toJson() const
{
    QJsonObject object;
    object.insert(QLatin1String("id"), id);
    object.insert(QLatin1String("title"), title);
    putOptional(object, "uploader", uploader);
    putOptional(object, "duration", duration);
    putOptional(object, "thumbnail", thumbnail);
    object.insert(QLatin1String("webpageUrl"), webpageUrl);
    putOptional(object, "extractor", extractor);
    putOptional(object, "description", description);
    object.insert(QLatin1String("formats"), toArray(formats));
    object.insert(QLatin1String("subtitles"), toArray(subtitles));
    object.insert(QLatin1String("automaticCaptions"), toArray(automaticCaptions));
    return object;
}

std::optional<MediaMetadata> MediaMetadata::fromJson(const QJsonObject &object)
{
    MediaMetadata m;
    const bool ok = readText(object, "id", m.id) && readText(object, "title", m.title)
        && readOptionalText(object, "uploader", m.uploader)
        && readOptionalDouble(object, "duration", m.duration)
        && readOptionalText(object, "thumbnail", m.thumbnail)
        && readText(object, "webpageUrl", m.webpageUrl)
        && readOptionalText(object, "extractor", m.extractor)
        && readOptionalText(object, "description", m.description)
        && readList(object, "formats", m.formats) && readList(object, "subtitles", m.subtitles)
        && readList(object, "automaticCaptions", m.automaticCaptions);
    if (!ok)
        return std::nullopt;
    return m;
}

size_t qHash(const MediaMetadata &m, size_t seed) noexcept
{
    Combiner c{seed};
    c.add(m.id)
        .add(m.title)
        .addOptional(m.uploader)
        .addOptional(m.duration)
        .addOptional(m.thumbnail)
        .add(m.webpageUrl)
        .addOptional(m.extractor)
        .addOptional(m.description);
    for (const MediaFormat &f : m.formats)
        c.add(f);
    c.add(m.formats.size());
    for (const SubtitleTrack &t : m.subtitles)
        c.add(t);
    c.add(m.subtitles.size());
    for (const SubtitleTrack &t : m.automaticCaptions)
        c.add(t);
    c.add(m.automaticCaptions.size());
    return c.seed;
}
