#pragma once

#include <QString>
#include <QUrl>

#include <optional>

// Decides whether a thumbnail link from metadata may be loaded.
namespace ThumbnailService {

// The link when `text` parses as one (no white space or control characters,
// no malformed escapes) and its scheme, in any case, is http or https;
// nothing otherwise. The host is not examined.
std::optional<QUrl> validatedURL(const std::optional<QString> &text);

} // namespace ThumbnailService
