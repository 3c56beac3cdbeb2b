#include "engine/ProgressDisplay.h"

#include "engine/DownloadJob.h"
#include "engine/Formatters.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cmath>

namespace {

QString translated(const char *text)
{
    return QCoreApplication::translate("ProgressDisplay", text);
}

const QString kSeparator = QStringLiteral(" \u00B7 ");

// The percentage truncated toward zero: 0.999 is 99, never rounded up.
QString percentText(double progress)
{
    return QString::number(static_cast<qint64>(std::trunc(progress * 100.0)));
}

std::optional<QString> bytesTextFor(const DownloadJob &job)
{
    if (job.downloadedBytes() < 1)
        return std::nullopt;
    const QString downloaded = Formatters::formatBytes(job.downloadedBytes());
    if (job.totalBytes() >= 1)
        return downloaded + QStringLiteral(" / ") + Formatters::formatBytes(job.totalBytes());
    if (job.estimatedTotalBytes() >= 1)
        return translated(QT_TRANSLATE_NOOP("ProgressDisplay", "%1 / estimated %2")).arg(downloaded, Formatters::formatBytes(job.estimatedTotalBytes()));
    return downloaded;
}

std::optional<QString> speedTextFor(const DownloadJob &job)
{
    if (job.speed().isEmpty())
        return std::nullopt;
    return job.speed();
}

std::optional<QString> etaTextFor(const DownloadJob &job)
{
    if (job.eta().isEmpty())
        return std::nullopt;
    return translated(QT_TRANSLATE_NOOP("ProgressDisplay", "ETA %1")).arg(job.eta());
}

std::optional<QString> finalSizeTextFor(const DownloadJob &job)
{
    if (!job.outputPath().isEmpty()) {
        const QFileInfo file(job.outputPath());
        if (file.exists() && file.size() > 0)
            return Formatters::formatBytes(file.size()) + kSeparator + job.outputFilename();
    }
    if (!job.outputFilename().isEmpty())
        return job.outputFilename();
    return std::nullopt;
}

ProgressDisplay downloadingDisplay(const DownloadJob &job, bool audio)
{
    using Kind = ProgressDisplay::Kind;
    ProgressDisplay display;
    display.bytesText = bytesTextFor(job);
    display.speedText = speedTextFor(job);
    display.etaText = etaTextFor(job);

    const auto progress = job.progress();
    if (job.fragmentCount() >= 1 && job.fragmentIndex() >= 1) {
        display.kind = Kind::fragment;
        const QString fragment =
            translated(QT_TRANSLATE_NOOP("ProgressDisplay", "Fragment %1 / %2")).arg(QString::number(job.fragmentIndex()), QString::number(job.fragmentCount()));
        if (progress) {
            display.primaryText = fragment + kSeparator + translated(QT_TRANSLATE_NOOP("ProgressDisplay", "About %1%")).arg(percentText(*progress));
        } else {
            display.primaryText = fragment;
            display.indeterminate = true;
        }
    } else if (!progress) {
        display.kind = Kind::indeterminate;
        display.primaryText = audio ? translated(QT_TRANSLATE_NOOP("ProgressDisplay", "Downloading audio")) : translated(QT_TRANSLATE_NOOP("ProgressDisplay", "Downloading\u2026"));
        display.indeterminate = true;
        if (job.downloadedBytes() >= 1)
            display.totalUnknownNote = translated(QT_TRANSLATE_NOOP("ProgressDisplay", "Total size unknown"));
    } else if (job.totalBytes() <= 0 && job.estimatedTotalBytes() >= 1) {
        display.kind = Kind::aboutPercent;
        display.primaryText = translated(QT_TRANSLATE_NOOP("ProgressDisplay", "About %1%")).arg(percentText(*progress));
    } else {
        display.kind = Kind::percent;
        display.primaryText = percentText(*progress) + QLatin1Char('%');
    }
    return display;
}

} // namespace

ProgressDisplay ProgressDisplay::forJob(const DownloadJob &job)
{
    ProgressDisplay display;
    const DownloadStatus status = job.status();
    // While yt-dlp retries or nothing arrives, the last speed and remaining
    // time are out of date: only the bytes so far are shown.
    if (job.retry() && DownloadStatuses::isActive(status)) {
        display.kind = Kind::retrying;
        const DownloadRetry &retry = *job.retry();
        display.primaryText = retry.limit
            ? translated(QT_TRANSLATE_NOOP("ProgressDisplay", "Retrying, %1 of %2"))
                  .arg(QString::number(retry.attempt), QString::number(*retry.limit))
            : translated(QT_TRANSLATE_NOOP("ProgressDisplay", "Retrying, attempt %1")).arg(QString::number(retry.attempt));
        display.bytesText = bytesTextFor(job);
        display.indeterminate = true;
        return display;
    }
    if (job.stalled() && DownloadStatuses::isActive(status)) {
        display.kind = Kind::stalled;
        display.primaryText = translated(QT_TRANSLATE_NOOP("ProgressDisplay", "No progress detected"));
        display.bytesText = bytesTextFor(job);
        display.indeterminate = true;
        return display;
    }
    // Post-processing (an audio extraction, moving the file into place)
    // follows a download whether or not a merge came first.
    const bool finalizing = job.stage() == QLatin1String("finalizing");
    switch (status) {
    case DownloadStatus::downloading:
        if (!finalizing)
            return downloadingDisplay(job, job.stage() == QLatin1String("audio"));
        [[fallthrough]];
    case DownloadStatus::merging:
        if (finalizing) {
            display.kind = Kind::finalizing;
            display.primaryText = translated(QT_TRANSLATE_NOOP("ProgressDisplay", "Finalizing"));
        } else {
            display.kind = Kind::merging;
            display.primaryText = translated(QT_TRANSLATE_NOOP("ProgressDisplay", "Merging audio and video"));
        }
        display.bytesText = bytesTextFor(job);
        display.indeterminate = true;
        return display;
    case DownloadStatus::completed:
        display.kind = Kind::completed;
        display.primaryText = translated(QT_TRANSLATE_NOOP("ProgressDisplay", "Complete"));
        display.bytesText = finalSizeTextFor(job);
        return display;
    default:
        return display;
    }
}

JobStatusInfo JobStatusInfo::forStatus(DownloadStatus status, const QString &stage)
{
    const auto info = [](const char *symbol, const char *text, SemanticColor colour) {
        return JobStatusInfo{QString::fromLatin1(symbol), QCoreApplication::translate("JobStatusInfo", text), colour};
    };
    switch (status) {
    case DownloadStatus::queued:
        return info("clock", QT_TRANSLATE_NOOP("JobStatusInfo", "Queued"), SemanticColor::orange);
    case DownloadStatus::analyzing:
        return info("magnifyingglass", QT_TRANSLATE_NOOP("JobStatusInfo", "Analyzing"), SemanticColor::blue);
    case DownloadStatus::downloading:
        if (stage == QLatin1String("audio"))
            return info("waveform", QT_TRANSLATE_NOOP("JobStatusInfo", "Downloading audio"), SemanticColor::blue);
        if (stage != QLatin1String("finalizing"))
            return info("arrow.down.circle", QT_TRANSLATE_NOOP("JobStatusInfo", "Downloading video"),
                        SemanticColor::blue);
        [[fallthrough]];
    case DownloadStatus::merging:
        if (stage == QLatin1String("finalizing"))
            return info("gearshape", QT_TRANSLATE_NOOP("JobStatusInfo", "Finalizing"), SemanticColor::blue);
        return info("merge", QT_TRANSLATE_NOOP("JobStatusInfo", "Merging"), SemanticColor::blue);
    case DownloadStatus::completed:
        return info("checkmark.circle", QT_TRANSLATE_NOOP("JobStatusInfo", "Completed"), SemanticColor::green);
    case DownloadStatus::cancelled:
        return info("xmark.circle", QT_TRANSLATE_NOOP("JobStatusInfo", "Cancelled"), SemanticColor::secondary);
    case DownloadStatus::failed:
        return info("exclamationmark.triangle", QT_TRANSLATE_NOOP("JobStatusInfo", "Failed"), SemanticColor::red);
    }
    return {};
}

JobStatusInfo JobStatusInfo::stalled()
{
    return JobStatusInfo{QStringLiteral("exclamationmark.triangle"),
                         QCoreApplication::translate("JobStatusInfo", "Stalled"), SemanticColor::orange};
}
