#include "ui/history/FilePresence.h"

#include "ui/widgets/Background.h"

#include <QFileInfo>

FilePresence::FilePresence(QObject *parent) : QObject(parent)
{
    connect(&m_watcher, &QFutureWatcherBase::finished, this, &FilePresence::answered);
}

std::optional<bool> FilePresence::exists(const QString &path) const
{
    const auto found = m_known.constFind(path);
    return found == m_known.constEnd() ? std::nullopt : std::optional<bool>(*found);
}

void FilePresence::check(const QStringList &paths)
{
    for (const QString &path : paths)
        m_waiting.insert(path);
    if (!m_watcher.isRunning())
        startNext();
}

void FilePresence::startNext()
{
    if (m_waiting.isEmpty())
        return;
    const QStringList paths(m_waiting.cbegin(), m_waiting.cend());
    m_waiting.clear();
    m_watcher.setFuture(runInBackground([paths] {
        QHash<QString, bool> answers;
        for (const QString &path : paths)
            answers.insert(path, QFileInfo::exists(path));
        return answers;
    }));
}

void FilePresence::answered()
{
    const QHash<QString, bool> answers = m_watcher.result();
    QStringList changedPaths;
    for (auto it = answers.cbegin(); it != answers.cend(); ++it) {
        const auto previous = m_known.constFind(it.key());
        if (previous == m_known.constEnd() || *previous != it.value()) {
            m_known.insert(it.key(), it.value());
            changedPaths << it.key();
        }
    }
    startNext();
    if (!changedPaths.isEmpty())
        emit changed(changedPaths);
}
