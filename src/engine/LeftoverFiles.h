#pragma once

#include "engine/DownloadJob.h"

#include <QObject>
#include <QStringList>

// The partial files at start that no kept job owns (PartialFiles::unowned):
// left by a download that was removed with its files kept, or by a version
// that did not keep its names. They are only listed (Diagnostics shows
// them), never deleted without the user. Looked for once, off the GUI
// thread, in the output folder and every kept job's folder.
class LeftoverFiles : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Starts the look over `folders`; the files of `kept` are theirs.
    void look(const QStringList &folders, const QList<DownloadJobPtr> &kept);

    bool looked() const { return m_looked; }
    // Sorted paths; empty until looked().
    const QStringList &paths() const { return m_paths; }

signals:
    void found();

private:
    QStringList m_paths;
    bool m_looked = false;
};
