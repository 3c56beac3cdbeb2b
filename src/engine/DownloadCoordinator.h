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
// A job's run extracts the link once: one yt-dlp process extracts the page
// (the job is "analyzing" meanwhile), writes the description it found into
// a private file that gives the job its metadata, and downloads; a job that
// comes with a fresh description from a preview has yt-dlp load it instead.
// A process that finds its file already there never counts as a fresh
// download: from this link's earlier download (the history says so) the job
// completes with a note; from another link it downloads under a new name.
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
    // Starts a yt-dlp process for the job's run; `fileName` replaces the
    // usual name of the file (without extension) when not empty.
    void startDownload(const DownloadJobPtr &job, const QString &fileName);
    void applyLines(const DownloadJobPtr &job, const QList<struct OutputLine> &lines);
    void onProcessEnded(const DownloadJobPtr &job, const struct ProcessRunResult &result);
    // For a process that found its file already there: true when the run
    // has ended (already downloaded, or failed), false when a second
    // process was started under a name of its own.
    bool settleExistingFile(const DownloadJobPtr &job, Run &run);
    // Whether the history shows this job's file completed from its link.
    bool madeByThisLink(const DownloadJob &job) const;
    void finish(const DownloadJobPtr &job);
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
};
