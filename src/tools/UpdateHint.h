#pragma once

#include "engine/DownloadErrorCategory.h"

#include <QDate>
#include <QString>

#include <optional>

// When a failure may be yt-dlp falling behind the site: the link is called
// unsupported or unavailable, a bot check stopped it, or nothing more is
// known, and the yt-dlp in use is more than 60 days old. Sites change under
// yt-dlp every few weeks; a newer one often reads them again.
namespace UpdateHint {

inline constexpr int kOlderThanDays = 60;

// The age in days worth telling of, or none.
std::optional<int> helpfulAge(DownloadErrorCategory category, const std::optional<QDate> &released,
                              const QDate &today);

// "yt-dlp is N days old; updating it often fixes this", in the interface language.
QString text(int days);

// The same with the command that updates it, for the command line.
QString commandLineText(int days);

// The hint for a failure of `category` now, with the yt-dlp that runs (its
// release date as its manifest lists it); none when it would not help.
// Reads the tool manifests (small files), so not for every repaint.
std::optional<int> ageIfHelpful(DownloadErrorCategory category);

// `reason` with the hint as a line of its own beneath it, when it helps.
QString appendedTo(const QString &reason, DownloadErrorCategory category);

} // namespace UpdateHint
