#include "engine/DownloadCoordinator.h"

#include "analysis/SavedInfo.h"
#include "analysis/YTDLPClient.h"
#include "engine/AdvancedArguments.h"
#include "engine/Directories.h"
#include "engine/DownloadCommandBuilder.h"
#include "engine/DownloadErrorClassifier.h"
#include "engine/DownloadNotifier.h"
#include "engine/DownloadQueue.h"
#include "engine/FailureReason.h"
#include "engine/FailureSummary.h"
#include "engine/JobRecord.h"
#include "engine/LineInbox.h"
#include "engine/OutputFiles.h"
#include "engine/ProgressParser.h"
#include "engine/RunOutputReader.h"
#include "engine/StallMonitor.h"
#include "history/DownloadHistory.h"
#include "history/HistoryStore.h"
#include "process/ProcessRunner.h"
#include "process/WhenFinished.h"
#include "settings/AppSettings.h"
#include "tools/UpdateHint.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace {

// What yt-dlp adds to the name it is given for a link's description.
constexpr QLatin1String kInfoSuffix(".info.json");

// How a run ended when yt-dlp found the file already there.
const char *const kAlreadyDownloadedNote = QT_TRANSLATE_NOOP(
    "DownloadCoordinator", "Already downloaded: the file from an earlier download of this link is kept.");
const char *const kInArchiveNote = QT_TRANSLATE_NOOP(
    "DownloadCoordinator", "Skipped: the download archive shows it was downloaded before.");
const char *const kNewNameNote = QT_TRANSLATE_NOOP(
    "DownloadCoordinator", "Saved under a new name: a file of the same name from another link is kept.");

// The names of the files a job wrote or was writing, as they can stand in
// yt-dlp's error lines (with or without their folder).
QStringList ownFileNames(const DownloadJob &job)
{
    QStringList names;
    for (const QString &path : job.downloadTargets() + QStringList{job.outputPath()}) {
        if (!path.isEmpty())
            names << path << QFileInfo(path).fileName();
    }
    return names;
}

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
    job.setErrorSummary(FailureSummary::cancelled());
}

// `reason`: what the tool or the system said, beneath the summary.
void markFailed(DownloadJob &job, DownloadErrorCategory category, const QString &summary, const QString &reason = {})
{
    job.setStatus(DownloadStatus::failed);
    job.setErrorCategory(category);
    job.setErrorSummary(summary);
    job.setErrorReason(reason);
}

// The title, then why it failed: the summary and the tool's reason, a line each.
QString failureBody(const DownloadJob &job)
{
    QStringList lines{job.title(), FailureSummary::translated(job.errorSummary())};
    if (!job.errorReason().isEmpty())
        lines << job.errorReason();
    return lines.join(QLatin1Char('\n'));
}

void markActivity(DownloadJob &job, const QDateTime &now)
{
    job.setLastActivityAt(now);
    job.setStalled(false);
}

} // namespace

// What the coordinator keeps about one run while it is in flight. A run is
// one yt-dlp process, or another after it when the first found another
// link's file under the name it wanted, or was refused the media links of a
// saved description.
struct DownloadCoordinator::Run
{
    DownloadJobPtr job;
    std::shared_ptr<LineInbox> inbox;
    // The output folder, as the setting was when the run started.
    QString folder;

    // The current process: whether it loads a saved description, where it
    // writes the one it extracts (yt-dlp adds ".info.json"), the name it
    // gives the file (empty: the usual one), how many of the job's log
    // lines are its own, and its "downloaded" lines.
    bool loadsSavedInfo = false;
    QString infoTarget;
    QString fileName;
    qsizetype loggedLines = 0;
    bool downloaded = false;
    bool foundExisting = false;

    // Each second chance is taken once per run.
    bool renamed = false;
    bool extractedAfresh = false;
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
        if (const auto runner = run->job->runner())
            runner->cancel();
        if (run->inbox)
            run->inbox->close();
        if (!run->infoTarget.isEmpty())
            QFile::remove(run->infoTarget + kInfoSuffix);
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
    // Each setting read goes to the settings file: read the defaults once,
    // not once per link.
    const MediaKind mediaType = m_settings.defaultMediaType();
    const VideoQuality videoQuality = m_settings.defaultVideoQuality();
    const AudioFormat audioFormat = m_settings.defaultAudioFormat();
    const SubtitleMode subtitleMode = m_settings.defaultSubtitleMode();
    const QString subtitleLang = m_settings.defaultSubtitleLang();
    const AdvancedOptions advanced = m_settings.advancedDefaults();
    QList<DownloadJobPtr> jobs;
    for (const QString &piece : text.split(lineBreak)) {
        const QString link = piece.trimmed();
        if (link.isEmpty())
            continue;
        jobs.append(DownloadJob::create(link, mediaType, videoQuality, audioFormat, subtitleMode, subtitleLang));
        jobs.last()->setAdvancedOptions(advanced);
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
    if (const auto error = Directories::ensureDirectory(folder)) {
        markFailed(*job, DownloadErrorCategory::permissionDenied, FailureSummary::outputFolder(folder),
                   error->description);
        finish(job);
        return;
    }

    // One yt-dlp process both extracts the page and downloads; a link it
    // cannot take fails there, as an analysis would.
    if (!DownloadCommandBuilder::validateURL(job->url())) {
        markFailed(*job, DownloadErrorCategory::invalidURL, userMessage(DownloadErrorCategory::invalidURL));
        finish(job);
        return;
    }
    run->folder = folder;
    startDownload(job, QString());
}

void DownloadCoordinator::startDownload(const DownloadJobPtr &job, const QString &fileName)
{
    const auto run = m_runs.value(job->id());
    run->fileName = fileName;
    run->loggedLines = 0;
    run->downloaded = false;
    run->foundExisting = false;
    DownloadCommandBuilder::RunInputs inputs;
    inputs.fileName = fileName;
    // A description still fresh (from a preview, or from the first process
    // of this run) spares yt-dlp the page; otherwise it extracts the page
    // and writes what it found for us to read while it downloads.
    const std::shared_ptr<const SavedInfo> saved = job->savedInfo();
    run->loadsSavedInfo = saved && saved->isFresh() && QFileInfo::exists(saved->path());
    if (run->loadsSavedInfo) {
        inputs.savedInfo = saved->path();
        run->infoTarget.clear();
    } else {
        job->setSavedInfo(nullptr);
        run->infoTarget = SavedInfo::newPath();
        inputs.infoTarget = run->infoTarget;
    }
    const auto command = DownloadCommandBuilder::build(*job, run->folder, m_settings.cookieFilePath(), inputs);
    if (!command) {
        markFailed(*job, DownloadErrorCategory::toolMissing, FailureSummary::toolMissing());
        finish(job);
        return;
    }

    // The runner is in place before the status changes, so a cancel made by
    // an observer of that change still reaches it (and the tool never starts).
    auto runner = std::make_shared<ProcessRunner>();
    job->setRunner(runner);
    if (!job->startedAt())
        job->setStartedAt(QDateTime::currentDateTime());
    // An audio job shows its audio stage before yt-dlp reports anything.
    if (job->mediaType() == MediaKind::audio)
        job->setStage(QStringLiteral("audio"));
    // While yt-dlp extracts the page the job is still being analysed.
    if (run->loadsSavedInfo)
        job->setStatus(DownloadStatus::downloading);

    if (!run->inbox) {
        run->inbox = LineInbox::create(this, [this, weak = job->weakRef()](const QList<OutputLine> &lines) {
            if (const DownloadJobPtr target = weak.job())
                applyLines(target, lines);
        });
    }
    m_stallMonitor->watch(job);

    const auto inbox = run->inbox;
    // One reader thread calls this, line after line.
    auto onLine = [inbox, reader = RunOutputReader(inputs.markers, command->outputDirectory,
                                                   inputs.infoTarget.isEmpty() ? QString()
                                                                               : inputs.infoTarget + kInfoSuffix)](
                      const QString &line, bool isStandardError) mutable {
        inbox->post(reader.read(line, isStandardError));
    };
    whenFinished(runner->run(command->executable, command->arguments, command->environment, std::move(onLine)),
                 this, [this, job](const ProcessRunResult &result) { onProcessEnded(job, result); });
}

void DownloadCoordinator::applyLines(const DownloadJobPtr &job, const QList<OutputLine> &lines)
{
    const auto run = m_runs.value(job->id());
    for (const OutputLine &line : lines) {
        if (line.savedInfo) {
            job->setSavedInfo(line.savedInfo);
            if (line.metadata)
                job->setMetadata(line.metadata);
        }
        if (line.downloaded && run) {
            run->downloaded = run->downloaded || *line.downloaded;
            run->foundExisting = run->foundExisting || !*line.downloaded;
        }
        // The page is extracted once the description is there, or once the
        // download shows itself (when no description could be written).
        if (job->status() == DownloadStatus::analyzing && (line.savedInfo || !line.event.isNone()))
            job->setStatus(DownloadStatus::downloading);
        if (handleLine(*job, line.text, line.event) && run)
            ++run->loggedLines;
    }
}

bool DownloadCoordinator::handleLine(DownloadJob &job, const QString &line, const ProgressEvent &event)
{
    // UTC: reading the clock in local time costs more than the rest of a line.
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const bool logged = job.appendLog(line);
    apply(event, job, now);
    markActivity(job, now);
    return logged;
}

void DownloadCoordinator::apply(const ProgressEvent &event, DownloadJob &job, const QDateTime &now)
{
    if (const auto *filepath = event.filepath()) {
        job.setOutputPath(filepath->path);
        job.setOutputFilename(QFileInfo(filepath->path).fileName());
        return;
    }
    if (const auto *retry = event.retry()) {
        job.setRetry(*retry);
        markActivity(job, now);
        return;
    }
    if (const auto *stage = event.stage()) {
        job.setRetry(std::nullopt);
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
        job.setRetry(std::nullopt);
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
        // A progress report never takes a job back out of merging or
        // finalizing. Whatever file an audio job fetches (often a .webm
        // stream), its download is its audio stage.
        if (progress->stage == ProgressStage::audio || job.mediaType() == MediaKind::audio)
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
    const auto run = m_runs.value(job->id());
    if (run && run->inbox)
        run->inbox->flush();
    job->setRunner(nullptr);
    // What the process that just ended printed (the log may hold an
    // earlier process's lines too).
    const QStringList &log = job->logLines();
    const QString output =
        (run ? log.mid(std::max<qsizetype>(0, log.size() - run->loggedLines)) : log).join(QLatin1Char('\n'));
    if (result.isCancelled()) {
        markCancelled(*job);
    } else if (result.code != 0 && run && run->loadsSavedInfo && !run->extractedAfresh
               && job->status() != DownloadStatus::cancelled && DownloadErrorClassifier::mediaLinkRefused(output)) {
        // The saved description's media links have expired: one fresh
        // extraction and a second try before the failure counts.
        run->extractedAfresh = true;
        job->setSavedInfo(nullptr);
        startDownload(job, run->fileName);
        return;
    } else if (result.code == AdvancedArguments::kArchiveHoldsItExitCode && job->advancedOptions().skipDownloaded) {
        // Downloaded before with the archive kept: nothing was fetched.
        job->setStatus(DownloadStatus::completed);
        job->setNote(QString::fromLatin1(kInArchiveNote));
    } else if (result.code != 0) {
        const bool printedNothing = output.isEmpty();
        const auto category = DownloadErrorClassifier::isFailedLaunch(result.code, printedNothing)
                                  ? DownloadErrorCategory::toolMissing
                                  : DownloadErrorClassifier::classify(result.code, output, QString(), false,
                                                                      ownFileNames(*job));
        // An old yt-dlp is often why; the reason says so beneath the tool's words.
        markFailed(*job, category, userMessage(category),
                   UpdateHint::appendedTo(FailureReason::fromOutput(output.split(QLatin1Char('\n'))), category));
    } else if (run && run->foundExisting && !run->downloaded && !job->outputPath().isEmpty()) {
        // yt-dlp downloaded nothing: the file it wanted was there already.
        if (!settleExistingFile(job, *run))
            return;
    } else {
        job->setStatus(DownloadStatus::completed);
    }
    finish(job);
}

bool DownloadCoordinator::settleExistingFile(const DownloadJobPtr &job, Run &run)
{
    // Cancelled while the first process was ending: nothing more starts.
    if (job->status() == DownloadStatus::cancelled) {
        markCancelled(*job);
        return true;
    }
    if (madeByThisLink(*job)) {
        job->setStatus(DownloadStatus::completed);
        job->setNote(QString::fromLatin1(kAlreadyDownloadedNote));
        return true;
    }
    // Another link's file: never taken for this one's. A second process
    // writes under a name of its own, from the description the first wrote.
    const QString name = run.renamed ? QString() : OutputFiles::freeNameBeside(job->outputPath());
    // The file found belongs to someone else: the job never points at it.
    job->setOutputPath(QString());
    job->setOutputFilename(QString());
    if (name.isEmpty()) {
        job->setNote(QString());
        markFailed(*job, DownloadErrorCategory::unknown, FailureSummary::nameTaken());
        return true;
    }
    run.renamed = true;
    run.foundExisting = false;
    job->setNote(QString::fromLatin1(kNewNameNote));
    startDownload(job, name);
    return false;
}

bool DownloadCoordinator::madeByThisLink(const DownloadJob &job) const
{
    const QString path = job.outputPath();
    const QString page = job.metadata() ? job.metadata()->webpageUrl : QString();
    const QList<DownloadHistory> records = m_historyStore.all();
    return std::any_of(records.begin(), records.end(), [&](const DownloadHistory &record) {
        return JobRecord::status(record) == DownloadStatus::completed && record.finalFilePath == path
               && (record.sourceURL == job.url() || (!page.isEmpty() && record.sourceURL == page));
    });
}

void DownloadCoordinator::finish(const DownloadJobPtr &job)
{
    m_stallMonitor->unwatch(*job);
    // A description written but never announced (the process was stopped
    // in between) goes too; an announced one goes with the job's hold on it.
    if (const auto run = m_runs.take(job->id()); run && !run->infoTarget.isEmpty())
        QFile::remove(run->infoTarget + kInfoSuffix);
    job->setSavedInfo(nullptr);
    job->setFinishedAt(QDateTime::currentDateTime());
    if (job->status() == DownloadStatus::completed && job->outputPath().isEmpty()
        && job->note() != QLatin1String(kInArchiveNote))
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
    FinishedDownload download;
    download.jobId = job.id();
    download.body = job.title();
    if (job.status() == DownloadStatus::completed) {
        download.completed = true;
        download.heading = translated(QT_TRANSLATE_NOOP("DownloadCoordinator", "Download complete"));
        download.filePath = job.outputPath();
    } else if (job.status() == DownloadStatus::failed) {
        download.heading = translated(QT_TRANSLATE_NOOP("DownloadCoordinator", "Download failed"));
        download.body = failureBody(job);
        download.retryable = m_settings.keepFailedTasks();
    } else {
        return;
    }
    m_notifier->notify(download);
}

void DownloadCoordinator::cancel(const DownloadJobPtr &job)
{
    // A finished job stays as it ended: cancelling it would relabel a
    // completed download.
    if (DownloadStatuses::isTerminal(job->status()))
        return;
    m_stallMonitor->unwatch(*job);
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
