#include "engine/FolderBounds.h"

#include <QDir>
#include <QFileInfo>

namespace FolderBounds {

QString inside(const QString &folder, const QString &path)
{
    if (folder.isEmpty() || path.isEmpty() || !QFileInfo(folder).isAbsolute())
        return {};
    const QString root = QDir::cleanPath(folder);
    const QString candidate = QDir::cleanPath(QFileInfo(path).isAbsolute() ? path : root + QLatin1Char('/') + path);
    const QString prefix = root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/');
    if (!candidate.startsWith(prefix) || candidate.size() == prefix.size())
        return {};
    return candidate;
}

} // namespace FolderBounds
