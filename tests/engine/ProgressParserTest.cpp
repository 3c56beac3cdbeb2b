#include "engine/ProgressParser.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QHash>
#include <QSet>
#include <QStringList>

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <random>

using Stage = ProgressStage;

namespace {

// Lines captured from the shipped yt-dlp, by key (see the file's header).
class CapturedLines
{
public:
    CapturedLines()
    {
        QFile file(QStringLiteral(TARVELLE_SOURCE_DIR "/tests/engine/fixtures/yt-dlp-download-lines.txt"));
        if (!file.open(QIODevice::ReadOnly))
            return;
        const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
        for (const QString &line : lines) {
            if (line.isEmpty() || line.startsWith(u'#'))
                continue;
            const qsizetype tab = line.indexOf(u'\t');
            m_lines.insert(line.left(tab), line.mid(tab + 1));
        }
    }

    QString operator()(const char *key)
    {
        m_used.insert(QString::fromLatin1(key));
        return m_lines.value(QString::fromLatin1(key), QStringLiteral("missing fixture line ") + key);
    }

    QStringList keys() const { return m_lines.keys(); }
    QStringList unused() const
    {
        QStringList keys;
        for (auto it = m_lines.cbegin(); it != m_lines.cend(); ++it) {
            if (!m_used.contains(it.key()))
                keys.append(it.key());
        }
        return keys;
    }
    QString value(const QString &key) const { return m_lines.value(key); }

private:
    QHash<QString, QString> m_lines;
    QSet<QString> m_used;
};

ProgressEvent filepath(const char *path)
{
    return ProgressEvent::Filepath{QString::fromUtf8(path)};
}

const ProgressEvent merging = ProgressEvent::Stage{QStringLiteral("merging")};
const ProgressEvent finalizing = ProgressEvent::Stage{QStringLiteral("finalizing")};
const ProgressEvent none = ProgressEvent::None{};

// A line as the coordinator's reader takes it, paths inside /tmp.
ProgressEvent read(const QString &line)
{
    return TestSupport::readRunLine(line, QStringLiteral("/tmp")).event;
}

// Events are equal field by field; a percentage may differ in its last bits,
// since "45.3" / 100 need not be the double nearest to 0.453.
testing::AssertionResult sameEvent(const ProgressEvent &actual, const ProgressEvent &expected)
{
    ProgressEvent compared = actual;
    const DownloadProgress *got = actual.progress();
    const DownloadProgress *want = expected.progress();
    if (got && want && got->percent && want->percent
        && std::abs(*got->percent - *want->percent) <= 1e-12 * std::max(1.0, std::abs(*want->percent))) {
        DownloadProgress adjusted = *got;
        adjusted.percent = want->percent;
        compared = adjusted;
    }
    if (compared == expected)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "got      " << actual.describe().toStdString() << "\nexpected "
                                       << expected.describe().toStdString();
}

struct LineCase
{
    QString line;
    ProgressEvent expected;
};

QString bytes(const QByteArray &raw)
{
    return QString::fromUtf8(raw);
}

// A JSON object nested `depth` levels deep under "downloaded_bytes".
QString deeplyNested(int depth)
{
    return QStringLiteral("__KVJSON__{\"downloaded_bytes\": ") + QString(depth, u'[') + QString(depth, u']')
        + u'}';
}

} // namespace

TEST(ProgressParser, TurnsEachLineIntoItsEvent)
{
    CapturedLines captured;
    ASSERT_FALSE(captured.keys().isEmpty()) << "fixture file not found";

    const QList<LineCase> cases = {
        // Plain "[download]" progress.
        {"[download]  45.3% of  120.50MiB at    2.10MiB/s ETA 00:54",
         DownloadProgress{.percent = 0.453, .totalBytes = 126353408, .speed = "2.10MiB/s", .eta = "00:54",
                          .stage = Stage::downloading}},
        {"[download] 100% of 10.00MiB in 00:00:05 at 2.00MiB/s",
         DownloadProgress{.percent = 1.0, .totalBytes = 10485760, .speed = "2.00MiB/s", .stage = Stage::downloading}},
        {"[download] Destination: clip.mp4", none},
        {"[download]  10.0% of ~ 10.00MiB at 1.00MiB/s ETA 00:09",
         DownloadProgress{.percent = 0.1, .speed = "1.00MiB/s", .eta = "00:09", .stage = Stage::downloading}},
        {"[download] 150% of 1.5KiB", DownloadProgress{.percent = 1.5, .totalBytes = 1536, .stage = Stage::downloading}},
        {"[download]   0.5% of 1.5kB", DownloadProgress{.percent = 0.005, .totalBytes = 1500, .stage = Stage::downloading}},
        {"[download]  12% of 3TiB",
         DownloadProgress{.percent = 0.12, .totalBytes = 3298534883328, .stage = Stage::downloading}},
        {"[download]  12% of 3.00XiB", DownloadProgress{.percent = 0.12, .stage = Stage::downloading}},
        {"[download]  12% of N/A at  Unknown B/s ETA Unknown",
         DownloadProgress{.percent = 0.12, .eta = "Unknown", .stage = Stage::downloading}},
        {"[download]  50% of 0B", DownloadProgress{.percent = 0.5, .totalBytes = 0, .stage = Stage::downloading}},
        {"[DOWNLOAD] 7%", DownloadProgress{.percent = 0.07, .stage = Stage::downloading}},
        {"[download]   5.0% of 10.00MiB at 1.00MiB/s ETA 00:10 | 9% of 20.00MiB at 9.00MiB/s ETA 99:99",
         DownloadProgress{.percent = 0.05, .totalBytes = 10485760, .speed = "1.00MiB/s", .eta = "00:10",
                          .stage = Stage::downloading}}, // the first match of each pattern
        {"[download] 99999999999GiB is 50% of 99999999999GiB",
         DownloadProgress{.percent = 0.5, .stage = Stage::downloading}}, // beyond 64 bits: no total
        {"[download] " + QString(400, u'9') + "%", none},                // beyond any double
        {"ETA 00:10 at 1.0MiB/s 5%", none},                              // not a "[download]" line
        // Post-processing keywords, tested before any "[download]" reading.
        {"[Merger] Merging formats into clip.mkv", merging},
        {"[download] Merging formats into clip.mkv", merging},
        {"[ffmpeg] Destination: clip.mp3", merging},
        {"[download] [ffmpeg] 50.0% of 1.00MiB", merging},
        {"[MERGER] done", merging},
        {"Deleting original file clip.f137.mp4", finalizing},
        {"[download] postprocess 40%", finalizing},
        {"[VideoRemuxer] Remuxing video from webm to mp4", finalizing},
        // The postprocess progress template, one line per report.
        {"[Merger] postprocess started", merging},
        {"[Merger] postprocess finished", merging},
        {"[ExtractAudio] postprocess started", finalizing},
        {"[VideoConvertor] postprocess processing", finalizing},
        {"[MoveFiles] postprocess finished", finalizing},
        // File-path marker.
        {"__KV_FILEPATH__ /tmp/clip.mp4", filepath("/tmp/clip.mp4")},
        {"__KV_FILEPATH__\t/tmp/a b.mp4\u00a0\u2003", filepath("/tmp/a b.mp4")},
        {"__KV_FILEPATH__/tmp/clip.mp4\r", filepath("/tmp/clip.mp4")}, // the line's carriage return goes
        {"__KV_FILEPATH__/tmp/a.mp4__KV_FILEPATH__/tmp/b.mp4", filepath("/tmp/a.mp4__KV_FILEPATH__/tmp/b.mp4")},
        {"[Merger] postprocess finished__KV_FILEPATH__/tmp/clip.mp4", merging}, // a marker only starts a line
        {"__KV_FILEPATH__", none},
        {"__KV_FILEPATH__ \t ", none},
        {"__KV_FILEPATH__   [Merger] x", filepath("/tmp/[Merger] x")}, // a name is in the output folder
        {"__KV_FILEPATH__ merging", filepath("/tmp/merging")},
        {"__KV_FILEPATH__/etc/passwd", none}, // outside the output folder
        {"__KV_FILEPATH__/tmp/../etc/passwd", none},
        {"__KV_FILEPATH__../x.mp4", none},
        {"__KVJSON__{\"downloaded_bytes\": 7, \"filename\": \"/home/u/report.final.pdf\"}",
         DownloadProgress{.downloadedBytes = 7, .stage = Stage::downloading}}, // its file is left out
        {"__KVJSON__{\"downloaded_bytes\": 7}__KV_FILEPATH__ ", DownloadProgress{.downloadedBytes = 7, .stage = Stage::downloading}},
        // JSON marker: sizes and the percentage.
        {"__KVJSON__{\"total_bytes\": 0, \"total_bytes_estimate\": 5000, \"downloaded_bytes\": 2500}",
         DownloadProgress{.percent = 0.5, .downloadedBytes = 2500, .estimatedTotalBytes = 5000, .stage = Stage::downloading}},
        {"__KVJSON__{\"downloaded_bytes\": 100, \"total_bytes\": 400, \"total_bytes_estimate\": 200}",
         DownloadProgress{.percent = 0.25, .downloadedBytes = 100, .totalBytes = 400, .estimatedTotalBytes = 200,
                          .stage = Stage::downloading}},
        {"__KVJSON__{\"fragment_index\": 3, \"fragment_count\": 12}",
         DownloadProgress{.percent = 0.25, .fragmentIndex = 3, .fragmentCount = 12, .stage = Stage::downloading}},
        {"__KVJSON__{\"fragment_index\": 3, \"fragment_count\": 0}",
         DownloadProgress{.fragmentIndex = 3, .fragmentCount = 0, .stage = Stage::downloading}},
        {"__KVJSON__{\"fragment_count\": 4}", DownloadProgress{.fragmentCount = 4, .stage = Stage::downloading}},
        {"__KVJSON__{\"downloaded_bytes\": 300, \"total_bytes\": 100}",
         DownloadProgress{.percent = 1.0, .downloadedBytes = 300, .totalBytes = 100, .stage = Stage::downloading}},
        {"__KVJSON__{\"downloaded_bytes\": -5, \"total_bytes\": 100}",
         DownloadProgress{.percent = 0.0, .downloadedBytes = -5, .totalBytes = 100, .stage = Stage::downloading}},
        {"__KVJSON__{\"downloaded_bytes\": 0, \"total_bytes\": -1, \"total_bytes_estimate\": -1}",
         DownloadProgress{.downloadedBytes = 0, .stage = Stage::downloading}},
        {"__KVJSON__{\"downloaded_bytes\": 1234.9}", DownloadProgress{.downloadedBytes = 1234, .stage = Stage::downloading}},
        {"__KVJSON__{\"downloaded_bytes\": -2.9}", DownloadProgress{.downloadedBytes = -2, .stage = Stage::downloading}},
        {"__KVJSON__{\"downloaded_bytes\": \"1234\"}", DownloadProgress{.stage = Stage::downloading}},
        {"__KVJSON__{\"downloaded_bytes\": null, \"total_bytes\": true, \"fragment_index\": [1], \"fragment_count\": {}}",
         DownloadProgress{.stage = Stage::downloading}},
        {"__KVJSON__{\"total_bytes_estimate\": 63168.0}",
         DownloadProgress{.estimatedTotalBytes = 63168, .stage = Stage::downloading}},
        // Numbers at and beyond the 64-bit edge.
        {"__KVJSON__{\"downloaded_bytes\": 9223372036854775807}",
         DownloadProgress{.downloadedBytes = 9223372036854775807, .stage = Stage::downloading}},
        {"__KVJSON__{\"downloaded_bytes\": -9223372036854775808}",
         DownloadProgress{.downloadedBytes = std::numeric_limits<qint64>::min(), .stage = Stage::downloading}},
        {"__KVJSON__{\"downloaded_bytes\": 9223372036854775808, \"total_bytes\": 1e300, \"fragment_index\": -1e19}",
         DownloadProgress{.stage = Stage::downloading}},
        {"__KVJSON__{\"downloaded_bytes\": 4611686018427387904, \"total_bytes\": 9223372036854775807}",
         DownloadProgress{.percent = 0.5, .downloadedBytes = 4611686018427387904, .totalBytes = 9223372036854775807,
                          .stage = Stage::downloading}},
        // JSON marker: texts.
        {"__KVJSON__{\"_speed_str\": \" 2.10MiB/s \", \"_eta_str\": \"NA\"}",
         DownloadProgress{.speed = "2.10MiB/s", .stage = Stage::downloading}},
        {"__KVJSON__{\"_speed_str\": \"N/A\", \"_eta_str\": \" ? \"}", DownloadProgress{.stage = Stage::downloading}},
        {"__KVJSON__{\"_speed_str\": \"\\u2003 1.0KiB/s\\t\", \"_eta_str\": \"n/a\"}",
         DownloadProgress{.speed = "1.0KiB/s", .eta = "n/a", .stage = Stage::downloading}},
        {"__KVJSON__{\"_speed_str\": 2.5, \"_eta_str\": 54}",
         DownloadProgress{.speed = "2.5", .eta = "54", .stage = Stage::downloading}},
        {"__KVJSON__{\"_speed_str\": null, \"_eta_str\": [\"00:54\"], \"filename\": {\"name\": \"a.mp3\"}}",
         DownloadProgress{.stage = Stage::downloading}},
        {"__KVJSON__{\"_eta_str\": \"00:54\\r\"}", DownloadProgress{.eta = "00:54\r", .stage = Stage::downloading}},
        // JSON marker: the stage comes from the file name alone.
        {"__KVJSON__{\"filename\": \"clip.opus\"}", DownloadProgress{.filename = "clip.opus", .stage = Stage::audio}},
        {"__KVJSON__{\"filename\": \"CLIP.M4A\"}", DownloadProgress{.filename = "CLIP.M4A", .stage = Stage::audio}},
        {"__KVJSON__{\"filename\": \"clip.faudio.mp4\"}",
         DownloadProgress{.filename = "clip.faudio.mp4", .stage = Stage::audio}},
        {"__KVJSON__{\"filename\": \"clip.mp4\"}", DownloadProgress{.filename = "clip.mp4", .stage = Stage::downloading}},
        {"__KVJSON__{\"filename\": \"clip.mka.part\"}",
         DownloadProgress{.filename = "clip.mka.part", .stage = Stage::downloading}},
        {"__KVJSON__{\"filename\": \"mp3\"}", DownloadProgress{.filename = "mp3", .stage = Stage::downloading}},
        {"__KVJSON__{}", DownloadProgress{.stage = Stage::downloading}},
        // JSON marker: broken, nested and misplaced JSON.
        {"__KVJSON__ {not json}", DownloadProgress{}},
        {"__KVJSON__{\"downloaded_bytes\": 5} done", DownloadProgress{.downloadedBytes = 5, .stage = Stage::downloading}},
        {"__KVJSON__{\"downloaded_bytes\": 5} }", DownloadProgress{}}, // cut at the last brace: not JSON
        {"__KVJSON__{\"downloaded_bytes\": 1}__KVJSON__ {\"downloaded_bytes\": 2} x", DownloadProgress{}},
        {"__KVJSON__{\"downloaded_bytes\": 1}__KVJSON__ {broken",
         DownloadProgress{.downloadedBytes = 1, .stage = Stage::downloading}},
        {"__KVJSON__ {broken", none},
        {"__KVJSON__ text", none},
        {"__KVJSON__", none},
        {"__KVJSON__}{", none},
        {"}__KVJSON__{", none},
        {"[download]  12% __KVJSON__ {broken", DownloadProgress{.percent = 0.12, .stage = Stage::downloading}},
        {"[Merger] Merging __KVJSON__{\"downloaded_bytes\": 3}", merging},
        {"__KVJSON__{\"a\": {\"b\": [1, {\"c\": null}], \"d\": \"}\"}, \"downloaded_bytes\": 9}",
         DownloadProgress{.downloadedBytes = 9, .stage = Stage::downloading}},
        {deeplyNested(100000), DownloadProgress{}},
        {"__KVJSON__{\"downloaded_bytes\": 1, \"downloaded_bytes\": 2}",
         DownloadProgress{.downloadedBytes = 2, .stage = Stage::downloading}},
        // Arbitrary input.
        {"", none},
        {"   ", none},
        {bytes(QByteArray("\xff\xfe\x00\x01[download] \x00 12%", 21)),
         DownloadProgress{.percent = 0.12, .stage = Stage::downloading}},
        {bytes(QByteArray("\xc3\x28\xa0\xa1\xe2\x28\xa1\xf0\x28\x8c\xbc", 11)), none},
        // Lone surrogates (the process runner never delivers them): the
        // keywords are still found, the patterns match nothing.
        {QString(QChar(0xd800)) + "[download] 3% of 1KiB" + QChar(0xdfff), none},
        {QString(QChar(0xdc00)) + "[Merger] x", merging},
        {bytes("__KVJSON__{\"filename\": \"\xc3\xa9t\xc3\xa9 AUDIO.webm\"}"),
         DownloadProgress{.filename = bytes("\xc3\xa9t\xc3\xa9 AUDIO.webm"), .stage = Stage::audio}},
        {bytes("[download] \xd9\xa4\xd9\xa5% of 1MiB"), none}, // only ASCII digits are numbers

        // Captured from the shipped yt-dlp.
        {captured("direct-first-update"),
         DownloadProgress{.percent = 1024.0 / 73100, .downloadedBytes = 1024, .totalBytes = 73100,
                          .speed = "Unknown B/s", .eta = "Unknown", .filename = "v [v].mp4", .stage = Stage::downloading}},
        {captured("direct-last-update"),
         DownloadProgress{.percent = 1.0, .downloadedBytes = 73100, .totalBytes = 73100, .speed = "61.40MiB/s",
                          .eta = "00:00", .filename = "v [v].mp4", .stage = Stage::downloading}},
        {captured("direct-finished"),
         DownloadProgress{.percent = 1.0, .downloadedBytes = 73100, .totalBytes = 73100, .speed = "20.02MiB/s",
                          .filename = "v [v].mp4", .stage = Stage::downloading}},
        {captured("direct-filepath"), filepath("/tmp/prog/out/v [v].mp4")},
        {captured("direct-postprocess-joined"), finalizing},
        {captured("fragments-video-first"),
         DownloadProgress{.percent = 1024.0 / 59220, .downloadedBytes = 1024, .estimatedTotalBytes = 59220,
                          .speed = "608.93KiB/s", .eta = "00:00", .fragmentIndex = 0, .fragmentCount = 5,
                          .filename = "master [master].f76.mp4", .stage = Stage::downloading}},
        {captured("fragments-video-late"),
         DownloadProgress{.percent = 45872.0 / 57340, .downloadedBytes = 45872, .estimatedTotalBytes = 57340,
                          .speed = "5.37MiB/s", .eta = "00:00", .fragmentIndex = 4, .fragmentCount = 5,
                          .filename = "master [master].f76.mp4", .stage = Stage::downloading}},
        {captured("fragments-video-finished"),
         DownloadProgress{.percent = 1.0, .downloadedBytes = 56588, .totalBytes = 56588, .speed = "4.25MiB/s",
                          .filename = "master [master].f76.mp4", .stage = Stage::downloading}},
        {captured("fragments-audio-first"),
         DownloadProgress{.percent = 1024.0 / 63168, .downloadedBytes = 1024, .estimatedTotalBytes = 63168,
                          .speed = "960.45KiB/s", .eta = "00:00", .fragmentIndex = 0, .fragmentCount = 6,
                          .filename = "master [master].fgroup_aud-audio_1.mp4", .stage = Stage::audio}},
        {captured("fragments-audio-finished"),
         DownloadProgress{.percent = 1.0, .downloadedBytes = 51512, .totalBytes = 51512, .speed = "3.78MiB/s",
                          .filename = "master [master].fgroup_aud-audio_1.mp4", .stage = Stage::audio}},
        {captured("fragments-filepath"), filepath("/tmp/prog/out/master [master].mp4")},
        {captured("fragments-postprocess-joined"), merging},
        {captured("extract-postprocess-joined"), finalizing},
        // Both streams in one pipe, as the process runner never reads them:
        // the marker no longer starts the line.
        {captured("extract-joined-filepath"), finalizing},
        {captured("plain-extracting"), none},
        {captured("plain-format-choice"), none},
        {captured("plain-total-fragments"), none},
        {captured("plain-destination"), none},
        {captured("plain-fragment-progress"),
         DownloadProgress{.percent = 0.017, .speed = "518.78KiB/s", .eta = "00:00", .stage = Stage::downloading}},
        {captured("plain-fragments-done"),
         DownloadProgress{.percent = 1.0, .totalBytes = 51507, .speed = "2.98MiB/s", .stage = Stage::downloading}},
        {captured("plain-merger"), merging},
        {captured("plain-deleting"), finalizing},
        {captured("plain-not-remuxing"), finalizing},
        {captured("plain-unknown-speed"),
         DownloadProgress{.percent = 0.014, .totalBytes = 71741, .eta = "Unknown", .stage = Stage::downloading}},
        {captured("plain-known-speed"),
         DownloadProgress{.percent = 0.443, .totalBytes = 71741, .speed = "28.15MiB/s", .eta = "00:00",
                          .stage = Stage::downloading}},
        {captured("plain-update-done"),
         DownloadProgress{.percent = 1.0, .totalBytes = 71741, .speed = "52.20MiB/s", .eta = "00:00",
                          .stage = Stage::downloading}},
        {captured("plain-extract-destination"), none},
    };

    for (const LineCase &c : cases)
        EXPECT_TRUE(sameEvent(read(c.line), c.expected)) << "line: " << c.line.left(300).toStdString();
    EXPECT_EQ(captured.unused(), QStringList()) << "every captured line needs its expected event";
}

TEST(ProgressParser, CutsOfACapturedMarkerLineNeverGoWrong)
{
    // Every prefix of a real JSON marker line, as a line cut short would give:
    // progress once the closing brace is in, the keyword fallback (none) before.
    CapturedLines captured;
    for (const char *key : {"direct-first-update", "fragments-audio-first"}) {
        const QString line = captured(key);
        ASSERT_TRUE(line.startsWith(QStringLiteral("__KVJSON__{")));
        for (qsizetype length = 0; length <= line.size(); ++length) {
            const ProgressEvent event = read(line.left(length));
            if (length == line.size())
                EXPECT_NE(event.progress(), nullptr);
            else
                EXPECT_TRUE(event.isNone()) << key << " cut at " << length;
        }
    }
}

TEST(ProgressParser, LinesPiecedFromMarkersAndJunkKeepTheEventRules)
{
    // Fixed seed: the same 20,000 lines on every run.
    const QStringList pieces = {
        "__KVJSON__", "__KV_FILEPATH__", "{", "}", "[", "]", "\"", ":", ",", " ", "\t", "\r", "\u00a0",
        "\"downloaded_bytes\"", "\"total_bytes\"", "\"total_bytes_estimate\"", "\"fragment_index\"",
        "\"fragment_count\"", "\"_speed_str\"", "\"_eta_str\"", "\"filename\"", "null", "true", "-7", "0",
        "12.5", "1e400", "99999999999999999999999", "-9223372036854775809", "\"a.opus\"", "\"N/A\"",
        "[download]", "[Merger]", "[ffmpeg]", "postprocess", "Deleting original file", "45.3%", "%", "of",
        "120.50MiB", "at", "2.10MiB/s", "ETA", "00:54", "~", "\u00e9", "\U0001F600", QString(QChar(0xd800)),
        QString(QChar(u'\0')), "\\u0000", "\\", "Retrying (3/10)...", "(0/inf)..."};
    std::mt19937 random(20261210);
    std::uniform_int_distribution<qsizetype> pick(0, pieces.size() - 1);
    std::uniform_int_distribution<int> length(0, 24);
    auto horizontal = [](QChar c) { return c == u'\t' || c.category() == QChar::Separator_Space; };
    std::array<int, std::variant_size_v<ProgressEvent::Value>> kinds{};
    for (int i = 0; i < 20000; ++i) {
        QString line;
        for (int n = length(random); n > 0; --n)
            line += pieces.at(pick(random));
        const ProgressEvent event = read(line);
        EXPECT_EQ(read(line), event) << "not pure for: " << line.toStdString();
        if (const DownloadProgress *progress = event.progress()) {
            EXPECT_NE(progress->stage, Stage::merging) << line.toStdString();
            EXPECT_NE(progress->stage, Stage::finalizing) << line.toStdString();
            EXPECT_TRUE(std::isfinite(progress->percent.value_or(0)) && progress->percent.value_or(0) >= 0)
                << line.toStdString();
            EXPECT_GE(progress->totalBytes.value_or(0), 0) << line.toStdString();
            EXPECT_GE(progress->estimatedTotalBytes.value_or(1), 1) << line.toStdString();
        } else if (const ProgressEvent::Stage *stage = event.stage()) {
            EXPECT_TRUE(stage->name == u"merging" || stage->name == u"finalizing") << line.toStdString();
        } else if (const DownloadRetry *retry = event.retry()) {
            EXPECT_GE(retry->attempt, 1) << line.toStdString();
            EXPECT_GE(retry->limit.value_or(1), 1) << line.toStdString();
        } else if (const ProgressEvent::Filepath *filepath = event.filepath()) {
            ASSERT_FALSE(filepath->path.isEmpty());
            EXPECT_FALSE(horizontal(filepath->path.front()) || horizontal(filepath->path.back()))
                << line.toStdString();
        }
        ++kinds[event.value().index()];
    }
    // Every kind of event came up often enough to have been checked.
    for (int count : kinds)
        EXPECT_GT(count, 100);
}

struct SizeCase
{
    const char *text;
    std::optional<qint64> expected;
};

TEST(ProgressParser, ConvertsSizeTextsToBytes)
{
    const QList<SizeCase> cases = {
        {"120.50MiB", 126353408},
        {"1.5KiB", 1536},
        {"1.5kB", 1500},
        {"1.5KB", 1500},
        {"2GiB", 2147483648},
        {"2GB", 2000000000},
        {"3MB", 3000000},
        {"10 mib", 10485760},
        {"3TiB", 3298534883328},
        {"3TB", 3000000000000},
        {"1.5PiB", 1688849860263936},
        {"2pb", 2000000000000000},
        {"7.50EiB", 8646911284551352320},
        {"9EB", 9000000000000000000},
        {"8EiB", std::nullopt}, // 2^63 bytes
        {"1.00ZiB", std::nullopt},
        {"1YB", std::nullopt},
        {"3XiB", std::nullopt},
        {"3 bytes", std::nullopt},
        {"3KiBs", std::nullopt},
        {"3iB", std::nullopt},
        {"512", 512},
        {"512B", 512},
        {"0.5b", 0},
        {" \t71.39KiB\u00a0", 73103},
        {"~ 10KiB", 10240},
        {"12.x", 12},
        {"1.2.3MiB", 1},
        {"8589934591GiB", 9223372035781033984},
        {"8589934592GiB", std::nullopt}, // 2^63 bytes
        {"99999999999999999999", std::nullopt},
        {"N/A", std::nullopt},
        {" NA ", std::nullopt},
        {"?", std::nullopt},
        {"", std::nullopt},
        {"MiB", std::nullopt},
        {"n/a", std::nullopt},
    };
    for (const SizeCase &c : cases)
        EXPECT_EQ(ProgressParser::humanReadableToBytes(QString::fromUtf8(c.text)), c.expected) << c.text;
    EXPECT_EQ(ProgressParser::humanReadableToBytes(QString(400, u'9')), std::nullopt);
}

TEST(ProgressParser, StageRawValuesAreTheCaseNames)
{
    QStringList raw;
    for (ProgressStage stage : ProgressStages::all()) {
        raw.append(ProgressStages::rawValue(stage));
        EXPECT_EQ(ProgressStages::fromRawValue(raw.last()), stage);
    }
    EXPECT_EQ(raw, QStringList({"downloading", "audio", "merging", "finalizing", "unknown"}));
    for (const char *text : {"Downloading", " audio", "", "merging "})
        EXPECT_EQ(ProgressStages::fromRawValue(QString::fromLatin1(text)), std::nullopt) << text;
}

// yt-dlp's retry reports. The first line is what Debian's 2023.03.04 and the
// 2026.08.19 release both print when a server answers 503 three times (run
// without --print, which makes yt-dlp quiet); the others are the same report
// from the other retry paths of both releases' sources.
TEST(ProgressParser, ReadsRetryReports)
{
    const QList<LineCase> cases = {
        {"[download] Got error: HTTP Error 503: Service Unavailable. Retrying (1/10)...", DownloadRetry{1, 10}},
        {"[download] Got error: The read operation timed out. Retrying fragment 5 (2/10)...", DownloadRetry{2, 10}},
        {"[download] Got error: Connection reset. Retrying fragments (3/3)...", DownloadRetry{3, 3}},
        {"[download] Unable to rename file: [Errno 13] Permission denied. Retrying (1/3)...", DownloadRetry{1, 3}},
        {"WARNING: [youtube] abc: HTTP Error 500: Internal Server Error. Retrying (2/3)...", DownloadRetry{2, 3}},
        {"[download] Got error: timed out. Retrying (40/inf)...", DownloadRetry{40, std::nullopt}},
        {"[download] Got error: [Merger] 50% done. Retrying (1/10)... \t", DownloadRetry{1, 10}},
        // Not a retry: the end of the retries, a count that is no count, text after the report.
        {"ERROR: [download] Got error: HTTP Error 503: Service Unavailable. Giving up after 10 retries", none},
        {"[download] Got error: x. Retrying (0/10)...", none},
        {"[download] Got error: x. Retrying (1/99999999999999999999)...", none},
        {"[download] Got error: x. Retrying (1/10)... then more", none},
        {"Retrying (1/10)", none},
    };
    for (const LineCase &c : cases)
        EXPECT_TRUE(sameEvent(ProgressParser::parse(c.line), c.expected)) << c.line.toStdString();
}
