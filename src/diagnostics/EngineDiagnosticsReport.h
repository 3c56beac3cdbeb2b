#pragma once

#include "tools/ActiveTools.h"
#include "tools/JsChallenges.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QUuid>

#include <optional>

// What diagnostics found out about the copy of one tool that runs.
struct ToolDiagnostic
{
    QUuid id;
    QString name;
    bool exists = false;
    std::optional<QString> version;
    bool executable = false;
    std::optional<QString> path;
    std::optional<QString> sha256;
    std::optional<QString> manifestSha;
    std::optional<bool> matchesManifest;
    std::optional<QString> note;
    // Shipped, or the verified copy in the user's tool folder; manifestSha
    // then comes from that folder's manifest.
    ToolSource source = ToolSource::shipped;
    // Why the user folder's copy of this tool is not used, when it lists one.
    std::optional<QString> userCopyIgnored;
    // The release date the version names (yt-dlp only).
    std::optional<QDate> releaseDate;
};

struct EngineDiagnosticsReport
{
    QString architecture;
    QList<ToolDiagnostic> tools; // always yt-dlp, ffmpeg, ffprobe, deno
    bool manifestPresent = false;
    bool allToolsPresent = false;
    // Whether the runs of the tools above can answer JavaScript challenges.
    JsChallenges::Readiness jsChallenges = JsChallenges::Readiness::denoMissing;
    QDateTime generatedAt;
};
