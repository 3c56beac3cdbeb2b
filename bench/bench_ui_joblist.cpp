// The downloads list under load:
//  1. 1,000 links queued from the batch sheet: the longest the GUI thread is
//     held up at once (a ping probe; on a busy machine it includes waiting
//     for a core, so the thread's CPU time is shown too), and when the list
//     has painted;
//  2. 1,000 jobs while short fake downloads start and end two at a time:
//     whether End, the wheel and the scroll bar reach the last row;
//  3. 10,000 jobs added in one addURLs (time until the list has painted,
//     memory per job, scrolling);
//  4. four jobs streaming progress as fast as a fake yt-dlp can print (the
//     GUI thread's busy share).
//
//   build/bench/bench_ui_joblist [seconds of streaming, default 5]

#include "engine/DownloadCoordinator.h"
#include "engine/DownloadQueue.h"
#include "history/HistoryStore.h"
#include "history/PersistenceController.h"
#include "settings/AppConfiguration.h"
#include "settings/AppSettings.h"
#include "settings/AppState.h"
#include "ui/downloads/BatchDownloadSheet.h"
#include "ui/downloads/DownloadsView.h"
#include "ui/jobs/JobListModel.h"
#include "ui/jobs/JobListView.h"
#include "ui/widgets/ThumbnailLoader.h"

#include "DownloadsScreen.h"
#include "GuiProbes.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>

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

// A yt-dlp that answers the metadata request at once. A download then prints
// progress lines: in "stream" mode as fast as it can for BENCH_FAKE_SECONDS;
// in "short" mode (a shell script, so that jobs start and end many times a
// second) forty lines over about 0.1 s, the size unknown for the first half
// so that the row changes shape; then the final path.
void writeFakeTool(const QString &toolsDir)
{
    QDir().mkpath(toolsDir);
    QFile stream(toolsDir + QStringLiteral("/stream.py"));
    stream.open(QIODevice::WriteOnly);
    stream.write(R"(import os, sys, time
total = 500 * 1024 * 1024
end = time.time() + float(os.environ.get("BENCH_FAKE_SECONDS", "5"))
done = 0
while time.time() < end:
    lines = []
    for _ in range(200):
        done = (done + 4096) % total
        lines.append(os.environ["BENCH_MARK"] + '{"status": "downloading", "downloaded_bytes": %d, "total_bytes": %d, '
                     '"filename": "f.mp4", "tmpfilename": "f.mp4.part", "eta": 12, "speed": 1048576.0, '
                     '"_eta_str": "00:12", "_speed_str": "1.00MiB/s", "_percent_str": "%.1f%%"}\n'
                     % (done, total, 100.0 * done / total))
    sys.stdout.write("".join(lines))
    sys.stdout.flush()
print(os.environ["BENCH_MARK"].replace("_JSON__", "_FILEPATH__") + "/nonexistent/f.mp4")
)");
    stream.close();
    QFile script(toolsDir + QStringLiteral("/yt-dlp"));
    script.open(QIODevice::WriteOnly);
    script.write(R"(#!/bin/sh
for last; do :; done
# The run's markers carry the token of its --progress-template.
for a in "$@"; do case "$a" in download:__KV_*_JSON__*) token=${a#download:__KV_}; token=${token%%_JSON__*};; esac; done
export BENCH_MARK="__KV_${token}_JSON__"
case " $* " in
*" -J "*)
    printf '{"id": "f", "title": "Fake clip %s", "webpage_url": "%s", "extractor": "generic", "duration": 61}\n' "$last" "$last"
    exit 0 ;;
esac
if [ "$BENCH_FAKE_MODE" != short ]; then
    exec python3 "$(dirname "$0")/stream.py"
fi
i=1
while [ $i -le 40 ]; do
    size=""
    [ $i -gt 20 ] && size='"total_bytes": 524288000, '
    printf '%s{"status": "downloading", "downloaded_bytes": %d, %s"_eta_str": "00:12", "_speed_str": "1.00MiB/s"}\n' "$BENCH_MARK" $((i * 4096)) "$size"
    [ $((i % 10)) -eq 0 ] && sleep 0.02
    i=$((i + 1))
done
echo "__KV_${token}_FILEPATH__/nonexistent/f.mp4"
)");
    script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
}

QString links(int count, const QString &host)
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << QStringLiteral("https://%1/watch?v=%2").arg(host).arg(i);
    return lines.join(QLatin1Char('\n'));
}

void batchSheetSection(const QTemporaryDir &dir)
{
    Screen screen(dir, QStringLiteral("batch"));
    screen.coordinator->queue().setMaxConcurrent(0);
    screen.view->findChild<QPushButton *>(QStringLiteral("batchButton"))->click();
    auto *sheet = screen.view->findChild<BatchDownloadSheet *>();
    QCoreApplication::processEvents();

    PingProbe probe;
    probe.start();
    sheet->findChild<QPlainTextEdit *>(QStringLiteral("batchTextView"))->setPlainText(links(1000, QStringLiteral("media.example")));
    spin(200);
    const double pasteMs = probe.stopLongestMs();

    const int paintsBefore = screen.meter.paints;
    QElapsedTimer timer;
    probe.start();
    timer.start();
    const double cpuBefore = threadCpuSeconds();
    sheet->findChild<QPushButton *>(QStringLiteral("batchAddButton"))->click();
    while (screen.meter.paints == paintsBefore && timer.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    const qint64 paintedNs = timer.nsecsElapsed();
    const double cpuMs = (threadCpuSeconds() - cpuBefore) * 1000;
    spin(500);
    const double addMs = probe.stopLongestMs();
    std::printf("1,000 links from the batch sheet\n");
    std::printf("  longest GUI stall, paste    %8.1f ms\n", pasteMs);
    std::printf("  longest GUI stall, add      %8.1f ms\n", addMs);
    std::printf("  list painted after          %8.1f ms\n", paintedNs / 1e6);
    std::printf("  GUI thread CPU until then   %8.1f ms\n", cpuMs);
}

// Whether the list's last row is inside the viewport.
bool lastRowShown(JobListView *list)
{
    const QModelIndex last = list->model()->index(list->model()->rowCount() - 1, 0);
    return list->viewport()->rect().intersects(list->visualRect(last));
}

void reachSection(const QTemporaryDir &dir)
{
    qputenv("BENCH_FAKE_MODE", "short");
    Screen screen(dir, QStringLiteral("reach"));
    JobListView *list = screen.list();
    screen.coordinator->queue().setMaxConcurrent(0);
    screen.coordinator->addURLs(links(1000, QStringLiteral("reach.example")));
    spin(300);
    screen.coordinator->queue().setMaxConcurrent(2);
    screen.coordinator->queue().pump();
    spin(1000);

    std::printf("1,000 jobs, two short downloads at a time\n");
    const auto attempt = [&](const char *name, const std::function<void()> &scroll) {
        list->scrollToTop();
        spin(100);
        const int ended = [&] {
            int count = 0;
            for (const auto &job : screen.coordinator->queue().jobs())
                count += DownloadStatuses::isTerminal(job->status()) ? 1 : 0;
            return count;
        }();
        QElapsedTimer timer;
        timer.start();
        bool reached = false;
        while (!reached && timer.elapsed() < 3000) {
            scroll();
            spin(20);
            reached = lastRowShown(list);
        }
        const QScrollBar *bar = list->verticalScrollBar();
        std::printf("  %-12s last row %s after %5lld ms (scroll bar %d of %d; %d jobs ended)\n", name,
                    reached ? "shown" : "NOT shown", static_cast<long long>(timer.elapsed()), bar->value(),
                    bar->maximum(), ended);
    };
    attempt("End key", [&] {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_End, Qt::NoModifier);
        QCoreApplication::sendEvent(list, &press);
    });
    attempt("wheel", [&] {
        const QPoint centre = list->viewport()->rect().center();
        for (int i = 0; i < 50; ++i) {
            QWheelEvent wheel(centre, list->viewport()->mapToGlobal(centre), QPoint(), QPoint(0, -120 * 10),
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(list->viewport(), &wheel);
        }
    });
    attempt("scroll bar", [&] { list->verticalScrollBar()->setValue(list->verticalScrollBar()->maximum()); });
}

void manyJobsSection(const QTemporaryDir &dir, int streamSeconds)
{
    qputenv("BENCH_FAKE_MODE", "stream");
    // Streams long enough for the slowest start; the jobs are cancelled after.
    qputenv("BENCH_FAKE_SECONDS", QByteArray::number(streamSeconds + 60));
    Screen screen(dir, QStringLiteral("many"));
    DownloadCoordinator &coordinator = *screen.coordinator;
    JobListView *list = screen.list();
    PaintMeter &meter = screen.meter;

    // Ten thousand links in one addURLs, none started.
    coordinator.queue().setMaxConcurrent(0);
    const QString text = links(kJobs, QStringLiteral("media.example"));
    const qint64 rssBefore = residentBytes();
    const int paintsBefore = meter.paints;
    QElapsedTimer timer;
    timer.start();
    coordinator.addURLs(text);
    const qint64 addedNs = timer.nsecsElapsed();
    while (meter.paints == paintsBefore)
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

    // Four jobs streaming progress at once, with the 10,000 rows in place.
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
        return;
    }
    // Let the streams settle, then measure over the middle of the run.
    spin(500);
    const int streamPaintsBefore = meter.paints;
    const qint64 paintNsBefore = meter.paintNanoseconds;
    const qint64 updatesBefore = byteUpdates;
    const qint64 reportsBefore = reports;
    const double cpuBefore = threadCpuSeconds();
    timer.restart();
    spin((streamSeconds - 1) * 1000);
    const double wall = timer.nsecsElapsed() / 1e9;
    const double cpu = threadCpuSeconds() - cpuBefore;
    const double paintSeconds = (meter.paintNanoseconds - paintNsBefore) / 1e9;
    std::printf("four jobs streaming progress (%.1f s measured)\n", wall);
    std::printf("  progress updates applied    %8.0f per second (all four jobs)\n", (byteUpdates - updatesBefore) / wall);
    std::printf("  row changes reported        %8.1f per second\n", (reports - reportsBefore) / wall);
    std::printf("  list repaints               %8.1f per second\n", (meter.paints - streamPaintsBefore) / wall);
    std::printf("  GUI thread busy             %8.1f %% of the time\n", 100.0 * cpu / wall);
    std::printf("    of which painting the list%8.1f %%\n", 100.0 * paintSeconds / wall);
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
    writeFakeTool(resources + QStringLiteral("/Tools"));
    AppConfiguration::ScopedResourcesDirectory scope(resources);

    batchSheetSection(dir);
    reachSection(dir);
    manyJobsSection(dir, streamSeconds);
    return 0;
}
