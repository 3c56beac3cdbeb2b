#include "engine/PartialFiles.h"

#include "engine/FolderBounds.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace {

const QRegularExpression &intermediateFormat()
{
    // "<stem>.f<format id>.<ext>": yt-dlp's name for one format of a merge.
    static const QRegularExpression pattern(QStringLiteral("^(.+)\\.f[0-9A-Za-z_-]+\\.[0-9A-Za-z]+$"));
    return pattern;
}

const QRegularExpression &fragmentSuffix()
{
    static const QRegularExpression pattern(QStringLiteral("^\\.part-Frag[0-9]+(\\.part)?$"));
    return pattern;
}

const QRegularExpression &tempSuffix()
{
    static const QRegularExpression pattern(QStringLiteral("^\\.temp\\.[0-9A-Za-z]+$"));
    return pattern;
}

QString absoluteTarget(const QString &target, const DownloadJob &job)
{
    if (QFileInfo(target).isAbsolute())
        return QDir::cleanPath(target);
    if (job.outputDirectory().isEmpty())
        return {};
    return QDir::cleanPath(QDir(job.outputDirectory()).filePath(target));
}

// The file names in `folder` that yt-dlp derives from `targetName`.
QStringList derivedNames(const QStringList &folderEntries, const QString &targetName)
{
    const QRegularExpressionMatch intermediate = intermediateFormat().match(targetName);
    const QString stem = intermediate.hasMatch() ? intermediate.captured(1) : QFileInfo(targetName).completeBaseName();
    QStringList names;
    for (const QString &entry : folderEntries) {
        if (entry.startsWith(targetName)) {
            const QString suffix = entry.sliced(targetName.size());
            if ((suffix.isEmpty() && intermediate.hasMatch()) || suffix == u".part" || suffix == u".ytdl"
                || fragmentSuffix().match(suffix).hasMatch())
                names.append(entry);
        } else if (!stem.isEmpty() && entry.startsWith(stem) && tempSuffix().match(entry.sliced(stem.size())).hasMatch()) {
            names.append(entry);
        }
    }
    return names;
}

} // namespace

namespace PartialFiles {

QStringList of(const DownloadJob &job, const QList<DownloadJobPtr> &queue)
{
    if (job.status() != DownloadStatus::failed && job.status() != DownloadStatus::cancelled)
        return {};

    // What the other jobs claim: their output files and their targets.
    QSet<QString> claimedFiles;
    QSet<QString> claimedTargets;
    for (const DownloadJobPtr &other : queue) {
        if (!other || other->id() == job.id())
            continue;
        if (!other->outputPath().isEmpty())
            claimedFiles.insert(QDir::cleanPath(other->outputPath()));
        for (const QString &target : other->downloadTargets())
            claimedTargets.insert(absoluteTarget(target, *other));
    }

    // A file written in the second the job was made counts, on file systems
    // that keep whole seconds.
    const QDateTime since = job.createdAt().addSecs(-1);
    QSet<QString> found;
    for (const QString &target : job.downloadTargets()) {
        // Only inside the job's folder: whatever a tool's output said, no
        // file elsewhere is ever offered for deletion.
        const QString path = FolderBounds::inside(job.outputDirectory(), target);
        if (path.isEmpty() || claimedTargets.contains(path))
            continue;
        const QFileInfo targetInfo(path);
        const QDir folder = targetInfo.dir();
        const QStringList entries = folder.entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        for (const QString &name : derivedNames(entries, targetInfo.fileName())) {
            const QString candidate = folder.filePath(name);
            const QFileInfo info(candidate);
            if (info.isSymLink() || !info.isFile() || info.lastModified() < since || claimedFiles.contains(candidate))
                continue;
            found.insert(candidate);
        }
    }
    QStringList paths(found.cbegin(), found.cend());
    std::sort(paths.begin(), paths.end());
    return paths;
}

QStringList remove(const QStringList &paths)
{
    QStringList failed;
    for (const QString &path : paths) {
        const QFileInfo info(path);
        if (!info.exists() && !info.isSymLink())
            continue;
        if (info.isSymLink() || !info.isFile() || !QFile::remove(path))
            failed.append(path);
    }
    return failed;
}

qint64 totalSize(const QStringList &paths)
{
    qint64 total = 0;
    for (const QString &path : paths)
        total += QFileInfo(path).size();
    return total;
}

} // namespace PartialFiles
