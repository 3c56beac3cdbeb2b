#pragma once

#include <QString>

// A line of a job's log as a person reads it. The download command asks
// yt-dlp for its progress as JSON records; the log keeps each as
// "[progress] <record>" (the raw log), shown as the line yt-dlp itself would
// have printed ("[download]  45.3% of ..."). Every other line is shown as it
// is. Pure, safe on any thread.
namespace ReadableLogLine {

inline constexpr QLatin1String kRecordLabel("[progress] ");

// The log's line for a progress record.
QString recordLine(QStringView json);

bool isRecordLine(const QString &line);

QString of(const QString &line);

} // namespace ReadableLogLine
