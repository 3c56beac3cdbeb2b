#pragma once

#include <QWidget>

class QLabel;

// The centred "nothing here" panel: a large dimmed symbol, a title and an
// optional description.
class EmptyStatePanel : public QWidget
{
    Q_OBJECT

public:
    EmptyStatePanel(const QString &symbolName, QWidget *parent = nullptr);

    void setTexts(const QString &title, const QString &description = {});

private:
    QLabel *m_symbol;
    QLabel *m_title;
    QLabel *m_description;
};
