#include "services/ApplicationBus.h"

#include "services/ApplicationBusNames.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusVariant>

namespace {

// ActivateAction's "queue-links" parameter: one variant holding the links.
QStringList linksIn(const QVariantList &parameter)
{
    QStringList links;
    for (const QVariant &value : parameter) {
        const QVariant inner = value.canConvert<QDBusVariant>() ? value.value<QDBusVariant>().variant() : value;
        if (inner.canConvert<QDBusArgument>())
            links += qdbus_cast<QStringList>(inner.value<QDBusArgument>());
        else
            links += inner.toStringList();
    }
    return links;
}

} // namespace

ApplicationBus::ApplicationBus(QDBusConnection bus, QString appId, QObject *parent)
    : QObject(parent), m_bus(std::move(bus)), m_appId(std::move(appId))
{
}

ApplicationBus::Claim ApplicationBus::claim()
{
    if (!m_bus.isConnected() || !m_bus.interface())
        return Claim::unavailable;
    if (!m_bus.registerObject(ApplicationBusNames::objectPath(m_appId), this, QDBusConnection::ExportAllSlots))
        return Claim::unavailable;
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply = m_bus.interface()->registerService(
        ApplicationBusNames::service(m_appId), QDBusConnectionInterface::DontQueueService,
        QDBusConnectionInterface::DontAllowReplacement);
    if (!reply.isValid()) {
        m_bus.unregisterObject(ApplicationBusNames::objectPath(m_appId));
        return Claim::unavailable;
    }
    if (reply.value() != QDBusConnectionInterface::ServiceRegistered) {
        m_bus.unregisterObject(ApplicationBusNames::objectPath(m_appId));
        return Claim::elsewhere;
    }
    return Claim::owned;
}

void ApplicationBus::Activate(const QVariantMap &platformData)
{
    emit activationRequested(platformData);
}

void ApplicationBus::Open(const QStringList &uris, const QVariantMap &platformData)
{
    emit activationRequested(platformData);
    emit openRequested(uris);
}

void ApplicationBus::ActivateAction(const QString &actionName, const QVariantList &parameter,
                                    const QVariantMap &platformData)
{
    // Queued links need no window in front: they come from a terminal, whose
    // user stays there.
    if (actionName == ApplicationBusNames::queueAction())
        emit queueRequested(linksIn(parameter));
    else
        emit activationRequested(platformData);
}
