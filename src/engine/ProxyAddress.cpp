#include "engine/ProxyAddress.h"

#include <QRegularExpression>
#include <QUrl>

#include <algorithm>

namespace ProxyAddress {

Checked<QString> parse(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return trimmed;
    static const QStringList schemes{QStringLiteral("http"),    QStringLiteral("https"),  QStringLiteral("socks4"),
                                     QStringLiteral("socks4a"), QStringLiteral("socks5"), QStringLiteral("socks5h")};
    const qsizetype separator = trimmed.indexOf(QLatin1String("://"));
    if (separator < 0 || !schemes.contains(trimmed.left(separator).toLower()))
        return Checked<QString>::refused(OptionText::tr(
            "A proxy starts with http://, https://, socks4://, socks4a://, socks5:// or socks5h://, as in "
            "socks5://127.0.0.1:1080."));
    // QUrl calls a bad port a bad URL; say what is wrong with it.
    static const QRegularExpression portPattern(QStringLiteral("^[^/?#]*?(?:\\]|[^\\]:@/?#]):(\\d*)(?:/|$)"));
    const QString authority = trimmed.mid(separator + 3).section(QLatin1Char('@'), -1);
    if (const QRegularExpressionMatch port = portPattern.match(authority); port.hasMatch()) {
        bool ok = false;
        const int number = port.captured(1).toInt(&ok);
        if (!ok || number < 1 || number > 65535)
            return Checked<QString>::refused(OptionText::tr("The proxy port must be a number from 1 to 65535."));
    }
    const bool hasBlank = std::any_of(trimmed.begin(), trimmed.end(), [](QChar c) { return c.isSpace() || c < QChar(0x20); });
    const QUrl url(trimmed, QUrl::StrictMode);
    if (hasBlank || !url.isValid() || url.host().isEmpty())
        return Checked<QString>::refused(OptionText::tr("The proxy needs a host, as in http://proxy.example:3128."));
    if ((!url.path().isEmpty() && url.path() != QLatin1String("/")) || url.hasQuery() || url.hasFragment())
        return Checked<QString>::refused(
            OptionText::tr("A proxy address ends after its host and port; remove what follows them."));
    return trimmed;
}

} // namespace ProxyAddress
