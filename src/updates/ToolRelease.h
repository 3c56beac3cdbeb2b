#pragma once

#include "tools/ReleaseChannel.h"

#include <QString>

#include <optional>

// What one tool's release consists of, and what of it Tarvelle fetches.
struct ToolRelease
{
    QString tool;       // "yt-dlp" or "deno"
    QString repository; // "<owner>/<repo>"
    QString asset;      // the file downloaded: yt-dlp's zipapp, deno's zip
    QString digestList; // the file listing the asset's SHA-256
    // The detached signature over digestList; deno publishes none.
    std::optional<QString> signature;
    // The key file (in the resources' keys folder) that signs digestList.
    std::optional<QString> keyFile;
    bool isZipArchive = false; // the program is the entry named `tool` inside
    QString license;

    // yt-dlp from yt-dlp/yt-dlp (stable) or yt-dlp/yt-dlp-nightly-builds;
    // deno from denoland/deno, for the machine's architecture (`uname -m`).
    // None for another tool or an architecture deno publishes nothing for;
    // `whyNot` then says which.
    static std::optional<ToolRelease> of(const QString &tool, ReleaseChannel channel, const QString &architecture,
                                         QString *whyNot = nullptr);
};
