#pragma once

#include "engine/DownloadJob.h"
#include "ui/jobs/JobRowContent.h"

#include <QAccessibleInterface>
#include <QPointer>

#include <memory>
#include <optional>

class JobListView;

// One painted part of a job row, as assistive technology sees it: its
// status badge, its progress bar or one of its buttons (the log toggle
// included). Parts have no widgets of their own, so the widget-style
// identifier ("jobStatusBadge", "jobProgress") is carried as the
// description: the only text besides the spoken name that reaches screen
// readers over AT-SPI.
struct JobRowPart
{
    enum class Kind { badge, progress, button };
    Kind kind = Kind::badge;
    std::optional<JobRowAction> action; // buttons only; nothing: the log toggle

    bool operator==(const JobRowPart &) const = default;
    // A small number naming the part within its row.
    int key() const;

    static inline const QString kBadgeIdentifier = QStringLiteral("jobStatusBadge");
    static inline const QString kProgressIdentifier = QStringLiteral("jobProgress");
};

// The parts a row shows now, in reading order: badge, progress bar (while
// the job runs), then its buttons as painted. Buttons a row does not show
// are not listed: screen readers then neither announce nor offer them.
QList<JobRowPart> jobRowParts(const JobListView &view, int row);

// A job row: a list item named by its title and status, whose children are
// its parts. It follows its job when rows move, and stops being valid when
// the job leaves the list.
class AccessibleJobRow : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    AccessibleJobRow(JobListView *view, const DownloadJobPtr &job);

    bool isValid() const override;
    QObject *object() const override { return nullptr; }
    QWindow *window() const override;
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

    // The row's index in the list now; -1 when the job has left it.
    int row() const;
    DownloadJobPtr job() const { return m_job.lock(); }
    JobListView *view() const { return m_view; }

private:
    QPointer<JobListView> m_view;
    std::weak_ptr<DownloadJob> m_job;
};

// One part of a row. A button's press action does what a click on it does;
// the progress bar reports its value (0 to 1; 0 of 0 while indeterminate).
class AccessibleJobRowPart : public QAccessibleInterface,
                             public QAccessibleActionInterface,
                             public QAccessibleValueInterface
{
public:
    AccessibleJobRowPart(AccessibleJobRow *row, JobRowPart part);

    bool isValid() const override;
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_row->window(); }
    QAccessibleInterface *parent() const override { return m_row; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant &) override {}
    QVariant maximumValue() const override;
    QVariant minimumValue() const override { return 0.0; }
    QVariant minimumStepSize() const override { return 0.0; }

    const JobRowPart &part() const { return m_part; }

    // The progress bar's value as announced: nothing while indeterminate.
    static std::optional<double> progressOf(const JobRowContent &content);
    // The same as a whole percentage, as the value's text reads it.
    static std::optional<int> percentOf(const JobRowContent &content);

private:
    // The index of this button among the row's painted targets; -1: gone.
    int targetIndex() const;
    const JobRowContent *content() const;

    AccessibleJobRow *m_row;
    JobRowPart m_part;
};
