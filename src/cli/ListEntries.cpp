#include "cli/ListEntries.h"

#include "analysis/ListItemRange.h"
#include "analysis/YTDLPClient.h"
#include "cli/ExitCode.h"
#include "cli/SignalWatcher.h"
#include "cli/Terminal.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <numeric>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("ListEntries", text);
}

void say(const QString &sentence)
{
    Terminal::err(sentence + QLatin1Char('\n'));
}

// The entries --items names, or all of them; the exit code when it names
// none the list has.
std::variant<QList<DownloadJobPtr>, int> chosen(const MediaList &list, const DownloadRequest &request,
                                                const ListJobs::Options &options)
{
    const int count = static_cast<int>(list.entries.size());
    QList<int> indices(count);
    std::iota(indices.begin(), indices.end(), 1);
    if (request.items) {
        const Checked<QList<int>> range = ListItemRange::parse(*request.items, count);
        if (!range) {
            say(QStringLiteral("--items: ") + range.error());
            return ExitCode::usage;
        }
        indices = range.value();
    }
    return ListJobs::create(list, indices, options);
}

} // namespace

namespace ListEntries {

std::variant<QList<DownloadJobPtr>, int> jobs(const DownloadRequest &request, const ListJobs::Options &options,
                                              const AppSettings &settings, SignalWatcher &watcher)
{
    // yt-dlp runs in a process group of its own, out of reach of the
    // terminal's Ctrl+C: the signal must stop it from here.
    AnalysisCancelToken cancel;
    bool interrupted = false;
    const QMetaObject::Connection stop = QObject::connect(&watcher, &SignalWatcher::interrupted, [&] {
        interrupted = true;
        cancel.cancel();
    });

    QEventLoop loop;
    bool ended = false;
    std::variant<QList<DownloadJobPtr>, int> outcome = ExitCode::failure;
    const YTDLPClient client(settings);
    client.analyze(request.urls.first(), options.advanced, cancel, YTDLPClient::KeepInfo::no, YTDLPClient::Scope::list)
        .then(&loop, [&](const AnalyzeResult &result) {
            if (interrupted) {
                outcome = ExitCode::interrupted;
            } else if (result.hasList()) {
                outcome = chosen(result.list(), request, options);
            } else if (result.hasMetadata()) {
                say(tr("This link is a single video, not a list: leave out --playlist to download it."));
                outcome = ExitCode::usage;
            } else {
                say(QCoreApplication::translate("DownloadErrorCategory", result.message()));
            }
            ended = true;
            loop.quit();
        });
    // A failure found before any process starts has already been handled.
    if (!ended)
        loop.exec();
    QObject::disconnect(stop);
    return outcome;
}

} // namespace ListEntries
