#pragma once

#include "analysis/MediaMetadata.h"
#include "engine/AdvancedOptions.h"
#include "engine/DownloadErrorCategory.h"
#include "engine/DownloadOptions.h"
#include "engine/DownloadStatus.h"
#include "engine/ListPlacement.h"
#include "engine/ProgressEvent.h"
#include "process/ProcessRunner.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUuid>

#include <memory>
#include <optional>
#include <utility>

class DownloadJob;
class SavedInfo;
class WeakJobRef;
using DownloadJobPtr = std::shared_ptr<DownloadJob>;

// One link on its way through the engine, from queued to finished. Shared by
// the queue, the coordinator and the interface through DownloadJobPtr
// (std::shared_ptr; make jobs with DownloadJob::create). The application
// keeps its unfinished jobs across restarts (QueuePersistence); a job itself
// knows nothing of that.
//
// Threads: a job belongs to the GUI thread. Every field is read and written
// there only; background code reaches a job through a WeakJobRef that it hands
// to the GUI thread before dereferencing it.
//
// Observation: every observed field is a property with its own NOTIFY signal,
// emitted after the value changed; assigning an equal value emits nothing. Each
// such change also emits changed(), for views that redraw the whole row. The
// bookkeeping fields lastActivityAt, lastCheckedFileSize and startedAt have no
// signal. Jobs have no QObject parent: the shared pointers own them.
class DownloadJob : public QObject, public std::enable_shared_from_this<DownloadJob>
{
    Q_OBJECT
    Q_PROPERTY(QUuid id READ id CONSTANT)
    Q_PROPERTY(QString url READ url CONSTANT)
    Q_PROPERTY(QString title READ title NOTIFY titleChanged)
    Q_PROPERTY(std::optional<MediaMetadata> metadata READ metadata WRITE setMetadata NOTIFY metadataChanged)
    Q_PROPERTY(DownloadStatus status READ status WRITE setStatus NOTIFY statusChanged)
    Q_PROPERTY(std::optional<double> progress READ progress WRITE setProgress NOTIFY progressChanged)
    Q_PROPERTY(QString speed READ speed WRITE setSpeed NOTIFY speedChanged)
    Q_PROPERTY(QString eta READ eta WRITE setEta NOTIFY etaChanged)
    Q_PROPERTY(qint64 downloadedBytes READ downloadedBytes WRITE setDownloadedBytes NOTIFY downloadedBytesChanged)
    Q_PROPERTY(qint64 totalBytes READ totalBytes WRITE setTotalBytes NOTIFY totalBytesChanged)
    Q_PROPERTY(qint64 estimatedTotalBytes READ estimatedTotalBytes WRITE setEstimatedTotalBytes NOTIFY estimatedTotalBytesChanged)
    Q_PROPERTY(qint64 fragmentIndex READ fragmentIndex WRITE setFragmentIndex NOTIFY fragmentIndexChanged)
    Q_PROPERTY(qint64 fragmentCount READ fragmentCount WRITE setFragmentCount NOTIFY fragmentCountChanged)
    Q_PROPERTY(QString stage READ stage WRITE setStage NOTIFY stageChanged)
    Q_PROPERTY(bool stalled READ stalled WRITE setStalled NOTIFY stalledChanged)
    Q_PROPERTY(std::optional<DownloadRetry> retry READ retry WRITE setRetry NOTIFY retryChanged)
    Q_PROPERTY(QString outputFilename READ outputFilename WRITE setOutputFilename NOTIFY outputFilenameChanged)
    Q_PROPERTY(QString outputPath READ outputPath WRITE setOutputPath NOTIFY outputPathChanged)
    Q_PROPERTY(std::optional<DownloadErrorCategory> errorCategory READ errorCategory WRITE setErrorCategory NOTIFY errorCategoryChanged)
    Q_PROPERTY(QString errorSummary READ errorSummary WRITE setErrorSummary NOTIFY errorSummaryChanged)
    Q_PROPERTY(QString errorReason READ errorReason WRITE setErrorReason NOTIFY errorReasonChanged)
    Q_PROPERTY(QString note READ note WRITE setNote NOTIFY noteChanged)
    Q_PROPERTY(QStringList logLines READ logLines WRITE setLogLines NOTIFY logLinesChanged)
    Q_PROPERTY(QDateTime createdAt READ createdAt WRITE setCreatedAt NOTIFY createdAtChanged)
    Q_PROPERTY(std::optional<QDateTime> finishedAt READ finishedAt WRITE setFinishedAt NOTIFY finishedAtChanged)
    Q_PROPERTY(MediaKind mediaType READ mediaType WRITE setMediaType NOTIFY mediaTypeChanged)
    Q_PROPERTY(VideoQuality videoQuality READ videoQuality WRITE setVideoQuality NOTIFY videoQualityChanged)
    Q_PROPERTY(AudioFormat audioFormat READ audioFormat WRITE setAudioFormat NOTIFY audioFormatChanged)
    Q_PROPERTY(SubtitleMode subtitleMode READ subtitleMode WRITE setSubtitleMode NOTIFY subtitleModeChanged)
    Q_PROPERTY(QString subtitleLang READ subtitleLang WRITE setSubtitleLang NOTIFY subtitleLangChanged)
    Q_PROPERTY(std::shared_ptr<ProcessRunner> runner READ runner WRITE setRunner NOTIFY runnerChanged)

public:
    // The most lines logLines keeps.
    static constexpr qsizetype kMaxLogLines = 5000;

    // `url` is taken as given (callers trim it). Every other field starts at
    // its initial value: status queued, no metadata, zero counters, empty
    // texts, createdAt now.
    DownloadJob(QString url, MediaKind mediaType, VideoQuality videoQuality, AudioFormat audioFormat,
                SubtitleMode subtitleMode, QString subtitleLang, QObject *parent = nullptr);
    // A job of an earlier start of the application, under its old id and
    // with its old creation time.
    DownloadJob(QUuid id, QDateTime createdAt, QString url, MediaKind mediaType, VideoQuality videoQuality,
                AudioFormat audioFormat, SubtitleMode subtitleMode, QString subtitleLang, QObject *parent = nullptr);
    ~DownloadJob() override;

    static DownloadJobPtr create(QString url, MediaKind mediaType, VideoQuality videoQuality,
                                 AudioFormat audioFormat, SubtitleMode subtitleMode,
                                 QString subtitleLang);

    // Immutable.
    QUuid id() const { return m_id; }
    QString url() const { return m_url; }

    // The metadata title when there is metadata (even an empty one), else url.
    QString title() const;

    // Observed fields.
    const std::optional<MediaMetadata> &metadata() const { return m_metadata; }
    DownloadStatus status() const { return m_status; }
    bool isActive() const { return DownloadStatuses::isActive(m_status); }
    std::optional<double> progress() const { return m_progress; }
    QString speed() const { return m_speed; }
    QString eta() const { return m_eta; }
    qint64 downloadedBytes() const { return m_downloadedBytes; }
    qint64 totalBytes() const { return m_totalBytes; }
    qint64 estimatedTotalBytes() const { return m_estimatedTotalBytes; }
    qint64 fragmentIndex() const { return m_fragmentIndex; }
    qint64 fragmentCount() const { return m_fragmentCount; }
    QString stage() const { return m_stage; }
    bool stalled() const { return m_stalled; }
    // The attempt yt-dlp reported last, until it reports progress again.
    const std::optional<DownloadRetry> &retry() const { return m_retry; }
    QString outputFilename() const { return m_outputFilename; }
    QString outputPath() const { return m_outputPath; }
    std::optional<DownloadErrorCategory> errorCategory() const { return m_errorCategory; }
    QString errorSummary() const { return m_errorSummary; }
    // The tool's own words for a failure (FailureReason), or the system's
    // when the output folder could not be made; empty when there are none.
    QString errorReason() const { return m_errorReason; }
    // How a run ended when that needs saying beside its status (a download
    // that was already there): English text, translated for display in the
    // "DownloadCoordinator" context; empty for none.
    QString note() const { return m_note; }
    const QStringList &logLines() const { return m_logLines; }
    QDateTime createdAt() const { return m_createdAt; }
    std::optional<QDateTime> finishedAt() const { return m_finishedAt; }
    MediaKind mediaType() const { return m_mediaType; }
    VideoQuality videoQuality() const { return m_videoQuality; }
    AudioFormat audioFormat() const { return m_audioFormat; }
    SubtitleMode subtitleMode() const { return m_subtitleMode; }
    QString subtitleLang() const { return m_subtitleLang; }
    std::shared_ptr<ProcessRunner> runner() const { return m_runner; }

    void setMetadata(const std::optional<MediaMetadata> &metadata);
    void setStatus(DownloadStatus status);
    void setProgress(std::optional<double> progress);
    void setSpeed(const QString &speed);
    void setEta(const QString &eta);
    void setDownloadedBytes(qint64 bytes);
    void setTotalBytes(qint64 bytes);
    void setEstimatedTotalBytes(qint64 bytes);
    void setFragmentIndex(qint64 index);
    void setFragmentCount(qint64 count);
    void setStage(const QString &stage);
    void setStalled(bool stalled);
    void setRetry(const std::optional<DownloadRetry> &retry);
    void setOutputFilename(const QString &name);
    void setOutputPath(const QString &path);
    void setErrorCategory(std::optional<DownloadErrorCategory> category);
    void setErrorSummary(const QString &summary);
    void setErrorReason(const QString &reason);
    void setNote(const QString &note);
    // Replaces the whole log; more than kMaxLogLines keeps the newest ones.
    void setLogLines(const QStringList &lines);
    void setCreatedAt(const QDateTime &at);
    void setFinishedAt(const std::optional<QDateTime> &at);
    void setMediaType(MediaKind kind);
    void setVideoQuality(VideoQuality quality);
    void setAudioFormat(AudioFormat format);
    void setSubtitleMode(SubtitleMode mode);
    void setSubtitleLang(const QString &lang);
    void setRunner(std::shared_ptr<ProcessRunner> runner);

    // The advanced options of this download; set by whoever creates the job,
    // before it is queued, and kept through retries. No signal: nothing
    // shows them.
    const AdvancedOptions &advancedOptions() const { return m_advancedOptions; }
    void setAdvancedOptions(const AdvancedOptions &options) { m_advancedOptions = options; }
    // The job's place in the list it was chosen from; none for a link
    // queued on its own. Set before it is queued, like the options.
    const std::optional<ListPlacement> &listPlacement() const { return m_listPlacement; }
    void setListPlacement(const std::optional<ListPlacement> &placement) { m_listPlacement = placement; }

    // Plain bookkeeping of the coordinator; no signal.
    std::optional<QDateTime> lastActivityAt() const { return m_lastActivityAt; }
    void setLastActivityAt(const std::optional<QDateTime> &at) { m_lastActivityAt = at; }
    qint64 lastCheckedFileSize() const { return m_lastCheckedFileSize; }
    void setLastCheckedFileSize(qint64 size) { m_lastCheckedFileSize = size; }
    std::optional<QDateTime> startedAt() const { return m_startedAt; }
    void setStartedAt(const std::optional<QDateTime> &at) { m_startedAt = at; }
    // yt-dlp's description of the link, kept for the download to load
    // instead of extracting the page again: handed over by a preview, or
    // written by the job's own run. Dropped when a run ends.
    const std::shared_ptr<const SavedInfo> &savedInfo() const { return m_savedInfo; }
    void setSavedInfo(std::shared_ptr<const SavedInfo> info) { m_savedInfo = std::move(info); }
    // The folder the job's run writes into, fixed when the run starts so that
    // the run (and a run continuing it after a restart) keeps to one folder
    // whatever the setting says meanwhile; "" before the first start and
    // after a reset for retry.
    QString outputDirectory() const { return m_outputDirectory; }
    void setOutputDirectory(const QString &folder) { m_outputDirectory = folder; }
    // The claimed path of the job's files without extension (NameClaim),
    // decided when its first run starts and kept through retries and
    // restarts, so that each run continues the job's own partial files;
    // "" until then.
    QString fileStem() const { return m_fileStem; }
    void setFileStem(const QString &stem) { m_fileStem = stem; }
    // Every file yt-dlp reported downloading into for this job, in every run,
    // oldest first: what its partial files are named after.
    const QStringList &downloadTargets() const { return m_downloadTargets; }
    void setDownloadTargets(const QStringList &paths) { m_downloadTargets = paths; }
    void noteDownloadTarget(const QString &path);

    // Adds one output line: line-break characters (LF, CR, VT, FF, U+0085,
    // U+2028, U+2029) are removed from both ends, spaces and tabs kept; an empty
    // result stores and notifies nothing. Beyond kMaxLogLines the oldest lines
    // are dropped in one step. True when the line was stored.
    bool appendLog(const QString &line);

    // Takes a finished job back to queued for a retry: progress state (progress,
    // byte and fragment counters, speed, eta, stage, stalled, retry), bookkeeping
    // (lastActivityAt, lastCheckedFileSize, startedAt) and result (output path
    // and name, error category, summary and reason, note, log) return to their initial
    // values, and so does outputDirectory unless the job has its name (its
    // files are there). id, url, metadata, the five options, fileStem,
    // createdAt, finishedAt, downloadTargets and runner (cleared by the
    // coordinator when a run ends) are left as they are.
    void resetForRetry();

    // A weak reference to this job; empty when no DownloadJobPtr owns it.
    WeakJobRef weakRef();

signals:
    void titleChanged();
    void metadataChanged();
    void statusChanged();
    void progressChanged();
    void speedChanged();
    void etaChanged();
    void downloadedBytesChanged();
    void totalBytesChanged();
    void estimatedTotalBytesChanged();
    void fragmentIndexChanged();
    void fragmentCountChanged();
    void stageChanged();
    void stalledChanged();
    void retryChanged();
    void outputFilenameChanged();
    void outputPathChanged();
    void errorCategoryChanged();
    void errorSummaryChanged();
    void errorReasonChanged();
    void noteChanged();
    void logLinesChanged();
    void createdAtChanged();
    void finishedAtChanged();
    void mediaTypeChanged();
    void videoQualityChanged();
    void audioFormatChanged();
    void subtitleModeChanged();
    void subtitleLangChanged();
    void runnerChanged();
    // After any observed field changed (once per changed field).
    void changed();

private:
    const QUuid m_id;
    const QString m_url;
    std::optional<MediaMetadata> m_metadata;
    DownloadStatus m_status = DownloadStatus::queued;
    std::optional<double> m_progress;
    QString m_speed;
    QString m_eta;
    qint64 m_downloadedBytes = 0;
    qint64 m_totalBytes = 0;
    qint64 m_estimatedTotalBytes = 0;
    qint64 m_fragmentIndex = 0;
    qint64 m_fragmentCount = 0;
    QString m_stage;
    bool m_stalled = false;
    std::optional<DownloadRetry> m_retry;
    QString m_outputFilename;
    QString m_outputPath;
    std::optional<DownloadErrorCategory> m_errorCategory;
    QString m_errorSummary;
    QString m_errorReason;
    QString m_note;
    QStringList m_logLines;
    QDateTime m_createdAt;
    std::optional<QDateTime> m_finishedAt;
    MediaKind m_mediaType;
    VideoQuality m_videoQuality;
    AudioFormat m_audioFormat;
    SubtitleMode m_subtitleMode;
    QString m_subtitleLang;
    std::shared_ptr<ProcessRunner> m_runner;
    AdvancedOptions m_advancedOptions;
    std::optional<ListPlacement> m_listPlacement;

    std::optional<QDateTime> m_lastActivityAt;
    qint64 m_lastCheckedFileSize = 0;
    std::optional<QDateTime> m_startedAt;
    std::shared_ptr<const SavedInfo> m_savedInfo;
    QString m_fileStem;
    QString m_outputDirectory;
    QStringList m_downloadTargets;
};

// A weak, optional reference to a job: what a running process's line callback
// captures, so that it never keeps a job alive and drops lines that arrive
// after the job is gone. The value itself may be copied and destroyed on any
// thread. job() must be called on the GUI thread only (hand the WeakJobRef
// over with a queued invocation first): the strong reference it returns may be
// the last one, and a QObject must be destroyed on its own thread.
class WeakJobRef
{
public:
    WeakJobRef() = default;
    explicit WeakJobRef(std::weak_ptr<DownloadJob> job) : m_job(std::move(job)) {}

    // The job if it still exists, else null. GUI thread only.
    DownloadJobPtr job() const { return m_job.lock(); }
    // True once the job has been freed (or for an empty reference). Any thread;
    // a false answer may be out of date at once.
    bool expired() const { return m_job.expired(); }

private:
    std::weak_ptr<DownloadJob> m_job;
};

Q_DECLARE_METATYPE(WeakJobRef)
