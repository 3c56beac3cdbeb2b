#pragma once

#include <QString>

#include <optional>

// Which of yt-dlp's release streams updates come from: its releases, or the
// builds it publishes every night.
enum class ReleaseChannel { stable, nightly };

namespace ReleaseChannels {

QString rawValue(ReleaseChannel channel);
// Exactly "stable" or "nightly"; none for anything else.
std::optional<ReleaseChannel> fromRaw(const QString &raw);

} // namespace ReleaseChannels
