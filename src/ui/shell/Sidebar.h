#pragma once

#include "settings/AppState.h"

#include <QAbstractButton>
#include <QFrame>
#include <QList>

class QButtonGroup;

// One sidebar row: a symbol and a text, highlighted while selected.
class SidebarButton : public QAbstractButton
{
    Q_OBJECT

public:
    SidebarButton(const QIcon &icon, const QString &text, QWidget *parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
};

// The window's sections, one row each, single selection. Up and Down move
// the selection.
class Sidebar : public QFrame
{
    Q_OBJECT

public:
    explicit Sidebar(QWidget *parent = nullptr);

    SidebarSelection selection() const;
    void setSelection(SidebarSelection section);

signals:
    void selectionChosen(SidebarSelection section);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    QButtonGroup *m_group;
};
