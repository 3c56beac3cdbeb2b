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

} // namespace Colors
