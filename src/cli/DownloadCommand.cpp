#include "cli/DownloadCommand.h"

#include "cli/BatchInput.h"
#include "cli/ExitCode.h"
#include "cli/ListEntries.h"
#include "cli/ProgressRenderer.h"
#include "cli/RunSettings.h"
#include "cli/SignalWatcher.h"
#include "cli/Terminal.h"
#include "engine/DownloadCoordinator.h"
#include "engine/DownloadQueue.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <algorithm>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("DownloadCommand", text);
}

// The links of the command line, then those of the batch.
std::variant<QStringList, QString> collectLinks(const DownloadRequest &request)
{
    QStringList links = request.urls;
    if (!request.batch)
        return links;
    const auto batch = BatchInput::read(*request.batch);
    if (const auto *error = std::get_if<QString>(&batch))
        return *error;
    const auto &result = std::get<BatchParseResult>(batch);
    Terminal::err(BatchInput::problems(result));
    links.append(result.uniqueValidURLs());
    return links;
}

// The request's options, the settings' defaults for those not given.
ListJobs::Options jobOptions(const DownloadRequest &request, const AppSettings &settings)
{
    ListJobs::Options options;
    options.mediaType = request.audio     ? MediaKind::audio
                        : request.quality ? MediaKind::video
                                          : settings.defaultMediaType();
    options.videoQuality = request.quality.value_or(settings.defaultVideoQuality());
    options.audioFormat = request.audio.value_or(settings.defaultAudioFormat());
    options.subtitleMode = request.subtitles.value_or(settings.defaultSubtitleMode());
    options.subtitleLang = request.subtitleLang.value_or(settings.defaultSubtitleLang());
    options.advanced = request.advanced.over(settings.advancedDefaults());
    if (request.newOnly)
        options.advanced.skipDownloaded = true;
    return options;
}

QList<DownloadJobPtr> linkJobs(const QStringList &links, const ListJobs::Options &options)
{
    QList<DownloadJobPtr> jobs;
    for (const QString &link : links) {
        jobs.append(DownloadJob::create(link, options.mediaType, options.videoQuality, options.audioFormat,
                                        options.subtitleMode, options.subtitleLang));
        jobs.last()->setAdvancedOptions(options.advanced);
    }
    return jobs;
}

bool allEnded(const QList<DownloadJobPtr> &jobs, const DownloadCoordinator &coordinator)
{
    return coordinator.runningCount() == 0 && std::all_of(jobs.begin(), jobs.end(), [](const DownloadJobPtr &job) {
               return DownloadStatuses::isTerminal(job->status());
           });
}

} // namespace

namespace DownloadCommand {

int run(const DownloadRequest &request, AppSettings &userSettings, HistoryStore &history)
{
    const auto links = collectLinks(request);
    if (const auto *error = std::get_if<QString>(&links)) {
        Terminal::err(*error + QLatin1Char('\n'));
        return ExitCode::usage;
    }
    const QStringList &urls = std::get<QStringList>(links);
    if (urls.isEmpty()) {
        Terminal::err(tr("No links to download.") + QLatin1Char('\n'));
        return ExitCode::failure;
    }

    RunSettings runSettings(userSettings, request.outputDirectory);
    if (!runSettings.isValid()) {
        Terminal::err(tr("Cannot prepare the output folder setting for this run.") + QLatin1Char('\n'));
        return ExitCode::failure;
    }
    AppSettings &settings = runSettings.settings();

    SignalWatcher watcher;
    const ListJobs::Options options = jobOptions(request, settings);
    QList<DownloadJobPtr> jobs;
    if (request.playlist) {
        auto chosen = ListEntries::jobs(request, options, settings, watcher);
        if (const int *exitCode = std::get_if<int>(&chosen))
            return *exitCode;
        jobs = std::get<QList<DownloadJobPtr>>(std::move(chosen));
        if (jobs.isEmpty()) {
            Terminal::out(tr("The list has no entries: nothing to download.") + QLatin1Char('\n'));
            return ExitCode::success;
        }
    } else {
        jobs = linkJobs(urls, options);
    }
    DownloadCoordinator coordinator(history, settings, nullptr);
    // No job outlives the command: what fails leaves no partial file behind.
    coordinator.setDropsUnfinishedJobs(true);
    ProgressRenderer renderer(jobs, Terminal::stdoutIsTerminal(), Terminal::stdoutColumns(), Terminal::out);

    QEventLoop loop;
    bool interrupted = false;
    // Queued, so that a start the queue has scheduled (and a cancel that beat
    // it) has run and written its record before the check.
    const auto checkEnd = [&] {
        QMetaObject::invokeMethod(
            &loop,
            [&] {
                if (allEnded(jobs, coordinator))
                    loop.quit();
            },
            Qt::QueuedConnection);
    };
    QObject::connect(&coordinator, &DownloadCoordinator::jobFinished, &loop, checkEnd);
    QObject::connect(&watcher, &SignalWatcher::interrupted, &loop, [&] {
        if (interrupted)
            return;
        interrupted = true;
        renderer.interject(
            [] { Terminal::err(tr("Interrupted: cancelling the downloads…") + QLatin1Char('\n')); });
        coordinator.cancelAll();
        checkEnd();
    });

    coordinator.queue().append(jobs);
    coordinator.queue().pump();
    renderer.start();
    loop.exec();
    renderer.finish();

    if (interrupted)
        return ExitCode::interrupted;
    const bool allCompleted = std::all_of(jobs.begin(), jobs.end(), [](const DownloadJobPtr &job) {
        return job->status() == DownloadStatus::completed;
    });
    return allCompleted ? ExitCode::success : ExitCode::failure;
}

} // namespace DownloadCommand
