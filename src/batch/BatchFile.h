#pragma once

#include <QByteArray>
#include <QString>

#include <variant>

// A text file of links named from outside (a drop, a file: link, the command
// line), read so that no name can make the reading endless or keep it
// waiting: only a regular file, and no more than a batch can hold.
namespace BatchFile {

inline constexpr qint64 kMaxBytes = 16 * 1024 * 1024;

// The bytes of `path`, or a translated reason it cannot be read: the
// system's for a missing or unreadable file, "Not a regular file" for a
// device, FIFO or folder (a FIFO nobody writes to is not waited for), and
// "Larger than 16 MiB" after reading one byte past kMaxBytes.
std::variant<QByteArray, QString> read(const QString &path);

} // namespace BatchFile
