#include "updates/ToolVersion.h"

#include <QCoreApplication>
#include <QVersionNumber>

namespace ToolVersion {

namespace {

// The whole text as a version number; none when anything follows the
// numbers (a nightly's suffix is part of its numbers in yt-dlp).
std::optional<QVersionNumber> parsed(const QString &version)
{
    qsizetype suffix = 0;
    const QVersionNumber number = QVersionNumber::fromString(version, &suffix);
    if (number.isNull() || suffix != version.size())
        return std::nullopt;
    return number;
}

} // namespace

std::optional<QString> fromOutput(const QString &tool, const QByteArray &output)
{
    const QString first = QString::fromUtf8(output).trimmed().section(QLatin1Char('\n'), 0, 0).trimmed();
    if (first.isEmpty())
        return std::nullopt;
    if (tool == QLatin1String("deno")) {
        const QStringList words = first.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (words.size() < 2 || words[0] != QLatin1String("deno"))
            return std::nullopt;
        return words[1];
    }
    return first;
}

QString ofTag(const QString &tag)
{
    return tag.startsWith(QLatin1Char('v')) ? tag.mid(1) : tag;
}

std::optional<QString> refusal(const QString &tool, const QString &printed, const QString &tag,
                               const std::optional<QString> &current)
{
    const std::optional<QVersionNumber> version = parsed(printed);
    if (!version || version != parsed(ofTag(tag)))
        return QCoreApplication::translate("ToolVersion",
                                           "the new %1 says it is version %2, but its release is %3: an older "
                                           "release may have been served under a newer name.")
            .arg(tool, printed, tag);
    if (current) {
        // A copy in use whose version cannot be read is no reason to keep it.
        const std::optional<QVersionNumber> inUse = parsed(*current);
        if (inUse && *version <= *inUse)
            return QCoreApplication::translate("ToolVersion",
                                               "the new %1 (%2) is not newer than the one in use (%3); updates "
                                               "only move forward.")
                .arg(tool, printed, *current);
    }
    return std::nullopt;
}

} // namespace ToolVersion
