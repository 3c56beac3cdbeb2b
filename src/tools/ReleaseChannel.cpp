#include "tools/ReleaseChannel.h"

namespace ReleaseChannels {

QString rawValue(ReleaseChannel channel)
{
    return channel == ReleaseChannel::nightly ? QStringLiteral("nightly") : QStringLiteral("stable");
}

std::optional<ReleaseChannel> fromRaw(const QString &raw)
{
    if (raw == QLatin1String("stable"))
        return ReleaseChannel::stable;
    if (raw == QLatin1String("nightly"))
        return ReleaseChannel::nightly;
    return std::nullopt;
}

} // namespace ReleaseChannels
