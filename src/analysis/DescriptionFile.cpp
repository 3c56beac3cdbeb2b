#include "analysis/DescriptionFile.h"

#include "analysis/MetadataParser.h"
#include "analysis/YTDLPClient.h"

#include <QByteArray>
#include <QFile>

namespace DescriptionFile {

std::optional<MediaMetadata> read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() == 0 || file.size() > YTDLPClient::kMaxAnswerBytes)
        return std::nullopt;
    uchar *mapped = file.map(0, file.size());
    if (!mapped)
        return std::nullopt;
    const MetadataParseResult parsed =
        MetadataParser::parse(QByteArray::fromRawData(reinterpret_cast<const char *>(mapped), file.size()));
    file.unmap(mapped);
    if (!parsed)
        return std::nullopt;
    return *parsed;
}

} // namespace DescriptionFile
