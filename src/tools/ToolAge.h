#pragma once

#include <QDate>
#include <QString>

#include <optional>

// How old a tool is. yt-dlp's version is its release date ("2026.08.19", a
// nightly build adds a time: "2026.08.19.232807"); a yt-dlp more than 90 days
// old warns by itself, since sites change faster than that.
namespace ToolAge {

inline constexpr int kStaleAfterDays = 90;

// The release date a version names; none for a tool whose versions are not
// dates, or text that is no valid date.
std::optional<QDate> releaseDate(const QString &toolName, const QString &version);

// Whole days from `released` to `today`; 0 for a date in the future.
int ageInDays(const QDate &released, const QDate &today);

bool isStale(int ageInDays);

} // namespace ToolAge
