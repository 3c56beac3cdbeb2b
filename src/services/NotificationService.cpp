#include "services/NotificationService.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QStringList>
#include <QVariantMap>

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");

QDBusMessage notificationsCall(const QString &method)
{
    return QDBusMessage::createMethodCall(kService, kPath, kInterface, method);
}

// Calls `method` and hands its answer to `answered` on the GUI thread, when
// it comes; the GUI thread never waits for the server.
template <typename Reply>
void callAsync(const QDBusMessage &call, QObject *context, std::function<void(const Reply &)> answered)
{
    auto *watcher = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(call), context);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context,
                     [watcher, answered = std::move(answered)] {
                         const Reply reply = *watcher;
                         if (!reply.isError())
                             answered(reply);
                         watcher->deleteLater();
                     });
}

} // namespace

NotificationService &NotificationService::shared()
{
    // Owned by the application object: it goes while the bus connection it
    // listens on is still there.
    static NotificationService *service = new NotificationService(QCoreApplication::instance());
    return *service;
}

NotificationService::NotificationService(QObject *parent) : QObject(parent)
{
    // Signals of any notification server on the session bus: ids are only
    // matched against those our notifications received.
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.connect(QString(), kPath, kInterface, QStringLiteral("ActionInvoked"), this,
                SLOT(onActionInvoked(uint, QString)));
    bus.connect(QString(), kPath, kInterface, QStringLiteral("NotificationClosed"), this, SLOT(onClosed(uint, uint)));
}

void NotificationService::requestAuthorization()
{
    QDBusConnection::sessionBus().asyncCall(notificationsCall(QStringLiteral("GetServerInformation")));
    callAsync<QDBusPendingReply<QStringList>>(notificationsCall(QStringLiteral("GetCapabilities")), this,
                                               [this](const QDBusPendingReply<QStringList> &reply) {
                                                   m_supportsActions = reply.value().contains(QLatin1String("actions"));
                                               });
}

void NotificationService::notify(const QString &title, const QString &body, const QList<Action> &actions,
                                 uint replacesId, QObject *context, std::function<void(uint)> posted)
{
    const QString appId = QStringLiteral(TARVELLE_APP_ID);
    const QVariantMap hints{{QStringLiteral("desktop-entry"), appId}};
    QStringList flatActions;
    if (m_supportsActions) {
        for (const auto &[key, label] : actions)
            flatActions << key << label;
    }

    QDBusMessage call = notificationsCall(QStringLiteral("Notify"));
    call << appId                  // app_name
         << replacesId             // replaces_id: 0 asks for a new notification
         << QString()              // app_icon: the desktop entry's icon
         << title                  // summary
         << escapeBody(body)       // body
         << flatActions            // actions: key, label, key, label, ...
         << hints                  // hints
         << int(-1);               // expire_timeout: the server's default
    if (!posted) {
        // Sent without a reply handler: a missing server only produces an
        // error reply nobody reads.
        QDBusConnection::sessionBus().asyncCall(call);
        return;
    }
    callAsync<QDBusPendingReply<uint>>(call, context ? context : this,
                                        [posted = std::move(posted)](const QDBusPendingReply<uint> &reply) {
                                            posted(reply.value());
                                        });
}

void NotificationService::onActionInvoked(uint id, const QString &key)
{
    emit actionInvoked(id, key);
}

void NotificationService::onClosed(uint id, uint)
{
    emit closed(id);
}

QString NotificationService::escapeBody(const QString &text)
{
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '&': escaped += QLatin1String("&amp;"); break;
        case '<': escaped += QLatin1String("&lt;"); break;
        case '>': escaped += QLatin1String("&gt;"); break;
        case '"': escaped += QLatin1String("&quot;"); break;
        case '\'': escaped += QLatin1String("&apos;"); break;
        default: escaped += c;
        }
    }
    return escaped;
}
