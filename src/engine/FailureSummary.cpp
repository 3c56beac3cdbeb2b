#include "engine/FailureSummary.h"

#include "engine/DownloadErrorCategory.h"

#include <QCoreApplication>

namespace {

// Context "DownloadCoordinator": the coordinator is where they are written.
constexpr const char *kContext = "DownloadCoordinator";
const char *const kCancelled = QT_TRANSLATE_NOOP("DownloadCoordinator", "Cancelled");
const char *const kToolMissing = QT_TRANSLATE_NOOP("DownloadCoordinator", "Required tool (yt-dlp / ffmpeg) is missing.");
const char *const kOutputFolder = QT_TRANSLATE_NOOP("DownloadCoordinator", "Cannot create output directory: %1");
const char *const kNameTaken = QT_TRANSLATE_NOOP(
    "DownloadCoordinator", "A file of the same name from another link is in the way; nothing was downloaded.");
const char *const kNothingToDownload =
    QT_TRANSLATE_NOOP("DownloadCoordinator", "yt-dlp found nothing to download at this link.");

QString outputFolderPrefix()
{
    return QString::fromLatin1(kOutputFolder).section(QStringLiteral("%1"), 0, 0);
}

} // namespace

namespace FailureSummary {

QString cancelled()
{
    return QString::fromLatin1(kCancelled);
}

QString toolMissing()
{
    return QString::fromLatin1(kToolMissing);
}

QString nameTaken()
{
    return QString::fromLatin1(kNameTaken);
}

QString nothingToDownload()
{
    return QString::fromLatin1(kNothingToDownload);
}

QString outputFolder(const QString &folder)
{
    return outputFolderPrefix() + folder;
}

QString translated(const QString &summary)
{
    for (const char *fixed : {kCancelled, kToolMissing, kNameTaken, kNothingToDownload}) {
        if (summary == QLatin1String(fixed))
            return QCoreApplication::translate(kContext, fixed);
    }
    if (summary.startsWith(outputFolderPrefix()))
        return QCoreApplication::translate(kContext, kOutputFolder).arg(summary.mid(outputFolderPrefix().size()));
    for (const DownloadErrorCategory category : DownloadErrorCategories::all()) {
        if (summary == QLatin1String(DownloadErrorCategories::userMessage(category)))
            return QCoreApplication::translate("DownloadErrorCategory", DownloadErrorCategories::userMessage(category));
    }
    return summary;
}

} // namespace FailureSummary
