#pragma once

#include <QFont>
#include <QWidget>

// Plain text from outside wrapped into at most a few lines, the last one
// ending in an ellipsis when the text goes on; the whole text is the tooltip.
class WrappedLabel : public QWidget
{
    Q_OBJECT

public:
    WrappedLabel(int maxLines, QWidget *parent = nullptr);

    void setText(const QString &text);
    QString text() const { return m_text; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_text;
    int m_maxLines;
};
