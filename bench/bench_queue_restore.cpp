// Start-up with a kept queue: the time from the making of the application's
// objects (history, settings, coordinator, queue persistence, window) to the
// window painted with the restored list, for 10,000 kept jobs next to none.
// The first two jobs start, as they would (a fake yt-dlp keeps them busy).
//
//   QT_QPA_PLATFORM=offscreen build/bench/bench_queue_restore [jobs, default 10000] [runs, default 5]

#include "engine/DownloadCoordinator.h"
#include "engine/DownloadQueue.h"
#include "engine/QueueEntry.h"
#include "engine/QueuePersistence.h"
#include "history/HistoryStore.h"
#include "history/PersistenceController.h"
#include "history/QueueStore.h"
#include "settings/AppConfiguration.h"
#include "settings/AppSettings.h"
#include "settings/AppState.h"
#include "ui/jobs/JobListModel.h"
#include "ui/jobs/JobListView.h"
#include "ui/shell/MainWindow.h"
#include "ui/shell/ShutdownController.h"
#include "ui/widgets/ThumbnailLoader.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

// Notes the first paint of `target` once `ready` holds, and the moment that
// paint has ended.
class PaintWatch : public QObject
{
public:
    PaintWatch(QWidget *target, std::function<bool()> ready) : m_ready(std::move(ready))
    {
        target->installEventFilter(this);
    }
    bool painted() const { return m_painted; }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen && m_ready()) {
            m_seen = true;
            QTimer::singleShot(0, this, [this] { m_painted = true; });
        }
        return false;
    }

private:
    std::function<bool()> m_ready;
    bool m_seen = false;
    bool m_painted = false;
};

// A data folder whose queue holds `count` jobs waiting, as a session that
// queued them and quit left it.
void fill(const QTemporaryDir &dir, int count)
{
    const QString path = dir.filePath(QStringLiteral("history.sqlite"));
    { PersistenceController prepared(path); }
    const auto store = QueueStore::open(path);
    QList<QueuedJobRow> rows;
    rows.reserve(count);
    for (int i = 0; i < count; ++i) {
        const DownloadJobPtr job = DownloadJob::create(QStringLiteral("https://media.example/watch?v=%1").arg(i),
                                                       MediaKind::video, VideoQuality::p1080, AudioFormat::best,
                                                       SubtitleMode::none, QStringLiteral("en"));
        if (i % 2) {
            MediaMetadata metadata;
            metadata.id = QString::number(i);
            metadata.title = QStringLiteral("A clip with a title of some length, number %1").arg(i);
            metadata.webpageUrl = job->url();
            metadata.uploader = QStringLiteral("Uploader");
            metadata.thumbnail = QStringLiteral("https://media.example/t/%1.jpg").arg(i);
            job->setMetadata(metadata);
        }
        rows.append(QueueEntry::of(*job).toRow(i + 1));
    }
    store->write(rows, {});
}

// One start over the folder: milliseconds until the window has painted the
// list of `count` jobs (or, without jobs, itself).
double start(const QTemporaryDir &dir, int count)
{
    QElapsedTimer clock;
    clock.start();
    PersistenceController persistence(dir.filePath(QStringLiteral("history.sqlite")));
    HistoryStore history(persistence.context());
    AppSettings settings(dir.filePath(QStringLiteral("settings.json")));
    DownloadCoordinator coordinator(history, settings, nullptr);
    QueuePersistence queuePersistence(coordinator.queue(), persistence.databasePath());
    AppState state(coordinator, history, settings);
    state.setQueuePersistence(&queuePersistence);
    ShutdownController shutdown(coordinator);
    ThumbnailLoader thumbnails;
    MainWindow window(state, shutdown, thumbnails);
    auto *list = window.findChild<JobListView *>(QStringLiteral("jobList"));
    PaintWatch watch(count > 0 ? list->viewport() : static_cast<QWidget *>(&window),
                     [&] { return list->jobModel()->rowCount() == count; });
    window.show();
    while (!watch.painted())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const double ms = clock.nsecsElapsed() / 1e6;
    if (queuePersistence.restoredJobIds().size() != count)
        std::printf("restored %lld of %d\n", qlonglong(queuePersistence.restoredJobIds().size()), count);
    return ms;
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int jobs = argc > 1 ? std::max(1, atoi(argv[1])) : 10000;
    const int runs = argc > 2 ? std::max(1, atoi(argv[2])) : 5;

    QTemporaryDir tools;
    QDir(tools.path()).mkpath(QStringLiteral("Tools"));
    QFile script(tools.filePath(QStringLiteral("Tools/yt-dlp")));
    script.open(QIODevice::WriteOnly);
    script.write("#!/bin/sh\nexec sleep 60\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    AppConfiguration::ScopedResourcesDirectory resources(tools.path());

    QList<double> without;
    QList<double> with;
    for (int run = 0; run < runs; ++run) {
        for (const int count : {0, jobs}) {
            QTemporaryDir dir;
            AppSettings(dir.filePath(QStringLiteral("settings.json"))).setLegalAccepted(true);
            fill(dir, count);
            const double ms = start(dir, count);
            (count ? with : without).append(ms);
            std::printf("run %d, %5d kept jobs: window painted with the list after %.1f ms\n", run + 1, count, ms);
        }
    }
    std::printf("median of %d runs: %.1f ms without kept jobs, %.1f ms with %d (%.1f ms more)\n", runs,
                median(without), median(with), jobs, median(with) - median(without));
    return 0;
}
