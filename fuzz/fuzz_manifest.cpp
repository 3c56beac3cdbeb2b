// Any manifest file decodes or is refused, and a decoded one answers lookups.
#include "tools/ToolManifest.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray json(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    if (const auto manifest = ToolManifest::decode(json)) {
        for (const ManifestTool &tool : manifest->tools)
            (void)manifest->digestFor(tool.name);
        (void)manifest->digestFor(QStringLiteral("yt-dlp"));
    }
    return 0;
}
