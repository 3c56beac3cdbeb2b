#include "ui/EmptyStatePanel.h"

#include "ui/Colors.h"
#include "ui/Fonts.h"
#include "ui/Foreground.h"
#include "ui/Symbols.h"

#include <QEvent>
#include <QLabel>
#include <QVBoxLayout>

EmptyStatePanel::EmptyStatePanel(const QString &symbolName, QWidget *parent)
    : QWidget(parent), m_symbolName(symbolName), m_symbol(new QLabel(this)), m_title(new QLabel(this)),
      m_description(new QLabel(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(8);
    layout->addStretch();
    m_symbol->setAlignment(Qt::AlignCenter);
    m_title->setFont(Fonts::title3());
    m_title->setAlignment(Qt::AlignCenter);
    m_title->setObjectName(QStringLiteral("emptyStateTitle"));
    m_description->setAlignment(Qt::AlignCenter);
    m_description->setWordWrap(true);
    m_description->setObjectName(QStringLiteral("emptyStateDescription"));
    layout->addWidget(m_symbol);
    layout->addWidget(m_title);
    layout->addWidget(m_description);
    layout->addStretch();
    paintSymbol();
}

void EmptyStatePanel::setTexts(const QString &title, const QString &description)
{
    m_title->setText(title);
    m_description->setText(description);
    m_description->setVisible(!description.isEmpty());
    setAccessibleName(title);
}

void EmptyStatePanel::paintSymbol()
{
    const QColor dim = Colors::secondaryText(palette());
    m_symbol->setPixmap(Symbols::tinted(m_symbolName, dim, QFontMetrics(Fonts::largeSymbolFont()).height() + 8,
                                        devicePixelRatioF()));
    setForeground(m_description, dim);
}

void EmptyStatePanel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        paintSymbol();
    QWidget::changeEvent(event);
}
