#include "ui/jobs/JobListView.h"

#include "ui/jobs/JobListAccessibility.h"
#include "ui/jobs/JobListAccessible.h"
#include "ui/jobs/JobListModel.h"
#include "ui/jobs/JobRowDelegate.h"
#include "ui/widgets/ThumbnailLoader.h"

#include <QContextMenuEvent>
#include <QDateTime>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>

namespace {

constexpr int kSweepMs = 1400;

} // namespace

JobListView::JobListView(ThumbnailLoader &thumbnails, QWidget *parent)
    : QListView(parent), m_delegate(new JobRowDelegate(thumbnails, this)),
      m_accessibility(std::make_unique<JobListAccessibility>(*this))
{
    AccessibleJobList::install();
    setItemDelegate(m_delegate);
    setObjectName(QStringLiteral("jobList"));
    setAccessibleName(tr("Downloads"));
    setUniformItemSizes(false);
    // All rows at once: a batched layout starts again from the first row
    // whenever a row changes height, and while jobs run it never reaches
    // the last rows. Rows keep their measure, so a pass costs little.
    setLayoutMode(QListView::SinglePass);
    setResizeMode(QListView::Adjust);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    verticalScrollBar()->setSingleStep(24);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setMouseTracking(true);
    setFrameShape(QFrame::NoFrame);
    viewport()->setAttribute(Qt::WA_Hover);

    connect(&thumbnails, &ThumbnailLoader::finished, viewport(), qOverload<>(&QWidget::update));

    // The sweep of indeterminate bars runs only while such a bar is on screen.
    m_sweepTimer.setInterval(33);
    connect(&m_sweepTimer, &QTimer::timeout, this, &JobListView::animateIndeterminateBars);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, &m_sweepTimer, qOverload<>(&QTimer::start));
}

JobListView::~JobListView() = default;

void JobListView::setJobModel(JobListModel *model)
{
    m_model = model;
    setModel(model);
    connect(model, &JobListModel::rowShapeChanged, this, [this] { scheduleDelayedItemsLayout(); });
    connect(model, &JobListModel::changesReported, this, &JobListView::keepPainting);
    connect(model, &JobListModel::changesReported, &m_sweepTimer, qOverload<>(&QTimer::start));
    connect(model, &QAbstractItemModel::rowsInserted, &m_sweepTimer, qOverload<>(&QTimer::start));
    m_sweepTimer.start();
    connect(model, &QAbstractItemModel::rowsAboutToBeRemoved, this, [this](const QModelIndex &, int first, int last) {
        m_accessibility->rowsAboutToBeRemoved(first, last);
        m_hovered = {};
        m_pressed = {};
        m_delegate->setHovered({});
        m_delegate->setPressed({});
    });
}

void JobListView::doItemsLayout()
{
    QScrollBar *bar = verticalScrollBar();
    const bool atEnd = bar->maximum() > 0 && bar->value() == bar->maximum();
    QListView::doItemsLayout();
    if (m_addedFirst.isValid()) {
        // As many of the new rows as fit, the first of them at least.
        scrollTo(m_addedLast);
        scrollTo(m_addedFirst);
    } else if (atEnd) {
        bar->setValue(bar->maximum());
    }
    m_addedFirst = QPersistentModelIndex();
    m_addedLast = QPersistentModelIndex();
}

void JobListView::rowsInserted(const QModelIndex &parent, int start, int end)
{
    QListView::rowsInserted(parent, start, end);
    if (!m_addedFirst.isValid() || start < m_addedFirst.row())
        m_addedFirst = model()->index(start, 0, parent);
    if (!m_addedLast.isValid() || end > m_addedLast.row())
        m_addedLast = model()->index(end, 0, parent);
}

QList<QPair<QString, QRect>> JobListView::rowTargets(const QModelIndex &index) const
{
    QList<QPair<QString, QRect>> targets;
    if (!index.isValid())
        return targets;
    for (const auto &target : m_delegate->geometry(visualRect(index), index).targets)
        targets.append({target.text, target.rect});
    return targets;
}

void JobListView::triggerTarget(const QModelIndex &index, int target)
{
    if (!index.isValid() || !m_model)
        return;
    const auto targets = m_delegate->geometry(visualRect(index), index).targets;
    if (target < 0 || target >= targets.size())
        return;
    const auto action = targets.at(target).action;
    if (!action) {
        toggleLog(index);
        return;
    }
    const DownloadJobPtr job = m_model->jobAt(index.row());
    emit actionTriggered(job, *action);
}

QMenu *JobListView::rowMenu(const QModelIndex &index)
{
    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("jobRowMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (!index.isValid() || !m_model)
        return menu;
    const DownloadJobPtr job = m_model->jobAt(index.row());
    const JobRowContent &content = m_model->contentAt(index.row());
    using Action = JobRowAction;
    for (const Action action : {Action::open, Action::reveal, Action::copyLink, Action::retry, Action::cancel,
                                Action::remove}) {
        QAction *item = menu->addAction(JobRowContent::actionText(action));
        item->setEnabled(action == Action::copyLink || content.actions.contains(action));
        // The job, not the row: rows move while the menu is open.
        connect(item, &QAction::triggered, this, [this, job, action] { emit actionTriggered(job, action); });
    }
    menu->addSeparator();
    const bool expanded = m_delegate->isExpanded(job->id());
    QAction *log = menu->addAction(JobRowLayout::logToggleText(expanded));
    log->setEnabled(content.offersLog);
    connect(log, &QAction::triggered, this, [this, job] {
        if (const int row = m_model->rowOf(job.get()); row >= 0)
            toggleLog(m_model->index(row));
    });
    return menu;
}

void JobListView::contextMenuEvent(QContextMenuEvent *event)
{
    const bool byKeyboard = event->reason() == QContextMenuEvent::Keyboard;
    const QModelIndex index = byKeyboard ? currentIndex() : indexAt(event->pos());
    if (!index.isValid())
        return;
    setCurrentIndex(index);
    const QPoint at = byKeyboard ? viewport()->mapToGlobal(visualRect(index).center()) : event->globalPos();
    rowMenu(index)->popup(at);
    event->accept();
}

JobListView::Hit JobListView::hitAt(const QPoint &position) const
{
    const QModelIndex index = indexAt(position);
    if (!index.isValid())
        return {};
    const auto targets = m_delegate->geometry(visualRect(index), index).targets;
    for (int i = 0; i < targets.size(); ++i) {
        if (targets.at(i).rect.contains(position))
            return {index, i};
    }
    return {index, -1};
}

void JobListView::setHovered(const Hit &hit)
{
    if (hit.index == m_hovered.index && hit.target == m_hovered.target)
        return;
    const QModelIndex previous = m_hovered.index;
    m_hovered = hit;
    m_delegate->setHovered({QPersistentModelIndex(hit.index), hit.target});
    updateRow(previous);
    updateRow(hit.index);
}

void JobListView::mouseMoveEvent(QMouseEvent *event)
{
    setHovered(hitAt(event->position().toPoint()));
    if (m_pressed.target >= 0)
        return;
    QListView::mouseMoveEvent(event);
}

void JobListView::mousePressEvent(QMouseEvent *event)
{
    const Hit hit = hitAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && hit.target >= 0) {
        setCurrentIndex(hit.index);
        setFocus(Qt::MouseFocusReason);
        m_pressed = hit;
        m_delegate->setPressed({QPersistentModelIndex(hit.index), hit.target});
        setHovered(hit);
        updateRow(hit.index);
        event->accept();
        return;
    }
    QListView::mousePressEvent(event);
}

void JobListView::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_pressed.target >= 0) {
        const Hit pressed = std::exchange(m_pressed, {});
        m_delegate->setPressed({});
        updateRow(pressed.index);
        const Hit hit = hitAt(event->position().toPoint());
        if (hit.index == pressed.index && hit.target == pressed.target)
            triggerTarget(pressed.index, pressed.target);
        event->accept();
        return;
    }
    QListView::mouseReleaseEvent(event);
}

void JobListView::leaveEvent(QEvent *event)
{
    setHovered({});
    QListView::leaveEvent(event);
}

void JobListView::keyPressEvent(QKeyEvent *event)
{
    const QModelIndex current = currentIndex();
    const int count = current.isValid() ? static_cast<int>(rowTargets(current).size()) : 0;
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_focusedTarget >= 0 && m_focusedTarget < count) {
            triggerTarget(current, m_focusedTarget);
            event->accept();
            return;
        }
        break;
    case Qt::Key_Right:
        if (count > 0) {
            setFocusedTarget(qMin(m_focusedTarget + 1, count - 1));
            event->accept();
            return;
        }
        break;
    case Qt::Key_Left:
        if (count > 0) {
            setFocusedTarget(qMax(m_focusedTarget - 1, -1));
            event->accept();
            return;
        }
        break;
    case Qt::Key_Home:
    case Qt::Key_End:
        // Also when the first or last row is current already: rows above it
        // may have grown since and pushed it out of view.
        QListView::keyPressEvent(event);
        scrollTo(currentIndex());
        return;
    default:
        break;
    }
    QListView::keyPressEvent(event);
}

bool JobListView::focusNextPrevChild(bool next)
{
    const QModelIndex current = currentIndex();
    if (hasFocus() && current.isValid()) {
        const int count = static_cast<int>(rowTargets(current).size());
        if (next && m_focusedTarget + 1 < count) {
            setFocusedTarget(m_focusedTarget + 1);
            return true;
        }
        if (!next && m_focusedTarget >= 0) {
            setFocusedTarget(m_focusedTarget - 1);
            return true;
        }
    }
    setFocusedTarget(-1);
    return QListView::focusNextPrevChild(next);
}

void JobListView::focusInEvent(QFocusEvent *event)
{
    QListView::focusInEvent(event);
    // The keyboard always has a row to stand on, drawn with its frame.
    if (!currentIndex().isValid() && m_model && m_model->rowCount() > 0)
        setCurrentIndex(m_model->index(0));
}

void JobListView::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QListView::currentChanged(current, previous);
    m_focusedTarget = -1;
    m_delegate->setFocused({QPersistentModelIndex(current), -1});
    updateRow(previous);
}

void JobListView::dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight, const QList<int> &roles)
{
    QListView::dataChanged(topLeft, bottomRight, roles);
    m_accessibility->rowsChanged(topLeft.row(), bottomRight.row());
    // A row that stops offering its log (a failed job retried, verbose logs
    // switched off) closes it.
    for (int row = topLeft.row(); row <= bottomRight.row(); ++row) {
        const QModelIndex index = m_model->index(row);
        const auto job = m_model->jobAt(row);
        if (m_delegate->isExpanded(job->id()) && !m_model->contentAt(row).offersLog)
            toggleLog(index);
    }
}

void JobListView::paintEvent(QPaintEvent *event)
{
    m_sincePaint.start();
    QListView::paintEvent(event);
}

void JobListView::showEvent(QShowEvent *event)
{
    QListView::showEvent(event);
    m_sweepTimer.start();
}

void JobListView::keepPainting()
{
    // Repaint requests wait behind every other posted event; a flood of
    // output lines from fast downloads can hold them back for seconds. Paint
    // directly when the list has not been painted for a while, so its rows
    // stay live however busy the event queue is.
    constexpr qint64 kMaxPaintAgeMs = 100;
    if (isVisible() && m_sincePaint.isValid() && m_sincePaint.elapsed() > kMaxPaintAgeMs && state() == NoState)
        viewport()->repaint();
}

void JobListView::setFocusedTarget(int target)
{
    m_focusedTarget = target;
    m_delegate->setFocused({QPersistentModelIndex(currentIndex()), target});
    updateRow(currentIndex());
    m_accessibility->focusMoved(currentIndex().row(), target);
}

void JobListView::toggleLog(const QModelIndex &index)
{
    const auto job = m_model->jobAt(index.row());
    const bool expand = !m_delegate->isExpanded(job->id());
    m_delegate->setExpanded(job->id(), expand);
    if (expand)
        openPersistentEditor(index);
    else
        closePersistentEditor(index);
    scheduleDelayedItemsLayout();
    updateRow(index);
}

void JobListView::updateRow(const QModelIndex &index)
{
    if (index.isValid())
        viewport()->update(visualRect(index));
}

void JobListView::animateIndeterminateBars()
{
    if (!m_model || !isVisible()) {
        m_sweepTimer.stop();
        return;
    }
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (m_sweepStart == 0)
        m_sweepStart = now;
    m_delegate->setSweepPhase(static_cast<qreal>((now - m_sweepStart) % kSweepMs) / kSweepMs);
    const QRect area = viewport()->rect();
    QModelIndex index = indexAt(QPoint(1, area.top() + 1));
    bool sweeping = false;
    while (index.isValid()) {
        const QRect rect = visualRect(index);
        if (rect.top() > area.bottom())
            break;
        const JobRowContent &content = m_model->contentAt(index.row());
        if (content.showsProgress && !content.progress) {
            viewport()->update(m_delegate->geometry(rect, index).progress.adjusted(-1, -1, 1, 1));
            sweeping = true;
        }
        index = m_model->index(index.row() + 1);
    }
    if (!sweeping)
        m_sweepTimer.stop();
}
