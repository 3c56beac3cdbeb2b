#pragma once

#include <QWidget>

// The page of a section whose screen is not in this version yet.
class ComingSoonView : public QWidget
{
    Q_OBJECT

public:
    ComingSoonView(const QString &title, const QString &symbol, QWidget *parent = nullptr);
};
