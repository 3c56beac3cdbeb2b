#include "engine/QueueEntry.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QJsonArray textArray(const QStringList &texts)
{
    return QJsonArray::fromStringList(texts);
}

// Only the texts of an array; anything else in it is dropped.
QStringList textsOf(const QJsonValue &value)
{
    QStringList texts;
    const QJsonArray array = value.toArray();
    for (const QJsonValue &item : array) {
        if (item.isString())
            texts.append(item.toString());
    }
    return texts;
}

// Left in UTC: the same moment, and converting every restored row to local
// time was a good part of the cost of reading it. Whoever shows a time
// converts it.
std::optional<QDateTime> timeOf(const QJsonValue &value)
{
    if (!value.isDouble())
        return std::nullopt;
    return QDateTime::fromMSecsSinceEpoch(qint64(value.toDouble()), Qt::UTC);
}

MediaMetadata slim(MediaMetadata metadata)
{
    metadata.formats.clear();
    metadata.subtitles.clear();
    metadata.automaticCaptions.clear();
    metadata.description.reset();
    return metadata;
}

} // namespace

bool QueueEntry::keeps(const DownloadJob &job)
{
    return !DownloadStatuses::isTerminal(job.status()) || job.status() == DownloadStatus::failed
           || (job.status() == DownloadStatus::cancelled && !job.fileStem().isEmpty());
}

QueueEntry QueueEntry::of(const DownloadJob &job)
{
    QueueEntry entry;
    entry.id = job.id();
    entry.url = job.url();
    entry.status = job.status();
    entry.mediaType = job.mediaType();
    entry.videoQuality = job.videoQuality();
    entry.audioFormat = job.audioFormat();
    entry.subtitleMode = job.subtitleMode();
    entry.subtitleLang = job.subtitleLang();
    entry.metadata = job.metadata();
    entry.createdAt = job.createdAt();
    entry.finishedAt = job.finishedAt();
    entry.outputDirectory = job.outputDirectory();
    entry.fileStem = job.fileStem();
    entry.downloadTargets = job.downloadTargets();
    entry.errorCategory = job.errorCategory();
    entry.errorSummary = job.errorSummary();
    if (job.status() == DownloadStatus::failed)
        entry.logLines = job.logLines();
    entry.listPlacement = job.listPlacement();
    return entry;
}

QueuedJobRow QueueEntry::toRow(qint64 position) const
{
    QJsonObject object{
        {QStringLiteral("url"), url},
        {QStringLiteral("status"), DownloadStatuses::rawValue(status)},
        {QStringLiteral("mediaType"), MediaKinds::rawValue(mediaType)},
        {QStringLiteral("videoQuality"), VideoQualities::rawValue(videoQuality)},
        {QStringLiteral("audioFormat"), AudioFormats::rawValue(audioFormat)},
        {QStringLiteral("subtitleMode"), SubtitleModes::rawValue(subtitleMode)},
        {QStringLiteral("subtitleLang"), subtitleLang},
        {QStringLiteral("createdAt"), double(createdAt.toMSecsSinceEpoch())},
    };
    // Done here, on the writer thread, not when the entry was taken.
    if (metadata)
        object.insert(QStringLiteral("metadata"), slim(*metadata).toJson());
    if (finishedAt && finishedAt->isValid())
        object.insert(QStringLiteral("finishedAt"), double(finishedAt->toMSecsSinceEpoch()));
    if (!outputDirectory.isEmpty())
        object.insert(QStringLiteral("outputDirectory"), outputDirectory);
    if (!fileStem.isEmpty())
        object.insert(QStringLiteral("fileStem"), fileStem);
    if (!downloadTargets.isEmpty())
        object.insert(QStringLiteral("downloadTargets"), textArray(downloadTargets));
    if (errorCategory)
        object.insert(QStringLiteral("errorCategory"), DownloadErrorCategories::rawValue(*errorCategory));
    if (!errorSummary.isEmpty())
        object.insert(QStringLiteral("errorSummary"), errorSummary);
    if (!logLines.isEmpty())
        object.insert(QStringLiteral("logLines"), textArray(logLines));
    if (listPlacement)
        object.insert(QStringLiteral("list"), listPlacement->toJson());
    return QueuedJobRow{0, id.toString(QUuid::WithoutBraces), position,
                        QJsonDocument(object).toJson(QJsonDocument::Compact)};
}

std::optional<QueueEntry> QueueEntry::fromRow(const QueuedJobRow &row)
{
    const QUuid id = QUuid::fromString(row.jobId);
    if (id.isNull())
        return std::nullopt;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(row.payload, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject object = document.object();
    const QJsonValue url = object.value(QLatin1String("url"));
    if (!url.isString() || url.toString().isEmpty())
        return std::nullopt;

    const auto text = [&object](const char *key) { return object.value(QLatin1String(key)).toString(); };
    QueueEntry entry;
    entry.id = id;
    entry.url = url.toString();
    entry.status = DownloadStatuses::fromRawValue(text("status")).value_or(DownloadStatus::queued);
    entry.mediaType = MediaKinds::fromRawValue(text("mediaType")).value_or(MediaKind::video);
    entry.videoQuality = VideoQualities::fromRawValue(text("videoQuality")).value_or(VideoQuality::p1080);
    entry.audioFormat = AudioFormats::fromRawValue(text("audioFormat")).value_or(AudioFormat::best);
    entry.subtitleMode = SubtitleModes::fromRawValue(text("subtitleMode")).value_or(SubtitleMode::none);
    const QJsonValue lang = object.value(QLatin1String("subtitleLang"));
    entry.subtitleLang = lang.isString() ? lang.toString() : QStringLiteral("en");
    entry.metadata = MediaMetadata::fromJson(object.value(QLatin1String("metadata")).toObject());
    // Not value_or(now): reading the local clock for every row costs more than
    // the rest of the row.
    if (std::optional<QDateTime> createdAt = timeOf(object.value(QLatin1String("createdAt"))))
        entry.createdAt = std::move(*createdAt);
    else
        entry.createdAt = QDateTime::currentDateTimeUtc();
    entry.finishedAt = timeOf(object.value(QLatin1String("finishedAt")));
    entry.outputDirectory = text("outputDirectory");
    entry.fileStem = text("fileStem");
    entry.downloadTargets = textsOf(object.value(QLatin1String("downloadTargets")));
    entry.errorCategory = DownloadErrorCategories::fromRawValue(text("errorCategory"));
    entry.errorSummary = text("errorSummary");
    entry.logLines = textsOf(object.value(QLatin1String("logLines")));
    entry.listPlacement = ListPlacement::fromJson(object.value(QLatin1String("list")).toObject());
    return entry;
}

DownloadJobPtr QueueEntry::makeJob() const
{
    auto job = std::make_shared<DownloadJob>(id, createdAt, url, mediaType, videoQuality, audioFormat,
                                             subtitleMode, subtitleLang);
    job->setMetadata(metadata);
    job->setListPlacement(listPlacement);
    job->setFinishedAt(finishedAt);
    job->setDownloadTargets(downloadTargets);
    // A failed job's partial files are looked for in its folder only; the
    // run an unfinished job was in died with the application, and the next
    // one goes on where it stopped, in the same folder. (A retry starts
    // from the folder setting again.)
    job->setOutputDirectory(outputDirectory);
    job->setFileStem(fileStem);
    if (status == DownloadStatus::cancelled) {
        job->setStatus(DownloadStatus::cancelled);
        job->setErrorCategory(DownloadErrorCategory::cancelled);
        job->setErrorSummary(errorSummary);
    } else if (status == DownloadStatus::failed) {
        job->setStatus(DownloadStatus::failed);
        job->setErrorCategory(errorCategory);
        job->setErrorSummary(errorSummary);
        job->setLogLines(logLines);
    }
    return job;
}
