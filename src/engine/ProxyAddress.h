#pragma once

#include "engine/OptionCheck.h"

#include <QString>

// The proxy every request of a download goes through (yt-dlp's --proxy).
namespace ProxyAddress {

// `text` trimmed, when it is a proxy URL yt-dlp can use: scheme http, https,
// socks4, socks4a, socks5 or socks5h (any case), a host, an optional port
// and user, nothing after the port but an optional "/". The empty text is
// no proxy and passes as it is.
Checked<QString> parse(const QString &text);

} // namespace ProxyAddress
