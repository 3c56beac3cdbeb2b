#pragma once

#include <QPlainTextEdit>
#include <QStringList>

// The selectable, read-only log under a job row. A running job's log grows
// many times a second; new lines are appended (and the oldest dropped past
// the job's own limit) instead of replacing the text, so the person's
// selection and scroll position survive and a long log costs no more per
// update than its new lines.
class JobLogText : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit JobLogText(QWidget *parent = nullptr);

    void showLines(const QStringList &lines);

private:
    // How many leading `lines` are the newest shown ones (the job dropped
    // the oldest and appended the rest); -1 when `lines` do not continue
    // what is shown.
    qsizetype overlapWithShown(const QStringList &lines) const;
    void appendKeepingSelection(const QString &text);

    QStringList m_shown;
};
