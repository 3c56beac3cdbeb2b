#include "ui/widgets/SegmentedPicker.h"

#include "ui/widgets/Colors.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionFocusRect>
#include <QToolButton>

namespace {

// One segment. Painted here rather than by the style: the style shows a
// checked tool button a shade darker than an unchecked one, which on a dark
// palette cannot be told apart; the selected segment takes the highlight.
class Segment : public QToolButton
{
public:
    Segment(bool first, bool last, QWidget *parent) : QToolButton(parent), m_first(first), m_last(last) {}

    QSize sizeHint() const override
    {
        const QFontMetrics metrics(font());
        return {metrics.horizontalAdvance(text()) + 24, metrics.height() + 10};
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QPalette &colours = palette();
        const QRectF area = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        QPainterPath shape;
        // Rounded only at the outer ends of the row.
        constexpr qreal radius = 3;
        shape.addRoundedRect(area, radius, radius);
        if (!m_first)
            shape.addRect(area.adjusted(0, 0, -area.width() / 2, 0));
        if (!m_last)
            shape.addRect(area.adjusted(area.width() / 2, 0, 0, 0));
        shape.setFillRule(Qt::WindingFill);
        shape = shape.simplified();

        QColor fill = isChecked() ? Colors::selectedSegment(colours) : colours.color(QPalette::Button);
        if (!isChecked() && (isDown() || underMouse()))
            fill = Colors::quaternaryFill(colours);
        painter.fillPath(shape, fill);
        painter.setPen(QPen(isChecked() ? fill : Colors::controlEdge(colours), 1));
        painter.drawPath(shape);

        QColor text = isChecked() ? colours.color(QPalette::HighlightedText) : colours.color(QPalette::ButtonText);
        if (!isEnabled())
            text = colours.color(QPalette::Disabled, QPalette::ButtonText);
        painter.setPen(text);
        painter.setFont(font());
        painter.drawText(rect(), Qt::AlignCenter, this->text());

        if (hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = rect().adjusted(3, 3, -3, -3);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
        }
    }

private:
    bool m_first;
    bool m_last;
};

} // namespace

SegmentedPicker::SegmentedPicker(const QStringList &labels, QWidget *parent)
    : QWidget(parent), m_labels(labels), m_group(new QButtonGroup(this))
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_group->setExclusive(true);
    for (int i = 0; i < labels.size(); ++i) {
        auto *button = new Segment(i == 0, i == labels.size() - 1, this);
        button->setText(labels.at(i));
        button->setAccessibleName(labels.at(i));
        button->setCheckable(true);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->setFocusPolicy(Qt::StrongFocus);
        button->setAttribute(Qt::WA_Hover);
        button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        m_group->addButton(button, i);
        layout->addWidget(button);
    }
    layout->addStretch();
    connect(m_group, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            emit currentIndexChanged(id);
    });
}

int SegmentedPicker::currentIndex() const
{
    return m_group->checkedId();
}

void SegmentedPicker::setCurrentIndex(int index)
{
    if (auto *button = m_group->button(index))
        button->setChecked(true);
}
