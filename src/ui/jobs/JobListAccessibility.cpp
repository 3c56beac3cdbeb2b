#include "ui/jobs/JobListAccessibility.h"

#include "ui/jobs/JobListModel.h"
#include "ui/jobs/JobListView.h"

JobListAccessibility::JobListAccessibility(JobListView &view) : m_view(view) {}

JobListAccessibility::~JobListAccessibility()
{
    for (Entry &entry : m_entries)
        drop(entry);
}

QAccessibleInterface *JobListAccessibility::row(int row)
{
    const JobListModel *model = m_view.jobModel();
    const DownloadJobPtr job = model ? model->jobAt(row) : nullptr;
    if (!job)
        return nullptr;
    Entry &entry = m_entries[job->id()];
    if (entry.row == 0) {
        entry.row = QAccessible::registerAccessibleInterface(new AccessibleJobRow(&m_view, job));
        const JobRowContent &content = model->contentAt(row);
        entry.shown = jobRowParts(m_view, row);
        entry.badge = content.badge.text;
        entry.percent = AccessibleJobRowPart::percentOf(content);
    }
    return QAccessible::accessibleInterface(entry.row);
}

AccessibleJobRowPart *JobListAccessibility::part(AccessibleJobRow *row, const JobRowPart &part)
{
    const DownloadJobPtr job = row->job();
    if (!job)
        return nullptr;
    Entry &entry = m_entries[job->id()];
    QAccessible::Id &id = entry.parts[part.key()];
    if (id == 0)
        id = QAccessible::registerAccessibleInterface(new AccessibleJobRowPart(row, part));
    return static_cast<AccessibleJobRowPart *>(QAccessible::accessibleInterface(id));
}

void JobListAccessibility::rowsChanged(int first, int last)
{
    if (m_entries.isEmpty())
        return;
    const JobListModel *model = m_view.jobModel();
    for (int at = first; at <= last; ++at) {
        const DownloadJobPtr job = model->jobAt(at);
        auto entry = job ? m_entries.find(job->id()) : m_entries.end();
        if (entry != m_entries.end() && entry->row != 0)
            announce(*entry, at);
    }
}

void JobListAccessibility::announce(Entry &entry, int row)
{
    auto *rowInterface = static_cast<AccessibleJobRow *>(QAccessible::accessibleInterface(entry.row));
    const JobRowContent &content = m_view.jobModel()->contentAt(row);

    // Parts the row no longer shows go away first, then new ones appear.
    const QList<JobRowPart> shown = jobRowParts(m_view, row);
    for (const JobRowPart &gone : std::as_const(entry.shown)) {
        if (shown.contains(gone))
            continue;
        if (const QAccessible::Id id = entry.parts.take(gone.key())) {
            QAccessibleEvent destroyed(QAccessible::accessibleInterface(id), QAccessible::ObjectDestroyed);
            QAccessible::updateAccessibility(&destroyed);
            QAccessible::deleteAccessibleInterface(id);
        }
    }
    for (const JobRowPart &added : shown) {
        if (entry.shown.contains(added))
            continue;
        QAccessibleEvent created(part(rowInterface, added), QAccessible::ObjectCreated);
        QAccessible::updateAccessibility(&created);
    }
    entry.shown = shown;

    if (content.badge.text != entry.badge) {
        entry.badge = content.badge.text;
        QAccessibleEvent named(part(rowInterface, {JobRowPart::Kind::badge, std::nullopt}), QAccessible::NameChanged);
        QAccessible::updateAccessibility(&named);
        QAccessibleEvent rowNamed(rowInterface, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&rowNamed);
    }

    const std::optional<int> percent = AccessibleJobRowPart::percentOf(content);
    if (percent != entry.percent && content.showsProgress) {
        entry.percent = percent;
        AccessibleJobRowPart *bar = part(rowInterface, {JobRowPart::Kind::progress, std::nullopt});
        QAccessibleValueChangeEvent changed(bar, bar->currentValue());
        QAccessible::updateAccessibility(&changed);
    }
}

void JobListAccessibility::rowsAboutToBeRemoved(int first, int last)
{
    const JobListModel *model = m_view.jobModel();
    for (int at = first; at <= last && !m_entries.isEmpty(); ++at) {
        const DownloadJobPtr job = model->jobAt(at);
        if (!job)
            continue;
        if (auto entry = m_entries.find(job->id()); entry != m_entries.end()) {
            if (entry->row != 0) {
                QAccessibleEvent destroyed(QAccessible::accessibleInterface(entry->row), QAccessible::ObjectDestroyed);
                QAccessible::updateAccessibility(&destroyed);
            }
            drop(*entry);
            m_entries.erase(entry);
        }
    }
}

void JobListAccessibility::drop(Entry &entry)
{
    // Parts point at their row: they go first.
    for (const QAccessible::Id id : std::as_const(entry.parts))
        QAccessible::deleteAccessibleInterface(id);
    entry.parts.clear();
    if (entry.row != 0)
        QAccessible::deleteAccessibleInterface(entry.row);
    entry.row = 0;
}

void JobListAccessibility::focusMoved(int row, int target)
{
    const DownloadJobPtr job = m_view.jobModel() ? m_view.jobModel()->jobAt(row) : nullptr;
    if (!m_view.hasFocus() || !job || (!QAccessible::isActive() && !m_entries.contains(job->id())))
        return;
    auto *rowInterface = static_cast<AccessibleJobRow *>(this->row(row));
    if (!rowInterface)
        return;
    QAccessibleInterface *focused = rowInterface;
    if (target >= 0) {
        // The row's targets are its buttons, in the order they are listed.
        QList<JobRowPart> buttons = jobRowParts(m_view, row);
        buttons.removeIf([](const JobRowPart &shown) { return shown.kind != JobRowPart::Kind::button; });
        if (target < buttons.size())
            focused = part(rowInterface, buttons.at(target));
    }
    QAccessibleEvent event(focused, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}
