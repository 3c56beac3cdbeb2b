#pragma once

#include <QString>

#include <optional>

class QFileDevice;

// Checks on the files an update writes. QFile buffers small writes, so a full
// disk often shows only when the buffer is flushed at close; unchecked, the
// file is silently cut short and a later digest check calls it damaged.
namespace FileWrites {

// Flushes and closes `file`; none on success, else failure().
std::optional<QString> finish(QFileDevice &file, const QString &folder);

// Why the last write, flush or close of `file` failed, in a sentence; a full
// disk is named as such, with `folder` (the place the user knows).
QString failure(const QFileDevice &file, const QString &folder);

} // namespace FileWrites
