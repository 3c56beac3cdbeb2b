#include "ui/options/CategoryPicker.h"

#include <QAction>
#include <QEvent>
#include <QMenu>

CategoryPicker::CategoryPicker(SponsorBlock::Use use, QWidget *parent) : QToolButton(parent), m_use(use)
{
    setPopupMode(QToolButton::InstantPopup);
    setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto *menu = new QMenu(this);
    for (const QString &category : SponsorBlock::categories(use)) {
        QAction *action = menu->addAction(QString());
        action->setCheckable(true);
        action->setData(category);
        action->setObjectName(QStringLiteral("category_") + category);
        connect(action, &QAction::toggled, this, [this] {
            updateText();
            emit selectionChanged(selection());
        });
    }
    setMenu(menu);
    retranslate();
}

QStringList CategoryPicker::selection() const
{
    QStringList chosen;
    for (const QAction *action : menu()->actions()) {
        if (action->isChecked())
            chosen.append(action->data().toString());
    }
    return chosen;
}

void CategoryPicker::setSelection(const QStringList &categories)
{
    for (QAction *action : menu()->actions()) {
        const QSignalBlocker blocker(action);
        action->setChecked(categories.contains(action->data().toString()));
    }
    updateText();
}

void CategoryPicker::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QToolButton::changeEvent(event);
}

void CategoryPicker::retranslate()
{
    for (QAction *action : menu()->actions())
        action->setText(SponsorBlock::label(action->data().toString()));
    updateText();
}

void CategoryPicker::updateText()
{
    QStringList names;
    for (const QString &category : selection())
        names.append(SponsorBlock::label(category));
    setText(names.isEmpty() ? tr("None") : names.join(tr(", ")));
    setToolTip(text());
}
