#include "engine/ReadableLogLine.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

namespace {

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

QString recordLine(QStringView json)
{
    return kRecordLabel + json.toString();
}

bool isRecordLine(const QString &line)
{
    return line.startsWith(kRecordLabel);
}

QString of(const QString &line)
{
    if (!isRecordLine(line))
        return line;
    const QJsonDocument document = QJsonDocument::fromJson(QStringView(line).sliced(kRecordLabel.size()).toUtf8());
    const QString printed = document.isObject() ? printedLine(document.object()) : QString();
    return printed.isEmpty() ? line : printed;
}

} // namespace ReadableLogLine
