#include "analysis/ThumbnailService.h"

#include "engine/WebLink.h"

namespace ThumbnailService {

std::optional<QUrl> validatedURL(const std::optional<QString> &text)
{
    if (!text)
        return std::nullopt;
    return WebLink::parse(*text);
}

} // namespace ThumbnailService
