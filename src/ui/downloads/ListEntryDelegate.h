#pragma once

#include <QStyledItemDelegate>

class ThumbnailLoader;

// A row of a list's entries: its check box, its number in the list, its
// thumbnail, title and duration, all rows of one height. A thumbnail is
// asked for only when its row is painted, so only the rows in sight load
// theirs.
class ListEntryDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    ListEntryDelegate(ThumbnailLoader &thumbnails, QObject *parent = nullptr);

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    ThumbnailLoader &m_thumbnails;
};
