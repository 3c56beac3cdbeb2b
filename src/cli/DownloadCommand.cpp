#include "cli/DownloadCommand.h"

#include "cli/BatchInput.h"
#include "cli/ExitCode.h"
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

QList<DownloadJobPtr> makeJobs(const QStringList &links, const DownloadRequest &request, const AppSettings &settings)
{
    const MediaKind kind = request.audio     ? MediaKind::audio
                           : request.quality ? MediaKind::video
                                             : settings.defaultMediaType();
    const AdvancedOptions advanced = request.advanced.over(settings.advancedDefaults());
    QList<DownloadJobPtr> jobs;
    for (const QString &link : links) {
        jobs.append(DownloadJob::create(link, kind, request.quality.value_or(settings.defaultVideoQuality()),
                                        request.audio.value_or(settings.defaultAudioFormat()),
                                        request.subtitles.value_or(settings.defaultSubtitleMode()),
                                        request.subtitleLang.value_or(settings.defaultSubtitleLang())));
        jobs.last()->setAdvancedOptions(advanced);
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
    DownloadCoordinator coordinator(history, settings, nullptr);
    const QList<DownloadJobPtr> jobs = makeJobs(urls, request, settings);
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
