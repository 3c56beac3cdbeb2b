#include "ui/jobs/JobListAccessible.h"

#include "ui/jobs/JobListAccessibility.h"
#include "ui/jobs/JobListModel.h"
#include "ui/jobs/JobListView.h"

namespace {

QAccessibleInterface *jobListFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("JobListView") && object && object->isWidgetType())
        return new AccessibleJobList(static_cast<JobListView *>(object));
    return nullptr;
}

} // namespace

AccessibleJobList::AccessibleJobList(JobListView *view) : QAccessibleWidget(view, QAccessible::List) {}

void AccessibleJobList::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(jobListFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

JobListView *AccessibleJobList::view() const
{
    return static_cast<JobListView *>(widget());
}

int AccessibleJobList::childCount() const
{
    const JobListModel *model = view()->jobModel();
    return model ? model->rowCount() : 0;
}

QAccessibleInterface *AccessibleJobList::child(int index) const
{
    return view()->accessibility().row(index);
}

int AccessibleJobList::indexOfChild(const QAccessibleInterface *child) const
{
    const auto *row = dynamic_cast<const AccessibleJobRow *>(child);
    return row && row->view() == view() ? row->row() : -1;
}

QAccessibleInterface *AccessibleJobList::childAt(int x, int y) const
{
    const QPoint inViewport = view()->viewport()->mapFromGlobal(QPoint(x, y));
    const QModelIndex index = view()->indexAt(inViewport);
    return index.isValid() ? child(index.row()) : nullptr;
}
