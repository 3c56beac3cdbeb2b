#include "engine/TimeRange.h"

#include <QRegularExpression>

#include <cmath>

QString TimeRange::argument() const
{
    return QStringLiteral("*%1-%2").arg(start).arg(end ? QString::number(*end) : QStringLiteral("inf"));
}

QString TimeRange::text() const
{
    return clockText(start) + QLatin1Char('-') + (end ? clockText(*end) : QString());
}

QString TimeRange::clockText(qint64 seconds)
{
    const qint64 hours = seconds / 3600;
    const qint64 minutes = seconds % 3600 / 60;
    const qint64 rest = seconds % 60;
    if (hours > 0)
        return QStringLiteral("%1:%2:%3").arg(hours).arg(minutes, 2, 10, QLatin1Char('0')).arg(rest, 2, 10, QLatin1Char('0'));
    return QStringLiteral("%1:%2").arg(minutes).arg(rest, 2, 10, QLatin1Char('0'));
}

std::optional<qint64> TimeRange::parseClock(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,5}):([0-5]\\d)(?::([0-5]\\d))?$"));
    const QRegularExpressionMatch match = pattern.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    const qint64 first = match.captured(1).toLongLong();
    const qint64 second = match.captured(2).toLongLong();
    if (match.captured(3).isEmpty())
        return first * 60 + second;
    return first * 3600 + second * 60 + match.captured(3).toLongLong();
}

Checked<TimeRange> TimeRange::parse(const QString &text)
{
    const QStringList sides = text.split(QLatin1Char('-'));
    if (sides.size() != 2)
        return Checked<TimeRange>::refused(
            OptionText::tr("Give the range as START-END, as in 1:30-2:45; leave out either side to begin at the "
                           "start or run to the end."));
    return make(sides.at(0), sides.at(1));
}

Checked<TimeRange> TimeRange::make(const QString &start, const QString &end, std::optional<double> duration)
{
    const auto badTime = [](const QString &typed) {
        return Checked<TimeRange>::refused(
            OptionText::tr("\"%1\" is no time: write mm:ss or hh:mm:ss, as in 1:30 or 1:02:03.").arg(typed.trimmed()));
    };
    if (start.trimmed().isEmpty() && end.trimmed().isEmpty())
        return Checked<TimeRange>::refused(OptionText::tr("Give a start, an end or both."));
    TimeRange range;
    if (!start.trimmed().isEmpty()) {
        const std::optional<qint64> seconds = parseClock(start);
        if (!seconds)
            return badTime(start);
        range.start = *seconds;
    }
    if (!end.trimmed().isEmpty()) {
        range.end = parseClock(end);
        if (!range.end)
            return badTime(end);
        if (*range.end <= range.start)
            return Checked<TimeRange>::refused(OptionText::tr("The end must come after the start."));
    }
    if (range.start == 0 && !range.end)
        return Checked<TimeRange>::refused(
            OptionText::tr("This range is the whole medium: leave the time range empty instead."));
    if (duration && *duration > 0) {
        const qint64 length = static_cast<qint64>(std::ceil(*duration));
        if (range.start >= length || (range.end && *range.end > length))
            return Checked<TimeRange>::refused(
                OptionText::tr("The medium is %1 long; the range must lie within it.").arg(clockText(length)));
    }
    return range;
}
