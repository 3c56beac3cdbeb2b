#include "tools/ToolManifest.h"

#include "engine/StrictJson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <limits>

namespace {

bool readInteger(const QJsonValue &value, int &out)
{
    if (!value.isDouble())
        return false;
    const double number = value.toDouble();
    if (number != std::trunc(number) || number < std::numeric_limits<int>::min()
        || number > std::numeric_limits<int>::max())
        return false;
    out = static_cast<int>(number);
    return true;
}

} // namespace

std::optional<ToolManifest> ToolManifest::decode(const QByteArray &json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject root = document.object();

    ToolManifest manifest;
    if (!readInteger(root.value(QLatin1String("schemaVersion")), manifest.schemaVersion))
        return std::nullopt;
    if (!StrictJson::readOptionalText(root, "architecture", manifest.architecture))
        return std::nullopt;
    const QJsonValue tools = root.value(QLatin1String("tools"));
    if (!tools.isArray())
        return std::nullopt;
    for (const QJsonValue &entry : tools.toArray()) {
        if (!entry.isObject())
            return std::nullopt;
        const QJsonObject object = entry.toObject();
        ManifestTool tool;
        if (!StrictJson::readText(object, "name", tool.name) || !StrictJson::readText(object, "sha256", tool.sha256)
            || !StrictJson::readOptionalText(object, "version", tool.version)
            || !StrictJson::readOptionalText(object, "architecture", tool.architecture)
            || !StrictJson::readOptionalText(object, "sourceURL", tool.sourceURL)
            || !StrictJson::readOptionalText(object, "license", tool.license)
            || !StrictJson::readOptionalText(object, "sourceArchiveURL", tool.sourceArchiveURL))
            return std::nullopt;
        manifest.tools.append(tool);
    }
    return manifest;
}

std::optional<QString> ToolManifest::digestFor(const QString &name) const
{
    if (const ManifestTool *tool = entryFor(name))
        return tool->sha256;
    return std::nullopt;
}

const ManifestTool *ToolManifest::entryFor(const QString &name) const
{
    for (const ManifestTool &tool : tools) {
        if (tool.name == name)
            return &tool;
    }
    return nullptr;
}

QByteArray ToolManifest::encode() const
{
    const auto optional = [](const std::optional<QString> &text) {
        return text ? QJsonValue(*text) : QJsonValue(QJsonValue::Null);
    };
    QJsonArray entries;
    for (const ManifestTool &tool : tools) {
        entries.append(QJsonObject{{"name", tool.name},
                                   {"version", optional(tool.version)},
                                   {"architecture", optional(tool.architecture)},
                                   {"sourceURL", optional(tool.sourceURL)},
                                   {"sha256", tool.sha256},
                                   {"license", optional(tool.license)},
                                   {"sourceArchiveURL", optional(tool.sourceArchiveURL)}});
    }
    const QJsonObject root{{"schemaVersion", schemaVersion}, {"architecture", optional(architecture)}, {"tools", entries}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}
