#include "DesktopRecorder.h"

#include "PrivateSessionBus.h"

#include <QDBusMessage>

namespace {

QString nextConnectionName()
{
    static int count = 0;
    return QStringLiteral("desktop-recorder-%1").arg(++count);
}

const QString kNotificationsName = QStringLiteral("org.freedesktop.Notifications");
const QString kFileManagerName = QStringLiteral("org.freedesktop.FileManager1");

} // namespace

uint NotificationsRecorder::Notify(const QString &appName, uint replacesId, const QString &appIcon,
                                   const QString &summary, const QString &body,
                                   const QStringList &actions, const QVariantMap &hints,
                                   int expireTimeout)
{
    notifications.append(
        {appName, replacesId, appIcon, summary, body, actions, hints, expireTimeout});
    return uint(notifications.size());
}

QString NotificationsRecorder::GetServerInformation(QString &vendor, QString &version,
                                                    QString &specVersion)
{
    ++serverInformationRequests;
    vendor = QStringLiteral("tests");
    version = QStringLiteral("1");
    specVersion = QStringLiteral("1.2");
    return QStringLiteral("recorder");
}

QStringList NotificationsRecorder::GetCapabilities()
{
    return capabilities;
}

void FileManagerRecorder::ShowItems(const QStringList &uris, const QString &startupId)
{
    showItemsCalls.append({uris, startupId});
}

DesktopRecorder::DesktopRecorder()
    : m_connection(QDBusConnection::connectToBus(PrivateSessionBus::address(), nextConnectionName()))
{
    m_connection.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &notifications,
                                QDBusConnection::ExportAllSlots);
    m_connection.registerObject(QStringLiteral("/org/freedesktop/FileManager1"), &fileManager,
                                QDBusConnection::ExportAllSlots);
}

DesktopRecorder::~DesktopRecorder()
{
    // Names are given back before the connection goes, so that the next
    // recorder can take them at once.
    serveNotifications(false);
    serveFileManager(false);
    m_connection.unregisterObject(QStringLiteral("/org/freedesktop/Notifications"));
    m_connection.unregisterObject(QStringLiteral("/org/freedesktop/FileManager1"));
    QDBusConnection::disconnectFromBus(m_connection.name());
}

bool DesktopRecorder::serveNotifications(bool serve)
{
    return this->serve(kNotificationsName, serve);
}

bool DesktopRecorder::serveFileManager(bool serve)
{
    return this->serve(kFileManagerName, serve);
}

void DesktopRecorder::invokeAction(uint id, const QString &key)
{
    QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/Notifications"),
                                                     kNotificationsName, QStringLiteral("ActionInvoked"));
    signal << id << key;
    m_connection.send(signal);
}

void DesktopRecorder::closeNotification(uint id)
{
    QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/Notifications"),
                                                     kNotificationsName, QStringLiteral("NotificationClosed"));
    signal << id << uint(2); // dismissed by the user
    m_connection.send(signal);
}

bool DesktopRecorder::serve(const QString &name, bool serve)
{
    if (!m_connection.isConnected())
        return false;
    return serve ? m_connection.registerService(name) : m_connection.unregisterService(name);
}
