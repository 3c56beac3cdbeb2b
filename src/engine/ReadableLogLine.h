#pragma once

#include <QString>

// A line of a job's log as a person reads it. The download command asks
// yt-dlp for its progress as JSON records; such a record is shown as the
// line yt-dlp itself would have printed ("[download]  45.3% of ..."). Every
// other line is shown as it is. Pure, safe on any thread.
namespace ReadableLogLine {

QString of(const QString &line);

} // namespace ReadableLogLine
