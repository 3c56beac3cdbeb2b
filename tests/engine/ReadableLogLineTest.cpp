#include "engine/ReadableLogLine.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QHash>

#include <gtest/gtest.h>

namespace {

// A line of the captured yt-dlp output (tests/engine/fixtures), by its key.
QString captured(const QString &key)
{
    QFile file(QStringLiteral(TARVELLE_SOURCE_DIR "/tests/engine/fixtures/yt-dlp-download-lines.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("fixture file not found");
    for (const QString &line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        if (line.startsWith(key + u'\t'))
            return line.mid(key.size() + 1);
    }
    return QStringLiteral("no fixture line ") + key;
}

struct ReadableCase
{
    const char *name;
    QString line; // as yt-dlp printed it
    QString readable;
};

TEST(ReadableLogLine, ProgressRecordsReadAsYtDlpPrintsThem)
{
    const QList<ReadableCase> cases = {
        // Captured from yt-dlp 2023.03.04: its own template, padding and all.
        {"first update", captured("direct-first-update"),
         "[download]   1.4% of   71.39KiB at  Unknown B/s ETA Unknown"},
        {"finished", captured("direct-finished"), "[download] 100% of   71.39KiB in 00:00:00 at 20.02MiB/s"},
        {"fragments", captured("fragments-video-late"),
         "[download]  80.0% of ~  56.00KiB at    5.37MiB/s ETA 00:00 (frag 4/5)"},
        // A record without the template: its texts in yt-dlp's order.
        {"texts only",
         R"(__KVJSON__{"status": "downloading", "_percent_str": " 45.3%", "_total_bytes_str": "120.50MiB", )"
         R"("_speed_str": "2.10MiB/s", "_eta_str": "00:54"})",
         "[download] 45.3% of 120.50MiB at 2.10MiB/s ETA 00:54"},
        {"estimate only",
         R"(__KVJSON__{"_percent_str": "10.0%", "_total_bytes_str": "N/A", "_total_bytes_estimate_str": "10.00MiB"})",
         "[download] 10.0% of ~10.00MiB"},
        // Nothing to say, or no record: the log's line as it is.
        {"no texts", R"(__KVJSON__{"status": "downloading", "downloaded_bytes": 10})",
         R"([progress] {"status": "downloading", "downloaded_bytes": 10})"},
        {"broken record", R"(__KVJSON__{"_default_template": "50%")", R"([progress] {"_default_template": "50%")"},
        // Our own markers never reach the log.
        {"final path", captured("direct-filepath"), ""},
        {"plain line", captured("plain-merger"), captured("plain-merger")},
        {"markup stays text", "<b>ERROR:</b> &amp;", "<b>ERROR:</b> &amp;"},
    };
    for (const ReadableCase &c : cases) {
        const QString logged = TestSupport::readRunLine(c.line, "/tmp").text;
        EXPECT_EQ(ReadableLogLine::of(logged), c.readable) << c.name;
    }
}

} // namespace
