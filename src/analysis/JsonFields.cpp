#include "analysis/JsonFields.h"

#include <algorithm>

namespace JsonFields {

std::optional<QString> text(const QJsonObject &object, QLatin1StringView key)
{
    const QJsonValue value = object.value(key);
    if (!value.isString())
        return std::nullopt;
    return value.toString();
}

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

bool isListOfObjects(const QJsonArray &array)
{
    return std::all_of(array.begin(), array.end(), [](const QJsonValue &v) { return v.isObject(); });
}

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

} // namespace JsonFields
