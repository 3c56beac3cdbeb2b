// Time MetadataParser::parse over a yt-dlp-sized document (~2 MB: hundreds of
// formats with long signed links, ~150 automatic-caption languages with six
// caption formats each), next to Python's json.load of the same file (the
// reader yt-dlp itself is built on): once as whole runs of python3 with the
// run of `python3 -c pass` subtracted (what is left includes importing json and
// opening the file), once timed inside one interpreter. Then one parse of a
// 20 MB document, which should take well under 10 s.
//
//   build/bench/bench_metadata_parse [ITERATIONS]
#include "analysis/MetadataParser.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kFormats = 600;
constexpr int kCaptionLanguages = 150;

QByteArray link(int seed, int length)
{
    QByteArray s = "https://rr" + QByteArray::number(seed % 9) + "---sn-example.googlevideo.com/videoplayback?expire=1700000000&ei=";
    quint32 state = quint32(seed) * 2654435761u + 1;
    static const char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";
    while (s.size() < length) {
        state = state * 1103515245u + 12345u;
        s += alphabet[(state >> 16) % 64];
    }
    return s;
}

QByteArray document(int formatCount)
{
    QByteArray d = "{\"id\": \"dQw4w9WgXcQ\", \"title\": \"A benchmark video \\u266b with a long title\", "
                   "\"uploader\": \"Uploader\", \"channel\": \"Channel\", \"duration\": 3725.0, "
                   "\"webpage_url\": \"https://www.youtube.com/watch?v=dQw4w9WgXcQ\", "
                   "\"extractor\": \"youtube\", \"extractor_key\": \"Youtube\", "
                   "\"description\": \"" + QByteArray(4000, 'd') + "\", \"thumbnails\": [";
    for (int i = 0; i < 40; ++i)
        d += (i ? ", " : "") + QByteArray("{\"url\": \"https://i.ytimg.com/vi/x/") + QByteArray::number(i)
            + ".jpg\", \"preference\": -" + QByteArray::number(i) + ", \"id\": \"" + QByteArray::number(i) + "\"}";
    d += "], \"formats\": [";
    const char *codecs[][2] = {{"avc1.640028", "none"}, {"vp09.00.40.08", "none"}, {"none", "opus"},
                               {"none", "mp4a.40.2"}, {"av01.0.08M.08", "none"}};
    const int heights[] = {144, 240, 360, 480, 720, 1080, 1440, 2160};
    for (int i = 0; i < formatCount; ++i) {
        const auto *c = codecs[i % 5];
        const bool audio = QByteArray(c[0]) == "none";
        d += (i ? ", " : "") + QByteArray("{\"format_id\": \"") + QByteArray::number(100 + i)
            + "\", \"format_note\": \"" + (audio ? QByteArray("medium") : QByteArray::number(heights[i % 8]) + "p")
            + "\", \"ext\": \"" + (i % 2 ? "webm" : "mp4") + "\", \"protocol\": \"https\", "
            + "\"vcodec\": \"" + c[0] + "\", \"acodec\": \"" + c[1] + "\", "
            + (audio ? QByteArray("\"height\": null, \"width\": null, \"fps\": null, ")
                     : "\"height\": " + QByteArray::number(heights[i % 8]) + ", \"width\": "
                           + QByteArray::number(heights[i % 8] * 16 / 9) + ", \"fps\": 29.97, ")
            + "\"filesize\": " + (i % 7 ? QByteArray::number(1000000LL * i + 12345) : QByteArray("null"))
            + ", \"filesize_approx\": " + QByteArray::number(1000000LL * i)
            + ", \"tbr\": 123.456, \"quality\": " + QByteArray::number(i % 10)
            + ", \"url\": \"" + link(i, 2000) + "\", \"http_headers\": {\"User-Agent\": \"Mozilla/5.0\", "
            + "\"Accept\": \"text/html\"}, \"downloader_options\": {\"http_chunk_size\": 10485760}}";
    }
    d += "], \"subtitles\": {\"en\": [{\"ext\": \"vtt\", \"url\": \"" + link(1, 300) + "\"}]}, "
         "\"automatic_captions\": {";
    const char *captionExts[] = {"json3", "srv1", "srv2", "srv3", "ttml", "vtt"};
    for (int l = 0; l < kCaptionLanguages; ++l) {
        const QByteArray code = QByteArray(1, char('a' + l % 26)) + char('a' + (l / 26) % 26)
            + (l % 3 ? "" : "-orig");
        d += (l ? ", " : "") + QByteArray("\"") + code + "\": [";
        for (int e = 0; e < 6; ++e)
            d += (e ? ", " : "") + QByteArray("{\"ext\": \"") + captionExts[e] + "\", \"url\": \""
                + link(l * 6 + e, 560) + "&lang=" + code + "\", \"name\": \"Language " + code + "\"}";
        d += "]";
    }
    d += "}}";
    return d;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

std::vector<double> timeRuns(int runs, const std::function<void()> &work)
{
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        ms.push_back(timer.nsecsElapsed() / 1e6);
    }
    return ms;
}

QString g_python = QStringLiteral("python3");

QByteArray runPython(const QStringList &arguments)
{
    QProcess python;
    python.start(g_python, arguments);
    if (!python.waitForFinished(-1) || python.exitCode() != 0) {
        std::fprintf(stderr, "python3 failed: %s\n", python.readAllStandardError().constData());
        std::exit(1);
    }
    return python.readAllStandardOutput();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int iterations = argc > 1 ? std::max(1, atoi(argv[1])) : 30;

    const QByteArray json = document(kFormats);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("metadata.json"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(json) != json.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return 1;
    }
    file.close();

    // Sanity: the document is what it claims to be.
    const MetadataParseResult check = MetadataParser::parse(json);
    if (!check || check->formats.size() != kFormats || check->automaticCaptions.size() != kCaptionLanguages) {
        std::fprintf(stderr, "benchmark document did not parse as expected\n");
        return 1;
    }
    std::printf("document: %.2f MB, %d formats, %d caption languages\n", json.size() / 1e6, kFormats,
                kCaptionLanguages);

    timeRuns(3, [&] { MetadataParser::parse(json); }); // warm-up
    const double parse = median(timeRuns(iterations, [&] { MetadataParser::parse(json); }));
    const double readerOnly = median(timeRuns(iterations, [&] { QJsonDocument::fromJson(json); }));

    // "python3" may be a launcher script (pyenv's shim takes ~200 ms), whose
    // start-up noise would swamp a few milliseconds of parsing: time the
    // interpreter it resolves to.
    g_python = QString::fromUtf8(runPython({"-c", "import sys; print(sys.executable)"}).trimmed());
    std::printf("python: %s\n", qPrintable(g_python));
    const int pythonRuns = std::max(15, iterations);
    const QString script = QStringLiteral("import json,sys; json.load(open(sys.argv[1]))");
    runPython({"-c", "pass"}); // warm the page cache
    // Alternate the two runs so that both see the same machine load.
    std::vector<double> loadRuns, startupRuns;
    for (int i = 0; i < pythonRuns; ++i) {
        loadRuns.push_back(timeRuns(1, [&] { runPython({"-c", script, path}); })[0]);
        startupRuns.push_back(timeRuns(1, [&] { runPython({"-c", "pass"}); })[0]);
    }
    const double pythonLoad = median(loadRuns);
    const double pythonStartup = median(startupRuns);
    const double pythonJson = pythonLoad - pythonStartup;

    std::printf("MetadataParser::parse       median %8.2f ms  (%6.1f MB/s, %d runs)\n", parse,
                json.size() / 1e3 / parse, iterations);
    std::printf("  of which QJsonDocument    median %8.2f ms\n", readerOnly);
    std::printf("python3 json.load           median %8.2f ms  (%6.1f MB/s; %.2f ms run - %.2f ms start-up, %d runs)\n",
                pythonJson, json.size() / 1e3 / pythonJson, pythonLoad, pythonStartup, pythonRuns);
    // The same load timed inside one interpreter, free of start-up noise.
    const QString inner = QStringLiteral(
        "import json,sys,time,statistics\n"
        "t=[]\n"
        "for _ in range(%1):\n"
        "    s=time.perf_counter(); json.load(open(sys.argv[1])); t.append(time.perf_counter()-s)\n"
        "print(statistics.median(t)*1000)").arg(iterations);
    const double pythonInner = runPython({"-c", inner, path}).trimmed().toDouble();
    std::printf("python3 json.load in-process median %8.2f ms  (%6.1f MB/s, %d runs)\n", pythonInner,
                json.size() / 1e3 / pythonInner, iterations);
    std::printf("ratio parse / json.load     %.2f (start-up subtracted), %.2f (in-process)\n",
                parse / pythonJson, parse / pythonInner);

    // About 20 MB, far beyond any real page: fourteen times the formats.
    const QByteArray huge = document(kFormats * 14);
    const double hugeParse = median(timeRuns(3, [&] { MetadataParser::parse(huge); }));
    std::printf("%.1f MB document: MetadataParser::parse median %.0f ms (goal: under 10000 ms, 3 runs)\n",
                huge.size() / 1e6, hugeParse);
    return 0;
}
