#include "ui/widgets/WrappedLabel.h"

#include "ui/widgets/TextPainting.h"

#include <QPainter>

WrappedLabel::WrappedLabel(int maxLines, QWidget *parent) : QWidget(parent), m_maxLines(maxLines)
{
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void WrappedLabel::setText(const QString &text)
{
    m_text = text;
    setToolTip(text);
    setAccessibleName(text);
    updateGeometry();
    update();
}

QSize WrappedLabel::sizeHint() const
{
    const int width = qMax(200, fontMetrics().horizontalAdvance(TextPainting::singleLine(m_text)) / m_maxLines + 20);
    return {width, heightForWidth(width)};
}

QSize WrappedLabel::minimumSizeHint() const
{
    return {60, fontMetrics().height()};
}

int WrappedLabel::heightForWidth(int width) const
{
    const int lines = TextPainting::lineCount(m_text, font(), width, m_maxLines);
    return (lines - 1) * fontMetrics().lineSpacing() + fontMetrics().height();
}

void WrappedLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    TextPainting::drawWrapped(painter, rect(), m_text, font(), m_maxLines);
}
