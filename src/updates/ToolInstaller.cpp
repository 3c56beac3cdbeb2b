#include "updates/ToolInstaller.h"

#include "tools/FileDigest.h"
#include "tools/UserToolFolder.h"
#include "updates/FileWrites.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QSet>

#include <cstdio>

namespace ToolInstaller {

namespace {

constexpr int kLockWaitMs = 30000;

QString translated(const char *text)
{
    return QCoreApplication::translate("ToolInstaller", text);
}

std::optional<QString> writeAtomically(const QString &path, const QByteArray &contents)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size() || !file.commit())
        return FileWrites::failure(file, QFileInfo(path).absolutePath());
    return std::nullopt;
}

std::optional<QByteArray> readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

ToolManifest emptyManifest(const std::optional<QString> &architecture)
{
    return ToolManifest{1, architecture, {}};
}

// Removes installed copies neither manifest lists any more, and work folders
// an interrupted update left behind. Nothing here matters if it fails.
void removeUnlisted(const QString &folder)
{
    QSet<QString> kept;
    for (const QString &path : {UserToolFolder::manifestPath(folder), UserToolFolder::previousManifestPath(folder)}) {
        if (const auto manifest = UserToolFolder::readManifest(path).decoded) {
            for (const ManifestTool &tool : manifest->tools)
                kept.insert(tool.sha256);
        }
    }
    QDir versions(UserToolFolder::versionsPath(folder));
    for (const QString &digest : versions.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (!kept.contains(digest))
            QDir(versions.filePath(digest)).removeRecursively();
    }
    const QDateTime dayAgo = QDateTime::currentDateTimeUtc().addDays(-1);
    QDir top(folder);
    for (const QFileInfo &work : top.entryInfoList({QStringLiteral(".staging-*")}, QDir::Dirs | QDir::Hidden)) {
        if (work.lastModified().toUTC() < dayAgo)
            QDir(work.absoluteFilePath()).removeRecursively();
    }
}

std::optional<QString> versionIn(const std::optional<ToolManifest> &manifest, const QString &tool)
{
    if (!manifest)
        return std::nullopt;
    if (const ManifestTool *entry = manifest->entryFor(tool))
        return entry->version.value_or(entry->sha256.left(12));
    return std::nullopt;
}

} // namespace

std::optional<QString> install(const QString &folder, const QString &stagedFile, const ManifestTool &entry,
                               const std::optional<QString> &architecture)
{
    if (!UserToolFolder::isValidDigest(entry.sha256))
        return translated(QT_TRANSLATE_NOOP("ToolInstaller", "The digest %1 is not valid.")).arg(entry.sha256);
    QLockFile lock(QDir(folder).filePath(QStringLiteral(".lock")));
    if (!lock.tryLock(kLockWaitMs))
        return translated(QT_TRANSLATE_NOOP("ToolInstaller", "Another program is changing the tool folder right now."));

    const QString target = UserToolFolder::fileFor(folder, entry.name, entry.sha256);
    const QString targetFolder = QFileInfo(target).absolutePath();
    const bool alreadyThere = FileDigest::sha256(target) == entry.sha256;
    if (!alreadyThere) {
        if (!QDir().mkpath(targetFolder))
            return translated(QT_TRANSLATE_NOOP("ToolInstaller", "Could not create %1.")).arg(targetFolder);
        // rename(2) replaces a damaged leftover of the same digest in one step.
        if (std::rename(QFile::encodeName(stagedFile).constData(), QFile::encodeName(target).constData()) != 0)
            return translated(QT_TRANSLATE_NOOP("ToolInstaller", "Could not move the new file into %1.")).arg(targetFolder);
    }

    const QString manifestPath = UserToolFolder::manifestPath(folder);
    const QString previousPath = UserToolFolder::previousManifestPath(folder);
    const std::optional<QByteArray> currentBytes = readAll(manifestPath);
    const std::optional<QByteArray> previousBytes = readAll(previousPath);
    ToolManifest next = UserToolFolder::readManifest(manifestPath).decoded.value_or(emptyManifest(architecture));
    next.architecture = architecture;
    next.tools.removeIf([&](const ManifestTool &tool) { return tool.name == entry.name; });
    next.tools.append(entry);

    const auto undo = [&] {
        if (previousBytes)
            writeAtomically(previousPath, *previousBytes);
        else
            QFile::remove(previousPath);
        if (!alreadyThere)
            QDir(targetFolder).removeRecursively();
    };
    if (const auto failure =
            writeAtomically(previousPath, currentBytes.value_or(emptyManifest(architecture).encode()))) {
        undo();
        return failure;
    }
    if (const auto failure = writeAtomically(manifestPath, next.encode())) {
        undo();
        return failure;
    }
    removeUnlisted(folder);
    return std::nullopt;
}

RollbackResult rollback(const QString &folder)
{
    RollbackResult result;
    if (!QFileInfo(folder).isDir()) {
        result.failure = translated(QT_TRANSLATE_NOOP("ToolInstaller", "There is no earlier state to return to."));
        return result;
    }
    QLockFile lock(QDir(folder).filePath(QStringLiteral(".lock")));
    if (!lock.tryLock(kLockWaitMs)) {
        result.failure = translated(QT_TRANSLATE_NOOP("ToolInstaller", "Another program is changing the tool folder right now."));
        return result;
    }
    const QString manifestPath = UserToolFolder::manifestPath(folder);
    const QString previousPath = UserToolFolder::previousManifestPath(folder);
    const UserToolFolder::ManifestFile previous = UserToolFolder::readManifest(previousPath);
    if (!previous.present) {
        result.failure = translated(QT_TRANSLATE_NOOP("ToolInstaller", "There is no earlier state to return to."));
        return result;
    }
    if (!previous.decoded) {
        result.failure = translated(QT_TRANSLATE_NOOP("ToolInstaller", "The earlier state (%1) cannot be read."))
                             .arg(previousPath);
        return result;
    }
    for (const ManifestTool &tool : previous.decoded->tools) {
        if (!UserToolFolder::isValidDigest(tool.sha256)
            || FileDigest::sha256(UserToolFolder::fileFor(folder, tool.name, tool.sha256)) != tool.sha256) {
            result.failure = translated(QT_TRANSLATE_NOOP("ToolInstaller",
                                                          "The earlier copy of %1 is missing or was changed, so it "
                                                          "cannot be restored."))
                                 .arg(tool.name);
            return result;
        }
    }
    const std::optional<ToolManifest> current = UserToolFolder::readManifest(manifestPath).decoded;
    if (std::rename(QFile::encodeName(previousPath).constData(), QFile::encodeName(manifestPath).constData()) != 0) {
        result.failure = translated(QT_TRANSLATE_NOOP("ToolInstaller", "Could not replace %1.")).arg(manifestPath);
        return result;
    }
    for (const QString &tool : UserToolFolder::kUpdatableTools) {
        const std::optional<QString> from = versionIn(current, tool);
        const std::optional<QString> to = versionIn(previous.decoded, tool);
        if (from != to)
            result.changes.append({tool, from, to});
    }
    return result;
}

} // namespace ToolInstaller
