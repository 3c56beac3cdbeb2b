#include "ui/ComingSoonView.h"

#include "ui/Colors.h"
#include "ui/Fonts.h"
#include "ui/Symbols.h"

#include <QLabel>
#include <QVBoxLayout>

ComingSoonView::ComingSoonView(const QString &title, const QString &symbol, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("comingSoonPage"));
    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(10);
    layout->addStretch();
    const QColor dim = Colors::secondaryText(palette());
    auto *icon = new QLabel(this);
    icon->setPixmap(Symbols::tinted(symbol, dim, QFontMetrics(Fonts::largeSymbolFont()).height() + 8, devicePixelRatioF()));
    icon->setAlignment(Qt::AlignCenter);
    auto *heading = new QLabel(title, this);
    heading->setFont(Fonts::title3());
    heading->setAlignment(Qt::AlignCenter);
    auto *text = new QLabel(tr("This section is coming in a later version."), this);
    text->setAlignment(Qt::AlignCenter);
    QPalette dimmed = text->palette();
    dimmed.setColor(QPalette::WindowText, dim);
    text->setPalette(dimmed);
    layout->addWidget(icon);
    layout->addWidget(heading);
    layout->addWidget(text);
    layout->addStretch();
}
