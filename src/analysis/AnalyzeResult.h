#pragma once

#include "analysis/MediaMetadata.h"
#include "engine/DownloadErrorCategory.h"

#include <QString>

#include <variant>

// What one analysis gives: the link's metadata, or why there is none.
class AnalyzeResult
{
public:
    AnalyzeResult(MediaMetadata metadata) : m_value(std::move(metadata)) {}
    // `errorOutput` is what the tool printed on standard error, kept so a
    // failed job can show why.
    AnalyzeResult(DownloadErrorCategory error, QString errorOutput = {})
        : m_value(error)
        , m_errorOutput(std::move(errorOutput))
    {
    }

    bool hasMetadata() const { return std::holds_alternative<MediaMetadata>(m_value); }
    explicit operator bool() const { return hasMetadata(); }

    // Only when hasMetadata().
    const MediaMetadata &metadata() const { return std::get<MediaMetadata>(m_value); }
    // Only when !hasMetadata().
    DownloadErrorCategory error() const { return std::get<DownloadErrorCategory>(m_value); }
    const QString &errorOutput() const { return m_errorOutput; }

private:
    std::variant<MediaMetadata, DownloadErrorCategory> m_value;
    QString m_errorOutput;
};
