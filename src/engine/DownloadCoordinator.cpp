#include "engine/DownloadCoordinator.h"

#include "analysis/AnalysisCancelToken.h"
#include "analysis/YTDLPClient.h"
#include "engine/Directories.h"
#include "engine/DownloadCommandBuilder.h"
#include "engine/DownloadErrorClassifier.h"
#include "engine/DownloadNotifier.h"
#include "engine/DownloadQueue.h"
#include "engine/JobRecord.h"
#include "engine/LineInbox.h"
#include "engine/OutputFiles.h"
#include "engine/ProgressParser.h"
#include "engine/StallMonitor.h"
#include "history/DownloadHistory.h"
#include "history/HistoryStore.h"
#include "process/ProcessRunner.h"
#include "settings/AppSettings.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace {

const QString kCancelledSummary = QStringLiteral("Cancelled");

QString translated(const char *text)
{
    return QCoreApplication::translate("DownloadCoordinator", text);
}

QString userMessage(DownloadErrorCategory category)
{
    return QString::fromLatin1(DownloadErrorCategories::userMessage(category));
}

void markCancelled(DownloadJob &job)
{
    job.setStatus(DownloadStatus::cancelled);
    job.setErrorCategory(DownloadErrorCategory::cancelled);
    job.setErrorSummary(kCancelledSummary);
}

void markFailed(DownloadJob &job, DownloadErrorCategory category, const QString &summary)
{
    job.setStatus(DownloadStatus::failed);
    job.setErrorCategory(category);
    job.setErrorSummary(summary);
}

void markActivity(DownloadJob &job, const QDateTime &now)
{
    job.setLastActivityAt(now);
    job.setStalled(false);
}

} // namespace

// What the coordinator keeps about one run while it is in flight.
struct DownloadCoordinator::Run
{
    DownloadJobPtr job;
    AnalysisCancelToken analysis;
    std::shared_ptr<LineInbox> inbox;
};

DownloadCoordinator::DownloadCoordinator(HistoryStore &historyStore, AppSettings &settings,
                                         DownloadNotifier *notifier, QObject *parent)
    : DownloadCoordinator(historyStore, settings, notifier, Timing{}, parent)
{
}

DownloadCoordinator::DownloadCoordinator(HistoryStore &historyStore, AppSettings &settings,
                                         DownloadNotifier *notifier, Timing timing, QObject *parent)
    : QObject(parent)
    , m_historyStore(historyStore)
    , m_settings(settings)
    , m_notifier(notifier)
    , m_queue(std::make_unique<DownloadQueue>())
    , m_client(std::make_unique<YTDLPClient>(settings))
    , m_stallMonitor(std::make_unique<StallMonitor>([this](const DownloadJob &job) { return outputFolder(job); },
                                                    timing.stallCheckInterval,
                                                    timing.stallTimeout))
{
    // The start handler only schedules: pump() must never be re-entered.
    m_queue->setStartHandler([this](const DownloadJobPtr &job) {
        QMetaObject::invokeMethod(this, [this, job] { execute(job); }, Qt::QueuedConnection);
    });

    // The stored limit is the queue's limit, now and after every change; a
    // raise starts waiting jobs at once, a lower limit lets running ones finish.
    m_queue->setMaxConcurrent(m_settings.maxConcurrentDownloads());
    connect(&m_settings, &AppSettings::maxConcurrentDownloadsChanged, this, [this] {
        m_queue->setMaxConcurrent(m_settings.maxConcurrentDownloads());
        m_queue->pump();
    });
}

DownloadCoordinator::~DownloadCoordinator()
{
    for (const auto &run : std::as_const(m_runs)) {
        run->analysis.cancel();
        if (const auto runner = run->job->runner())
            runner->cancel();
        if (run->inbox)
            run->inbox->close();
    }
}

QString DownloadCoordinator::outputFolder(const DownloadJob &job) const
{
    // A run keeps to the folder it started in; a job restored after a restart
    // goes back to it, where its partial files are.
    return job.outputDirectory().isEmpty() ? m_settings.defaultOutputDirectory() : job.outputDirectory();
}

void DownloadCoordinator::addURLs(const QString &text)
{
    // A carriage return, alone or before a line feed, separates links too:
    // text pasted from Windows must not become one broken job.
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
    QList<DownloadJobPtr> jobs;
    for (const QString &piece : text.split(lineBreak)) {
        const QString link = piece.trimmed();
        if (link.isEmpty())
            continue;
        jobs.append(DownloadJob::create(link, m_settings.defaultMediaType(), m_settings.defaultVideoQuality(),
                                        m_settings.defaultAudioFormat(), m_settings.defaultSubtitleMode(),
                                        m_settings.defaultSubtitleLang()));
    }
    m_queue->append(jobs);
    m_queue->pump();
}

void DownloadCoordinator::execute(const DownloadJobPtr &job)
{
    // Cancelled after the queue started it but before it got here: the run
    // ends at once, recorded like any other started run.
    const bool cancelledAtStart = job->status() == DownloadStatus::cancelled;
    if (m_runs.contains(job->id()) || (job->status() != DownloadStatus::analyzing && !cancelledAtStart))
        return;
    auto run = std::make_shared<Run>();
    run->job = job;
    m_runs.insert(job->id(), run);
    if (cancelledAtStart) {
        finish(job);
        return;
    }

    const QString folder = outputFolder(*job);
    job->setOutputDirectory(folder);
    if (Directories::ensureDirectory(folder)) {
        markFailed(*job, DownloadErrorCategory::permissionDenied,
                   QStringLiteral("Cannot create output directory: ") + folder);
        finish(job);
        return;
    }

    m_client->analyze(job->url(), run->analysis).then(this, [this, job](const AnalyzeResult &result) {
        onAnalyzed(job, result);
    });
}

void DownloadCoordinator::onAnalyzed(const DownloadJobPtr &job, const AnalyzeResult &result)
{
    // A cancel during the analysis stopped it; the run ends here, as cancelled.
    if (job->status() == DownloadStatus::cancelled) {
        markCancelled(*job);
        finish(job);
        return;
    }
    if (!result) {
        // What yt-dlp said about the link is all the user has to go on.
        for (const QString &line : result.errorOutput().split(QLatin1Char('\n')))
            job->appendLog(line);
        markFailed(*job, result.error(), userMessage(result.error()));
        finish(job);
        return;
    }
    job->setMetadata(result.metadata());
    startDownload(job, outputFolder(*job));
}

void DownloadCoordinator::startDownload(const DownloadJobPtr &job, const QString &folder)
{
    const auto command = DownloadCommandBuilder::build(*job, folder, m_settings.cookieFilePath());
    if (!command) {
        markFailed(*job, DownloadErrorCategory::toolMissing,
                   QStringLiteral("Required tool (yt-dlp / ffmpeg) is missing."));
        finish(job);
        return;
    }

    // The runner is in place before the status changes, so a cancel made by
    // an observer of that change still reaches it (and the tool never starts).
    auto runner = std::make_shared<ProcessRunner>();
    job->setRunner(runner);
    job->setStartedAt(QDateTime::currentDateTime());
    job->setStatus(DownloadStatus::downloading);

    const auto run = m_runs.value(job->id());
    run->inbox = LineInbox::create(this, [weak = job->weakRef()](const QList<OutputLine> &lines) {
        if (const DownloadJobPtr target = weak.job()) {
            for (const OutputLine &line : lines)
                handleLine(*target, line.text, line.event);
        }
    });
    m_stallMonitor->watch(job);

    const auto inbox = run->inbox;
    runner
        ->run(command->executable, command->arguments, command->environment, command->outputDirectory,
              [inbox](const QString &line, bool) { inbox->post({line, ProgressParser::parse(line)}); })
        .then(this, [this, job](ProcessRunResult result) { onProcessEnded(job, result); });
}

void DownloadCoordinator::handleLine(DownloadJob &job, const QString &line)
{
    handleLine(job, line, ProgressParser::parse(line));
}

void DownloadCoordinator::handleLine(DownloadJob &job, const QString &line, const ProgressEvent &event)
{
    // UTC: reading the clock in local time costs more than the rest of a line.
    const QDateTime now = QDateTime::currentDateTimeUtc();
    job.appendLog(line);
    apply(event, job, now);
    markActivity(job, now);
}

void DownloadCoordinator::apply(const ProgressEvent &event, DownloadJob &job, const QDateTime &now)
{
    if (const auto *filepath = event.filepath()) {
        job.setOutputPath(filepath->path);
        job.setOutputFilename(QFileInfo(filepath->path).fileName());
        return;
    }
    if (const auto *stage = event.stage()) {
        if (stage->name == QLatin1String("merging")) {
            job.setStage(stage->name);
            if (job.status() == DownloadStatus::downloading)
                job.setStatus(DownloadStatus::merging);
        } else if (stage->name == QLatin1String("finalizing")) {
            job.setStage(stage->name);
        }
        markActivity(job, now);
        return;
    }
    if (const auto *progress = event.progress()) {
        if (progress->downloadedBytes)
            job.setDownloadedBytes(*progress->downloadedBytes);
        if (progress->totalBytes)
            job.setTotalBytes(*progress->totalBytes);
        if (progress->estimatedTotalBytes)
            job.setEstimatedTotalBytes(*progress->estimatedTotalBytes);
        if (progress->fragmentIndex)
            job.setFragmentIndex(*progress->fragmentIndex);
        if (progress->fragmentCount)
            job.setFragmentCount(*progress->fragmentCount);
        job.noteDownloadTarget(progress->filename);
        job.setProgress(progress->percent);
        job.setSpeed(progress->speed);
        job.setEta(progress->eta);
        // A progress report never takes a job back out of merging or finalizing.
        if (progress->stage == ProgressStage::audio)
            job.setStage(QStringLiteral("audio"));
        else if (job.stage() != QLatin1String("merging") && job.stage() != QLatin1String("finalizing"))
            job.setStage(QStringLiteral("downloading"));
        markActivity(job, now);
    }
}

void DownloadCoordinator::onProcessEnded(const DownloadJobPtr &job, const ProcessRunResult &result)
{
    // The runner delivers every line the tool printed before its result;
    // apply those still gathered (the final file's path among them) first.
    if (const auto run = m_runs.value(job->id()); run && run->inbox)
        run->inbox->flush();
    if (result.isCancelled()) {
        markCancelled(*job);
    } else if (result.code != 0) {
        const auto category =
            DownloadErrorClassifier::classify(result.code, job->logLines().join(QLatin1Char('\n')), QString(), false);
        markFailed(*job, category, userMessage(category));
    } else {
        job->setStatus(DownloadStatus::completed);
    }
    job->setRunner(nullptr);
    finish(job);
}

void DownloadCoordinator::finish(const DownloadJobPtr &job)
{
    m_stallMonitor->unwatch(*job);
    m_runs.remove(job->id());
    job->setFinishedAt(QDateTime::currentDateTime());
    if (job->status() == DownloadStatus::completed && job->outputPath().isEmpty())
        OutputFiles::resolveFinalOutputPath(*job, outputFolder(*job));

    m_historyStore.add(JobRecord::of(*job));
    notifyFinished(*job);

    if (job->status() == DownloadStatus::failed && !m_settings.keepFailedTasks())
        m_queue->remove(job);
    m_queue->pump();

    emit jobFinished(job);
    if (m_runs.isEmpty())
        emit allRunsEnded();
}

void DownloadCoordinator::notifyFinished(const DownloadJob &job)
{
    if (!m_notifier || !m_settings.downloadCompleteNotification())
        return;
    if (job.status() == DownloadStatus::completed)
        m_notifier->notify(translated(QT_TRANSLATE_NOOP("DownloadCoordinator", "Download complete")), job.title());
    else if (job.status() == DownloadStatus::failed)
        m_notifier->notify(translated(QT_TRANSLATE_NOOP("DownloadCoordinator", "Download failed")), job.title());
}

void DownloadCoordinator::cancel(const DownloadJobPtr &job)
{
    // A finished job stays as it ended: cancelling it would relabel a
    // completed download.
    if (DownloadStatuses::isTerminal(job->status()))
        return;
    m_stallMonitor->unwatch(*job);
    if (const auto run = m_runs.value(job->id()))
        run->analysis.cancel();
    if (const auto runner = job->runner())
        runner->cancel();
    markCancelled(*job);
    m_queue->pump();
}

void DownloadCoordinator::retry(const DownloadJobPtr &job)
{
    // Only a finished job can start over: a second run beside a running one
    // would race it for the same files.
    if (!DownloadStatuses::isTerminal(job->status()) || m_runs.contains(job->id()))
        return;
    m_stallMonitor->unwatch(*job);
    job->resetForRetry();
    m_queue->pump();
}

void DownloadCoordinator::cancelAll()
{
    // Waiting jobs first, so that no cancel of a running job frees a slot
    // for one of them.
    QList<DownloadJobPtr> jobs = m_queue->jobs();
    for (const auto &run : std::as_const(m_runs))
        jobs.append(run->job);
    std::stable_partition(jobs.begin(), jobs.end(),
                          [](const DownloadJobPtr &job) { return job->status() == DownloadStatus::queued; });
    for (const DownloadJobPtr &job : std::as_const(jobs))
        cancel(job);
}
