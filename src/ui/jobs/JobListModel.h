#pragma once

#include "engine/DownloadJob.h"
#include "ui/jobs/JobRowContent.h"

#include <QAbstractListModel>
#include <QHash>
#include <QList>
#include <QSet>
#include <QTimer>

class DownloadQueue;

// The queue's jobs as a list model, one row per job in the queue's order.
//
// A running job changes many times a second; the model collects those changes
// and reports each changed row at most once per repaint interval (~30 times a
// second), with its row content worked out once per report. Rows whose height
// changes are announced through rowShapeChanged so the view can lay out again.
// GUI thread only.
class JobListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    // LogRole: nothing to read here; a change of it alone means the job's log
    // grew while its row looks the same, for an open log viewer.
    enum Role { JobIdRole = Qt::UserRole + 1, LogRole };

    static constexpr int kRepaintIntervalMs = 33;

    explicit JobListModel(DownloadQueue &queue, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    // DisplayRole and ToolTipRole: the title; AccessibleTextRole: title and
    // status; AccessibleDescriptionRole: the rest of the row and its buttons.
    QVariant data(const QModelIndex &index, int role) const override;

    DownloadJobPtr jobAt(int row) const;
    // The row of `job`, or -1 when it is not in the list.
    int rowOf(const DownloadJob *job) const;
    // Worked out on first use and after each reported change.
    const JobRowContent &contentAt(int row) const;

    // The height a view measured for the row at `width`, kept while the row
    // keeps its shape, so that laying out every row after a change measures
    // only the rows that changed. Nothing when not measured at that width.
    std::optional<int> measuredHeight(int row, int width) const;
    void setMeasuredHeight(int row, int width, int height) const;

    // Reports pending changes now instead of at the next interval.
    void flushChanges();

    // Whether every row with log lines offers its log, not only failed ones
    // (the verbose logs setting). Changing it reshapes every row.
    void setOffersEveryLog(bool on);

signals:
    void rowShapeChanged(const QModelIndex &index);
    // After a batch of changed rows has been reported.
    void changesReported();

private:
    struct Row
    {
        DownloadJobPtr job;
        mutable std::optional<JobRowContent> content;
        mutable int measuredWidth = -1;
        mutable int measuredHeight = 0;
    };

    void watch(const DownloadJobPtr &job);
    void jobChanged(const DownloadJob *job);

    DownloadQueue &m_queue;
    QList<Row> m_rows;
    mutable QHash<const DownloadJob *, int> m_rowOf;
    mutable bool m_rowOfValid = true;
    QSet<const DownloadJob *> m_dirty;
    QSet<const DownloadJob *> m_logGrew;
    QTimer m_flushTimer;
    bool m_offersEveryLog = false;
};
