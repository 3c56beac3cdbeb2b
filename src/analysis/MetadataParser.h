#pragma once

#include "analysis/MediaMetadata.h"

#include <QByteArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>

#include <optional>
#include <utility>

// Why MetadataParser::parse gave no record: the input is not JSON, or its top
// level is not an object. The JSON reader's own error is not kept.
enum class MetadataParseError { invalidJSON };

// Either a record or the parse error.
class MetadataParseResult
{
public:
    MetadataParseResult(MediaMetadata metadata) : m_metadata(std::move(metadata)) {}
    MetadataParseResult(MetadataParseError error) : m_error(error) {}

    bool hasValue() const { return m_metadata.has_value(); }
    explicit operator bool() const { return hasValue(); }

    // Only when hasValue().
    const MediaMetadata &value() const & { return *m_metadata; }
    MediaMetadata &&value() && { return std::move(*m_metadata); }
    const MediaMetadata &operator*() const & { return *m_metadata; }
    const MediaMetadata *operator->() const { return &*m_metadata; }

    // Only when !hasValue().
    MetadataParseError error() const { return m_error; }

private:
    std::optional<MediaMetadata> m_metadata;
    MetadataParseError m_error = MetadataParseError::invalidJSON;
};

// Turns yt-dlp's JSON description of a link (its -J output) into a
// MediaMetadata. Forgiving: apart from text that is not a JSON object, every
// input gives a record, with fixed fallbacks for whatever is missing or has
// the wrong JSON type (null included). Pure functions; any thread.
namespace MetadataParser {

// The whole of yt-dlp's standard output, UTF-8. A playlist is read from its
// first entry (which inherits the playlist's "webpage_url" when it has none).
MetadataParseResult parse(const QByteArray &json);

// Reading of one already parsed top-level object (the playlist rule included).
MediaMetadata parse(const QJsonObject &object);

// One yt-dlp format object to one MediaFormat.
MediaFormat format(const QJsonObject &object);

// yt-dlp's "subtitles" or "automatic_captions" value (an object of language
// code to a list of {ext, url, ...}) to tracks sorted by language code. Any
// value that is not an object gives the empty list.
QList<SubtitleTrack> parseSubtitles(const QJsonValue &value, bool isAuto);

} // namespace MetadataParser
