#pragma once

#include <QAbstractScrollArea>
#include <QList>

class FilePresence;
class HistoryListModel;
class HistoryRow;
class ThumbnailLoader;

// The list of history records. Only the rows in sight exist as widgets (all
// rows have one height), so a history of any length costs the same to show
// and to scroll; scrolling hands the same row widgets other records.
class HistoryListView : public QAbstractScrollArea
{
    Q_OBJECT

public:
    HistoryListView(HistoryListModel &model, FilePresence &presence, ThumbnailLoader &thumbnails,
                    QWidget *parent = nullptr);

    // The row widgets in sight, top to bottom.
    QList<HistoryRow *> visibleRows() const;
    int rowHeight() const { return m_rowHeight; }

signals:
    void openRequested(const QString &path);
    void revealRequested(const QString &path);
    void removeRequested(const QUuid &storeId);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool viewportEvent(QEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void updateScrollRange();
    void layoutRows();
    void fileAnswersChanged();
    HistoryRow *makeRow();

    HistoryListModel &m_model;
    FilePresence &m_presence;
    ThumbnailLoader &m_thumbnails;
    QList<HistoryRow *> m_rows; // the pool; the first m_used are in sight
    qsizetype m_used = 0;
    int m_rowHeight;
};
