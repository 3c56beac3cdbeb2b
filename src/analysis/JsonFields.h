#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QLatin1StringView>
#include <QString>

#include <initializer_list>
#include <optional>

// Forgiving readers of yt-dlp's JSON answers: a key that is absent, or whose
// value has another JSON type (null included), counts as missing.
namespace JsonFields {

std::optional<QString> text(const QJsonObject &object, QLatin1StringView key);
// The first key of `keys` that holds text.
std::optional<QString> firstText(const QJsonObject &object, std::initializer_list<QLatin1StringView> keys);
// Text that is not empty.
std::optional<QString> nonEmptyText(const QJsonObject &object, QLatin1StringView key);
std::optional<double> number(const QJsonObject &object, QLatin1StringView key);
// A number that is a whole number within the signed 64-bit range (1080 and
// 1080.0 qualify, 1080.5 and 1e19 do not).
std::optional<qint64> integer(const QJsonObject &object, QLatin1StringView key);
// True for a list whose elements are all objects (the empty list included).
bool isListOfObjects(const QJsonArray &array);
// The value of `key` when it is a list of objects.
std::optional<QJsonArray> objectList(const QJsonObject &object, QLatin1StringView key);
// "thumbnail", else the first of "thumbnails".
std::optional<QString> thumbnail(const QJsonObject &object);

} // namespace JsonFields
