#include "analysis/MetadataParser.h"

#include "analysis/JsonFields.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QLatin1StringView>
#include <QStringList>

#include <algorithm>
#include <initializer_list>

using namespace JsonFields;

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
