#pragma once

#include "engine/DownloadJob.h"

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QUuid>

#include <chrono>
#include <memory>

class AppSettings;
class DownloadNotifier;
class DownloadQueue;
class HistoryStore;
class ProgressEvent;
class StallMonitor;
class YTDLPClient;

// Turns links into finished downloads: owns the queue and the analyze client,
// runs every job the queue starts (output folder, command, process,
// outcome), feeds each output line through the progress parser into its job,
// watches running jobs for stalls, and records every ended run in the history.
// Lives on the GUI thread; every public member is called there.
//
// A job's run decides its file name before anything is written: a first
// yt-dlp process extracts the page (the job is "analyzing" meanwhile), or
// loads a fresh description from a preview, saves what it found privately
// and prints the path it would write; the name (the path without extension)
// is then claimed for the job (NameClaim), or the first free "name (N)"
// when another job or a file on disk has it, and a second process loads the
// saved description and downloads under exactly that name. The name stays
// the job's through retries and restarts, so every later run continues its
// partial files. A name held by this link's earlier, completed download (the
// history says so) completes the job with a note instead.
class DownloadCoordinator : public QObject
{
    Q_OBJECT

public:
    struct Timing
    {
        std::chrono::milliseconds stallCheckInterval{5000};
        std::chrono::milliseconds stallTimeout{120000};
    };

    // `notifier` may be null (nothing is posted); it must outlive the coordinator.
    DownloadCoordinator(HistoryStore &historyStore, AppSettings &settings, DownloadNotifier *notifier,
                        QObject *parent = nullptr);
    DownloadCoordinator(HistoryStore &historyStore, AppSettings &settings, DownloadNotifier *notifier,
                        Timing timing, QObject *parent = nullptr);
    // Cancels whatever still runs; lines still in flight are dropped, and so
    // are the description files of the runs.
    ~DownloadCoordinator() override;

    DownloadQueue &queue() const { return *m_queue; }
    YTDLPClient &client() const { return *m_client; }

    // One job per non-empty line (LF, CR LF or a lone CR separate), trimmed,
    // with the stored defaults, appended in order; then the queue starts
    // what it may. No validation here: a line that is no link fails at its
    // analysis.
    void addURLs(const QString &text);

    void cancel(const DownloadJobPtr &job);
    void retry(const DownloadJobPtr &job);
    // Takes `job` out of the queue. A running job is stopped first: it ends
    // as cancelled (its record written, never a completion) and leaves once
    // its process is gone; a queued one leaves no record. With
    // `deletePartialFiles` its unfinished files go too (PartialFiles).
    // Returns the files that could not be deleted (none yet for a job that
    // was still running).
    QStringList remove(const DownloadJobPtr &job, bool deletePartialFiles);

    // For a caller that keeps no job after it ended (the command line):
    // every job that fails or is cancelled leaves the queue at once, with
    // its partial files, which no one could continue.
    void setDropsUnfinishedJobs(bool drops) { m_dropsUnfinished = drops; }

    // Cancels every job that is running or waiting, so that no process of
    // ours outlives the application. Running jobs still end through their
    // normal path (history written) once their processes are gone.
    void cancelAll();

    // Runs started and not yet ended (analysis or download process).
    int runningCount() const { return static_cast<int>(m_runs.size()); }

    // One output line of a job's process, as the reader thread read it
    // (RunOutputReader) and the GUI thread applies it: logged, applied,
    // counted as activity. True when the log kept the line (see
    // DownloadJob::appendLog).
    static bool handleLine(DownloadJob &job, const QString &line, const ProgressEvent &event);
    // One parsed event into one job; `now` stamps its activity.
    static void apply(const ProgressEvent &event, DownloadJob &job,
                      const QDateTime &now = QDateTime::currentDateTimeUtc());

signals:
    // After a run has ended and its history record was written.
    void jobFinished(const DownloadJobPtr &job);
    // When the last running job has ended.
    void allRunsEnded();

private:
    struct Run;

    void execute(const DownloadJobPtr &job);
    // Starts a yt-dlp process for the job's run: the one that decides the
    // name, or the download under the job's claimed name.
    void startRun(const DownloadJobPtr &job, bool decidesName);
    void applyLines(const DownloadJobPtr &job, const QList<struct OutputLine> &lines);
    void onProcessEnded(const DownloadJobPtr &job, const struct ProcessRunResult &result);
    // After the process that decided the name: true when the run has ended
    // (no name, or already downloaded), false when the download started.
    bool settleName(const DownloadJobPtr &job, Run &run);
    // The file of `stem` the history shows completed from this job's link
    // and still there; "" when none.
    QString fileMadeByThisLink(const DownloadJob &job, const QString &stem) const;
    void finish(const DownloadJobPtr &job);
    // Out of the queue, for good: no claim on its name stays. Returns the
    // files that could not be deleted.
    QStringList drop(const DownloadJobPtr &job, bool deletePartialFiles);
    void notifyFinished(const DownloadJob &job);
    QString outputFolder(const DownloadJob &job) const;

    HistoryStore &m_historyStore;
    AppSettings &m_settings;
    DownloadNotifier *m_notifier;
    std::unique_ptr<DownloadQueue> m_queue;
    std::unique_ptr<YTDLPClient> m_client;
    std::unique_ptr<StallMonitor> m_stallMonitor;
    // One entry per job between the start of its run and its finish.
    QHash<QUuid, std::shared_ptr<Run>> m_runs;
    bool m_dropsUnfinished = false;
};
