#pragma once

#include <QDateTime>

#include <chrono>
#include <optional>

// When the background look for a newer yt-dlp is due: once a week, counted
// from the last check that got an answer.
namespace ToolUpdateSchedule {

inline constexpr auto kInterval = std::chrono::days(7);

// Due without an earlier check, a week after it, or when the clock now reads
// earlier than that check (it was set back, so the week cannot be counted).
bool isDue(const std::optional<QDateTime> &lastCheck, const QDateTime &now);

} // namespace ToolUpdateSchedule
