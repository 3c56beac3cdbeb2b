// Any answer to the metadata request gives a record or invalidJSON, and a
// record survives its own keyed form.
#include "analysis/MetadataParser.h"

#include <QJsonDocument>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray json(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const MetadataParseResult result = MetadataParser::parse(json);
    if (result) {
        const MediaMetadata &metadata = result.value();
        (void)metadata.durationString();
        const auto roundTrip = MediaMetadata::fromJson(metadata.toJson());
        if (!roundTrip || !(*roundTrip == metadata))
            std::abort();
    }
    return 0;
}
