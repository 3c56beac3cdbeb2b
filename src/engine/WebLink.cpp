#include "engine/WebLink.h"

namespace WebLink {

std::optional<QUrl> parse(const QString &text)
{
    if (text.isEmpty())
        return std::nullopt;
    for (const QChar c : text) {
        if (c.isSpace() || c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            return std::nullopt;
    }
    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid())
        return std::nullopt;
    const QString scheme = url.scheme().toLower();
    if (scheme != QStringLiteral("http") && scheme != QStringLiteral("https"))
        return std::nullopt;
    return url;
}

} // namespace WebLink
