#pragma once

#include "diagnostics/EngineDiagnosticsReport.h"
#include "engine/SemanticColor.h"

#include <QString>

#include <optional>

// How a tool's state is shown: symbol, short text, colour and spoken label.
struct DiagnosticStatusInfo
{
    QString symbolName;
    // English text; also the translation key in the "DiagnosticStatus" context.
    QString text;
    SemanticColor foreground = SemanticColor::secondary;
    // Spoken description, plain English (not translated).
    QString accessibilityLabel;

    bool operator==(const DiagnosticStatusInfo &) const = default;
};

struct ManifestCheckLabel
{
    QString text; // English; the window translates it (context "DiagnosticStatus")
    SemanticColor foreground = SemanticColor::secondary;

    bool operator==(const ManifestCheckLabel &) const = default;
};

namespace DiagnosticsPresentation {

DiagnosticStatusInfo statusFor(const ToolDiagnostic &tool);

ManifestCheckLabel manifestLabel(std::optional<bool> matchesManifest);

// A long path as "…/" and its last two components; "-" for none.
QString displayPath(const std::optional<QString> &path);

// The user's home folder at the start of a path (the whole folder, not a
// folder whose name merely begins the same) becomes "/home/<user>", so a
// copied report does not give away the account name.
QString redactedPath(const QString &path, const QString &homeDirectory);

// Accessibility identifier (objectName) of a tool's row.
QString identifier(const QString &toolName);

// "JavaScript challenges: ready (deno 2.9.6, solver fetched when needed)",
// or why not; in the interface language unless `translate` is false.
QString jsChallengesLine(const EngineDiagnosticsReport &report, bool translate = true);

// The plain-text report the Copy action puts on the clipboard. A tool line
// ends in " source=user" for a copy from the user's tool folder and, for a
// yt-dlp whose version is a date, " age=<days>d" at the report's time (and
// " outdated" past 90 days); a passed-over user copy adds a line saying why.
QString reportText(const EngineDiagnosticsReport &report, const QString &homeDirectory);

} // namespace DiagnosticsPresentation
