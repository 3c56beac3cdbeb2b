#include "ui/shell/ClipboardLinkBar.h"

#include "ui/widgets/ElidedLabel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

ClipboardLinkBar::ClipboardLinkBar(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("clipboardLinkBar"));
    setAttribute(Qt::WA_StyledBackground);
    setBackgroundRole(QPalette::AlternateBase);
    setAutoFillBackground(true);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 6, 12, 6);
    m_question = new QLabel(this);
    m_linkText = new ElidedLabel(this);
    m_linkText->setObjectName(QStringLiteral("clipboardLinkText"));
    m_analyze = new QPushButton(this);
    m_analyze->setObjectName(QStringLiteral("clipboardAnalyzeButton"));
    m_dismiss = new QPushButton(this);
    m_dismiss->setObjectName(QStringLiteral("clipboardDismissButton"));
    // Offered, not imposed: typing elsewhere goes on undisturbed.
    for (QPushButton *button : {m_analyze, m_dismiss})
        button->setFocusPolicy(Qt::TabFocus);
    layout->addWidget(m_question);
    layout->addWidget(m_linkText, 1);
    layout->addWidget(m_analyze);
    layout->addWidget(m_dismiss);

    connect(m_analyze, &QPushButton::clicked, this, [this] {
        hide();
        emit analyzeRequested(m_link);
    });
    connect(m_dismiss, &QPushButton::clicked, this, &QWidget::hide);
    retranslate();
    hide();
}

void ClipboardLinkBar::offer(const QString &link)
{
    m_link = link;
    m_linkText->setFullText(link);
    m_linkText->setToolTip(link);
    show();
}

void ClipboardLinkBar::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void ClipboardLinkBar::retranslate()
{
    m_question->setText(tr("Analyze the copied link?"));
    m_analyze->setText(tr("Analyze"));
    m_analyze->setAccessibleName(m_analyze->text());
    m_dismiss->setText(tr("Dismiss"));
    m_dismiss->setAccessibleName(m_dismiss->text());
}
