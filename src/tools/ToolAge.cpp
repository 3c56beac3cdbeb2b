#include "tools/ToolAge.h"

#include <QRegularExpression>

#include <algorithm>

namespace ToolAge {

std::optional<QDate> releaseDate(const QString &toolName, const QString &version)
{
    if (toolName != QLatin1String("yt-dlp"))
        return std::nullopt;
    static const QRegularExpression dated(QStringLiteral("\\A(\\d{4})\\.(\\d{2})\\.(\\d{2})(\\.\\d+)?\\z"));
    const QRegularExpressionMatch match = dated.match(version.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    const QDate date(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
    if (!date.isValid())
        return std::nullopt;
    return date;
}

int ageInDays(const QDate &released, const QDate &today)
{
    return static_cast<int>(std::max<qint64>(0, released.daysTo(today)));
}

bool isStale(int ageInDays)
{
    return ageInDays > kStaleAfterDays;
}

} // namespace ToolAge
