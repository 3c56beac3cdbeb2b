#include "updates/ToolUpdateResult.h"

#include <QCoreApplication>

namespace {

QString translated(const char *text)
{
    return QCoreApplication::translate("ToolUpdateResult", text);
}

QString orUnknown(const std::optional<QString> &version)
{
    return version.value_or(translated(QT_TRANSLATE_NOOP("ToolUpdateResult", "an unknown version")));
}

} // namespace

QString ToolUpdateResult::message() const
{
    const QString channelName = ReleaseChannels::rawValue(channel);
    switch (kind) {
    case Kind::upToDate:
        return translated(QT_TRANSLATE_NOOP("ToolUpdateResult", "%1 %2 is up to date (latest %3 release: %4)."))
            .arg(tool, orUnknown(currentVersion), channelName, orUnknown(latestVersion));
    case Kind::available:
        return translated(QT_TRANSLATE_NOOP("ToolUpdateResult", "A newer %1 is available: %2 (in use: %3)."))
            .arg(tool, orUnknown(latestVersion), orUnknown(currentVersion));
    case Kind::installed:
        return translated(QT_TRANSLATE_NOOP("ToolUpdateResult",
                                            "%1 %2 is verified and installed in your tool folder; new jobs use it."))
            .arg(tool, orUnknown(installedVersion));
    case Kind::failed:
        return translated(QT_TRANSLATE_NOOP("ToolUpdateResult", "Updating %1 failed while %2: %3 Nothing was changed."))
            .arg(tool, failedStep ? UpdateSteps::description(*failedStep).toLower() : QString(), reason);
    case Kind::cancelled:
        return translated(QT_TRANSLATE_NOOP("ToolUpdateResult", "Updating %1 was cancelled. Nothing was changed."))
            .arg(tool);
    }
    return {};
}
