#include "ui/widgets/StatusBadge.h"

#include "ui/widgets/Colors.h"
#include "ui/widgets/Fonts.h"
#include "ui/widgets/Symbols.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int kPadX = 8;
constexpr int kPadY = 3;
constexpr int kIconGap = 4;

} // namespace

StatusBadge::StatusBadge(QWidget *parent) : QWidget(parent)
{
    setFont(Fonts::caption());
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    refresh();
}

void StatusBadge::setStatus(DownloadStatus status, const QString &stage)
{
    m_status = status;
    m_stage = stage;
    refresh();
}

void StatusBadge::refresh()
{
    m_info = JobStatusInfo::forStatus(m_status, m_stage);
    setAccessibleName(m_info.text);
    updateGeometry();
    update();
}

QSize StatusBadge::sizeHint() const
{
    const QFontMetrics metrics(font());
    const int icon = metrics.height() - 2;
    // Chinese status texts come from a fallback font with taller glyphs.
    const int text = qMax(metrics.height(), metrics.boundingRect(m_info.text).height());
    return {kPadX + icon + kIconGap + metrics.horizontalAdvance(m_info.text) + kPadX, text + 2 * kPadY};
}

void StatusBadge::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor colour = Colors::semantic(m_info.foreground, palette());
    QColor background = colour;
    background.setAlphaF(0.15);
    QPainterPath capsule;
    capsule.addRoundedRect(QRectF(rect()), height() / 2.0, height() / 2.0);
    painter.fillPath(capsule, background);
    const int icon = fontMetrics().height() - 2;
    const QRect iconRect(kPadX, (height() - icon) / 2, icon, icon);
    painter.drawPixmap(iconRect, Symbols::tinted(m_info.symbolName, colour, icon, devicePixelRatioF()));
    painter.setPen(colour);
    painter.drawText(rect().adjusted(kPadX + icon + kIconGap, 0, -kPadX, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     m_info.text);
}

void StatusBadge::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        refresh();
    QWidget::changeEvent(event);
}
