#include "engine/LeftoverFiles.h"

#include "engine/PartialFiles.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSet>
#include <QThreadPool>

#include <algorithm>

void LeftoverFiles::look(const QStringList &folders, const QList<DownloadJobPtr> &kept)
{
    // Read here, on the GUI thread, where the jobs live; the folders are
    // listed on a pool thread.
    QStringList owned;
    for (const DownloadJobPtr &job : kept)
        owned += PartialFiles::ownedPrefixes(*job);
    const QStringList distinct = QSet<QString>(folders.begin(), folders.end()).values();
    QPointer<LeftoverFiles> self(this);
    QThreadPool::globalInstance()->start([self, distinct, owned] {
        QStringList paths;
        for (const QString &folder : distinct) {
            if (!folder.isEmpty())
                paths += PartialFiles::unowned(folder, owned);
        }
        std::sort(paths.begin(), paths.end());
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, paths] {
                if (!self)
                    return;
                self->m_paths = paths;
                self->m_looked = true;
                emit self->found();
            },
            Qt::QueuedConnection);
    });
}
