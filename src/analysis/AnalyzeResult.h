#pragma once

#include "analysis/MediaList.h"
#include "analysis/MediaMetadata.h"
#include "analysis/SavedInfo.h"
#include "engine/DownloadErrorCategory.h"

#include <QString>

#include <memory>
#include <optional>
#include <variant>

// What one analysis gives: the link's metadata, the entries of the list it
// is, or why there is neither.
class AnalyzeResult
{
public:
    // `savedInfo`: yt-dlp's answer kept for a download to load, when asked for.
    AnalyzeResult(MediaMetadata metadata, std::shared_ptr<const SavedInfo> savedInfo = nullptr)
        : m_value(std::move(metadata))
        , m_savedInfo(std::move(savedInfo))
    {
    }
    // A video the link opens inside `list` (its linkedEntry says which).
    AnalyzeResult(MediaMetadata metadata, MediaList list, std::shared_ptr<const SavedInfo> savedInfo = nullptr)
        : m_value(std::move(metadata))
        , m_savedInfo(std::move(savedInfo))
        , m_enclosingList(std::move(list))
    {
    }
    AnalyzeResult(MediaList list)
        : m_value(std::move(list))
    {
    }
    // `errorOutput` is what the tool printed on standard error, kept so a
    // failed job can show why. `message` replaces the category's sentence
    // when the failure has one of its own (see message()).
    AnalyzeResult(DownloadErrorCategory error, QString errorOutput = {}, const char *message = nullptr)
        : m_value(error)
        , m_errorOutput(std::move(errorOutput))
        , m_message(message)
    {
    }

    bool hasMetadata() const { return std::holds_alternative<MediaMetadata>(m_value); }
    bool hasList() const { return std::holds_alternative<MediaList>(m_value); }
    bool isError() const { return std::holds_alternative<DownloadErrorCategory>(m_value); }

    // Only when hasMetadata().
    const MediaMetadata &metadata() const { return std::get<MediaMetadata>(m_value); }
    // Only when hasList().
    const MediaList &list() const { return std::get<MediaList>(m_value); }
    // Null when not asked for, for a list (yt-dlp does not load a
    // playlist's entries back) or when the file could not be written.
    const std::shared_ptr<const SavedInfo> &savedInfo() const { return m_savedInfo; }
    // With metadata: the list the link opened the video in, whose
    // linkedEntry is the video's place; none for a video on its own.
    const std::optional<MediaList> &enclosingList() const { return m_enclosingList; }

    // Only when isError().
    DownloadErrorCategory error() const { return std::get<DownloadErrorCategory>(m_value); }
    const QString &errorOutput() const { return m_errorOutput; }
    // The sentence for the user, in English: the category's user message
    // unless this failure has a sentence of its own. Either is translated in
    // the "DownloadErrorCategory" context.
    const char *message() const
    {
        return m_message ? m_message : DownloadErrorCategories::userMessage(error());
    }

private:
    std::variant<MediaMetadata, MediaList, DownloadErrorCategory> m_value;
    std::shared_ptr<const SavedInfo> m_savedInfo;
    std::optional<MediaList> m_enclosingList;
    QString m_errorOutput;
    const char *m_message = nullptr;
};
