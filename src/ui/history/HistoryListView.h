#pragma once

#include <QAbstractScrollArea>
#include <QList>

#include "history/DownloadHistory.h"

class FilePresence;
class HistoryListModel;
class HistoryRow;
class ThumbnailLoader;

// The list of history records. Only the rows in sight exist as widgets, so a
// history of any length costs the same to show and to scroll; scrolling
// hands the same row widgets other records. A row's height follows from its
// record alone (HistoryRow::Heights), so where each row starts is worked
// out once per change of the list, without making widgets.
class HistoryListView : public QAbstractScrollArea
{
    Q_OBJECT

public:
    HistoryListView(HistoryListModel &model, FilePresence &presence, ThumbnailLoader &thumbnails,
                    QWidget *parent = nullptr);

    // The row widgets in sight, top to bottom.
    QList<HistoryRow *> visibleRows() const;
    // The lowest height a row has.
    int rowHeight() const { return m_rowHeight; }

signals:
    void openRequested(const QString &path);
    void revealRequested(const QString &path);
    void retryRequested(const DownloadHistory &record);
    void copyLinkRequested(const DownloadHistory &record);
    void removeRequested(const QUuid &storeId);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool viewportEvent(QEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void measureRows();
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
    QList<qint64> m_tops; // where each row starts, then where the last one ends
};
