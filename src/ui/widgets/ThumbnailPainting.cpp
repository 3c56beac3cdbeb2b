#include "ui/widgets/ThumbnailPainting.h"

#include "ui/widgets/Colors.h"
#include "ui/widgets/Symbols.h"

#include <QPainter>
#include <QPainterPath>

namespace ThumbnailPainting {

void paint(QPainter &painter, const QRect &rect, qreal cornerRadius, const std::optional<QPixmap> &image,
           const QPalette &palette, int symbolSize)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath clip;
    clip.addRoundedRect(QRectF(rect), cornerRadius, cornerRadius);
    painter.fillPath(clip, Colors::quaternaryFill(palette));
    if (image && !image->isNull()) {
        QRect target(QPoint(0, 0), image->size().scaled(rect.size(), Qt::KeepAspectRatio));
        target.moveCenter(rect.center());
        painter.setClipPath(clip);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(target, *image);
    } else {
        const QRect icon(rect.center().x() - symbolSize / 2 + 1, rect.center().y() - symbolSize / 2 + 1, symbolSize,
                         symbolSize);
        painter.drawPixmap(icon, Symbols::tinted(QStringLiteral("photo"), Colors::secondaryText(palette), symbolSize,
                                                 painter.device()->devicePixelRatioF()));
    }
    painter.restore();
}

} // namespace ThumbnailPainting
