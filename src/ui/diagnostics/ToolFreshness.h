#pragma once

#include "diagnostics/EngineDiagnosticsReport.h"
#include "engine/SemanticColor.h"

#include <QDate>
#include <QString>

#include <optional>

// How a tool in use is described beside its version, on the Diagnostics
// screen and in About: where it comes from, and how old a yt-dlp is.
namespace ToolFreshness {

struct AgeText
{
    QString text;
    SemanticColor foreground = SemanticColor::secondary;
    bool outdated = false; // past ToolAge::kStaleAfterDays: the update action shows
};

// "Shipped" or "Your tool folder" (translated).
QString sourceText(ToolSource source);

// "42 days old", or in orange "1377 days old: update recommended" past 90
// days; none for a tool whose version names no date.
std::optional<AgeText> ageText(const ToolDiagnostic &tool, const QDate &today);

} // namespace ToolFreshness
