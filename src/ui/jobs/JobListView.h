#pragma once

#include "engine/DownloadJob.h"
#include "ui/jobs/JobRowContent.h"

#include <QElapsedTimer>
#include <QListView>
#include <QTimer>

#include <memory>

class JobListAccessibility;
class JobListModel;
class JobRowDelegate;
class QMenu;
class ThumbnailLoader;

// The downloads list: one painted row per job, with the row's buttons
// working like buttons. The mouse presses them; from the keyboard, Tab and
// Shift+Tab (or Left and Right) step through the current row's buttons and
// Space or Return presses the one that has the focus. A right click (or the
// menu key) opens the row's menu with every action at once. "Show Log" is
// handled here; every other action is reported through actionTriggered.
// Screen readers see each row's badge, progress bar and buttons, and press
// the buttons through the same path as the mouse.
class JobListView : public QListView
{
    Q_OBJECT

public:
    explicit JobListView(ThumbnailLoader &thumbnails, QWidget *parent = nullptr);
    ~JobListView() override;

    void setJobModel(JobListModel *model);
    JobListModel *jobModel() const { return m_model; }
    JobRowDelegate *rowDelegate() const { return m_delegate; }
    JobListAccessibility &accessibility() const { return *m_accessibility; }

    // Lays out every row; a list scrolled to its end stays there, and jobs
    // just added come into view.
    void doItemsLayout() override;

    // The row's buttons, in order (the log toggle, when offered, last).
    QList<QPair<QString, QRect>> rowTargets(const QModelIndex &index) const;
    // Presses a row's button as a click would.
    void triggerTarget(const QModelIndex &index, int target);
    // The button of the current row that has the keyboard focus; -1: none.
    int focusedTarget() const { return m_focusedTarget; }

    // The row's menu: Open, Reveal, Copy Link, Retry, Cancel, Remove and the
    // log toggle, those the row does not offer disabled. Deleted on close.
    QMenu *rowMenu(const QModelIndex &index);

signals:
    void actionTriggered(const DownloadJobPtr &job, JobRowAction action);

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    void focusInEvent(QFocusEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void rowsInserted(const QModelIndex &parent, int start, int end) override;
    void dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight, const QList<int> &roles) override;
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    struct Hit
    {
        QModelIndex index;
        int target = -1;
    };
    Hit hitAt(const QPoint &position) const;
    void setHovered(const Hit &hit);
    void setFocusedTarget(int target);
    void toggleLog(const QModelIndex &index);
    void animateIndeterminateBars();
    void updateRow(const QModelIndex &index);
    void keepPainting();

    JobRowDelegate *m_delegate;
    std::unique_ptr<JobListAccessibility> m_accessibility;
    JobListModel *m_model = nullptr;
    Hit m_hovered;
    Hit m_pressed;
    int m_focusedTarget = -1;
    // The rows added since the last layout, to bring into view after it.
    QPersistentModelIndex m_addedFirst;
    QPersistentModelIndex m_addedLast;
    QTimer m_sweepTimer;
    qint64 m_sweepStart = 0;
    QElapsedTimer m_sincePaint;
};
