#include "ui/jobs/JobRowAccessible.h"

#include "ui/jobs/JobListAccessibility.h"
#include "ui/jobs/JobListModel.h"
#include "ui/jobs/JobListView.h"
#include "ui/jobs/JobRowDelegate.h"

#include <QCoreApplication>
#include <QLocale>
#include <QWindow>

namespace {

// The keyboard focus sits on this row of the view (target -1) or on one of
// its buttons.
bool hasKeyboardFocus(const JobListView &view, int row, int target)
{
    return view.hasFocus() && view.currentIndex().row() == row && view.focusedTarget() == target;
}

QAccessible::State placement(const JobListView &view, const QRect &inViewport)
{
    QAccessible::State state;
    state.invisible = !view.isVisible();
    state.offscreen = !view.viewport()->rect().intersects(inViewport);
    return state;
}

QRect toScreen(const JobListView &view, const QRect &inViewport)
{
    return inViewport.translated(view.viewport()->mapToGlobal(QPoint(0, 0)));
}

} // namespace

int JobRowPart::key() const
{
    switch (kind) {
    case Kind::badge:
        return 0;
    case Kind::progress:
        return 1;
    case Kind::button:
        return action ? 2 + static_cast<int>(*action) : 64;
    }
    return -1;
}

QList<JobRowPart> jobRowParts(const JobListView &view, int row)
{
    QList<JobRowPart> parts;
    const JobListModel *model = view.jobModel();
    if (!model || row < 0 || row >= model->rowCount())
        return parts;
    const JobRowContent &content = model->contentAt(row);
    parts.append({JobRowPart::Kind::badge, std::nullopt});
    if (content.showsProgress)
        parts.append({JobRowPart::Kind::progress, std::nullopt});
    // In the order the row paints its buttons.
    for (const JobRowAction action : content.actions)
        parts.append({JobRowPart::Kind::button, action});
    if (content.offersLog)
        parts.append({JobRowPart::Kind::button, std::nullopt});
    return parts;
}

AccessibleJobRow::AccessibleJobRow(JobListView *view, const DownloadJobPtr &job) : m_view(view), m_job(job) {}

int AccessibleJobRow::row() const
{
    const DownloadJobPtr job = m_job.lock();
    if (!m_view || !m_view->jobModel() || !job)
        return -1;
    return m_view->jobModel()->rowOf(job.get());
}

bool AccessibleJobRow::isValid() const
{
    return row() >= 0;
}

QWindow *AccessibleJobRow::window() const
{
    return m_view ? m_view->window()->windowHandle() : nullptr;
}

QAccessibleInterface *AccessibleJobRow::parent() const
{
    return m_view ? QAccessible::queryAccessibleInterface(m_view.data()) : nullptr;
}

QAccessibleInterface *AccessibleJobRow::child(int index) const
{
    if (!isValid())
        return nullptr;
    const QList<JobRowPart> parts = jobRowParts(*m_view, row());
    if (index < 0 || index >= parts.size())
        return nullptr;
    return m_view->accessibility().part(const_cast<AccessibleJobRow *>(this), parts.at(index));
}

int AccessibleJobRow::childCount() const
{
    return isValid() ? static_cast<int>(jobRowParts(*m_view, row()).size()) : 0;
}

int AccessibleJobRow::indexOfChild(const QAccessibleInterface *child) const
{
    const auto *part = dynamic_cast<const AccessibleJobRowPart *>(child);
    if (!part || part->parent() != this || !isValid())
        return -1;
    return static_cast<int>(jobRowParts(*m_view, row()).indexOf(part->part()));
}

QAccessibleInterface *AccessibleJobRow::childAt(int x, int y) const
{
    if (!isValid())
        return nullptr;
    for (const JobRowPart &shown : jobRowParts(*m_view, row())) {
        QAccessibleInterface *part = m_view->accessibility().part(const_cast<AccessibleJobRow *>(this), shown);
        if (part && part->rect().contains(x, y))
            return part;
    }
    return nullptr;
}

QString AccessibleJobRow::text(QAccessible::Text t) const
{
    if (!isValid())
        return {};
    const QModelIndex index = m_view->jobModel()->index(row());
    switch (t) {
    case QAccessible::Name:
        return index.data(Qt::AccessibleTextRole).toString();
    case QAccessible::Description:
        return index.data(Qt::AccessibleDescriptionRole).toString();
    default:
        return {};
    }
}

QRect AccessibleJobRow::rect() const
{
    if (!isValid())
        return {};
    return toScreen(*m_view, m_view->visualRect(m_view->jobModel()->index(row())));
}

QAccessible::State AccessibleJobRow::state() const
{
    if (!isValid()) {
        QAccessible::State gone;
        gone.invalid = true;
        return gone;
    }
    const int at = row();
    const QModelIndex index = m_view->jobModel()->index(at);
    QAccessible::State state = placement(*m_view, m_view->visualRect(index));
    state.focusable = true;
    state.selectable = true;
    state.selected = m_view->selectionModel() && m_view->selectionModel()->isSelected(index);
    state.focused = hasKeyboardFocus(*m_view, at, -1);
    return state;
}

void *AccessibleJobRow::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ActionInterface)
        return static_cast<QAccessibleActionInterface *>(this);
    return nullptr;
}

QStringList AccessibleJobRow::actionNames() const
{
    return {setFocusAction()};
}

void AccessibleJobRow::doAction(const QString &actionName)
{
    if (actionName != setFocusAction() || !isValid())
        return;
    m_view->setCurrentIndex(m_view->jobModel()->index(row()));
    m_view->setFocus(Qt::OtherFocusReason);
}

AccessibleJobRowPart::AccessibleJobRowPart(AccessibleJobRow *row, JobRowPart part) : m_row(row), m_part(part) {}

const JobRowContent *AccessibleJobRowPart::content() const
{
    const int row = m_row->row();
    return row >= 0 ? &m_row->view()->jobModel()->contentAt(row) : nullptr;
}

bool AccessibleJobRowPart::isValid() const
{
    return m_row->isValid() && jobRowParts(*m_row->view(), m_row->row()).contains(m_part);
}

int AccessibleJobRowPart::targetIndex() const
{
    const JobRowContent *shown = content();
    if (!shown || m_part.kind != JobRowPart::Kind::button)
        return -1;
    if (!m_part.action)
        return shown->offersLog ? static_cast<int>(shown->actions.size()) : -1;
    return static_cast<int>(shown->actions.indexOf(*m_part.action));
}

std::optional<double> AccessibleJobRowPart::progressOf(const JobRowContent &content)
{
    if (!content.showsProgress || !content.progress)
        return std::nullopt;
    return qBound(0.0, *content.progress, 1.0);
}

std::optional<int> AccessibleJobRowPart::percentOf(const JobRowContent &content)
{
    const auto share = progressOf(content);
    return share ? std::optional<int>(qRound(*share * 100)) : std::nullopt;
}

QString AccessibleJobRowPart::text(QAccessible::Text t) const
{
    const JobRowContent *shown = content();
    if (!shown || !isValid())
        return {};
    switch (m_part.kind) {
    case JobRowPart::Kind::badge:
        if (t == QAccessible::Name)
            return shown->badge.text;
        return t == QAccessible::Description ? JobRowPart::kBadgeIdentifier : QString();
    case JobRowPart::Kind::progress:
        if (t == QAccessible::Name)
            return QCoreApplication::translate("JobRow", "Progress");
        if (t == QAccessible::Description)
            return JobRowPart::kProgressIdentifier;
        if (t == QAccessible::Value) {
            const auto percent = percentOf(*shown);
            return percent ? QLocale().toString(*percent) + QLatin1Char('%') : QString();
        }
        return {};
    case JobRowPart::Kind::button:
        if (t != QAccessible::Name)
            return {};
        if (!m_part.action) {
            const auto job = m_row->job();
            return JobRowLayout::logToggleText(m_row->view()->rowDelegate()->isExpanded(job->id()));
        }
        return JobRowContent::actionText(*m_part.action);
    }
    return {};
}

QRect AccessibleJobRowPart::rect() const
{
    if (!isValid())
        return {};
    JobListView &view = *m_row->view();
    const QModelIndex index = view.jobModel()->index(m_row->row());
    const JobRowGeometry g = view.rowDelegate()->geometry(view.visualRect(index), index);
    switch (m_part.kind) {
    case JobRowPart::Kind::badge:
        return toScreen(view, g.badge);
    case JobRowPart::Kind::progress:
        return toScreen(view, g.progress);
    case JobRowPart::Kind::button:
        return toScreen(view, g.targets.value(targetIndex()).rect);
    }
    return {};
}

QAccessible::Role AccessibleJobRowPart::role() const
{
    switch (m_part.kind) {
    case JobRowPart::Kind::badge:
        return QAccessible::StaticText;
    case JobRowPart::Kind::progress:
        return QAccessible::ProgressBar;
    case JobRowPart::Kind::button:
        return QAccessible::PushButton;
    }
    return QAccessible::NoRole;
}

QAccessible::State AccessibleJobRowPart::state() const
{
    if (!isValid()) {
        QAccessible::State gone;
        gone.invalid = true;
        return gone;
    }
    const QAccessible::State row = m_row->state();
    QAccessible::State state;
    state.invisible = row.invisible;
    state.offscreen = row.offscreen;
    state.readOnly = m_part.kind != JobRowPart::Kind::button;
    if (m_part.kind == JobRowPart::Kind::button) {
        state.focusable = true;
        state.focused = hasKeyboardFocus(*m_row->view(), m_row->row(), targetIndex());
    }
    return state;
}

void *AccessibleJobRowPart::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ActionInterface && m_part.kind == JobRowPart::Kind::button)
        return static_cast<QAccessibleActionInterface *>(this);
    if (type == QAccessible::ValueInterface && m_part.kind == JobRowPart::Kind::progress)
        return static_cast<QAccessibleValueInterface *>(this);
    return nullptr;
}

QStringList AccessibleJobRowPart::actionNames() const
{
    return m_part.kind == JobRowPart::Kind::button ? QStringList{pressAction()} : QStringList();
}

void AccessibleJobRowPart::doAction(const QString &actionName)
{
    if (actionName != pressAction() || !isValid())
        return;
    JobListView &view = *m_row->view();
    // Exactly what a click on the painted button does.
    view.triggerTarget(view.jobModel()->index(m_row->row()), targetIndex());
}

QVariant AccessibleJobRowPart::currentValue() const
{
    const JobRowContent *shown = content();
    return shown ? progressOf(*shown).value_or(0.0) : 0.0;
}

QVariant AccessibleJobRowPart::maximumValue() const
{
    // 0 of 0: an indeterminate bar, as a busy progress bar reports itself.
    const JobRowContent *shown = content();
    return shown && progressOf(*shown) ? 1.0 : 0.0;
}
