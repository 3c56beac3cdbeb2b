#pragma once

#include "engine/SemanticColor.h"

#include <QColor>
#include <QPalette>

// The window's named colours on the current palette: the engine's semantic
// colours, the dimmed "secondary" text and the quaternary fill behind
// thumbnails and cards. Chosen to read on light and dark palettes alike.
namespace Colors {

QColor semantic(SemanticColor colour, const QPalette &palette);
QColor secondaryText(const QPalette &palette);
QColor quaternaryFill(const QPalette &palette);
// The preview card's background: lighter than the quaternary fill, so a
// thumbnail frame on it still shows.
QColor cardFill(const QPalette &palette);

// The contrast ratio of two colours as WCAG 2 defines it: 1 (none) to 21.
double contrast(const QColor &a, const QColor &b);

// The least contrast a control must have against what surrounds it and
// what it is filled with, so it can be seen at all (WCAG 2.1, 1.4.11).
inline constexpr double kControlContrast = 3.0;

// The edge of text fields, pop-up pickers, buttons and check boxes: the
// window's text colour over its background, just strong enough to reach
// kControlContrast against the window, the field and the button colours.
QColor controlEdge(const QPalette &palette);

// The fill of the selected segment of a segmented picker: the highlight
// colour, darkened or lightened until it reaches kControlContrast against
// the window and against an unselected segment.
QColor selectedSegment(const QPalette &palette);

} // namespace Colors
