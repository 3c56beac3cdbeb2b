#pragma once

#include <QPixmap>
#include <QRect>

#include <optional>

class QPainter;
class QPalette;

// How the window draws a thumbnail wherever it shows one: the image scaled
// to fit a rounded frame (letterboxed on the frame's fill), or the "photo"
// symbol while there is no image.
namespace ThumbnailPainting {

void paint(QPainter &painter, const QRect &rect, qreal cornerRadius, const std::optional<QPixmap> &image,
           const QPalette &palette, int symbolSize);

} // namespace ThumbnailPainting
