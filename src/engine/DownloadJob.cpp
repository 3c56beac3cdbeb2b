#include "engine/DownloadJob.h"

#include "analysis/SavedInfo.h"

#include <utility>

namespace {

// The line-break characters removed from both ends of a log line.
bool isLineBreak(QChar c)
{
    switch (c.unicode()) {
    case 0x000A: // line feed
    case 0x000B: // vertical tab
    case 0x000C: // form feed
    case 0x000D: // carriage return
    case 0x0085: // next line
    case 0x2028: // line separator
    case 0x2029: // paragraph separator
        return true;
    default:
        return false;
    }
}

} // namespace

// Assigns `value` to `field` and emits `signal` (and changed()) when it differs.
#define TARVELLE_JOB_SET(field, value, signal)                                                    \
    do {                                                                                           \
        if (field == value)                                                                        \
            return;                                                                                \
        field = value;                                                                             \
        emit signal();                                                                             \
        emit changed();                                                                            \
    } while (false)

DownloadJob::DownloadJob(QString url, MediaKind mediaType, VideoQuality videoQuality,
                         AudioFormat audioFormat, SubtitleMode subtitleMode, QString subtitleLang,
                         QObject *parent)
    : DownloadJob(QUuid::createUuid(), QDateTime::currentDateTime(), std::move(url), mediaType, videoQuality,
                  audioFormat, subtitleMode, std::move(subtitleLang), parent)
{
}

DownloadJob::DownloadJob(QUuid id, QDateTime createdAt, QString url, MediaKind mediaType,
                         VideoQuality videoQuality, AudioFormat audioFormat, SubtitleMode subtitleMode,
                         QString subtitleLang, QObject *parent)
    : QObject(parent)
    , m_id(id)
    , m_url(std::move(url))
    , m_createdAt(std::move(createdAt))
    , m_mediaType(mediaType)
    , m_videoQuality(videoQuality)
    , m_audioFormat(audioFormat)
    , m_subtitleMode(subtitleMode)
    , m_subtitleLang(std::move(subtitleLang))
{
}

DownloadJob::~DownloadJob() = default;

DownloadJobPtr DownloadJob::create(QString url, MediaKind mediaType, VideoQuality videoQuality,
                                   AudioFormat audioFormat, SubtitleMode subtitleMode,
                                   QString subtitleLang)
{
    return std::make_shared<DownloadJob>(std::move(url), mediaType, videoQuality, audioFormat,
                                         subtitleMode, std::move(subtitleLang));
}

QString DownloadJob::title() const
{
    return m_metadata ? m_metadata->title : m_url;
}

void DownloadJob::setMetadata(const std::optional<MediaMetadata> &metadata)
{
    if (m_metadata == metadata)
        return;
    const QString oldTitle = title();
    m_metadata = metadata;
    emit metadataChanged();
    emit changed();
    if (title() != oldTitle)
        emit titleChanged();
}

void DownloadJob::setStatus(DownloadStatus status)
{
    TARVELLE_JOB_SET(m_status, status, statusChanged);
}

void DownloadJob::setProgress(std::optional<double> progress)
{
    TARVELLE_JOB_SET(m_progress, progress, progressChanged);
}

void DownloadJob::setSpeed(const QString &speed)
{
    TARVELLE_JOB_SET(m_speed, speed, speedChanged);
}

void DownloadJob::setEta(const QString &eta)
{
    TARVELLE_JOB_SET(m_eta, eta, etaChanged);
}

void DownloadJob::setDownloadedBytes(qint64 bytes)
{
    TARVELLE_JOB_SET(m_downloadedBytes, bytes, downloadedBytesChanged);
}

void DownloadJob::setTotalBytes(qint64 bytes)
{
    TARVELLE_JOB_SET(m_totalBytes, bytes, totalBytesChanged);
}

void DownloadJob::setEstimatedTotalBytes(qint64 bytes)
{
    TARVELLE_JOB_SET(m_estimatedTotalBytes, bytes, estimatedTotalBytesChanged);
}

void DownloadJob::setFragmentIndex(qint64 index)
{
    TARVELLE_JOB_SET(m_fragmentIndex, index, fragmentIndexChanged);
}

void DownloadJob::setFragmentCount(qint64 count)
{
    TARVELLE_JOB_SET(m_fragmentCount, count, fragmentCountChanged);
}

void DownloadJob::setStage(const QString &stage)
{
    TARVELLE_JOB_SET(m_stage, stage, stageChanged);
}

void DownloadJob::setStalled(bool stalled)
{
    TARVELLE_JOB_SET(m_stalled, stalled, stalledChanged);
}

void DownloadJob::setRetry(const std::optional<DownloadRetry> &retry)
{
    TARVELLE_JOB_SET(m_retry, retry, retryChanged);
}

void DownloadJob::setOutputFilename(const QString &name)
{
    TARVELLE_JOB_SET(m_outputFilename, name, outputFilenameChanged);
}

void DownloadJob::setOutputPath(const QString &path)
{
    TARVELLE_JOB_SET(m_outputPath, path, outputPathChanged);
}

void DownloadJob::setErrorCategory(std::optional<DownloadErrorCategory> category)
{
    TARVELLE_JOB_SET(m_errorCategory, category, errorCategoryChanged);
}

void DownloadJob::setErrorSummary(const QString &summary)
{
    TARVELLE_JOB_SET(m_errorSummary, summary, errorSummaryChanged);
}

void DownloadJob::setErrorReason(const QString &reason)
{
    TARVELLE_JOB_SET(m_errorReason, reason, errorReasonChanged);
}

void DownloadJob::setNote(const QString &note)
{
    TARVELLE_JOB_SET(m_note, note, noteChanged);
}

void DownloadJob::setLogLines(const QStringList &lines)
{
    if (lines.size() > kMaxLogLines) {
        setLogLines(lines.mid(lines.size() - kMaxLogLines));
        return;
    }
    TARVELLE_JOB_SET(m_logLines, lines, logLinesChanged);
}

void DownloadJob::setCreatedAt(const QDateTime &at)
{
    TARVELLE_JOB_SET(m_createdAt, at, createdAtChanged);
}

void DownloadJob::setFinishedAt(const std::optional<QDateTime> &at)
{
    TARVELLE_JOB_SET(m_finishedAt, at, finishedAtChanged);
}

void DownloadJob::setMediaType(MediaKind kind)
{
    TARVELLE_JOB_SET(m_mediaType, kind, mediaTypeChanged);
}

void DownloadJob::setVideoQuality(VideoQuality quality)
{
    TARVELLE_JOB_SET(m_videoQuality, quality, videoQualityChanged);
}

void DownloadJob::setAudioFormat(AudioFormat format)
{
    TARVELLE_JOB_SET(m_audioFormat, format, audioFormatChanged);
}

void DownloadJob::setSubtitleMode(SubtitleMode mode)
{
    TARVELLE_JOB_SET(m_subtitleMode, mode, subtitleModeChanged);
}

void DownloadJob::setSubtitleLang(const QString &lang)
{
    TARVELLE_JOB_SET(m_subtitleLang, lang, subtitleLangChanged);
}

void DownloadJob::setRunner(std::shared_ptr<ProcessRunner> runner)
{
    if (m_runner == runner)
        return;
    m_runner = std::move(runner);
    emit runnerChanged();
    emit changed();
}

#undef TARVELLE_JOB_SET

bool DownloadJob::appendLog(const QString &line)
{
    qsizetype begin = 0;
    qsizetype end = line.size();
    while (begin < end && isLineBreak(line.at(begin)))
        ++begin;
    while (end > begin && isLineBreak(line.at(end - 1)))
        --end;
    if (begin == end)
        return false;

    m_logLines.append(begin == 0 && end == line.size() ? line : line.sliced(begin, end - begin));
    if (m_logLines.size() > kMaxLogLines)
        m_logLines.remove(0, m_logLines.size() - kMaxLogLines);
    emit logLinesChanged();
    emit changed();
    return true;
}

void DownloadJob::resetForRetry()
{
    setStatus(DownloadStatus::queued);

    setProgress(std::nullopt);
    setDownloadedBytes(0);
    setTotalBytes(0);
    setEstimatedTotalBytes(0);
    setFragmentIndex(0);
    setFragmentCount(0);
    setSpeed(QString());
    setEta(QString());
    setStage(QString());
    setStalled(false);
    setRetry(std::nullopt);

    m_lastActivityAt.reset();
    m_lastCheckedFileSize = 0;
    m_startedAt.reset();
    // A job with its name goes on in the folder its files are in.
    if (m_fileStem.isEmpty())
        m_outputDirectory.clear();

    setOutputPath(QString());
    setOutputFilename(QString());
    setErrorCategory(std::nullopt);
    setErrorSummary(QString());
    setErrorReason(QString());
    setNote(QString());
    setLogLines(QStringList());
}

void DownloadJob::noteDownloadTarget(const QString &path)
{
    // Called for every progress line: the common case, the same file as the
    // last line, costs one comparison.
    if (path.isEmpty() || (!m_downloadTargets.isEmpty() && m_downloadTargets.constLast() == path)
        || m_downloadTargets.contains(path))
        return;
    m_downloadTargets.append(path);
}

WeakJobRef DownloadJob::weakRef()
{
    return WeakJobRef(weak_from_this());
}
