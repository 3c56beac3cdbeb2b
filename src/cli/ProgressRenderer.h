#pragma once

#include "engine/DownloadJob.h"

#include <QList>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>

// Shows one line per job while the jobs run. On a terminal the lines are
// redrawn in place (ANSI cursor movement) a few times per second; otherwise a
// job's line is printed again, as a new line, when its text has changed,
// at most twice per second per job.
class ProgressRenderer : public QObject
{
    Q_OBJECT

public:
    using Writer = std::function<void(const QString &)>;

    // `columns` limits a redrawn line so it never wraps (0: unknown, no limit).
    ProgressRenderer(QList<DownloadJobPtr> jobs, bool terminal, int columns, Writer writer,
                     QObject *parent = nullptr);

    void start();
    // Draws the final state; call once all jobs have ended.
    void finish();
    // Lets `print` write a message of its own (to either stream): on a
    // terminal the job lines are taken away first and drawn again below it.
    void interject(const std::function<void()> &print);

    // The line of one job: position, title, status and progress or outcome.
    static QString line(const DownloadJob &job, int position, int count);

private:
    void render();
    void redraw(const QStringList &lines);
    void printChanged(const QStringList &lines);

    QList<DownloadJobPtr> m_jobs;
    bool m_terminal;
    int m_columns;
    Writer m_writer;
    QTimer m_timer;
    QStringList m_shown;
};
