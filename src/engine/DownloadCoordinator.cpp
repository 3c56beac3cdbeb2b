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
#include "engine/FolderBounds.h"
#include "engine/JobRecord.h"
#include "engine/LineInbox.h"
#include "engine/NameClaim.h"
#include "engine/OutputFiles.h"
#include "engine/PartialFiles.h"
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
#include <QDir>
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

// A path without its extension: what yt-dlp names every file of a job after.
QString stemOf(const QString &path)
{
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return dot > path.lastIndexOf(QLatin1Char('/')) ? path.left(dot) : path;
}

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
// one yt-dlp process that decides the name (for a job without one yet), and
// one that downloads under it; one more when the download was refused the
// media links of a saved description.
struct DownloadCoordinator::Run
{
    DownloadJobPtr job;
    std::shared_ptr<LineInbox> inbox;
    // The output folder, as the setting was when the run started.
    QString folder;
    // The job's hold on its name, from the start of its download until the
    // run ends.
    std::unique_ptr<NameClaim> claim;
    // Whether Remove asked for the job: it leaves the queue when the run
    // ends, with its partial files when asked.
    std::optional<bool> removal;

    // The current process: whether it decides the name and the path it
    // named, whether it loads a saved description, the description file it
    // writes, and how many of the job's log lines are its own.
    bool decidesName = false;
    QString plannedPath;
    bool loadsSavedInfo = false;
    QString infoFile;
    qsizetype loggedLines = 0;

    // Taken once per run.
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
        if (!run->infoFile.isEmpty())
            QFile::remove(run->infoFile);
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
    // A job that ran before goes on under its own name, with its partial
    // files; unless another job has taken the name meanwhile (the files
    // were deleted), when a name is decided afresh.
    if (const QString stem = job->fileStem(); !stem.isEmpty()) {
        if (FolderBounds::inside(folder, stem) == stem) {
            if (auto claim = NameClaim::claim(stem, job->id())) {
                run->claim = std::move(claim);
                startRun(job, false);
                return;
            }
        }
        job->setFileStem(QString());
    }
    startRun(job, true);
}

void DownloadCoordinator::startRun(const DownloadJobPtr &job, bool decidesName)
{
    const auto run = m_runs.value(job->id());
    run->decidesName = decidesName;
    run->plannedPath.clear();
    run->loggedLines = 0;
    DownloadCommandBuilder::RunInputs inputs;
    inputs.decidesName = decidesName;
    inputs.fileStem = job->fileStem();
    // A description still fresh (from a preview, or from the process that
    // decided the name) spares yt-dlp the page; otherwise it extracts the
    // page and saves what it found. A download saves it once more when the
    // job has no metadata yet, for us to read while it downloads.
    const std::shared_ptr<const SavedInfo> saved = job->savedInfo();
    run->loadsSavedInfo = saved && saved->isFresh() && QFileInfo::exists(saved->path());
    if (run->loadsSavedInfo)
        inputs.savedInfo = saved->path();
    else
        job->setSavedInfo(nullptr);
    run->infoFile.clear();
    if (!run->loadsSavedInfo || (!decidesName && !job->metadata())) {
        inputs.infoTarget = SavedInfo::newPath();
        run->infoFile = decidesName ? inputs.infoTarget : inputs.infoTarget + kInfoSuffix;
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
    // Every process starts at its own beginning: no stage word of an
    // earlier one stays. An audio job shows its audio stage before yt-dlp
    // reports anything.
    job->setStage(job->mediaType() == MediaKind::audio ? QStringLiteral("audio") : QString());
    // While yt-dlp extracts the page, or decides the name, the job is still
    // being analysed; and until its description is read.
    if (run->loadsSavedInfo && !decidesName && job->metadata())
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
    auto onLine = [inbox, reader = RunOutputReader(inputs.markers, command->outputDirectory, run->infoFile)](
                      const QString &line, bool isStandardError) mutable {
        for (const QString &piece : RunOutputReader::pieces(line))
            inbox->post(reader.read(piece, isStandardError));
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
        if (!line.plannedPath.isEmpty() && run && run->decidesName && run->plannedPath.isEmpty())
            run->plannedPath = line.plannedPath;
        // The page is extracted once the description is there, or once the
        // download shows itself (when no description could be written).
        if (job->status() == DownloadStatus::analyzing && run && !run->decidesName
            && (line.savedInfo || !line.event.isNone()))
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
        // A progress report never takes a job back out of merging, nor out
        // of finalizing once a download has finished: processors that run
        // ahead of a download print "postprocess" too, and the download
        // under way after them is the job's stage. Whatever file an audio
        // job fetches (often a .webm stream), its download is its audio stage.
        const bool underWay = progress->percent && *progress->percent < 1.0;
        const bool finalizing = job.stage() == QLatin1String("finalizing");
        if (progress->stage == ProgressStage::audio || job.mediaType() == MediaKind::audio)
            job.setStage(QStringLiteral("audio"));
        else if (job.stage() != QLatin1String("merging") && (!finalizing || underWay))
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
    } else if (result.code != 0 && run && !run->decidesName && run->loadsSavedInfo && !run->extractedAfresh
               && job->status() != DownloadStatus::cancelled && DownloadErrorClassifier::mediaLinkRefused(output)) {
        // The saved description's media links have expired: one fresh
        // extraction and a second try before the failure counts.
        run->extractedAfresh = true;
        job->setSavedInfo(nullptr);
        startRun(job, false);
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
    } else if (run && run->decidesName) {
        if (!settleName(job, *run))
            return;
    } else {
        // Also when yt-dlp found the file complete: under a name this job
        // owns, it is this job's.
        job->setStatus(DownloadStatus::completed);
    }
    finish(job);
}

bool DownloadCoordinator::settleName(const DownloadJobPtr &job, Run &run)
{
    // Cancelled while the process was ending: nothing more starts.
    if (job->status() == DownloadStatus::cancelled) {
        markCancelled(*job);
        return true;
    }
    // The reader took the description over with the name; a process that
    // ended before it printed the name may still have written it.
    if (!run.infoFile.isEmpty() && !job->savedInfo() && QFileInfo::exists(run.infoFile))
        job->setSavedInfo(SavedInfo::adopt(run.infoFile));
    run.infoFile.clear();
    if (run.plannedPath.isEmpty()) {
        // Filtered out (an extra argument's match filter, say), or a list
        // without the entry: yt-dlp would write nothing.
        markFailed(*job, DownloadErrorCategory::unknown, FailureSummary::nothingToDownload());
        return true;
    }
    const QString stem = stemOf(run.plannedPath);
    if (NameClaim::hasFiles(stem)) {
        if (const QString earlier = fileMadeByThisLink(*job, stem); !earlier.isEmpty()) {
            job->setStatus(DownloadStatus::completed);
            job->setOutputPath(earlier);
            job->setOutputFilename(QFileInfo(earlier).fileName());
            job->setNote(QString::fromLatin1(kAlreadyDownloadedNote));
            return true;
        }
    }
    run.claim = NameClaim::claimFree(stem, job->id());
    if (!run.claim) {
        // No claim could be written: the folder takes no file at all.
        if (const QString folder = QFileInfo(stem).path(); !QFileInfo(folder).isWritable()) {
            markFailed(*job, DownloadErrorCategory::permissionDenied, userMessage(DownloadErrorCategory::permissionDenied),
                       QDir::toNativeSeparators(folder));
            return true;
        }
        markFailed(*job, DownloadErrorCategory::unknown, FailureSummary::nameTaken());
        return true;
    }
    job->setFileStem(run.claim->stem());
    if (run.claim->stem() != stem)
        job->setNote(QString::fromLatin1(kNewNameNote));
    startRun(job, false);
    return false;
}

QString DownloadCoordinator::fileMadeByThisLink(const DownloadJob &job, const QString &stem) const
{
    const QString page = job.metadata() ? job.metadata()->webpageUrl : QString();
    const QList<DownloadHistory> records = m_historyStore.all();
    const auto record = std::find_if(records.begin(), records.end(), [&](const DownloadHistory &record) {
        const QString path = record.finalFilePath.value_or(QString());
        return JobRecord::status(record) == DownloadStatus::completed && !path.isEmpty() && stemOf(path) == stem
               && (record.sourceURL == job.url() || (!page.isEmpty() && record.sourceURL == page))
               && QFileInfo(path).isFile();
    });
    return record == records.end() ? QString() : record->finalFilePath.value_or(QString());
}

void DownloadCoordinator::finish(const DownloadJobPtr &job)
{
    m_stallMonitor->unwatch(*job);
    const std::shared_ptr<Run> run = m_runs.take(job->id());
    // A description written but never announced (the process was stopped
    // in between) goes too; an announced one goes with the job's hold on it.
    if (run && !run->infoFile.isEmpty())
        QFile::remove(run->infoFile);
    if (run)
        run->claim.reset();
    job->setSavedInfo(nullptr);
    job->setFinishedAt(QDateTime::currentDateTime());
    if (job->status() == DownloadStatus::completed && job->outputPath().isEmpty()
        && job->note() != QLatin1String(kInArchiveNote))
        OutputFiles::resolveFinalOutputPath(*job, outputFolder(*job));

    // Finished, the file stands under its name, which needs no claim.
    if (job->status() == DownloadStatus::completed)
        NameClaim::forget(job->fileStem(), job->id());

    m_historyStore.add(JobRecord::of(*job));
    notifyFinished(*job);

    if (run && run->removal)
        drop(job, *run->removal);
    else if ((job->status() == DownloadStatus::failed && !m_settings.keepFailedTasks())
             || (m_dropsUnfinished && DownloadStatuses::isTerminal(job->status())
                 && job->status() != DownloadStatus::completed))
        // Nothing keeps it for a retry: its partial files would be no one's.
        drop(job, true);
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

QStringList DownloadCoordinator::remove(const DownloadJobPtr &job, bool deletePartialFiles)
{
    // A running job ends first, as cancelled, and leaves when its process
    // is gone (its files are only then complete to delete).
    if (const auto run = m_runs.value(job->id())) {
        run->removal = deletePartialFiles;
        cancel(job);
        return {};
    }
    // Started by the queue, its process not yet: it never starts.
    if (job->isActive())
        cancel(job);
    const QStringList undeleted = drop(job, deletePartialFiles);
    m_queue->pump();
    return undeleted;
}

QStringList DownloadCoordinator::drop(const DownloadJobPtr &job, bool deletePartialFiles)
{
    m_stallMonitor->unwatch(*job);
    const QStringList undeleted =
        deletePartialFiles ? PartialFiles::remove(PartialFiles::of(*job, m_queue->jobs())) : QStringList();
    // Files kept stand for the name themselves: no other job takes it.
    NameClaim::forget(job->fileStem(), job->id());
    m_queue->remove(job);
    return undeleted;
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
