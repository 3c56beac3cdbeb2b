#include "engine/OutputFiles.h"

#include "engine/DownloadJob.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

namespace OutputFiles {

namespace {

constexpr qint64 kTimestampSlackMs = 2000;

QString mediaIdOf(const DownloadJob &job)
{
    return job.metadata() ? job.metadata()->id : QString();
}

} // namespace

bool isExcludedExtension(const QString &fileName)
{
    static const QSet<QString> excluded = {"part", "ytdl", "srt", "vtt",  "ass", "lrc", "jpg",
                                           "jpeg", "png",  "webp", "json", "tmp", "temp"};
    return excluded.contains(QFileInfo(fileName).suffix().toLower());
}

QStringList candidateOutputFiles(const QString &folder, const QString &token, const QDateTime &createdAfter)
{
    QStringList candidates;
    if (token.isEmpty())
        return candidates;
    const QDir dir(folder);
    if (!dir.exists())
        return candidates;
    const QFileInfoList entries = dir.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::NoSort);
    for (const QFileInfo &entry : entries) {
        const QString name = entry.fileName();
        if (isExcludedExtension(name) || !name.contains(token))
            continue;
        const QDateTime modified = entry.lastModified();
        if (!modified.isValid() || modified < createdAfter)
            continue;
        candidates.append(entry.absoluteFilePath());
    }
    return candidates;
}

std::optional<qint64> currentOutputSize(const DownloadJob &job, const QString &folder)
{
    if (!job.outputPath().isEmpty()) {
        const QFileInfo output(job.outputPath());
        if (output.exists())
            return output.size();
    }
    const QDir dir(folder);
    if (!dir.exists() || !dir.isReadable())
        return std::nullopt;
    const QString token = mediaIdOf(job);
    qint64 largest = 0;
    const QFileInfoList entries = dir.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::NoSort);
    for (const QFileInfo &entry : entries) {
        if (!token.isEmpty() && !entry.fileName().contains(token))
            continue;
        largest = std::max(largest, entry.size());
    }
    return largest;
}

void resolveFinalOutputPath(DownloadJob &job, const QString &folder)
{
    // File systems keep coarse modification times (two seconds on FAT and
    // exFAT drives, a clock tick elsewhere): a file written right after the
    // start can carry a time just before it.
    const QDateTime since = job.startedAt() ? job.startedAt()->addMSecs(-kTimestampSlackMs)
                                            : QDateTime::fromMSecsSinceEpoch(0);
    const QStringList candidates = candidateOutputFiles(folder, mediaIdOf(job), since);
    if (candidates.size() == 1) {
        job.setOutputPath(candidates.first());
        job.setOutputFilename(QFileInfo(candidates.first()).fileName());
    } else {
        job.setOutputPath(QString());
    }
}

} // namespace OutputFiles
