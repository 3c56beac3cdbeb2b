#include "ui/widgets/ContrastStyle.h"

#include "ui/widgets/Colors.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOption>

namespace {

enum class Edge { none, rounded, square, round };

Edge edgeOf(QStyle::PrimitiveElement element, const QStyleOption &option)
{
    switch (element) {
    case QStyle::PE_FrameLineEdit:
    case QStyle::PE_PanelButtonCommand:
        // A focused field or button shows the style's highlighted edge instead.
        return option.state & QStyle::State_HasFocus ? Edge::none : Edge::rounded;
    case QStyle::PE_IndicatorCheckBox:
        return Edge::square;
    case QStyle::PE_IndicatorRadioButton:
        return Edge::round;
    default:
        return Edge::none;
    }
}

} // namespace

ContrastStyle::ContrastStyle() : QProxyStyle(QStringLiteral("Fusion")) {}

void ContrastStyle::install()
{
    if (!qobject_cast<ContrastStyle *>(QApplication::style()))
        QApplication::setStyle(new ContrastStyle);
}

void ContrastStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                  const QWidget *widget) const
{
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    const Edge edge = edgeOf(element, *option);
    if (edge == Edge::none)
        return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setBrush(Qt::NoBrush);
    painter->setPen(QPen(Colors::controlEdge(option->palette), 1));
    const QRectF rect = QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5);
    switch (edge) {
    case Edge::rounded:
        painter->drawRoundedRect(rect, 2, 2);
        break;
    case Edge::square:
        painter->drawRect(QRectF(option->rect).adjusted(0.5, 0.5, -1.5, -1.5));
        break;
    case Edge::round:
        painter->drawEllipse(QRectF(option->rect).adjusted(0.5, 0.5, -1.5, -1.5));
        break;
    case Edge::none:
        break;
    }
    painter->restore();
}
