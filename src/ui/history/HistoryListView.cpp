#include "ui/history/HistoryListView.h"

#include "ui/history/FilePresence.h"
#include "ui/history/HistoryListModel.h"
#include "ui/history/HistoryRow.h"

#include <QEvent>
#include <QScrollBar>

#include <algorithm>
#include <limits>

HistoryListView::HistoryListView(HistoryListModel &model, FilePresence &presence, ThumbnailLoader &thumbnails,
                                 QWidget *parent)
    : QAbstractScrollArea(parent), m_model(model), m_presence(presence), m_thumbnails(thumbnails),
      m_rowHeight(HistoryRow::Heights::current().base)
{
    setObjectName(QStringLiteral("historyList"));
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->setAutoFillBackground(false);
    verticalScrollBar()->setSingleStep(m_rowHeight / 2);

    connect(&m_model, &QAbstractItemModel::modelReset, this, [this] {
        measureRows();
        updateScrollRange();
        layoutRows();
    });
    measureRows();
    connect(&m_presence, &FilePresence::changed, this, &HistoryListView::fileAnswersChanged);
}

QList<HistoryRow *> HistoryListView::visibleRows() const
{
    return m_rows.mid(0, m_used);
}

void HistoryListView::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollRange();
    layoutRows();
}

void HistoryListView::scrollContentsBy(int, int)
{
    layoutRows();
}

bool HistoryListView::viewportEvent(QEvent *event)
{
    // A file may have been deleted or restored while the window was in the
    // background; look again when the person comes back.
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::Show) {
        QStringList paths;
        for (const HistoryRow *row : visibleRows()) {
            if (const auto &path = row->record().finalFilePath; path && !path->isEmpty())
                paths << *path;
        }
        m_presence.check(paths);
    }
    return QAbstractScrollArea::viewportEvent(event);
}

bool HistoryListView::focusNextPrevChild(bool next)
{
    const bool moved = QAbstractScrollArea::focusNextPrevChild(next);
    // Keep the focused button's row fully in sight.
    for (const HistoryRow *row : visibleRows()) {
        if (!row->isAncestorOf(focusWidget()))
            continue;
        if (row->y() < 0)
            verticalScrollBar()->setValue(verticalScrollBar()->value() + row->y());
        else if (row->geometry().bottom() > viewport()->height())
            verticalScrollBar()->setValue(verticalScrollBar()->value() + row->geometry().bottom() - viewport()->height() + 1);
        break;
    }
    return moved;
}

void HistoryListView::measureRows()
{
    const int count = m_model.rowCount();
    const HistoryRow::Heights heights = HistoryRow::Heights::current();
    m_tops.resize(count + 1);
    qint64 top = 0;
    for (int i = 0; i < count; ++i) {
        m_tops[i] = top;
        top += heights.of(m_model.recordAt(i));
    }
    m_tops[count] = top;
}

void HistoryListView::updateScrollRange()
{
    const qint64 content = m_tops.constLast();
    const int maximum = int(qBound(qint64(0), content - viewport()->height(), qint64(std::numeric_limits<int>::max())));
    verticalScrollBar()->setRange(0, maximum);
    verticalScrollBar()->setPageStep(viewport()->height());
}

HistoryRow *HistoryListView::makeRow()
{
    auto *row = new HistoryRow(m_thumbnails, viewport());
    connect(row, &HistoryRow::openRequested, this, &HistoryListView::openRequested);
    connect(row, &HistoryRow::revealRequested, this, &HistoryListView::revealRequested);
    connect(row, &HistoryRow::retryRequested, this, &HistoryListView::retryRequested);
    connect(row, &HistoryRow::copyLinkRequested, this, &HistoryListView::copyLinkRequested);
    connect(row, &HistoryRow::removeRequested, this,
            [this](const DownloadHistory &record) { emit removeRequested(record.storeId); });
    return row;
}

void HistoryListView::layoutRows()
{
    const qint64 offset = verticalScrollBar()->value();
    const int count = m_model.rowCount();
    // The last row that starts at or above the offset.
    const int first = qMax(0, int(std::upper_bound(m_tops.cbegin(), m_tops.cbegin() + count, offset) - m_tops.cbegin()) - 1);
    int inSight = 0;
    while (first + inSight < count && m_tops.at(first + inSight) < offset + viewport()->height())
        ++inSight;
    while (m_rows.size() < inSight)
        m_rows.append(makeRow());

    QStringList unchecked;
    for (int i = 0; i < inSight; ++i) {
        HistoryRow *row = m_rows.at(i);
        const DownloadHistory &record = m_model.recordAt(first + i);
        const QString path = record.finalFilePath.value_or(QString());
        row->bind(record, path.isEmpty() ? std::nullopt : m_presence.exists(path));
        if (!path.isEmpty())
            unchecked << path;
        const int top = int(m_tops.at(first + i) - offset);
        row->setGeometry(0, top, viewport()->width(), int(m_tops.at(first + i + 1) - m_tops.at(first + i)));
        row->show();
    }
    for (qsizetype i = inSight; i < m_rows.size(); ++i)
        m_rows.at(i)->hide();
    m_used = inSight;
    // Every time a row comes into sight its file is looked at again.
    m_presence.check(unchecked);
}

void HistoryListView::fileAnswersChanged()
{
    for (HistoryRow *row : visibleRows()) {
        const DownloadHistory record = row->record();
        const QString path = record.finalFilePath.value_or(QString());
        if (!path.isEmpty())
            row->bind(record, m_presence.exists(path));
    }
}
