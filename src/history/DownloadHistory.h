#pragma once

#include <QDateTime>
#include <QHashFunctions>
#include <QString>
#include <QUuid>

#include <optional>

// The persisted record of one finished run of a job: twenty fields kept
// across restarts, plus the identity the history store gives the record when
// it is added. Plain values only: the engine fills them from its job
// (JobRecord) and reads the raw texts back. Optional fields are absent (never
// empty text) when the job had nothing to give. Times are stored to the
// millisecond and read back in UTC.
struct DownloadHistory
{
    // The store's identity of the record, set by HistoryContext::insert; null
    // until then. Lists, equality and hashing go by it, not by `uuid`: a job
    // that is retried and ends again leaves a second record with its `uuid`.
    QUuid storeId;

    QUuid uuid;                           // the job's id
    QString sourceURL;                    // the link as it was queued
    QString title;                        // metadata title, else the link
    std::optional<QString> uploader;      // from the metadata
    std::optional<QString> thumbnailURL;  // from the metadata
    QString mediaTypeRaw;                 // "video" or "audio"
    QString selectedQuality;              // audio format raw text for audio jobs, video quality raw text otherwise
    QDateTime startedAt;                  // when the job was created (queued)
    std::optional<QDateTime> finishedAt;  // when the job ended
    std::optional<QString> finalFilePath; // the produced file
    QString finalStatusRaw;               // the job's status raw text
    std::optional<QString> errorType;     // DownloadErrorCategory raw text
    std::optional<QString> errorSummary;  // one-line failure text
    std::optional<QString> errorReason;   // the tool's own words on the failure
    std::optional<QString> subtitleModeRaw; // SubtitleMode raw text; absent in records made before it was kept
    std::optional<QString> subtitleLang;    // the subtitle languages asked for; absent likewise
    std::optional<QString> note;            // how the run ended when that needs saying (English)
    std::optional<QString> listTitle;       // the list the entry was chosen from; absent for a link of its own
    std::optional<int> listIndex;           // the entry's place in that list, from 1
    bool fetchedFromList = false;           // sourceURL is the list's link, of which the entry is item listIndex

    bool operator==(const DownloadHistory &other) const { return storeId == other.storeId; }
};

inline size_t qHash(const DownloadHistory &record, size_t seed = 0)
{
    return qHash(record.storeId, seed);
}
