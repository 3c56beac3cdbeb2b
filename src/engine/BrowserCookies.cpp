#include "engine/BrowserCookies.h"

#include <algorithm>
#include <array>

namespace {

struct Names
{
    const char *raw;
    const char *label;
};

constexpr std::array<Names, 7> kBrowsers{{
    {"firefox", "Firefox"},
    {"chromium", "Chromium"},
    {"chrome", "Chrome"},
    {"brave", "Brave"},
    {"edge", "Edge"},
    {"opera", "Opera"},
    {"vivaldi", "Vivaldi"},
}};

} // namespace

namespace Browsers {

const QList<Browser> &all()
{
    static const QList<Browser> list{Browser::firefox, Browser::chromium, Browser::chrome, Browser::brave,
                                     Browser::edge,    Browser::opera,    Browser::vivaldi};
    return list;
}

QString rawValue(Browser browser)
{
    return QString::fromLatin1(kBrowsers.at(static_cast<size_t>(browser)).raw);
}

std::optional<Browser> fromRawValue(QStringView raw)
{
    for (const Browser browser : all()) {
        if (raw.compare(rawValue(browser), Qt::CaseInsensitive) == 0)
            return browser;
    }
    return std::nullopt;
}

QString label(Browser browser)
{
    return QString::fromLatin1(kBrowsers.at(static_cast<size_t>(browser)).label);
}

} // namespace Browsers

QString BrowserCookies::text() const
{
    return profile.isEmpty() ? Browsers::rawValue(browser) : Browsers::rawValue(browser) + QLatin1Char(':') + profile;
}

Checked<BrowserCookies> BrowserCookies::parse(const QString &text)
{
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    const QString name = (colon < 0 ? text : text.left(colon)).trimmed();
    const std::optional<Browser> browser = Browsers::fromRawValue(name);
    if (!browser) {
        QStringList names;
        for (const Browser each : Browsers::all())
            names.append(Browsers::rawValue(each));
        return Checked<BrowserCookies>::refused(
            OptionText::tr("Name one of these browsers: %1.").arg(names.join(QStringLiteral(", "))));
    }
    return make(*browser, colon < 0 ? QString() : text.mid(colon + 1));
}

Checked<BrowserCookies> BrowserCookies::make(Browser browser, const QString &profile)
{
    const QString trimmed = profile.trimmed();
    if (trimmed.contains(QLatin1String("::")) ||
        std::any_of(trimmed.begin(), trimmed.end(), [](QChar c) { return c < QChar(0x20) || c == QChar(0x7f); }))
        return Checked<BrowserCookies>::refused(
            OptionText::tr("A browser profile cannot hold \"::\" or line breaks."));
    return BrowserCookies{browser, trimmed};
}
