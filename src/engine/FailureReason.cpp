#include "engine/FailureReason.h"

#include <QRegularExpression>

namespace {

// Terminal colours, which yt-dlp prints when it believes it writes to one.
const QRegularExpression kColour(QStringLiteral("\x1b\\[[0-9;]*[A-Za-z]"));
const QRegularExpression kExtractorAndId(QStringLiteral("^\\[[^\\]]+\\]\\s*(?:[^\\s:]+:\\s+)?"));
const QRegularExpression kHttpStatus(QStringLiteral("HTTP Error \\d{3}:[^(;]*"));
const QRegularExpression kConnectionObject(QStringLiteral("\\b\\w*Connection(?:Pool)?\\([^)]*\\):\\s*"));
const QRegularExpression kErrno(QStringLiteral("\\[Errno -?\\d+\\]\\s*"));
const QRegularExpression kSpaces(QStringLiteral("\\s+"));

// The message of the last line that starts with "ERROR:", without that word.
// A current yt-dlp giving up on a transfer prints an empty "ERROR:" and its
// reason on the line of its last attempt ("Got error: ..."): that reason then.
QString lastErrorMessage(const QStringList &lines)
{
    static const QLatin1String marker("ERROR:");
    static const QLatin1String attempt("Got error:");
    QString lastAttempt;
    for (auto line = lines.crbegin(); line != lines.crend(); ++line) {
        QString text = *line;
        text.remove(kColour);
        text = text.trimmed();
        if (text.startsWith(marker)) {
            if (const QString message = text.mid(marker.size()).trimmed(); !message.isEmpty())
                return message;
        } else if (const qsizetype at = text.indexOf(attempt); at >= 0 && lastAttempt.isEmpty()) {
            lastAttempt = text.mid(at + attempt.size()).trimmed();
        }
    }
    return lastAttempt;
}

QString cutAt(const QString &text, QLatin1String from)
{
    const qsizetype at = text.indexOf(from, 0, Qt::CaseInsensitive);
    return at < 0 ? text : text.left(at);
}

QString withoutTrailingPunctuation(QString text)
{
    while (!text.isEmpty() && (text.back().isSpace() || text.back() == QLatin1Char(';') || text.back() == QLatin1Char(',')))
        text.chop(1);
    return text;
}

QString shortened(const QString &text)
{
    if (text.size() <= FailureReason::kMaxLength)
        return text;
    QString cut = text.left(FailureReason::kMaxLength - 1);
    if (const qsizetype space = cut.lastIndexOf(QLatin1Char(' ')); space > FailureReason::kMaxLength / 2)
        cut.truncate(space);
    return withoutTrailingPunctuation(cut) + QStringLiteral("\u2026");
}

} // namespace

namespace FailureReason {

QString fromOutput(const QStringList &lines)
{
    QString message = lastErrorMessage(lines);
    message = cutAt(message, QLatin1String("please report this issue"));
    message = cutAt(message, QLatin1String(" (caused by "));
    message.remove(kExtractorAndId);
    if (const QRegularExpressionMatch status = kHttpStatus.match(message); status.hasMatch())
        message = status.captured();
    message.remove(kConnectionObject);
    message.remove(kErrno);
    message.replace(kSpaces, QStringLiteral(" "));
    return shortened(withoutTrailingPunctuation(message.trimmed()));
}

} // namespace FailureReason
