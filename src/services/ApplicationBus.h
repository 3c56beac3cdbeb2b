#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>

// The running window on the session bus: it owns the application id as a
// well-known name and answers org.freedesktop.Application there, so that
// launchers (DBusActivatable desktop entries), a second start of the program
// and tarvelle-cli hand it links instead of opening a second window.
class ApplicationBus : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")

public:
    enum class Claim {
        owned,      // this process answers for the application now
        elsewhere,  // another process owns the name: hand over to it
        unavailable // no session bus: run on alone
    };

    ApplicationBus(QDBusConnection bus, QString appId, QObject *parent = nullptr);

    // Exports the interface and asks for the name, without queueing for it:
    // of two programs starting at once, one owns it and the other hands over.
    Claim claim();

public slots:
    // org.freedesktop.Application. Of the actions, "queue-links" queues the
    // links in its parameter; any other only brings the window forward.
    void Activate(const QVariantMap &platformData);
    void Open(const QStringList &uris, const QVariantMap &platformData);
    void ActivateAction(const QString &actionName, const QVariantList &parameter, const QVariantMap &platformData);

signals:
    // The window should come to the front; `platformData` may hold a startup
    // id or an activation token.
    void activationRequested(const QVariantMap &platformData);
    // One link for the link field, several to queue, or text files of links.
    void openRequested(const QStringList &items);
    // Links to queue whatever their number.
    void queueRequested(const QStringList &links);

private:
    QDBusConnection m_bus;
    QString m_appId;
};
