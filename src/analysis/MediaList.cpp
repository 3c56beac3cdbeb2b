#include "analysis/MediaList.h"

#include "analysis/MediaMetadata.h"

std::optional<QString> MediaListEntry::durationString() const
{
    return clockText(duration);
}
