#include "settings/AppConfiguration.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <mutex>

// The build defines these; a build that does not gets the fallbacks below.
#ifndef TARVELLE_VERSION
#define TARVELLE_VERSION ""
#endif
#ifndef TARVELLE_BUILD_NUMBER
#define TARVELLE_BUILD_NUMBER ""
#endif
#ifndef TARVELLE_APP_ID
#define TARVELLE_APP_ID ""
#endif

namespace AppConfiguration {

namespace {

QString compiledOr(const char *value, const char *fallback)
{
    const QString text = QString::fromUtf8(value);
    return text.isEmpty() ? QString::fromUtf8(fallback) : text;
}

QString executableDirectory()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    // Before (or without) a QCoreApplication the kernel still knows the path.
    return QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath()).absolutePath();
}

// The override in force: absent means "look beside the executable".
std::mutex overrideLock;
std::optional<std::optional<QString>> resourcesOverride;
std::optional<QString> userToolsOverride;

} // namespace

QString version()
{
    static const QString value = compiledOr(TARVELLE_VERSION, "1.0.0");
    return value;
}

QString buildNumber()
{
    static const QString value = compiledOr(TARVELLE_BUILD_NUMBER, "1");
    return value;
}

QString appId()
{
    static const QString value = compiledOr(TARVELLE_APP_ID, "io.tarvelle.Tarvelle");
    return value;
}

QString defaultOutputDir()
{
    static const QString value = [] {
        QString downloads = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
        if (downloads.isEmpty())
            downloads = QDir(QDir::homePath()).filePath(QStringLiteral("Downloads"));
        return QDir(downloads).filePath(QStringLiteral("Korvanth"));
    }();
    return value;
}

std::optional<QString> resourcesDirectory()
{
    {
        std::lock_guard guard(overrideLock);
        if (resourcesOverride)
            return *resourcesOverride;
    }
    const QString candidate =
        QDir::cleanPath(executableDirectory() + QStringLiteral("/../share/tarvelle"));
    if (!QFileInfo(candidate).isDir())
        return std::nullopt;
    return candidate;
}

std::optional<QString> toolsDirectory()
{
    const std::optional<QString> resources = resourcesDirectory();
    if (!resources)
        return std::nullopt;
    return QDir(*resources).filePath(QStringLiteral("Tools"));
}

QString userToolsDirectory()
{
    {
        std::lock_guard guard(overrideLock);
        if (userToolsOverride)
            return *userToolsOverride;
    }
    // The generic location, like the history's, so every program of the
    // installation finds the same folder whatever it calls itself.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/tarvelle/Tools");
}

QString downloadArchivePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
           + QStringLiteral("/tarvelle/download-archive.txt");
}

ScopedResourcesDirectory::ScopedResourcesDirectory(std::optional<QString> directory)
{
    std::lock_guard guard(overrideLock);
    m_previous = resourcesOverride;
    resourcesOverride = std::move(directory);
}

ScopedResourcesDirectory::~ScopedResourcesDirectory()
{
    std::lock_guard guard(overrideLock);
    resourcesOverride = m_previous;
}

ScopedUserToolsDirectory::ScopedUserToolsDirectory(QString directory)
{
    std::lock_guard guard(overrideLock);
    m_previous = userToolsOverride;
    userToolsOverride = std::move(directory);
}

ScopedUserToolsDirectory::~ScopedUserToolsDirectory()
{
    std::lock_guard guard(overrideLock);
    userToolsOverride = m_previous;
}

} // namespace AppConfiguration
