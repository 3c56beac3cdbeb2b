#pragma once

#include "ui/jobs/JobRowAccessible.h"

#include <QAccessible>
#include <QHash>
#include <QUuid>

class JobListView;

// Keeps the accessible rows and parts of a job list and tells assistive
// technology what changed. Rows and parts get their interfaces only once a
// screen reader asks for them, and only those rows are announced: a list of
// thousands of jobs costs nothing until it is read, and changes arrive no
// more often than the model reports them (about 30 times a second), a
// progress bar only when its whole percentage moves. Nothing is sent while
// no row has been asked for.
class JobListAccessibility
{
public:
    explicit JobListAccessibility(JobListView &view);
    ~JobListAccessibility();
    JobListAccessibility(const JobListAccessibility &) = delete;
    JobListAccessibility &operator=(const JobListAccessibility &) = delete;

    // The interface of the row at `row`; nullptr when there is none.
    QAccessibleInterface *row(int row);
    AccessibleJobRowPart *part(AccessibleJobRow *row, const JobRowPart &part);

    void rowsChanged(int first, int last);
    void rowsAboutToBeRemoved(int first, int last);
    // The keyboard focus went to `target` of the current row (-1: the row).
    void focusMoved(int row, int target);

private:
    struct Entry
    {
        QAccessible::Id row = 0;
        QHash<int, QAccessible::Id> parts;
        QList<JobRowPart> shown;
        QString badge;
        std::optional<int> percent;
    };
    void announce(Entry &entry, int row);
    void drop(Entry &entry);

    JobListView &m_view;
    QHash<QUuid, Entry> m_entries;
};
