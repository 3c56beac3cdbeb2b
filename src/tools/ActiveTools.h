#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Where a tool that runs comes from.
enum class ToolSource { shipped, user };

// The copy of one tool that runs, and why a user copy was passed over.
struct ActiveTool
{
    QString name;
    ToolSource source = ToolSource::shipped;
    // The file to run; none when there is no shipped folder and no user copy.
    // A shipped path is not tested: a missing file shows when it is run.
    std::optional<QString> path;
    // A user copy's version, as its manifest entry records it.
    std::optional<QString> userVersion;
    // Set when the user folder lists this tool but its copy is not used.
    std::optional<QString> userCopyIgnored;

    bool operator==(const ActiveTool &) const = default;
};

// The four tools as every caller starts them: the verified user copy of
// yt-dlp or deno when there is one, otherwise the shipped file.
struct ActiveTools
{
    inline static const QStringList kToolNames = {"yt-dlp", "ffmpeg", "ffprobe", "deno"};

    // The shipped Tools folder; none without a resources directory.
    std::optional<QString> shippedDirectory;
    QList<ActiveTool> tools; // in the order of kToolNames

    const ActiveTool &tool(const QString &name) const;

    // The folders a yt-dlp run finds its helpers in: the folder of the deno
    // that is active first (a user copy sits alone in its folder, so nothing
    // unverified comes along), then the shipped folder.
    QStringList searchFolders() const;

    bool operator==(const ActiveTools &) const = default;
};
