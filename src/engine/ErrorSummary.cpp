#include "engine/ErrorSummary.h"

#include <QCoreApplication>

namespace {

constexpr const char *kContext = "ErrorSummary";
const char *const kCannotCreateOutputDirectory =
    QT_TRANSLATE_NOOP("ErrorSummary", "Cannot create output directory: %1");
const char *const kToolMissing = QT_TRANSLATE_NOOP("ErrorSummary", "Required tool (yt-dlp / ffmpeg) is missing.");

} // namespace

namespace ErrorSummary {

QString cannotCreateOutputDirectory(const QString &folder)
{
    return QString::fromLatin1(kCannotCreateOutputDirectory).arg(folder);
}

QString toolMissing()
{
    return QString::fromLatin1(kToolMissing);
}

QString translated(const QString &summary)
{
    // Category messages are their own translation keys.
    const QByteArray key = summary.toUtf8();
    const QString message = QCoreApplication::translate("DownloadErrorCategory", key.constData());
    if (message != summary)
        return message;
    if (summary == toolMissing())
        return QCoreApplication::translate(kContext, kToolMissing);
    const QString format = QString::fromLatin1(kCannotCreateOutputDirectory);
    const QString prefix = format.left(format.indexOf(QLatin1String("%1")));
    if (summary.startsWith(prefix))
        return QCoreApplication::translate(kContext, kCannotCreateOutputDirectory).arg(summary.mid(prefix.size()));
    return summary;
}

} // namespace ErrorSummary
