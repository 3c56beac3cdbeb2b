#pragma once

#include "analysis/MediaMetadata.h"
#include "engine/DownloadErrorCategory.h"
#include "engine/DownloadJob.h"
#include "engine/DownloadOptions.h"
#include "engine/DownloadStatus.h"
#include "history/QueuedJobRow.h"

#include <QDateTime>
#include <QMetaType>
#include <QString>
#include <QStringList>
#include <QUuid>

#include <optional>

// What the persisted queue keeps of one job, as plain values: taken from the
// job on the GUI thread (cheap: Qt's containers share their data), turned
// into a row's payload on the queue's writer thread, and read back into a job
// at the next start. The payload is a JSON object; see toPayload().
struct QueueEntry
{
    QUuid id;
    QString url;
    DownloadStatus status = DownloadStatus::queued;
    MediaKind mediaType = MediaKind::video;
    VideoQuality videoQuality = VideoQuality::p1080;
    AudioFormat audioFormat = AudioFormat::best;
    SubtitleMode subtitleMode = SubtitleMode::none;
    QString subtitleLang;
    // What the row shows before the link is analysed again: the record
    // without its format and subtitle lists and description.
    std::optional<MediaMetadata> metadata;
    QDateTime createdAt;
    std::optional<QDateTime> finishedAt;
    QString outputDirectory;
    QString fileStem;
    QStringList downloadTargets;
    std::optional<DownloadErrorCategory> errorCategory;
    QString errorSummary;
    QStringList logLines; // a failed job's log; empty for the others
    std::optional<ListPlacement> listPlacement;

    bool operator==(const QueueEntry &) const = default;

    // Whether the queue keeps `job` across a restart: every job that has not
    // ended (queued, analyzing, downloading, merging), every failed one (a
    // failed job still in the queue is one the user keeps) and every
    // cancelled one that has its name (it may have partial files to go on
    // with, which nothing else would own).
    static bool keeps(const DownloadJob &job);

    static QueueEntry of(const DownloadJob &job);

    // The JSON object of the row: "url", "status", "mediaType",
    // "videoQuality", "audioFormat", "subtitleMode", "subtitleLang",
    // "createdAt", and when present "metadata", "finishedAt" (milliseconds
    // since the epoch), "outputDirectory", "fileStem", "downloadTargets",
    // "errorCategory", "errorSummary", "logLines", "list" (ListPlacement).
    QueuedJobRow toRow(qint64 position) const;

    // The entry of a stored row; nothing when the row cannot be a job (its
    // job id is no id, its payload no JSON object, its link missing or
    // empty). Raw texts this program does not know read as their defaults
    // (status queued, the options as the settings default them) and a
    // metadata record it cannot read as none, as every stored text here.
    static std::optional<QueueEntry> fromRow(const QueuedJobRow &row);

    // The job again: a job that was running or waiting waits (queued) with
    // its folder, name and files, so that its next run continues them; a
    // failed job is failed as it was, with its summary and log, and a
    // cancelled one cancelled.
    DownloadJobPtr makeJob() const;
};

Q_DECLARE_METATYPE(QueueEntry)
