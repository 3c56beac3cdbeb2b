#pragma once

#include <QString>
#include <QUrl>

#include <optional>

namespace WebLink {

// `text` as a link when it parses strictly as one (no white space or control
// characters anywhere, no malformed escapes) and its scheme, in any case, is
// http or https; nothing otherwise. The host is not examined.
std::optional<QUrl> parse(const QString &text);

} // namespace WebLink
