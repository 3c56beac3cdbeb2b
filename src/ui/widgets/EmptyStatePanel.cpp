#include "ui/widgets/EmptyStatePanel.h"

#include "ui/widgets/Fonts.h"
#include "ui/widgets/Foreground.h"

#include <QLabel>
#include <QVBoxLayout>

EmptyStatePanel::EmptyStatePanel(const QString &symbolName, QWidget *parent)
    : QWidget(parent), m_symbol(new QLabel(this)), m_title(new QLabel(this)),
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
    setTintedSymbol(m_symbol, symbolName, SemanticColor::secondary, QFontMetrics(Fonts::largeSymbolFont()).height() + 8);
    setForeground(m_description, SemanticColor::secondary);
}

void EmptyStatePanel::setTexts(const QString &title, const QString &description)
{
    m_title->setText(title);
    m_description->setText(description);
    m_description->setVisible(!description.isEmpty());
    setAccessibleName(title);
}
