// Any answer to the metadata request gives a record or invalidJSON, and a
// record survives its own keyed form. A list read from it numbers its
// entries 1..n, each with a link, and names an entry of its own at most.
#include "analysis/MediaListParser.h"
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
    const QJsonDocument document = QJsonDocument::fromJson(json);
    if (const auto list = MediaListParser::parse(document.object(), QStringLiteral("https://a.example/l?v=abcdef"))) {
        for (qsizetype i = 0; i < list->entries.size(); ++i) {
            const MediaListEntry &entry = list->entries.at(i);
            (void)entry.durationString();
            if (entry.index != i + 1 || entry.url.isEmpty() || entry.title.isEmpty())
                std::abort();
        }
        if (list->linkedEntry && (*list->linkedEntry < 1 || *list->linkedEntry > list->entries.size()))
            std::abort();
    }
    return 0;
}
