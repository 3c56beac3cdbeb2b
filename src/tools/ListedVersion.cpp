#include "tools/ListedVersion.h"

#include "tools/ToolManifest.h"

#include <QDir>
#include <QFile>

namespace ListedVersion {

std::optional<QString> of(const ActiveTools &tools, const QString &name,
                          const std::optional<QString> &resourcesDirectory)
{
    const ActiveTool &tool = tools.tool(name);
    if (tool.source == ToolSource::user)
        return tool.userVersion;
    if (!resourcesDirectory)
        return std::nullopt;
    QFile file(QDir(*resourcesDirectory).filePath(QStringLiteral("manifest.json")));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const std::optional<ToolManifest> manifest = ToolManifest::decode(file.readAll());
    const ManifestTool *entry = manifest ? manifest->entryFor(name) : nullptr;
    if (!entry)
        return std::nullopt;
    return entry->version;
}

} // namespace ListedVersion
