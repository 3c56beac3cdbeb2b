#include "analysis/SavedInfo.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUuid>

#include <mutex>

namespace {

// Nothing needs a file this old: a description is loaded within seconds of a
// download's start and never once it is older than kFreshFor.
constexpr qint64 kLeftoverAgeSeconds = 60 * 60;

void removeLeftovers(const QString &folder)
{
    const QDateTime oldest = QDateTime::currentDateTimeUtc().addSecs(-kLeftoverAgeSeconds);
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::Files | QDir::Hidden);
    for (const QFileInfo &entry : entries) {
        if (entry.lastModified() < oldest)
            QFile::remove(entry.filePath());
    }
}

} // namespace

QString SavedInfo::folder()
{
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (cache.isEmpty())
        return {};
    const QString path = QDir(cache).filePath(QStringLiteral("tarvelle/info"));
    // Descriptions can carry a site's cookies: the folder is the user's alone.
    if (!QFileInfo(path).isDir()
        && (!QDir().mkpath(path)
            || !QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)))
        return {};
    static std::mutex lock;
    static QStringList cleared;
    std::lock_guard guard(lock);
    if (!cleared.contains(path)) {
        cleared.append(path);
        removeLeftovers(path);
    }
    return path;
}

QString SavedInfo::newPath()
{
    const QString dir = folder();
    if (dir.isEmpty())
        return {};
    return QDir(dir).filePath(QUuid::createUuid().toString(QUuid::WithoutBraces));
}

std::shared_ptr<const SavedInfo> SavedInfo::write(const QByteArray &document)
{
    const QString path = newPath();
    if (path.isEmpty())
        return nullptr;
    QSaveFile file(path + QStringLiteral(".info.json"));
    if (!file.open(QIODevice::WriteOnly) || file.write(document) != document.size() || !file.commit())
        return nullptr;
    return adopt(file.fileName());
}

std::shared_ptr<const SavedInfo> SavedInfo::adopt(const QString &path, std::chrono::steady_clock::time_point savedAt)
{
    // Dropping the holder deletes the file: only a file of our own folder
    // is ever taken over.
    const QString dir = folder();
    const QFileInfo file(path);
    if (dir.isEmpty() || !file.isAbsolute() || file.fileName().isEmpty()
        || QDir::cleanPath(file.absolutePath()) != QDir::cleanPath(dir) || file.fileName() == QLatin1String(".."))
        return nullptr;
    return std::shared_ptr<const SavedInfo>(new SavedInfo(path, savedAt));
}

SavedInfo::SavedInfo(QString path, std::chrono::steady_clock::time_point savedAt)
    : m_path(std::move(path))
    , m_savedAt(savedAt)
{
}

SavedInfo::~SavedInfo()
{
    QFile::remove(m_path);
}

bool SavedInfo::isFresh() const
{
    return std::chrono::steady_clock::now() - m_savedAt < kFreshFor;
}
