// The downloads list under load: 10,000 jobs added in one addURLs (time until
// the list has painted, memory per job, scrolling), then four jobs streaming
// progress as fast as a fake yt-dlp can print (the GUI thread's busy share).
//
//   build/bench/bench_ui_joblist [seconds of streaming, default 5]

#include "engine/DownloadCoordinator.h"
#include "engine/DownloadQueue.h"
#include "history/HistoryStore.h"
#include "history/PersistenceController.h"
#include "settings/AppConfiguration.h"
#include "settings/AppSettings.h"
#include "settings/AppState.h"
#include "ui/downloads/DownloadsView.h"
#include "ui/jobs/JobListModel.h"
#include "ui/jobs/JobListView.h"
#include "ui/widgets/ThumbnailLoader.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

constexpr int kJobs = 10000;

qint64 residentBytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong() * 1024;
    }
    return 0;
}

double threadCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

// Counts and times the list's paints.
class PaintMeter : public QObject
{
public:
    int paints = 0;
    qint64 paintNanoseconds = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Paint)
            return false;
        QElapsedTimer timer;
        timer.start();
        static_cast<QWidget *>(watched)->removeEventFilter(this);
        QCoreApplication::sendEvent(watched, event);
        watched->installEventFilter(this);
        paintNanoseconds += timer.nsecsElapsed();
        ++paints;
        return true;
    }
};

// A yt-dlp that answers the metadata request at once and then prints progress
// lines as fast as it can for `seconds`, with no pause between them.
void writeFakeTool(const QString &toolsDir, int seconds)
{
    QDir().mkpath(toolsDir);
    QFile script(toolsDir + QStringLiteral("/yt-dlp"));
    script.open(QIODevice::WriteOnly);
    script.write(QStringLiteral(R"(#!/usr/bin/env python3
import json, sys, time
url = sys.argv[-1]
description = {"id": "f", "title": "Fake clip " + url, "webpage_url": url, "extractor": "generic",
               "thumbnail": "http://127.0.0.1:9/none.jpg", "duration": 61}
if "-J" in sys.argv:
    print(json.dumps(description))
    sys.exit(0)
# As yt-dlp, the description goes where "-o infojson:<target>" says, announced.
for option, value in zip(sys.argv, sys.argv[1:]):
    if option == "-o" and value.startswith("infojson:"):
        info = value[len("infojson:"):] + ".info.json"
        with open(info, "w") as file:
            json.dump(description, file)
        print("__KV_INFOJSON__" + info, flush=True)
total = 500 * 1024 * 1024
end = time.time() + %1
done = 0
out = sys.stdout
while time.time() < end:
    lines = []
    for _ in range(200):
        done = (done + 4096) % total
        lines.append('__KVJSON__{"status": "downloading", "downloaded_bytes": %d, "total_bytes": %d, '
                     '"filename": "f.mp4", "tmpfilename": "f.mp4.part", "eta": 12, "speed": 1048576.0, '
                     '"_eta_str": "00:12", "_speed_str": "1.00MiB/s", "_percent_str": "%.1f%%"}\n'
                     % (done, total, 100.0 * done / total))
    out.write("".join(lines))
    out.flush()
print("__KV_FILEPATH__/nonexistent/f.mp4")
)").arg(seconds).toUtf8());
    script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int streamSeconds = argc > 1 ? std::max(2, atoi(argv[1])) : 5;

    QTemporaryDir dir;
    // The runs' descriptions go into a cache folder of the bench's own.
    qputenv("XDG_CACHE_HOME", dir.filePath(QStringLiteral("cache")).toUtf8());
    const QString resources = dir.filePath(QStringLiteral("share/tarvelle"));
    writeFakeTool(resources + QStringLiteral("/Tools"), streamSeconds + 2);
    AppConfiguration::ScopedResourcesDirectory scope(resources);

    PersistenceController persistence(dir.filePath(QStringLiteral("history.sqlite")));
    HistoryStore history(persistence.context());
    AppSettings settings(dir.filePath(QStringLiteral("settings.json")));
    settings.setDefaultOutputDirectory(dir.filePath(QStringLiteral("out")));
    settings.setKeepFailedTasks(true);
    DownloadCoordinator coordinator(history, settings, nullptr);
    AppState state(coordinator, history, settings);
    ThumbnailLoader thumbnails;

    DownloadsView view(state, thumbnails);
    view.resize(1100, 800);
    view.show();
    QCoreApplication::processEvents();
    JobListView *list = view.jobList();
    PaintMeter meter;
    list->viewport()->installEventFilter(&meter);

    // 1. Ten thousand links in one addURLs, none started.
    coordinator.queue().setMaxConcurrent(0);
    QStringList links;
    for (int i = 0; i < kJobs; ++i)
        links << QStringLiteral("https://media.example/watch?v=%1").arg(i);
    const QString text = links.join(QLatin1Char('\n'));
    const qint64 rssBefore = residentBytes();
    QElapsedTimer timer;
    timer.start();
    coordinator.addURLs(text);
    const qint64 addedNs = timer.nsecsElapsed();
    while (meter.paints == 0)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    const qint64 paintedNs = timer.nsecsElapsed();
    const qint64 rssAfter = residentBytes();
    std::printf("10,000 jobs in one addURLs\n");
    std::printf("  addURLs returned after      %8.1f ms\n", addedNs / 1e6);
    std::printf("  list painted after          %8.1f ms\n", paintedNs / 1e6);
    std::printf("  memory per job (RSS)        %8.0f bytes\n", double(rssAfter - rssBefore) / kJobs);

    // Scrolling through the whole list, one page per frame.
    QScrollBar *bar = list->verticalScrollBar();
    QList<qint64> frames;
    for (int value = 0; value <= bar->maximum(); value += list->viewport()->height()) {
        bar->setValue(value);
        timer.restart();
        list->viewport()->repaint();
        frames << timer.nsecsElapsed();
    }
    std::sort(frames.begin(), frames.end());
    if (!frames.isEmpty()) {
        std::printf("  scrolling: %lld pages, median %.2f ms, slowest %.2f ms per page\n",
                    static_cast<long long>(frames.size()), frames.at(frames.size() / 2) / 1e6, frames.last() / 1e6);
    }

    // 2. Four jobs streaming progress at once, with the 10,000 rows in place.
    // The running rows are brought into view, so the list paints them.
    for (const auto &job : coordinator.queue().jobs())
        job->setStatus(DownloadStatus::cancelled);
    coordinator.addURLs(QStringLiteral("https://a.example/1\nhttps://a.example/2\nhttps://a.example/3\nhttps://a.example/4"));
    list->doItemsLayout();
    list->scrollToBottom();
    qint64 byteUpdates = 0;
    qint64 reports = 0;
    QObject::connect(list->jobModel(), &JobListModel::changesReported, [&reports] { ++reports; });
    for (int i = kJobs; i < kJobs + 4; ++i) {
        QObject::connect(coordinator.queue().jobs().at(i).get(), &DownloadJob::downloadedBytesChanged,
                         [&byteUpdates] { ++byteUpdates; });
    }
    coordinator.queue().setMaxConcurrent(4);
    coordinator.queue().pump();
    const auto downloading = [&] {
        int count = 0;
        for (int i = kJobs; i < kJobs + 4; ++i)
            count += coordinator.queue().jobs().at(i)->status() == DownloadStatus::downloading ? 1 : 0;
        return count;
    };
    timer.restart();
    while (downloading() < 4 && timer.elapsed() < 20000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    if (downloading() < 4) {
        std::printf("the four fake downloads did not start\n");
        return 1;
    }
    // Let the streams settle, then measure over the middle of the run.
    timer.restart();
    while (timer.elapsed() < 500)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    const int paintsBefore = meter.paints;
    const qint64 paintNsBefore = meter.paintNanoseconds;
    const qint64 updatesBefore = byteUpdates;
    const qint64 reportsBefore = reports;
    const double cpuBefore = threadCpuSeconds();
    timer.restart();
    const qint64 windowMs = (streamSeconds - 1) * 1000;
    while (timer.elapsed() < windowMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    const double wall = timer.nsecsElapsed() / 1e9;
    const double cpu = threadCpuSeconds() - cpuBefore;
    const double paintSeconds = (meter.paintNanoseconds - paintNsBefore) / 1e9;
    std::printf("four jobs streaming progress (%.1f s measured)\n", wall);
    std::printf("  progress updates applied    %8.0f per second (all four jobs)\n", (byteUpdates - updatesBefore) / wall);
    std::printf("  row changes reported        %8.1f per second\n", (reports - reportsBefore) / wall);
    std::printf("  list repaints               %8.1f per second\n", (meter.paints - paintsBefore) / wall);
    std::printf("  GUI thread busy             %8.1f %% of the time\n", 100.0 * cpu / wall);
    std::printf("    of which painting the list%8.1f %%\n", 100.0 * paintSeconds / wall);

    coordinator.cancelAll();
    timer.restart();
    while (coordinator.runningCount() > 0 && timer.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return 0;
}
