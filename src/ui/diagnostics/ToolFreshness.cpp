#include "ui/diagnostics/ToolFreshness.h"

#include "tools/ToolAge.h"

#include <QCoreApplication>

namespace ToolFreshness {

QString sourceText(ToolSource source)
{
    return source == ToolSource::user ? QCoreApplication::translate("ToolFreshness", "Your tool folder")
                                      : QCoreApplication::translate("ToolFreshness", "Shipped");
}

std::optional<AgeText> ageText(const ToolDiagnostic &tool, const QDate &today)
{
    if (!tool.releaseDate)
        return std::nullopt;
    const int days = ToolAge::ageInDays(*tool.releaseDate, today);
    if (ToolAge::isStale(days))
        return AgeText{QCoreApplication::translate("ToolFreshness", "%1 days old: update recommended").arg(days),
                       SemanticColor::orange, true};
    return AgeText{QCoreApplication::translate("ToolFreshness", "%1 days old").arg(days), SemanticColor::secondary,
                   false};
}

} // namespace ToolFreshness
