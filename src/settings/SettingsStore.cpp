#include "settings/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QSaveFile>
#include <QStandardPaths>

SettingsStore::SettingsStore(QString filePath)
    : m_filePath(std::move(filePath))
{
}

QString SettingsStore::defaultFilePath()
{
    QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (config.isEmpty())
        config = QDir(QDir::homePath()).filePath(QStringLiteral(".config"));
    return QDir(config).filePath(QStringLiteral("tarvelle/settings.json"));
}

QJsonValue SettingsStore::value(const QString &key) const
{
    std::lock_guard guard(m_lock);
    return readLocked().value(key);
}

bool SettingsStore::contains(const QString &key) const
{
    std::lock_guard guard(m_lock);
    return readLocked().contains(key);
}

void SettingsStore::setValue(const QString &key, const QJsonValue &value)
{
    std::lock_guard guard(m_lock);
    QJsonObject object = readLocked();
    object.insert(key, value);
    writeLocked(object);
}

void SettingsStore::remove(const QStringList &keys)
{
    std::lock_guard guard(m_lock);
    QJsonObject object = readLocked();
    bool changed = false;
    for (const QString &key : keys) {
        if (object.contains(key)) {
            object.remove(key);
            changed = true;
        }
    }
    if (changed)
        writeLocked(object);
}

QJsonObject SettingsStore::readLocked() const
{
    QFile file(m_filePath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
    return document.isObject() ? document.object() : QJsonObject{};
}

void SettingsStore::writeLocked(const QJsonObject &object)
{
    QDir().mkpath(QFileInfo(m_filePath).absolutePath());
    QSaveFile file(m_filePath);
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write(QJsonDocument(object).toJson(QJsonDocument::Indented));
    file.commit();
}
