#include "engine/JobRecord.h"

#include "engine/DownloadErrorCategory.h"
#include "engine/DownloadJob.h"

namespace {

std::optional<QString> unlessEmpty(const QString &text)
{
    if (text.isEmpty())
        return std::nullopt;
    return text;
}

} // namespace

namespace JobRecord {

DownloadHistory of(const DownloadJob &job)
{
    const std::optional<MediaMetadata> &metadata = job.metadata();
    const std::optional<DownloadErrorCategory> category = job.errorCategory();

    DownloadHistory record;
    record.uuid = job.id();
    record.sourceURL = job.url();
    record.title = metadata ? metadata->title : job.url();
    if (metadata) {
        record.uploader = metadata->uploader;
        record.thumbnailURL = metadata->thumbnail;
    }
    record.mediaTypeRaw = MediaKinds::rawValue(job.mediaType());
    record.selectedQuality = job.mediaType() == MediaKind::audio
                                 ? AudioFormats::rawValue(job.audioFormat())
                                 : VideoQualities::rawValue(job.videoQuality());
    record.startedAt = job.createdAt();
    record.finishedAt = job.finishedAt();
    record.finalFilePath = unlessEmpty(job.outputPath());
    record.finalStatusRaw = DownloadStatuses::rawValue(job.status());
    if (category)
        record.errorType = DownloadErrorCategories::rawValue(*category);
    record.errorSummary = unlessEmpty(job.errorSummary());
    record.errorReason = unlessEmpty(job.errorReason());
    record.subtitleModeRaw = SubtitleModes::rawValue(job.subtitleMode());
    record.subtitleLang = unlessEmpty(job.subtitleLang());
    record.note = unlessEmpty(job.note());
    if (const std::optional<ListPlacement> &placement = job.listPlacement()) {
        record.listTitle = placement->listTitle;
        record.listIndex = placement->index;
        record.fetchedFromList = placement->fetchFromList;
    }
    return record;
}

std::optional<ListPlacement> listPlacement(const DownloadHistory &record)
{
    if (!record.listTitle || !record.listIndex || *record.listIndex < 1)
        return std::nullopt;
    return ListPlacement{*record.listTitle, *record.listIndex, record.fetchedFromList};
}

DownloadStatus status(const DownloadHistory &record)
{
    return DownloadStatuses::fromRawValue(record.finalStatusRaw).value_or(DownloadStatus::failed);
}

MediaKind mediaKind(const DownloadHistory &record)
{
    return record.mediaTypeRaw == QLatin1String("audio") ? MediaKind::audio : MediaKind::video;
}

std::optional<VideoQuality> videoQuality(const DownloadHistory &record)
{
    if (mediaKind(record) == MediaKind::audio)
        return std::nullopt;
    return VideoQualities::fromRawValue(record.selectedQuality);
}

std::optional<AudioFormat> audioFormat(const DownloadHistory &record)
{
    if (mediaKind(record) != MediaKind::audio)
        return std::nullopt;
    return AudioFormats::fromRawValue(record.selectedQuality);
}

std::optional<SubtitleMode> subtitleMode(const DownloadHistory &record)
{
    return record.subtitleModeRaw ? SubtitleModes::fromRawValue(*record.subtitleModeRaw) : std::nullopt;
}

std::optional<QString> subtitleLang(const DownloadHistory &record)
{
    if (!subtitleMode(record))
        return std::nullopt;
    return record.subtitleLang.value_or(QString());
}

} // namespace JobRecord
