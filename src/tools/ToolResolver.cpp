#include "tools/ToolResolver.h"

#include "settings/AppConfiguration.h"
#include "tools/FileDigest.h"
#include "tools/UserToolFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

namespace ToolResolver {

namespace {

QString translated(const char *text)
{
    return QCoreApplication::translate("ToolResolver", text);
}

bool isExecutableFile(const QString &path)
{
    return QFileInfo(path).isFile() && ::access(QFile::encodeName(path).constData(), X_OK) == 0;
}

// The user copy of `name`, or why there is none to use. Nothing at all when
// the user folder does not list the tool.
struct UserCopy
{
    std::optional<QString> path;
    std::optional<QString> version;
    std::optional<QString> ignored;
};

UserCopy userCopyOf(const QString &name, const UserToolFolder::ManifestFile &manifest, const QString &folder)
{
    if (!manifest.present)
        return {};
    if (!manifest.decoded)
        return {{}, {}, translated(QT_TRANSLATE_NOOP("ToolResolver",
                                                     "The user tool folder's manifest.json cannot be read."))};
    const ManifestTool *entry = manifest.decoded->entryFor(name);
    if (!entry)
        return {};
    if (!UserToolFolder::kUpdatableTools.contains(name))
        return {{}, {}, translated(QT_TRANSLATE_NOOP("ToolResolver",
                                                     "Only yt-dlp and deno can come from the user tool folder."))};
    if (!UserToolFolder::isValidDigest(entry->sha256))
        return {{}, {}, translated(QT_TRANSLATE_NOOP("ToolResolver",
                                                     "Its entry in the user tool folder's manifest has no valid SHA-256."))};
    const QString path = UserToolFolder::fileFor(folder, name, entry->sha256);
    if (!isExecutableFile(path))
        return {{}, {}, translated(QT_TRANSLATE_NOOP("ToolResolver",
                                                     "Its file in the user tool folder is missing or not executable."))};
    const std::optional<QString> digest = FileDigest::rememberedSha256(path);
    if (!digest)
        return {{}, {}, translated(QT_TRANSLATE_NOOP("ToolResolver", "Its file in the user tool folder cannot be read."))};
    if (*digest != entry->sha256)
        return {{}, {}, translated(QT_TRANSLATE_NOOP("ToolResolver",
                                                     "Its file in the user tool folder was changed after it was "
                                                     "installed (SHA-256 mismatch)."))};
    return {path, entry->version, {}};
}

} // namespace

ActiveTools resolve(const std::optional<QString> &resourcesDirectory, const QString &userToolsDirectory)
{
    ActiveTools active;
    if (resourcesDirectory)
        active.shippedDirectory = QDir(*resourcesDirectory).filePath(QStringLiteral("Tools"));
    const UserToolFolder::ManifestFile manifest =
        UserToolFolder::readManifest(UserToolFolder::manifestPath(userToolsDirectory));

    for (const QString &name : ActiveTools::kToolNames) {
        ActiveTool tool;
        tool.name = name;
        const UserCopy user = userCopyOf(name, manifest, userToolsDirectory);
        if (user.path) {
            tool.source = ToolSource::user;
            tool.path = user.path;
            tool.userVersion = user.version;
        } else {
            if (active.shippedDirectory)
                tool.path = QDir(*active.shippedDirectory).filePath(name);
            tool.userCopyIgnored = user.ignored;
        }
        active.tools.append(tool);
    }
    return active;
}

ActiveTools resolve()
{
    return resolve(AppConfiguration::resourcesDirectory(), AppConfiguration::userToolsDirectory());
}

} // namespace ToolResolver
