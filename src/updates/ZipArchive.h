#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Reads single entries of a zip archive through libarchive. A zip with data
// before it (a python zipapp behind its "#!" line) reads the same. Blocking.
namespace ZipArchive {

// The contents of the regular-file entry named exactly `entry`, when it is at
// most `maxBytes` long; none otherwise (no such entry, too large, damaged).
std::optional<QByteArray> read(const QString &archive, const QString &entry, qint64 maxBytes);

// Writes that entry to `destination` (created or emptied first); none on
// success, else why not in plain words, a full disk named as such. A failed
// extraction removes the destination.
std::optional<QString> extract(const QString &archive, const QString &entry, const QString &destination,
                               qint64 maxBytes);

} // namespace ZipArchive
