#include "settings/SettingsStore.h"

#include "settings/SettingsSalvage.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

constexpr int kLockWaitMs = 5000;

// The file's object, if it holds one.
std::optional<QJsonObject> objectIn(const std::optional<QByteArray> &text)
{
    if (!text)
        return std::nullopt;
    const QJsonDocument document = QJsonDocument::fromJson(*text);
    if (!document.isObject())
        return std::nullopt;
    return document.object();
}

// None when the file cannot be read (missing is checked apart).
std::optional<QByteArray> readText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

} // namespace

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
    return readLocked().value_or(QJsonObject{}).value(key);
}

bool SettingsStore::contains(const QString &key) const
{
    std::lock_guard guard(m_lock);
    return readLocked().value_or(QJsonObject{}).contains(key);
}

void SettingsStore::setValue(const QString &key, const QJsonValue &value)
{
    std::lock_guard guard(m_lock);
    std::optional<QJsonObject> object = readLocked();
    if (!object)
        return;
    object->insert(key, value);
    writeLocked(*object);
}

void SettingsStore::remove(const QStringList &keys)
{
    std::lock_guard guard(m_lock);
    std::optional<QJsonObject> object = readLocked();
    if (!object)
        return;
    bool changed = false;
    for (const QString &key : keys) {
        if (object->contains(key)) {
            object->remove(key);
            changed = true;
        }
    }
    if (changed)
        writeLocked(*object);
}

QString SettingsStore::setAsideFile() const
{
    std::lock_guard guard(m_lock);
    return m_setAsideFile;
}

void SettingsStore::setSetAsideHandler(std::function<void(const QString &)> handler)
{
    std::lock_guard guard(m_lock);
    m_onSetAside = std::move(handler);
}

std::optional<QJsonObject> SettingsStore::readLocked() const
{
    if (!QFileInfo::exists(m_filePath))
        return QJsonObject{};
    if (const std::optional<QJsonObject> object = objectIn(readText(m_filePath)))
        return object;
    return setAsideLocked();
}

std::optional<QJsonObject> SettingsStore::setAsideLocked() const
{
    // Another program of the installation may find the same damage at the
    // same moment: one of them moves the file, the other reads the result.
    QLockFile lock(m_filePath + QStringLiteral(".lock"));
    if (!lock.tryLock(kLockWaitMs))
        return std::nullopt;
    if (!QFileInfo::exists(m_filePath))
        return QJsonObject{};
    const std::optional<QByteArray> text = readText(m_filePath);
    if (const std::optional<QJsonObject> object = objectIn(text))
        return object;

    const QString stem = m_filePath + QStringLiteral(".bad-")
                         + QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd'T'HHmmss"));
    QString aside = stem;
    for (int n = 2; QFileInfo::exists(aside) || QFileInfo(aside).isSymLink(); ++n)
        aside = stem + QLatin1Char('-') + QString::number(n);
    // Never replaces an existing file, not even one made since the check.
    if (!QFile::rename(m_filePath, aside))
        return std::nullopt;
    const QJsonObject kept = text ? SettingsSalvage::readableMembers(*text) : QJsonObject{};
    if (!kept.isEmpty())
        writeLocked(kept);
    m_setAsideFile = aside;
    if (m_onSetAside)
        m_onSetAside(aside);
    return kept;
}

void SettingsStore::writeLocked(const QJsonObject &object) const
{
    QDir().mkpath(QFileInfo(m_filePath).absolutePath());
    QSaveFile file(m_filePath);
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write(QJsonDocument(object).toJson(QJsonDocument::Indented));
    file.commit();
}
