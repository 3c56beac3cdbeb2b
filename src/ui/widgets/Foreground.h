#pragma once

#include "engine/SemanticColor.h"

#include <QPalette>
#include <QString>

#include <functional>
#include <initializer_list>
#include <optional>

class QLabel;
class QWidget;

// Colours worked out from a palette go stale when the desktop switches
// between light and dark while the window is open. These helpers apply such
// colours now and again whenever the widget's palette changes.

// Runs `apply` now and after every palette change of `widget`. A second call
// with the same `purpose` replaces the first one's `apply`.
void followPalette(QWidget *widget, const QString &purpose, std::function<void()> apply);

// The palette a widget's own colours derive from: its parent's, so colours
// set on the widget itself never feed back into themselves.
QPalette basePalette(const QWidget *widget);

// Gives the palette roles of a widget one colour. Only a real change is
// applied, so the palette change it causes ends there.
void setPaletteColour(QWidget *widget, std::initializer_list<QPalette::ColorRole> roles, const QColor &colour);

// Gives a widget's text a named colour, whichever palette role its parent
// makes it draw with (labels inside scroll areas draw with Text, not WindowText).
void setForeground(QWidget *widget, SemanticColor colour);

// Shows a symbol on a label, drawn in a named colour; nothing: the text colour.
void setTintedSymbol(QLabel *label, const QString &symbolName, std::optional<SemanticColor> colour, int size);
