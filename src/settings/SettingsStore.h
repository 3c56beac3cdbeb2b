#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QStringList>

#include <mutex>

// The per-user key-value store: one JSON object in one file, so value kinds
// survive a round trip (a boolean stays a boolean, a number a number, text
// text). The file is read on every access and each change is written
// atomically (write, then rename), so another process writing the same file
// (a command-line tool, a second instance) is seen by the next read. An
// unreadable or malformed file reads as an empty store. Safe from any thread.
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

private:
    QJsonObject readLocked() const;
    void writeLocked(const QJsonObject &object);

    const QString m_filePath;
    mutable std::mutex m_lock;
};
