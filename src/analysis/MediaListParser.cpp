#include "analysis/MediaListParser.h"

#include "analysis/JsonFields.h"

#include <QUrl>
#include <QUrlQuery>

#include <algorithm>

using namespace JsonFields;

namespace {

// An entry that only points at its page ("url" or "url_transparent"): what
// a flat listing gives for every entry that lives on a page of its own.
bool isReference(const QJsonObject &entry)
{
    const std::optional<QString> type = text(entry, QLatin1StringView("_type"));
    return type && type->startsWith(QLatin1String("url"));
}

MediaListEntry entryOf(const QJsonObject &object, int index, const MediaList &list)
{
    MediaListEntry entry;
    entry.index = index;
    entry.duration = number(object, QLatin1StringView("duration"));
    entry.thumbnail = thumbnail(object);
    const std::optional<QString> page = nonEmptyText(object, QLatin1StringView("webpage_url"));
    const std::optional<QString> link = nonEmptyText(object, QLatin1StringView("url"));
    if (isReference(object) && (link || page)) {
        entry.url = link ? *link : *page;
    } else if (page && *page != list.webpageUrl) {
        entry.url = *page;
    } else {
        // A video of the list's own page: reached through the list.
        entry.url = list.webpageUrl;
        entry.fetchFromList = true;
    }
    entry.title = nonEmptyText(object, QLatin1StringView("title")).value_or(entry.url);
    return entry;
}

bool isDistinctive(const QString &id)
{
    return id.size() >= 6 || std::any_of(id.begin(), id.end(), [](QChar c) { return !c.isDigit(); });
}

// The entry the analysed link itself names: one whose link it is, or whose
// id is the value of one of its query parameters (watch?v=<id>&list=...).
// Short numbers are no ids worth matching: "?page=3" names no entry "3".
std::optional<int> linkedEntry(const QList<QJsonObject> &objects, const MediaList &list, const QString &analysedUrl)
{
    const QUrl url(analysedUrl);
    const QList<std::pair<QString, QString>> query =
        QUrlQuery(url).queryItems(QUrl::FullyDecoded);
    for (qsizetype i = 0; i < objects.size(); ++i) {
        const MediaListEntry &entry = list.entries.at(i);
        if (!entry.fetchFromList && entry.url == analysedUrl)
            return entry.index;
        const std::optional<QString> id = nonEmptyText(objects.at(i), QLatin1StringView("id"));
        if (id && isDistinctive(*id) && std::any_of(query.begin(), query.end(), [&](const auto &item) { return item.second == *id; }))
            return entry.index;
    }
    return std::nullopt;
}

} // namespace

namespace MediaListParser {

std::optional<MediaList> parse(const QJsonObject &answer, const QString &analysedUrl)
{
    const std::optional<QJsonArray> entries = objectList(answer, QLatin1StringView("entries"));
    if (!entries)
        return std::nullopt;
    if (entries->size() == 1) {
        const QJsonObject only = entries->first().toObject();
        if (!isReference(only) && only.contains(QLatin1String("formats")))
            return std::nullopt;
    }

    MediaList list;
    list.webpageUrl = nonEmptyText(answer, QLatin1StringView("webpage_url")).value_or(analysedUrl);
    list.title = firstText(answer, {QLatin1StringView("title"), QLatin1StringView("playlist_title")})
                     .value_or(list.webpageUrl);
    if (list.title.isEmpty())
        list.title = list.webpageUrl;
    list.id = nonEmptyText(answer, QLatin1StringView("id")).value_or(list.webpageUrl);
    list.uploader = firstText(answer, {QLatin1StringView("uploader"), QLatin1StringView("channel"),
                                       QLatin1StringView("uploader_id")});
    QList<QJsonObject> objects;
    objects.reserve(entries->size());
    list.entries.reserve(entries->size());
    for (const QJsonValue &value : *entries) {
        objects.append(value.toObject());
        list.entries.append(entryOf(objects.constLast(), int(list.entries.size()) + 1, list));
    }
    list.linkedEntry = linkedEntry(objects, list, analysedUrl);
    return list;
}

std::optional<QJsonObject> linkedVideo(const QJsonObject &answer, const MediaList &list)
{
    const std::optional<QJsonArray> entries = objectList(answer, QLatin1StringView("entries"));
    if (!list.linkedEntry || !entries || *list.linkedEntry > entries->size())
        return std::nullopt;
    const QJsonObject entry = entries->at(*list.linkedEntry - 1).toObject();
    if (objectList(entry, QLatin1StringView("formats")).value_or(QJsonArray()).isEmpty())
        return std::nullopt;
    return entry;
}

} // namespace MediaListParser
