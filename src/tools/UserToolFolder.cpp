#include "tools/UserToolFolder.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace UserToolFolder {

QString manifestPath(const QString &folder)
{
    return QDir(folder).filePath(QStringLiteral("manifest.json"));
}

QString previousManifestPath(const QString &folder)
{
    return QDir(folder).filePath(QStringLiteral("manifest.previous.json"));
}

QString versionsPath(const QString &folder)
{
    return QDir(folder).filePath(QStringLiteral("versions"));
}

QString fileFor(const QString &folder, const QString &name, const QString &sha256)
{
    return QDir(versionsPath(folder)).filePath(sha256 + QLatin1Char('/') + name);
}

bool isValidDigest(const QString &text)
{
    static const QRegularExpression digest(QStringLiteral("\\A[0-9a-f]{64}\\z"));
    return digest.match(text).hasMatch();
}

ManifestFile readManifest(const QString &path)
{
    ManifestFile result;
    QFile file(path);
    result.present = file.exists();
    if (result.present && file.open(QIODevice::ReadOnly))
        result.decoded = ToolManifest::decode(file.readAll());
    return result;
}

} // namespace UserToolFolder
