#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QUuid>

#include <optional>

// What diagnostics found out about one shipped tool.
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
};

struct EngineDiagnosticsReport
{
    QString architecture;
    QList<ToolDiagnostic> tools; // always yt-dlp, ffmpeg, ffprobe, deno
    bool manifestPresent = false;
    bool allToolsPresent = false;
    QDateTime generatedAt;
};
