#include "ui/widgets/ThumbnailView.h"

#include "ui/widgets/Fonts.h"
#include "ui/widgets/ThumbnailLoader.h"
#include "ui/widgets/ThumbnailPainting.h"

#include <QPainter>

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
    const int symbol = qMin(QFontMetrics(Fonts::largeSymbolFont()).height(), qMin(width(), height()) - 8);
    ThumbnailPainting::paint(painter, rect(), m_radius, m_url ? m_loader.pixmap(*m_url) : std::nullopt, palette(),
                             symbol);
}
