// Any pasted or imported text is sorted into valid, duplicate and invalid
// lines, and every valid link is a usable one.
#include "batch/BatchURLParser.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const BatchParseResult result = BatchURLParser::parse(text);
    for (const ParsedBatchURL &entry : result.valid) {
        if (!BatchURLParser::isUsableLink(entry.url) || entry.line < 1)
            std::abort();
    }
    if (result.uniqueValidURLs().size() != result.valid.size())
        std::abort();
    return 0;
}
