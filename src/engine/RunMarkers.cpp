#include "engine/RunMarkers.h"

namespace {

constexpr QLatin1String kInfoFileMarker("__KV_INFOJSON__");
constexpr QLatin1String kDownloadedMarker("__KV_DOWNLOADED__");

// The rest of a line that starts with `marker`, without a carriage return
// at its end.
std::optional<QString> after(QLatin1String marker, const QString &line)
{
    if (!line.startsWith(marker))
        return std::nullopt;
    QString rest = line.sliced(marker.size());
    if (rest.endsWith(QLatin1Char('\r')))
        rest.chop(1);
    return rest;
}

} // namespace

namespace RunMarkers {

std::optional<QString> infoFile(const QString &line)
{
    std::optional<QString> path = after(kInfoFileMarker, line);
    // "NA": yt-dlp wrote nothing (it was not asked to).
    if (!path || path->isEmpty() || *path == QLatin1String("NA"))
        return std::nullopt;
    return path;
}

std::optional<bool> downloaded(const QString &line)
{
    const std::optional<QString> value = after(kDownloadedMarker, line);
    if (!value)
        return std::nullopt;
    // "False" when the downloader found the file complete, "NA" when yt-dlp
    // saw it before starting one.
    return *value == QLatin1String("True");
}

} // namespace RunMarkers
