#pragma once

#include <QJsonObject>
#include <QString>

#include <optional>

// Where a job's link sits in a list the user chose entries of: what its
// history record keeps (the list's title, the entry's place in it) and, for
// an entry without a page of its own, that the job fetches item `index` of
// the list's link rather than the first item of its own.
struct ListPlacement
{
    QString listTitle;
    int index = 0; // 1-based
    bool fetchFromList = false;

    bool operator==(const ListPlacement &) const = default;

    // {"title", "index", "fetchFromList"}.
    QJsonObject toJson() const;
    // Nothing unless "title" is text and "index" a whole number from 1;
    // "fetchFromList" reads as false unless it is true.
    static std::optional<ListPlacement> fromJson(const QJsonObject &object);
};
