#pragma once

// Names the application to the desktop: the application id that matches the
// installed .desktop file (taskbars and notification servers look the name and
// icon up there), the names and version Qt reports, and the icon of windows
// that set none of their own. Call right after the QApplication exists.
namespace DesktopIdentity {
void apply();
}
