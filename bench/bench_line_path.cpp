// Throughput of the download line path: a fake yt-dlp prints 500,000 progress
// lines as fast as it can; the coordinator hands them to the GUI thread,
// logs, parses and applies them. Reports lines per second applied to the job
// and the GUI thread's busy share (its CPU time over the wall time), and
// checks that the job ends exactly as if the lines were applied one by one.
//
//   bench_line_path               the coordinator alone
//   bench_line_path --keep-queue  with the queue kept across restarts, as the
//                                 window runs it (QueuePersistence)
#include "engine/DownloadCoordinator.h"
#include "engine/DownloadQueue.h"
#include "engine/QueuePersistence.h"
#include "engine/RunOutputReader.h"
#include "history/HistoryStore.h"
#include "history/PersistenceController.h"
#include "settings/AppConfiguration.h"
#include "settings/AppSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <ctime>
#include <memory>

namespace {

constexpr int kLines = 500'000;
// The lines file's markers carry this token; the fake tool gives them the
// run's own as it prints them.
const RunMarkers kPlaceholder(QStringLiteral("0000"));

double threadCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec + now.tv_nsec / 1e9;
}

void writeFile(const QString &path, const QByteArray &bytes, bool executable = false)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(bytes);
    file.close();
    if (executable)
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    // The run's description goes into a cache folder of the bench's own.
    qputenv("XDG_CACHE_HOME", dir.filePath("cache").toUtf8());
    QDir(dir.path()).mkpath("Tools");

    QByteArray lines;
    for (int i = 1; i <= kLines; ++i) {
        lines += kPlaceholder.marker(RunMarkers::Kind::progress).toUtf8()
                 + "{\"status\": \"downloading\", \"downloaded_bytes\": " + QByteArray::number(i)
                 + ", \"total_bytes\": " + QByteArray::number(kLines)
                 + ", \"_speed_str\": \"2.10MiB/s\", \"_eta_str\": \"00:12\", \"filename\": \"Clip [abc123].mp4\"}\n";
    }
    writeFile(dir.filePath("lines.txt"), lines);
    // As yt-dlp, it writes the description where "-o infojson:<target>" says
    // and announces it before the progress lines, marked with the run's token.
    writeFile(dir.filePath("Tools/yt-dlp"),
              "#!/bin/sh\nprevious=\nfor a in \"$@\"; do\n"
              "  if [ \"$previous\" = -o ]; then case \"$a\" in infojson:*) info=\"${a#infojson:}.info.json\";; esac; fi\n"
              "  case \"$a\" in download:__KV_*_JSON__*) token=${a#download:__KV_}; token=${token%%_JSON__*};; esac\n"
              "  previous=$a\ndone\n"
              "echo '{\"id\": \"abc123\", \"title\": \"Clip\"}' > \"$info\"\necho \"__KV_${token}_INFOJSON__$info\"\n"
              "sed \"s/^__KV_" + kPlaceholder.token().toUtf8() + "_/__KV_${token}_/\" '"
                  + dir.filePath("lines.txt").toUtf8() + "'\n",
              true);

    AppConfiguration::ScopedResourcesDirectory resources(dir.path());
    AppSettings settings(dir.filePath("settings.json"));
    settings.setDefaultOutputDirectory(dir.filePath("out"));
    PersistenceController persistence(dir.filePath("history.sqlite"));
    HistoryStore history(persistence.context());
    DownloadCoordinator coordinator(history, settings, nullptr);
    const bool keepQueue = app.arguments().contains(QStringLiteral("--keep-queue"));
    std::unique_ptr<QueuePersistence> queuePersistence;
    if (keepQueue) {
        queuePersistence = std::make_unique<QueuePersistence>(coordinator.queue(), persistence.databasePath());
        while (!queuePersistence->hasRestored())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }

    bool done = false;
    QObject::connect(&coordinator, &DownloadCoordinator::jobFinished, [&] { done = true; });
    qint64 linesApplied = 0;
    coordinator.addURLs("https://media.test/v");
    const DownloadJobPtr job = coordinator.queue().jobs().first();
    QObject::connect(job.get(), &DownloadJob::downloadedBytesChanged, [&] { ++linesApplied; });

    QElapsedTimer wall;
    wall.start();
    const double cpuStart = threadCpuSeconds();
    while (!done)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const double seconds = wall.nsecsElapsed() / 1e9;
    const double busy = threadCpuSeconds() - cpuStart;

    auto reference = DownloadJob::create("https://media.test/v", MediaKind::video, VideoQuality::best,
                                         AudioFormat::best, SubtitleMode::none, QString());
    reference->setStatus(DownloadStatus::downloading);
    RunOutputReader referenceReader(kPlaceholder, dir.filePath("out"), QString());
    for (const QByteArray &line : lines.split('\n')) {
        if (!line.isEmpty())
        {
            const OutputLine read = referenceReader.read(QString::fromUtf8(line), false);
            DownloadCoordinator::handleLine(*reference, read.text, read.event);
        }
    }
    const bool same = job->downloadedBytes() == reference->downloadedBytes() && job->progress() == reference->progress()
                      && job->speed() == reference->speed() && job->eta() == reference->eta()
                      && job->stage() == reference->stage() && job->logLines() == reference->logLines();

    std::printf("%s: %d lines in %.3f s (process start and description included): %.0f lines/s applied; "
                "GUI thread busy %.3f s = %.0f%% of the wall time, %.2f us per line; status %s; "
                "fields equal to one-by-one: %s\n",
                keepQueue ? "queue kept" : "queue in memory", kLines, seconds, linesApplied / seconds, busy,
                100.0 * busy / seconds, 1e6 * busy / kLines,
                qPrintable(DownloadStatuses::rawValue(job->status())), same ? "yes" : "NO");
    return same ? 0 : 1;
}
