#pragma once

#include <QPlainTextEdit>
#include <QStringList>

class QAction;

// The selectable, read-only log under a job row. Progress records read as
// yt-dlp would have printed them; "Copy Raw Log" in its context menu copies
// the lines as they came. A running job's log grows many times a second; new
// lines are appended (and the oldest dropped past the job's own limit)
// instead of replacing the text, so the person's selection and scroll
// position survive and a long log costs no more per update than its new lines.
class JobLogText : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit JobLogText(QWidget *parent = nullptr);

    void showLines(const QStringList &lines);
    // The shown lines as the job has them.
    QString rawText() const;

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    // How many leading `lines` are the newest shown ones (the job dropped
    // the oldest and appended the rest); -1 when `lines` do not continue
    // what is shown.
    qsizetype overlapWithShown(const QStringList &lines) const;
    void appendKeepingSelection(const QString &text);

    QStringList m_shown;
    QAction *m_copyRaw;
};
