#include "engine/ListPlacement.h"

#include <QJsonValue>

#include <limits>

namespace {

const QString kTitleKey = QStringLiteral("title");
const QString kIndexKey = QStringLiteral("index");
const QString kFetchFromListKey = QStringLiteral("fetchFromList");

} // namespace

QJsonObject ListPlacement::toJson() const
{
    return {{kTitleKey, listTitle}, {kIndexKey, index}, {kFetchFromListKey, fetchFromList}};
}

std::optional<ListPlacement> ListPlacement::fromJson(const QJsonObject &object)
{
    const QJsonValue title = object.value(kTitleKey);
    const QJsonValue index = object.value(kIndexKey);
    if (!title.isString() || !index.isDouble())
        return std::nullopt;
    const double number = index.toDouble();
    if (number < 1 || number > std::numeric_limits<int>::max() || number != static_cast<int>(number))
        return std::nullopt;
    return ListPlacement{title.toString(), static_cast<int>(number), object.value(kFetchFromListKey).toBool(false)};
}
