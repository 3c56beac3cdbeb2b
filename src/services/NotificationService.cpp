#include "services/NotificationService.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QStringList>
#include <QVariantMap>

namespace {

QDBusMessage notificationsCall(const QString &method)
{
    return QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.Notifications"),
                                          QStringLiteral("/org/freedesktop/Notifications"),
                                          QStringLiteral("org.freedesktop.Notifications"), method);
}

// The answer is never waited for: sending without a reply handler cannot block
// the GUI thread, and a missing server only produces an error reply nobody reads.
void send(const QDBusMessage &call)
{
    QDBusConnection::sessionBus().asyncCall(call);
}

} // namespace

NotificationService &NotificationService::shared()
{
    static NotificationService service;
    return service;
}

void NotificationService::requestAuthorization() const
{
    send(notificationsCall(QStringLiteral("GetServerInformation")));
}

void NotificationService::notify(const QString &title, const QString &body) const
{
    const QString appId = QStringLiteral(TARVELLE_APP_ID);
    const QVariantMap hints{{QStringLiteral("desktop-entry"), appId}};

    QDBusMessage call = notificationsCall(QStringLiteral("Notify"));
    call << appId                  // app_name
         << uint(0)                // replaces_id: 0 asks for a new notification
         << QString()              // app_icon: the desktop entry's icon
         << title                  // summary
         << escapeBody(body)       // body
         << QStringList()          // actions
         << hints                  // hints
         << int(-1);               // expire_timeout: the server's default
    send(call);
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
