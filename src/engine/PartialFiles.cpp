#include "engine/PartialFiles.h"

#include "engine/FolderBounds.h"
#include "engine/OutputFiles.h"

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

// What follows a job's name in the name of one of its unfinished files:
// "<stem>.mp4.part", "<stem>.f137.mp4.part", "<stem>.mp4.ytdl",
// "<stem>.mp4.part-Frag3.part", "<stem>.f137.mp4" (one format of a merge),
// "<stem>.temp.mp4".
const QRegularExpression &unfinishedAfterStem()
{
    static const QRegularExpression pattern(QStringLiteral(
        "^(?:(?:\\.f[0-9A-Za-z_-]+)?\\.[0-9A-Za-z]+(?:\\.part(?:-Frag[0-9]+(?:\\.part)?)?|\\.ytdl)"
        "|(?<format>\\.f[0-9A-Za-z_-]+\\.[0-9A-Za-z]+)|\\.temp\\.[0-9A-Za-z]+)$"));
    return pattern;
}

// The file names in `folderEntries` that are unfinished files of the name `stemName`.
QStringList unfinishedOfStem(const QStringList &folderEntries, const QString &stemName)
{
    QStringList names;
    const QString prefix = stemName + QLatin1Char('.');
    for (const QString &entry : folderEntries) {
        if (!entry.startsWith(prefix))
            continue;
        const QRegularExpressionMatch match = unfinishedAfterStem().match(QStringView(entry).sliced(stemName.size()));
        // "<stem>.fr.srt" reads like one format of a merge: a subtitle, a
        // picture or a description is no unfinished file.
        if (match.hasMatch() && !(match.hasCaptured(u"format") && OutputFiles::isExcludedExtension(entry)))
            names.append(entry);
    }
    return names;
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
    if (job.status() == DownloadStatus::completed)
        return {};

    // What the other jobs claim: their output files, their targets and
    // their names.
    QSet<QString> claimedFiles;
    QSet<QString> claimedTargets;
    QStringList otherStems;
    for (const DownloadJobPtr &other : queue) {
        if (!other || other->id() == job.id())
            continue;
        if (!other->outputPath().isEmpty())
            claimedFiles.insert(QDir::cleanPath(other->outputPath()));
        for (const QString &target : other->downloadTargets())
            claimedTargets.insert(absoluteTarget(target, *other));
        if (!other->fileStem().isEmpty())
            otherStems << other->fileStem() + QLatin1Char('.');
    }
    const auto othersFile = [&](const QString &path) {
        return claimedFiles.contains(path)
               || std::any_of(otherStems.begin(), otherStems.end(),
                              [&](const QString &stem) { return path.startsWith(stem); });
    };

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
            if (info.isSymLink() || !info.isFile() || info.lastModified() < since || othersFile(candidate))
                continue;
            found.insert(candidate);
        }
    }
    // And by its name, files it was writing before it reported any.
    if (const QString stem = FolderBounds::inside(job.outputDirectory(), job.fileStem()); !stem.isEmpty()) {
        const QFileInfo stemInfo(stem);
        const QDir folder = stemInfo.dir();
        const QStringList entries = folder.entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        for (const QString &name : unfinishedOfStem(entries, stemInfo.fileName())) {
            const QString candidate = folder.filePath(name);
            const QFileInfo info(candidate);
            if (!info.isSymLink() && info.isFile() && !othersFile(candidate))
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

QStringList unowned(const QString &folder, const QStringList &ownedPrefixes)
{
    static const QRegularExpression unfinished(
        QStringLiteral("\\.(?:part|ytdl|part-Frag[0-9]+(?:\\.part)?|temp\\.[0-9A-Za-z]+)$"));
    QStringList found;
    const QDir dir(folder);
    for (const QFileInfo &entry : dir.entryInfoList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name)) {
        const QString path = entry.absoluteFilePath();
        if (entry.isSymLink() || !unfinished.match(entry.fileName()).hasMatch())
            continue;
        if (std::none_of(ownedPrefixes.begin(), ownedPrefixes.end(),
                         [&](const QString &prefix) { return path.startsWith(prefix); }))
            found << path;
    }
    return found;
}

QStringList ownedPrefixes(const DownloadJob &job)
{
    QStringList prefixes;
    if (!job.fileStem().isEmpty())
        prefixes << job.fileStem() + QLatin1Char('.');
    for (const QString &target : job.downloadTargets()) {
        if (const QString path = absoluteTarget(target, job); !path.isEmpty())
            prefixes << path;
    }
    return prefixes;
}

qint64 totalSize(const QStringList &paths)
{
    qint64 total = 0;
    for (const QString &path : paths)
        total += QFileInfo(path).size();
    return total;
}

} // namespace PartialFiles
