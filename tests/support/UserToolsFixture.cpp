#include "support/UserToolsFixture.h"

#include "tools/FileDigest.h"
#include "tools/ToolManifest.h"
#include "tools/UserToolFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

UserToolsFixture::UserToolsFixture()
{
    QDir().mkpath(folder());
}

QString UserToolsFixture::install(const QString &name, const QByteArray &contents, const QString &version)
{
    QTemporaryDir scratch;
    QFile staged(scratch.filePath(name));
    if (!staged.open(QIODevice::WriteOnly) || staged.write(contents) != contents.size()) {
        ADD_FAILURE() << "cannot write " << staged.fileName().toStdString();
        return {};
    }
    staged.close();
    const QString digest = *FileDigest::sha256(staged.fileName());
    const QString path = UserToolFolder::fileFor(folder(), name, digest);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile::remove(path);
    QFile::copy(staged.fileName(), path);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QFile current(UserToolFolder::manifestPath(folder()));
    std::optional<ToolManifest> manifest;
    if (current.open(QIODevice::ReadOnly))
        manifest = ToolManifest::decode(current.readAll());
    current.close();
    if (!manifest)
        manifest = ToolManifest{1, std::nullopt, {}};
    manifest->tools.removeIf([&](const ManifestTool &tool) { return tool.name == name; });
    ManifestTool entry;
    entry.name = name;
    entry.sha256 = digest;
    if (!version.isEmpty())
        entry.version = version;
    manifest->tools.append(entry);
    writeManifest(manifest->encode());
    return path;
}

QString UserToolsFixture::installScript(const QString &name, const QByteArray &body, const QString &version)
{
    return install(name, "#!/bin/sh\n" + body, version);
}

void UserToolsFixture::writeManifest(const QByteArray &json) const
{
    QFile file(UserToolFolder::manifestPath(folder()));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(json) != json.size())
        ADD_FAILURE() << "cannot write " << file.fileName().toStdString();
}
