#include "app/DesktopIdentity.h"

#include "settings/AppConfiguration.h"

#include <QApplication>
#include <QIcon>

namespace DesktopIdentity {

void apply()
{
    // X11 window managers see the application name as the window class, the
    // StartupWMClass of the .desktop file.
    QApplication::setApplicationName(QStringLiteral("Tarvelle"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tarvelle"));
    QApplication::setApplicationVersion(AppConfiguration::version());
    QApplication::setDesktopFileName(AppConfiguration::appId());
    // The installed icon theme copy first; the embedded one when the tree was
    // not installed where the desktop looks for icons.
    QApplication::setWindowIcon(
        QIcon::fromTheme(AppConfiguration::appId(), QIcon(QStringLiteral(":/app/tarvelle.svg"))));
}

} // namespace DesktopIdentity
