#include "ui/widgets/ThumbnailView.h"

#include "ui/widgets/Colors.h"
#include "ui/widgets/Fonts.h"
#include "ui/widgets/Symbols.h"
#include "ui/widgets/ThumbnailLoader.h"

#include <QPainter>
#include <QPainterPath>

ThumbnailView::ThumbnailView(ThumbnailLoader &loader, QSize size, qreal cornerRadius, QWidget *parent)
    : QWidget(parent), m_loader(loader), m_radius(cornerRadius)
{
    setObjectName(QStringLiteral("thumbnailView"));
    setFixedSize(size);
    connect(&loader, &ThumbnailLoader::finished, this, [this](const QUrl &url) {
        if (m_url == url)
            update();
    });
}

void ThumbnailView::setUrl(const std::optional<QUrl> &url)
{
    m_url = url;
    if (m_url)
        m_loader.pixmap(*m_url);
    update();
}

bool ThumbnailView::showsImage() const
{
    return m_url && m_loader.state(*m_url) == ThumbnailLoader::State::ready;
}

void ThumbnailView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath clip;
    clip.addRoundedRect(QRectF(rect()), m_radius, m_radius);
    painter.fillPath(clip, Colors::quaternaryFill(palette()));
    const std::optional<QPixmap> image = m_url ? m_loader.pixmap(*m_url) : std::nullopt;
    if (image && !image->isNull()) {
        QRect target(QPoint(0, 0), image->size().scaled(size(), Qt::KeepAspectRatio));
        target.moveCenter(rect().center());
        painter.setClipPath(clip);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(target, *image);
        return;
    }
    const int symbol = qMin(QFontMetrics(Fonts::largeSymbolFont()).height(), qMin(width(), height()) - 8);
    const QRect icon(rect().center().x() - symbol / 2 + 1, rect().center().y() - symbol / 2 + 1, symbol, symbol);
    painter.drawPixmap(icon, Symbols::tinted(QStringLiteral("photo"), Colors::secondaryText(palette()), symbol,
                                             devicePixelRatioF()));
}
