#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QStringList>

#include <functional>
#include <mutex>
#include <optional>

// The per-user key-value store: one JSON object in one file, so value kinds
// survive a round trip (a boolean stays a boolean, a number a number, text
// text). The file is read on every access and each change is written
// atomically (write, then rename), so another process writing the same file
// (a command-line tool, a second instance) is seen by the next read. Safe
// from any thread.
//
// A file that cannot be read or parsed is never written over: it is moved
// aside as settings.json.bad-<UTC yyyyMMddThhmmss>, and whatever of it still
// parses (SettingsSalvage) becomes the new file, so one write does not cost
// every other setting. Until it can be moved, the store reads as empty and
// drops writes.
class SettingsStore
{
public:
    explicit SettingsStore(QString filePath);

    // The usual file: <XDG config dir>/tarvelle/settings.json. The generic
    // config location is used (not the per-application one) so that every
    // program of the installation finds the same file whatever names it gives
    // its QCoreApplication.
    static QString defaultFilePath();

    QString filePath() const { return m_filePath; }

    // Undefined when the key is absent.
    QJsonValue value(const QString &key) const;
    bool contains(const QString &key) const;

    // Write failures are dropped: settings never report errors.
    void setValue(const QString &key, const QJsonValue &value);
    void remove(const QStringList &keys);

    // The damaged file this store moved aside, the last one if several;
    // empty when none was.
    QString setAsideFile() const;
    // Called on the thread that moved a damaged file aside, with its new
    // path; it must not use the store.
    void setSetAsideHandler(std::function<void(const QString &)> handler);

private:
    // None while a damaged file is still in place.
    std::optional<QJsonObject> readLocked() const;
    std::optional<QJsonObject> setAsideLocked() const;
    void writeLocked(const QJsonObject &object) const;

    const QString m_filePath;
    mutable std::mutex m_lock;
    mutable QString m_setAsideFile;
    std::function<void(const QString &)> m_onSetAside;
};
