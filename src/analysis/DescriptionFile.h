#pragma once

#include "analysis/MediaMetadata.h"

#include <QString>

#include <optional>

// Reads the description of a link that a download run wrote with
// --write-info-json. Any thread (the run's reader thread calls it).
namespace DescriptionFile {

// The metadata of the file at `path`; nothing when it is missing, larger
// than an analysis reads (YTDLPClient::kMaxAnswerBytes) or not a JSON
// object. The file is mapped, not copied into memory.
std::optional<MediaMetadata> read(const QString &path);

} // namespace DescriptionFile
