#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QString>

// The window's symbols by their names ("clock", "arrow.down.circle", ...).
// Each name maps onto a freedesktop icon-theme name; the desktop's theme is
// used when it has that icon, and a shipped monochrome SVG otherwise, so
// every symbol shows on any desktop. GUI thread only.
namespace Symbols {

// The icon-theme name a symbol maps onto; empty for an unknown symbol.
QString themeName(const QString &symbolName);

// The theme's icon, else the shipped one drawn in the palette's text colour.
QIcon icon(const QString &symbolName);

// The shipped symbol drawn in one colour (status badges, warnings), where the
// colour carries meaning and a full-colour theme icon would lose it.
// `size` is in device-independent pixels; cached.
QPixmap tinted(const QString &symbolName, const QColor &colour, int size, qreal devicePixelRatio = 1.0);
QIcon tintedIcon(const QString &symbolName, const QColor &colour);

} // namespace Symbols
