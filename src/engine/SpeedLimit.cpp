#include "engine/SpeedLimit.h"

#include <QRegularExpression>

#include <cmath>

QString SpeedLimit::text() const
{
    return QString::number(amount) + (unit == Unit::mebibytes ? QLatin1Char('M') : QLatin1Char('K'));
}

Checked<SpeedLimit> SpeedLimit::parse(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,9})(?:\\.(\\d{1,6}))?\\s*([km])(?:i?b)?(?:/s)?$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(text.trimmed());
    if (!match.hasMatch())
        return Checked<SpeedLimit>::refused(
            OptionText::tr("Give a speed such as 500K or 2M (kilobytes or megabytes per second)."));
    const Unit unit = match.captured(3).compare(QLatin1String("m"), Qt::CaseInsensitive) == 0 ? Unit::mebibytes
                                                                                              : Unit::kibibytes;
    const qint64 whole = match.captured(1).toLongLong();
    if (match.captured(2).isEmpty() || match.captured(2).count(QLatin1Char('0')) == match.captured(2).size())
        return make(whole, unit);
    const double number = (match.captured(1) + QLatin1Char('.') + match.captured(2)).toDouble();
    return make(std::llround(unit == Unit::mebibytes ? number * 1024 : number), Unit::kibibytes);
}

Checked<SpeedLimit> SpeedLimit::make(qint64 amount, Unit unit)
{
    if (amount < 1)
        return Checked<SpeedLimit>::refused(
            OptionText::tr("A speed limit must be at least 1 KB/s; choose \"No limit\" for none."));
    if (amount > kMaxAmount)
        return Checked<SpeedLimit>::refused(OptionText::tr("A speed limit can be at most %1 %2.")
                                                .arg(kMaxAmount)
                                                .arg(unitText(unit)));
    return SpeedLimit{amount, unit};
}

QString SpeedLimit::unitText(Unit unit)
{
    return unit == Unit::mebibytes ? QStringLiteral("MB/s") : QStringLiteral("KB/s");
}

const QList<SpeedLimit::Unit> &SpeedLimit::units()
{
    static const QList<Unit> list{Unit::kibibytes, Unit::mebibytes};
    return list;
}
