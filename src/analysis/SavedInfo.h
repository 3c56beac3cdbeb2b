#pragma once

#include <QByteArray>
#include <QString>

#include <chrono>
#include <memory>

// yt-dlp's description of one link kept in a private file, so that a download
// can load it (--load-info-json) instead of extracting the page once more.
// The file lives in folder() and is removed when the last holder lets go:
// the preview that made it, and the job that downloads from it until it ends.
// Created on any thread; the holders may drop it on any thread.
class SavedInfo
{
public:
    // Media links in the description are signed for a while only. Ten
    // minutes covers looking at a preview and choosing what to fetch; a
    // description left longer is more likely stale than not, and a stale one
    // costs a failed request before yt-dlp extracts the page afresh.
    static constexpr std::chrono::minutes kFreshFor{10};

    // The private folder ($XDG_CACHE_HOME/tarvelle/info, mode 0700), made
    // when missing. The first use in a process removes the files a crashed
    // run left behind (those older than an hour). Empty when it cannot be made.
    static QString folder();

    // Writes `document` into a new file in folder(); null when that fails.
    static std::shared_ptr<const SavedInfo> write(const QByteArray &document);
    // Takes over a file another program wrote into folder(), such as the one
    // a download run writes with --write-info-json, made at `savedAt`; null
    // for a path anywhere else.
    static std::shared_ptr<const SavedInfo>
    adopt(const QString &path, std::chrono::steady_clock::time_point savedAt = std::chrono::steady_clock::now());
    // A path in folder() no file has yet, for a file to be written there.
    static QString newPath();

    ~SavedInfo();
    SavedInfo(const SavedInfo &) = delete;
    SavedInfo &operator=(const SavedInfo &) = delete;

    const QString &path() const { return m_path; }
    // Written less than kFreshFor ago.
    bool isFresh() const;

private:
    SavedInfo(QString path, std::chrono::steady_clock::time_point savedAt);

    const QString m_path;
    const std::chrono::steady_clock::time_point m_savedAt;
};
