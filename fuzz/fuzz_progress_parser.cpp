// Any line yt-dlp might print gives an event, and a readable form for the
// log, never a crash.
#include "engine/ProgressParser.h"
#include "engine/ReadableLogLine.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString line = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    (void)ProgressParser::parse(line).describe();
    (void)ProgressParser::humanReadableToBytes(line);
    (void)ReadableLogLine::of(line);
    return 0;
}
