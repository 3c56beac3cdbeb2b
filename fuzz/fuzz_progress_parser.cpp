// Any line yt-dlp might print, on either stream, gives an event and a line
// for the log, never a crash; the run's markers carry the token the seeds
// use, so the fuzzer reaches the progress records and the paths behind them.
#include "engine/ProgressParser.h"
#include "engine/ReadableLogLine.h"
#include "engine/RunOutputReader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const RunMarkers markers(QStringLiteral("f00d"));
    const QString line = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    // No description of its own: a description line is refused, never a
    // file taken over.
    RunOutputReader reader(markers, QStringLiteral("/out"), QString());
    for (const bool standardError : {false, true}) {
        const OutputLine read = reader.read(line, standardError);
        (void)read.event.describe();
        (void)ReadableLogLine::of(read.text);
    }
    (void)ProgressParser::humanReadableToBytes(line);
    return 0;
}
