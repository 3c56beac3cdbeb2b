#pragma once

#include <QJsonObject>
#include <QString>

// What the shipped ffprobe reads in a media file: its format (duration,
// tags), streams and chapters, as ffprobe's JSON; an empty object when it
// cannot read the file.
namespace MediaProbe {

QJsonObject probe(const QString &path);

// The format's duration in seconds; -1 when unknown.
double duration(const QJsonObject &probed);

} // namespace MediaProbe
