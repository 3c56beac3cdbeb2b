#pragma once

#include "ui/jobs/JobRowLayout.h"

#include <QPersistentModelIndex>
#include <QSet>
#include <QStyledItemDelegate>
#include <QUuid>

class JobListModel;
class ThumbnailLoader;

// Paints one job row from its precomputed content: thumbnail, title,
// options, status badge, headline, buttons, progress bar, detail line, size
// note and the error line. The expanded log of a row is a real,
// selectable text viewer: the view opens it as this delegate's persistent
// editor, placed over the row's log area.
class JobRowDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit JobRowDelegate(ThumbnailLoader &thumbnails, QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *, QAbstractItemModel *, const QModelIndex &) const override {}
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;

    JobRowGeometry geometry(const QRect &rect, const QModelIndex &index) const;

    // Interaction state kept by the view, drawn here.
    bool isExpanded(const QUuid &jobId) const { return m_expanded.contains(jobId); }
    void setExpanded(const QUuid &jobId, bool expanded);
    struct Highlight
    {
        QPersistentModelIndex index;
        int target = -1;
    };
    void setHovered(const Highlight &hovered) { m_hovered = hovered; }
    void setPressed(const Highlight &pressed) { m_pressed = pressed; }
    void setFocused(const Highlight &focused) { m_focused = focused; }

    // The share of the indeterminate bar's sweep, 0..1, advanced by the view.
    void setSweepPhase(qreal phase) { m_sweepPhase = phase; }

private:
    void paintBadge(QPainter &painter, const QRect &rect, const JobStatusInfo &badge, const QPalette &palette) const;
    void paintProgress(QPainter &painter, const QRect &rect, const std::optional<double> &progress,
                       const QPalette &palette) const;
    void paintTarget(QPainter &painter, const QStyleOptionViewItem &option, const QModelIndex &index,
                     const JobRowGeometry::Target &target, int number) const;

    ThumbnailLoader &m_thumbnails;
    JobRowLayout m_layout;
    QSet<QUuid> m_expanded;
    Highlight m_hovered;
    Highlight m_pressed;
    Highlight m_focused;
    qreal m_sweepPhase = 0;
};
