#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// The decoded manifest.json that ships beside the Tools folder. The user's
// own tool folder keeps one of the same format.
struct ManifestTool
{
    QString name;
    std::optional<QString> version;
    std::optional<QString> architecture;
    std::optional<QString> sourceURL;
    QString sha256;
    std::optional<QString> license;
    std::optional<QString> sourceArchiveURL;
};

struct ToolManifest
{
    int schemaVersion = 0;
    std::optional<QString> architecture;
    QList<ManifestTool> tools;

    // Strict: a missing or null required key, or any value of the wrong JSON
    // type, makes the whole document undecodable. Unknown keys are ignored.
    static std::optional<ToolManifest> decode(const QByteArray &json);

    // The listed digest of a tool; the first entry wins when a name repeats.
    std::optional<QString> digestFor(const QString &name) const;
    // The entry of a tool (the first one when a name repeats); none if unlisted.
    const ManifestTool *entryFor(const QString &name) const;

    // The document with the same keys, absent optional values written as null.
    QByteArray encode() const;
};
