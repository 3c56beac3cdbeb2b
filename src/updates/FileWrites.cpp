#include "updates/FileWrites.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDevice>
#include <QFileInfo>

namespace FileWrites {

std::optional<QString> finish(QFileDevice &file, const QString &folder)
{
    // close() flushes too but keeps no result of its own; both are checked.
    const bool flushed = file.flush();
    file.close();
    if (!flushed || file.error() != QFileDevice::NoError)
        return failure(file, folder);
    return std::nullopt;
}

QString failure(const QFileDevice &file, const QString &folder)
{
    const QString name = QFileInfo(file.fileName()).fileName();
    // Qt reports ENOSPC, and only that, as a resource error of a write or flush.
    if (file.error() == QFileDevice::ResourceError)
        return QCoreApplication::translate("FileWrites", "There is not enough free space in %1 to write %2.")
            .arg(QDir::toNativeSeparators(folder), name);
    return QCoreApplication::translate("FileWrites", "Could not write %1 in %2: %3")
        .arg(name, QDir::toNativeSeparators(folder), file.errorString());
}

} // namespace FileWrites
