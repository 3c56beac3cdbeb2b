// Lines per second through the reader of a run's output (RunOutputReader,
// which hands yt-dlp's own text to ProgressParser::parse), by kind of line:
// the JSON marker lines that carry progress during a download (shaped like those of
// the shipped yt-dlp, ~700 characters), plain "[download]" percentage lines,
// post-processor lines, and lines with nothing to read.
#include "engine/RunOutputReader.h"

#include <QElapsedTimer>
#include <QStringList>

#include <cstdio>
#include <functional>

namespace {

constexpr int kLines = 200'000;
const RunMarkers kMarkers;

QString jsonLine(int i)
{
    const qint64 total = 120'000'000 + i % 977;
    const qint64 done = total / kLines * i;
    return kMarkers.marker(RunMarkers::Kind::progress)
           + QStringLiteral(
               "{\"status\": \"downloading\", \"downloaded_bytes\": %1, \"total_bytes\": %2, "
               "\"tmpfilename\": \"Some title [abc%3].f137.mp4.part\", \"filename\": \"Some title [abc%3].f137.mp4\", "
               "\"eta\": %4, \"speed\": 2202009.6, \"elapsed\": 12.5, \"ctx_id\": null, \"_eta_str\": \"00:%4\", "
               "\"_speed_str\": \"   2.10MiB/s\", \"_percent_str\": \" 45.3%\", \"_total_bytes_str\": \" 114.44MiB\", "
               "\"_total_bytes_estimate_str\": \"       N/A\", \"_downloaded_bytes_str\": \"  51.84MiB\", "
               "\"_elapsed_str\": \"00:00:12\", \"_default_template\": \" 45.3% of  114.44MiB at    2.10MiB/s ETA "
               "00:%4\"}")
        .arg(done)
        .arg(total)
        .arg(i)
        .arg(i % 60, 2, 10, QLatin1Char('0'));
}

QString plainProgressLine(int i)
{
    return QStringLiteral("[download] %1.%2% of  120.50MiB at    2.10MiB/s ETA 00:%3")
        .arg(i % 100, 3)
        .arg(i % 10)
        .arg(i % 60, 2, 10, QLatin1Char('0'));
}

QString postprocessLine(int i)
{
    return i % 2 ? QStringLiteral("[Merger] Merging formats into \"Some title [abc%1].mp4\"").arg(i)
                 : QStringLiteral("Deleting original file Some title [abc%1].f137.mp4 (pass -k to keep)").arg(i);
}

QString otherLine(int i)
{
    return QStringLiteral("[info] abc%1: Downloading 1 format(s): 137+140").arg(i);
}

void measure(const char *kind, const std::function<QString(int)> &make)
{
    QStringList lines;
    lines.reserve(kLines);
    qint64 characters = 0;
    for (int i = 0; i < kLines; ++i) {
        lines.append(make(i));
        characters += lines.last().size();
    }
    for (int round = 1; round <= 3; ++round) {
        int progressEvents = 0;
        RunOutputReader reader(kMarkers, QStringLiteral("/out"), QString());
        QElapsedTimer timer;
        timer.start();
        for (const QString &line : lines)
            progressEvents += reader.read(line, false).event.progress() != nullptr;
        const double seconds = timer.nsecsElapsed() / 1e9;
        std::printf("%-22s round %d: %d lines (avg %lld chars) in %.3f s = %9.0f lines/s (%d progress events)\n",
                    kind, round, kLines, static_cast<long long>(characters / kLines), seconds, kLines / seconds,
                    progressEvents);
    }
}

} // namespace

int main()
{
    measure("JSON marker", jsonLine);
    measure("plain [download]", plainProgressLine);
    measure("post-processor", postprocessLine);
    measure("other (none)", otherLine);
    return 0;
}
