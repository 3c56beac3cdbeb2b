#include "analysis/MetadataParser.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QLatin1StringView>
#include <QStringList>

#include <algorithm>
#include <initializer_list>

namespace {

// In the readers below a key that is absent, or whose value has another JSON
// type (null included), counts as missing.

std::optional<QString> text(const QJsonObject &object, QLatin1StringView key)
{
    const QJsonValue value = object.value(key);
    if (!value.isString())
        return std::nullopt;
    return value.toString();
}

// The first key of `keys` that holds text.
std::optional<QString> firstText(const QJsonObject &object, std::initializer_list<QLatin1StringView> keys)
{
    for (QLatin1StringView key : keys) {
        if (std::optional<QString> found = text(object, key))
            return found;
    }
    return std::nullopt;
}

std::optional<QString> nonEmptyText(const QJsonObject &object, QLatin1StringView key)
{
    std::optional<QString> found = text(object, key);
    if (found && found->isEmpty())
        return std::nullopt;
    return found;
}

std::optional<double> number(const QJsonObject &object, QLatin1StringView key)
{
    const QJsonValue value = object.value(key);
    if (!value.isDouble())
        return std::nullopt;
    return value.toDouble();
}

// A number that is a whole number within the signed 64-bit range (1080 and
// 1080.0 qualify, 1080.5 and 1e19 do not).
std::optional<qint64> integer(const QJsonObject &object, QLatin1StringView key)
{
    const QJsonValue value = object.value(key);
    if (!value.isDouble())
        return std::nullopt;
    // toInteger() answers its default for anything but such a number: two
    // different defaults tell that case apart from a genuine value.
    const qint64 a = value.toInteger(0);
    const qint64 b = value.toInteger(1);
    if (a != b)
        return std::nullopt;
    return a;
}

// True for a list whose elements are all objects (the empty list included).
bool isListOfObjects(const QJsonArray &array)
{
    return std::all_of(array.begin(), array.end(), [](const QJsonValue &v) { return v.isObject(); });
}

// The value of `key` when it is a list of objects.
std::optional<QJsonArray> objectList(const QJsonObject &object, QLatin1StringView key)
{
    const QJsonValue value = object.value(key);
    if (!value.isArray())
        return std::nullopt;
    QJsonArray array = value.toArray();
    if (!isListOfObjects(array))
        return std::nullopt;
    return array;
}

std::optional<QString> thumbnail(const QJsonObject &object)
{
    if (std::optional<QString> single = text(object, QLatin1StringView("thumbnail")))
        return single;
    const std::optional<QJsonArray> list = objectList(object, QLatin1StringView("thumbnails"));
    if (!list || list->isEmpty())
        return std::nullopt;
    return text(list->first().toObject(), QLatin1StringView("url"));
}

} // namespace

namespace MetadataParser {

MetadataParseResult parse(const QByteArray &json)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return MetadataParseError::invalidJSON;
    return parse(document.object());
}

MediaMetadata parse(const QJsonObject &topLevel)
{
    // A playlist is read from its first entry alone.
    QJsonObject object = topLevel;
    if (const std::optional<QJsonArray> entries = objectList(topLevel, QLatin1StringView("entries"));
        entries && !entries->isEmpty()) {
        object = entries->first().toObject();
        const QLatin1StringView pageKey("webpage_url");
        if (!object.contains(pageKey)) {
            if (const std::optional<QString> page = text(topLevel, pageKey))
                object.insert(pageKey, *page);
        }
    }

    MediaMetadata m;
    m.title = nonEmptyText(object, QLatin1StringView("title")).value_or(QStringLiteral("Untitled"));
    m.id = nonEmptyText(object, QLatin1StringView("id")).value_or(m.title);
    m.duration = number(object, QLatin1StringView("duration"));
    m.uploader = firstText(object, {QLatin1StringView("uploader"), QLatin1StringView("channel"),
                                    QLatin1StringView("uploader_id")});
    m.webpageUrl = firstText(object, {QLatin1StringView("webpage_url"), QLatin1StringView("url")})
                       .value_or(QString());
    m.extractor =
        firstText(object, {QLatin1StringView("extractor"), QLatin1StringView("extractor_key")});
    m.thumbnail = thumbnail(object);
    if (const std::optional<QJsonArray> formats = objectList(object, QLatin1StringView("formats"))) {
        m.formats.reserve(formats->size());
        for (const QJsonValue &element : *formats)
            m.formats.append(format(element.toObject()));
    }
    m.subtitles = parseSubtitles(object.value(QLatin1StringView("subtitles")), false);
    m.automaticCaptions = parseSubtitles(object.value(QLatin1StringView("automatic_captions")), true);
    m.description = text(object, QLatin1StringView("description"));
    return m;
}

MediaFormat format(const QJsonObject &object)
{
    MediaFormat f;
    f.id = text(object, QLatin1StringView("format_id")).value_or(QStringLiteral("0"));
    f.ext = text(object, QLatin1StringView("ext")).value_or(QString());
    f.qualityLabel =
        firstText(object, {QLatin1StringView("format_note"), QLatin1StringView("quality")});
    f.height = integer(object, QLatin1StringView("height"));
    f.width = integer(object, QLatin1StringView("width"));
    f.fps = number(object, QLatin1StringView("fps"));
    f.vcodec = text(object, QLatin1StringView("vcodec"));
    f.acodec = text(object, QLatin1StringView("acodec"));
    f.filesize = integer(object, QLatin1StringView("filesize"));
    f.note = text(object, QLatin1StringView("format_note"));
    return f;
}

QList<SubtitleTrack> parseSubtitles(const QJsonValue &value, bool isAuto)
{
    QList<SubtitleTrack> tracks;
    if (!value.isObject())
        return tracks;
    const QJsonObject languages = value.toObject();
    // Plain character order of the language codes (byte order for ASCII).
    QStringList codes = languages.keys();
    std::sort(codes.begin(), codes.end());
    tracks.reserve(codes.size());
    for (const QString &code : std::as_const(codes)) {
        SubtitleTrack track;
        track.id = code;
        track.name = code;
        track.isAuto = isAuto;
        const QJsonValue entries = languages.value(code);
        if (entries.isArray()) {
            const QJsonArray list = entries.toArray();
            if (!list.isEmpty() && isListOfObjects(list))
                track.ext = text(list.first().toObject(), QLatin1StringView("ext"));
        }
        tracks.append(std::move(track));
    }
    return tracks;
}

} // namespace MetadataParser
