#pragma once

#include "analysis/MediaMetadata.h"
#include "engine/DownloadErrorCategory.h"

#include <variant>

// What one analysis gives: the link's metadata, or why there is none.
class AnalyzeResult
{
public:
    AnalyzeResult(MediaMetadata metadata) : m_value(std::move(metadata)) {}
    AnalyzeResult(DownloadErrorCategory error) : m_value(error) {}

    bool hasMetadata() const { return std::holds_alternative<MediaMetadata>(m_value); }
    explicit operator bool() const { return hasMetadata(); }

    // Only when hasMetadata().
    const MediaMetadata &metadata() const { return std::get<MediaMetadata>(m_value); }
    // Only when !hasMetadata().
    DownloadErrorCategory error() const { return std::get<DownloadErrorCategory>(m_value); }

private:
    std::variant<MediaMetadata, DownloadErrorCategory> m_value;
};
