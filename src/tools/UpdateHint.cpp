#include "tools/UpdateHint.h"

#include "settings/AppConfiguration.h"
#include "tools/ListedVersion.h"
#include "tools/ToolAge.h"
#include "tools/ToolResolver.h"

#include <QCoreApplication>

namespace UpdateHint {

std::optional<int> helpfulAge(DownloadErrorCategory category, const std::optional<QDate> &released,
                              const QDate &today)
{
    switch (category) {
    case DownloadErrorCategory::unsupportedURL:
    case DownloadErrorCategory::unavailable:
    case DownloadErrorCategory::botVerification:
    case DownloadErrorCategory::unknown:
        break;
    default:
        return std::nullopt;
    }
    if (!released)
        return std::nullopt;
    const int days = ToolAge::ageInDays(*released, today);
    if (days <= kOlderThanDays)
        return std::nullopt;
    return days;
}

QString text(int days)
{
    return QCoreApplication::translate("UpdateHint", "yt-dlp is %1 days old; updating it often fixes this").arg(days);
}

QString commandLineText(int days)
{
    return QCoreApplication::translate("UpdateHint", "%1: tarvelle-cli tools update").arg(text(days));
}

std::optional<int> ageIfHelpful(DownloadErrorCategory category)
{
    const std::optional<QString> resources = AppConfiguration::resourcesDirectory();
    const ActiveTools tools = ToolResolver::resolve(resources, AppConfiguration::userToolsDirectory());
    const std::optional<QString> version = ListedVersion::of(tools, QStringLiteral("yt-dlp"), resources);
    const std::optional<QDate> released =
        version ? ToolAge::releaseDate(QStringLiteral("yt-dlp"), *version) : std::nullopt;
    return helpfulAge(category, released, QDate::currentDate());
}

QString appendedTo(const QString &reason, DownloadErrorCategory category)
{
    const std::optional<int> days = ageIfHelpful(category);
    if (!days)
        return reason;
    return reason.isEmpty() ? text(*days) : reason + QLatin1Char('\n') + text(*days);
}

} // namespace UpdateHint
