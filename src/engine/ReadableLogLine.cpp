#include "engine/ReadableLogLine.h"

#include "engine/ProgressParser.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

namespace {

using ProgressParser::kJsonMarker;

QString field(const QJsonObject &record, QLatin1String key)
{
    const QString text = record.value(key).toString().trimmed();
    return text == QLatin1String("N/A") || text == QLatin1String("NA") ? QString() : text;
}

// yt-dlp's own line from the texts it put into the record: its default
// template when there (2023.03.04 and later always put it), else the same
// wording pieced together from what the record has.
QString printedLine(const QJsonObject &record)
{
    const QString printed = record.value(QLatin1String("_default_template")).toString();
    if (!printed.isEmpty())
        return QStringLiteral("[download] ") + printed;
    QStringList parts;
    if (const QString percent = field(record, QLatin1String("_percent_str")); !percent.isEmpty())
        parts << percent;
    if (const QString total = field(record, QLatin1String("_total_bytes_str")); !total.isEmpty())
        parts << QStringLiteral("of ") + total;
    else if (const QString estimate = field(record, QLatin1String("_total_bytes_estimate_str")); !estimate.isEmpty())
        parts << QStringLiteral("of ~") + estimate;
    if (const QString speed = field(record, QLatin1String("_speed_str")); !speed.isEmpty())
        parts << QStringLiteral("at ") + speed;
    if (const QString eta = field(record, QLatin1String("_eta_str")); !eta.isEmpty())
        parts << QStringLiteral("ETA ") + eta;
    if (parts.isEmpty())
        return {};
    return QStringLiteral("[download] ") + parts.join(QLatin1Char(' '));
}

} // namespace

namespace ReadableLogLine {

QString of(const QString &line)
{
    const qsizetype marker = line.indexOf(kJsonMarker);
    if (marker < 0)
        return line;
    const QJsonDocument document =
        QJsonDocument::fromJson(QStringView(line).sliced(marker + kJsonMarker.size()).toUtf8());
    if (!document.isObject())
        return line;
    const QString printed = printedLine(document.object());
    if (printed.isEmpty())
        return line;
    // Text before the marker (another line yt-dlp ran into it) stays.
    return line.left(marker) + printed;
}

} // namespace ReadableLogLine
