#include "cli/RunSettings.h"

#include <QDir>
#include <QFile>

RunSettings::RunSettings(AppSettings &userSettings, const std::optional<QString> &outputDirectory)
    : m_user(userSettings)
{
    if (!outputDirectory)
        return;
    const QString folder = QDir::current().absoluteFilePath(*outputDirectory);
    const QString copyPath = m_folder.filePath(QStringLiteral("settings.json"));
    // A missing settings file is no error: the copy then holds the defaults.
    if (QFile::copy(userSettings.settingsFilePath(), copyPath))
        QFile::setPermissions(copyPath, QFile::ReadOwner | QFile::WriteOwner);
    m_copy = std::make_unique<AppSettings>(copyPath);
    m_copy->setDefaultOutputDirectory(folder);
    m_valid = m_folder.isValid() && m_copy->defaultOutputDirectory() == folder;
}
