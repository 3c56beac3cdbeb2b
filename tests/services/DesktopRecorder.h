#pragma once

#include <QDBusConnection>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

// Stands in for the desktop's notification server and file manager on the
// private session bus: exports both interfaces on a connection of its own and
// records every call it receives. Which of the two names it owns is up to the
// test, so that "no server" is a bus without that name.
class NotificationsRecorder : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    struct Notification
    {
        QString appName;
        uint replacesId = 0;
        QString appIcon;
        QString summary;
        QString body;
        QStringList actions;
        QVariantMap hints;
        int expireTimeout = 0;
    };

    QList<Notification> notifications;
    int serverInformationRequests = 0;
    // What GetCapabilities answers: a server that shows buttons by default.
    QStringList capabilities{QStringLiteral("actions"), QStringLiteral("body")};

public slots:
    uint Notify(const QString &appName, uint replacesId, const QString &appIcon,
                const QString &summary, const QString &body, const QStringList &actions,
                const QVariantMap &hints, int expireTimeout);
    QString GetServerInformation(QString &vendor, QString &version, QString &specVersion);
    QStringList GetCapabilities();
};

class FileManagerRecorder : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")

public:
    struct ShowItemsCall
    {
        QStringList uris;
        QString startupId;
    };

    QList<ShowItemsCall> showItemsCalls;

public slots:
    void ShowItems(const QStringList &uris, const QString &startupId);
};

class DesktopRecorder
{
public:
    // Connects to the private bus and exports both objects; owns no name yet.
    DesktopRecorder();
    ~DesktopRecorder();

    DesktopRecorder(const DesktopRecorder &) = delete;
    DesktopRecorder &operator=(const DesktopRecorder &) = delete;

    // Owns or gives up org.freedesktop.Notifications / org.freedesktop.FileManager1.
    bool serveNotifications(bool serve);
    bool serveFileManager(bool serve);

    // What a notification server says when the user presses an action of
    // notification `id`, or when it goes from the screen.
    void invokeAction(uint id, const QString &key);
    void closeNotification(uint id);

    NotificationsRecorder notifications;
    FileManagerRecorder fileManager;

private:
    bool serve(const QString &name, bool serve);

    QDBusConnection m_connection;
};
