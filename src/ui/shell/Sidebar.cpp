#include "ui/shell/Sidebar.h"

#include "ui/widgets/Colors.h"
#include "ui/widgets/Foreground.h"
#include "ui/widgets/Symbols.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionFocusRect>
#include <QVBoxLayout>

namespace {

struct Section
{
    SidebarSelection section;
    const char *text;
    const char *symbol;
    const char *objectName;
};

const Section kSections[] = {
    {SidebarSelection::downloads, QT_TRANSLATE_NOOP("Sidebar", "Downloads"), "arrow.down.circle", "navDownloads"},
    {SidebarSelection::history, QT_TRANSLATE_NOOP("Sidebar", "History"), "clock", "navHistory"},
    {SidebarSelection::settings, QT_TRANSLATE_NOOP("Sidebar", "Settings"), "gearshape", "navSettings"},
    {SidebarSelection::diagnostics, QT_TRANSLATE_NOOP("Sidebar", "Diagnostics"), "stethoscope", "navDiagnostics"},
};

} // namespace

SidebarButton::SidebarButton(const QIcon &icon, const QString &text, QWidget *parent) : QAbstractButton(parent)
{
    setIcon(icon);
    setText(text);
    setAccessibleName(text);
    setCheckable(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
    setIconSize(QSize(18, 18));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize SidebarButton::sizeHint() const
{
    return {180, qMax(fontMetrics().height(), iconSize().height()) + 14};
}

void SidebarButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect()).adjusted(6, 1, -6, -1);
    QPainterPath shape;
    shape.addRoundedRect(area, 6, 6);
    if (isChecked()) {
        painter.fillPath(shape, palette().color(QPalette::Highlight));
    } else if (underMouse()) {
        painter.fillPath(shape, Colors::quaternaryFill(palette()));
    }
    const QColor textColour = isChecked() ? palette().color(QPalette::HighlightedText) : palette().color(QPalette::WindowText);
    const QRect iconRect(int(area.left()) + 10, (height() - iconSize().height()) / 2, iconSize().width(), iconSize().height());
    if (isChecked())
        Symbols::tintedIcon(property("symbol").toString(), textColour).paint(&painter, iconRect);
    else
        icon().paint(&painter, iconRect);
    painter.setPen(textColour);
    painter.drawText(QRect(iconRect.right() + 10, 0, int(area.right()) - iconRect.right() - 10, height()),
                     Qt::AlignLeft | Qt::AlignVCenter, text());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = area.toRect();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

Sidebar::Sidebar(QWidget *parent) : QFrame(parent), m_group(new QButtonGroup(this))
{
    setObjectName(QStringLiteral("sidebar"));
    setAutoFillBackground(true);
    followPalette(this, QStringLiteral("shade"),
                  [this] { setPaletteColour(this, {QPalette::Window}, Colors::quaternaryFill(basePalette(this))); });
    setMinimumWidth(200);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 12, 0, 12);
    layout->setSpacing(2);
    m_group->setExclusive(true);
    for (const Section &section : kSections) {
        auto *button = new SidebarButton(Symbols::icon(QLatin1String(section.symbol)), QString(), this);
        button->setObjectName(QLatin1String(section.objectName));
        button->setProperty("symbol", QLatin1String(section.symbol));
        m_group->addButton(button, static_cast<int>(section.section));
        layout->addWidget(button);
    }
    layout->addStretch();
    retranslate();
    connect(m_group, &QButtonGroup::idClicked, this,
            [this](int id) { emit selectionChosen(static_cast<SidebarSelection>(id)); });
}

void Sidebar::retranslate()
{
    setAccessibleName(tr("Sections"));
    for (const Section &section : kSections) {
        QAbstractButton *button = m_group->button(static_cast<int>(section.section));
        button->setText(tr(section.text));
        button->setAccessibleName(button->text());
    }
}

void Sidebar::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QFrame::changeEvent(event);
}

SidebarSelection Sidebar::selection() const
{
    return static_cast<SidebarSelection>(m_group->checkedId());
}

void Sidebar::setSelection(SidebarSelection section)
{
    if (auto *button = m_group->button(static_cast<int>(section)))
        button->setChecked(true);
}

void Sidebar::keyPressEvent(QKeyEvent *event)
{
    const int step = event->key() == Qt::Key_Down ? 1 : event->key() == Qt::Key_Up ? -1 : 0;
    if (step == 0) {
        QFrame::keyPressEvent(event);
        return;
    }
    const int count = static_cast<int>(std::size(kSections));
    const int next = (m_group->checkedId() + step + count) % count;
    m_group->button(next)->setFocus(Qt::TabFocusReason);
    emit selectionChosen(static_cast<SidebarSelection>(next));
}
