#include "tools/ToolIntegrity.h"

#include "settings/AppConfiguration.h"
#include "tools/FileDigest.h"
#include "tools/ToolManifest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace ToolIntegrity {

namespace {

std::optional<ToolManifest> shippedManifest(const QString &resources)
{
    QFile file(QDir(resources).filePath(QStringLiteral("manifest.json")));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return ToolManifest::decode(file.readAll());
}

} // namespace

std::optional<QString> problemBeforeRunning(const QString &executable)
{
    const std::optional<QString> resources = AppConfiguration::resourcesDirectory();
    if (!resources)
        return std::nullopt;
    const QString folder = QDir(*resources).filePath(QStringLiteral("Tools"));
    const QFileInfo started(executable);
    QStringList names;
    if (started.absolutePath() == QDir(folder).absolutePath())
        names << started.fileName();
    if (started.fileName() == QLatin1String("yt-dlp"))
        names << QStringLiteral("ffmpeg") << QStringLiteral("ffprobe") << QStringLiteral("deno");
    if (names.isEmpty())
        return std::nullopt;
    const std::optional<ToolManifest> manifest = shippedManifest(*resources);
    if (!manifest)
        return std::nullopt;
    for (const QString &name : names) {
        const std::optional<QString> listed = manifest->digestFor(name);
        const QString path = QDir(folder).filePath(name);
        if (!listed || !QFileInfo::exists(path))
            continue;
        if (FileDigest::rememberedSha256(path) != listed)
            return QStringLiteral("ERROR: %1: this file failed its integrity check (its SHA-256 is not the one "
                                  "in the manifest), so it was not run")
                .arg(QDir::cleanPath(path));
    }
    return std::nullopt;
}

} // namespace ToolIntegrity
