#pragma once

#include "engine/OptionCheck.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

// A browser whose cookies yt-dlp reads (--cookies-from-browser). The raw
// texts are yt-dlp's browser names and are stored in the settings.
enum class Browser { firefox, chromium, chrome, brave, edge, opera, vivaldi };

namespace Browsers {
const QList<Browser> &all();
QString rawValue(Browser browser);
// Any case; nothing for a browser yt-dlp has no name for here.
std::optional<Browser> fromRawValue(QStringView raw);
// The browser's own name ("Firefox"); names are not translated.
QString label(Browser browser);
} // namespace Browsers

// Cookies taken from a browser, from its default profile or a named one (a
// profile name or a profile folder).
struct BrowserCookies
{
    Browser browser = Browser::firefox;
    QString profile; // empty: the browser's default profile

    bool operator==(const BrowserCookies &) const = default;

    // yt-dlp's form, also the stored one: "firefox", "chrome:Profile 1".
    QString text() const;

    // "BROWSER" or "BROWSER:PROFILE".
    static Checked<BrowserCookies> parse(const QString &text);
    // A chosen browser and a typed profile (trimmed; "::" and line breaks,
    // which yt-dlp would read otherwise, are refused).
    static Checked<BrowserCookies> make(Browser browser, const QString &profile);
};
