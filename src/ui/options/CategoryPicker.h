#pragma once

#include "engine/SponsorBlock.h"

#include <QStringList>
#include <QToolButton>

// A button that opens a list of SponsorBlock categories to tick; the button
// names those ticked, or "None".
class CategoryPicker : public QToolButton
{
    Q_OBJECT

public:
    CategoryPicker(SponsorBlock::Use use, QWidget *parent = nullptr);

    // Categories in the order of SponsorBlock::categories().
    QStringList selection() const;
    // Ticks exactly `categories`; emits nothing.
    void setSelection(const QStringList &categories);

signals:
    // After the user ticked or unticked a category.
    void selectionChanged(const QStringList &categories);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void updateText();

    SponsorBlock::Use m_use;
};
