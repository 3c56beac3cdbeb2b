#include "ui/jobs/JobRowContent.h"

#include "analysis/ThumbnailService.h"
#include "engine/DownloadJob.h"
#include "engine/FailureSummary.h"

#include <QCoreApplication>

namespace {

const QString kSeparator = QStringLiteral(" \u00B7 ");

QString subtitleFor(const DownloadJob &job)
{
    const QString choice = job.mediaType() == MediaKind::audio ? AudioFormats::displayText(job.audioFormat())
                                                                : VideoQualities::label(job.videoQuality());
    QString subtitle = MediaKinds::label(job.mediaType()) + kSeparator + choice;
    if (const QString subtitles = SubtitleModes::choiceText(job.subtitleMode(), job.subtitleLang()); !subtitles.isEmpty())
        subtitle += kSeparator + subtitles;
    return subtitle;
}

std::optional<QUrl> thumbnailFor(const DownloadJob &job)
{
    if (!job.metadata())
        return std::nullopt;
    return ThumbnailService::validatedURL(job.metadata()->thumbnail);
}

QString detailFor(const ProgressDisplay &display)
{
    QStringList parts;
    for (const auto &text : {display.bytesText, display.speedText, display.etaText}) {
        if (text)
            parts << *text;
    }
    return parts.join(kSeparator);
}

} // namespace

bool JobRowContent::sameShape(const JobRowContent &other) const
{
    return title == other.title && headline.isEmpty() == other.headline.isEmpty()
        && showsProgress == other.showsProgress && detailText.isEmpty() == other.detailText.isEmpty()
        && note.isEmpty() == other.note.isEmpty() && showsError == other.showsError
        && errorSummary == other.errorSummary && errorReason.isEmpty() == other.errorReason.isEmpty() && offersLog == other.offersLog && actions == other.actions;
}

JobRowContent JobRowContent::forJob(const DownloadJob &job, bool offerEveryLog)
{
    const ProgressDisplay display = ProgressDisplay::forJob(job);
    const DownloadStatus status = job.status();

    JobRowContent content;
    content.title = job.title();
    content.subtitle = subtitleFor(job);
    content.badge = display.kind == ProgressDisplay::Kind::stalled ? JobStatusInfo::stalled()
                                                                   : JobStatusInfo::forStatus(status, job.stage());
    // One word for the stage: a headline that says what the badge says is left out.
    if (status != DownloadStatus::completed && display.primaryText != content.badge.text)
        content.headline = display.primaryText;
    content.headlineWarns = display.kind == ProgressDisplay::Kind::stalled || display.kind == ProgressDisplay::Kind::retrying;
    content.showsProgress = DownloadStatuses::isActive(status);
    if (!display.indeterminate)
        content.progress = job.progress();
    content.detailText = detailFor(display);
    if (display.totalUnknownNote)
        content.note = *display.totalUnknownNote;
    // How the run ended, when that needs saying ("Already downloaded: …").
    if (!job.note().isEmpty())
        content.note = QCoreApplication::translate("DownloadCoordinator", job.note().toUtf8().constData());
    content.showsError = status == DownloadStatus::failed;
    if (content.showsError) {
        content.errorSummary = FailureSummary::translated(job.errorSummary());
        content.errorReason = job.errorReason();
    }
    content.offersLog = content.showsError || (offerEveryLog && !job.logLines().isEmpty());
    if (job.isActive() || status == DownloadStatus::queued)
        content.actions << JobRowAction::cancel;
    if (status == DownloadStatus::failed || status == DownloadStatus::cancelled)
        content.actions << JobRowAction::retry;
    if (!job.outputPath().isEmpty())
        content.actions << JobRowAction::open << JobRowAction::reveal;
    content.actions << JobRowAction::remove;
    content.thumbnailUrl = thumbnailFor(job);
    return content;
}

QString JobRowContent::actionText(JobRowAction action)
{
    switch (action) {
    case JobRowAction::cancel:
        return QCoreApplication::translate("JobRow", "Cancel");
    case JobRowAction::retry:
        return QCoreApplication::translate("JobRow", "Retry");
    case JobRowAction::open:
        return QCoreApplication::translate("JobRow", "Open");
    case JobRowAction::reveal:
        return QCoreApplication::translate("JobRow", "Reveal");
    case JobRowAction::remove:
        return QCoreApplication::translate("JobRow", "Remove");
    case JobRowAction::copyLink:
        return QCoreApplication::translate("JobRow", "Copy Link");
    }
    return {};
}
