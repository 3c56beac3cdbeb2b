#pragma once

#include <QDBusConnection>
#include <QString>
#include <QStringList>
#include <QVariantMap>

// Hands links to a Tarvelle window that already runs, over the session bus
// (org.freedesktop.Application). Used by a second start of the window and by
// tarvelle-cli. The calls wait for the window's answer, a short while at most:
// callers are programs about to exit, never a window.
class ApplicationBusClient
{
public:
    ApplicationBusClient(QDBusConnection bus, QString appId);

    // A window owns the name now. Never starts one (no D-Bus activation).
    bool windowIsRunning() const;

    // Activate (no links) or Open: the window comes to the front; one link
    // goes to its link field, several are queued. `platformData` carries the
    // launcher's startup id or activation token, when there is one.
    bool open(const QStringList &links, const QVariantMap &platformData) const;

    // Queues every link in the window with its default options.
    bool queue(const QStringList &links) const;

    // The platform data of this process's launch: the startup notification id
    // (X11) and the activation token (Wayland) the environment holds.
    static QVariantMap launchPlatformData();

    // Why the last call failed, for a message; empty after a success.
    QString lastError() const { return m_lastError; }

private:
    bool call(const QString &method, const QVariantList &arguments) const;

    QDBusConnection m_bus;
    QString m_appId;
    mutable QString m_lastError;
};
