#include "updates/DigestList.h"

#include <QRegularExpression>

namespace DigestList {

std::optional<QString> digestFor(const QByteArray &list, const QString &fileName)
{
    static const QRegularExpression line(QStringLiteral("\\A([0-9A-Fa-f]{64}) [ *](.+)\\z"));
    std::optional<QString> found;
    for (const QByteArray &raw : list.split('\n')) {
        const QRegularExpressionMatch match = line.match(QString::fromUtf8(raw).trimmed());
        if (!match.hasMatch())
            continue;
        const QString listed = match.captured(2).trimmed();
        if (listed != fileName && !listed.endsWith(QLatin1Char('/') + fileName))
            continue;
        const QString digest = match.captured(1).toLower();
        if (found && *found != digest)
            return std::nullopt;
        found = digest;
    }
    return found;
}

} // namespace DigestList
