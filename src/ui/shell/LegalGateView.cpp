#include "ui/shell/LegalGateView.h"

#include "ui/widgets/Fonts.h"
#include "ui/widgets/Foreground.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

LegalGateView::LegalGateView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("legalGate"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 28, 28, 28);
    layout->setSpacing(18);
    layout->addStretch();

    auto *shield = new QLabel(this);
    shield->setObjectName(QStringLiteral("legalShieldSymbol"));
    const int symbolSize = QFontMetrics(Fonts::largeSymbolFont()).height() + 8;
    setTintedSymbol(shield, QStringLiteral("shield.lefthalf.filled"), SemanticColor::blue, symbolSize);
    shield->setAlignment(Qt::AlignCenter);
    layout->addWidget(shield);

    auto *name = new QLabel(tr("Tarvelle"), this);
    name->setFont(Fonts::title());
    name->setAlignment(Qt::AlignCenter);
    layout->addWidget(name);

    auto *notice = new QLabel(tr("Only download media that you own, are authorized to use, or are otherwise legally "
                                 "permitted to save. This application does not bypass DRM."),
                              this);
    notice->setObjectName(QStringLiteral("legalNotice"));
    notice->setTextFormat(Qt::PlainText);
    notice->setWordWrap(true);
    notice->setAlignment(Qt::AlignCenter);
    notice->setFixedWidth(420);
    notice->setMinimumHeight(notice->heightForWidth(420));
    setForeground(notice, SemanticColor::secondary);
    layout->addWidget(notice, 0, Qt::AlignHCenter);

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(16);
    buttons->addStretch();
    auto *quit = new QPushButton(tr("Quit"), this);
    quit->setObjectName(QStringLiteral("legalQuitButton"));
    quit->setAccessibleName(quit->text());
    auto *understand = new QPushButton(tr("I Understand"), this);
    understand->setObjectName(QStringLiteral("legalUnderstandButton"));
    understand->setAccessibleName(understand->text());
    understand->setDefault(true);
    buttons->addWidget(quit);
    buttons->addWidget(understand);
    buttons->addStretch();
    layout->addLayout(buttons);
    layout->addStretch();

    connect(quit, &QPushButton::clicked, this, &LegalGateView::quitRequested);
    connect(understand, &QPushButton::clicked, this, &LegalGateView::understood);

    // Default and cancel actions of the notice, wherever the focus is in it.
    for (const auto key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto *accept = new QShortcut(QKeySequence(key), this);
        accept->setContext(Qt::WidgetWithChildrenShortcut);
        connect(accept, &QShortcut::activated, understand, &QPushButton::click);
    }
    auto *cancel = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    cancel->setContext(Qt::WidgetWithChildrenShortcut);
    connect(cancel, &QShortcut::activated, quit, &QPushButton::click);

    setFocusPolicy(Qt::StrongFocus);
    understand->setFocus();
}
