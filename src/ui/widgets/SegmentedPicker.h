#pragma once

#include <QStringList>
#include <QWidget>

class QButtonGroup;

// A row of joined, mutually exclusive buttons: the segmented picker.
class SegmentedPicker : public QWidget
{
    Q_OBJECT

public:
    SegmentedPicker(const QStringList &labels, QWidget *parent = nullptr);

    int currentIndex() const;
    void setCurrentIndex(int index);
    QStringList labels() const { return m_labels; }

signals:
    void currentIndexChanged(int index);

private:
    QStringList m_labels;
    QButtonGroup *m_group;
};
