#pragma once

#include <QFutureWatcher>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QStringList>

#include <optional>

// Whether files exist, asked off the GUI thread: a file system that does not
// answer (a stale network mount) must not freeze the window. Answers are
// remembered; asking again re-checks and reports only what changed.
class FilePresence : public QObject
{
    Q_OBJECT

public:
    explicit FilePresence(QObject *parent = nullptr);

    // The last answer for `path`; nothing before the first one arrives.
    std::optional<bool> exists(const QString &path) const;

    // Checks `paths` (again) in the background. Paths asked while a check
    // runs are checked right after it.
    void check(const QStringList &paths);

signals:
    // The answers for these paths are new or differ from the previous ones.
    void changed(const QStringList &paths);

private:
    void startNext();
    void answered();

    QHash<QString, bool> m_known;
    QSet<QString> m_waiting;
    QFutureWatcher<QHash<QString, bool>> m_watcher;
};
