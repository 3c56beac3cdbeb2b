#pragma once

#include <QAccessibleWidget>

class JobListView;

// The job list as assistive technology sees it: a list whose children are
// its rows, one per job, in the list's order.
class AccessibleJobList : public QAccessibleWidget
{
public:
    explicit AccessibleJobList(JobListView *view);

    // Makes Qt use this interface for every job list.
    static void install();

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;

private:
    JobListView *view() const;
};
