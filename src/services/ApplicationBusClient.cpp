#include "services/ApplicationBusClient.h"

#include "services/ApplicationBusNames.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>

namespace {

// A window that does not answer within this time is hung; the caller says so
// rather than waiting with it.
constexpr int kAnswerTimeoutMs = 5000;

} // namespace

ApplicationBusClient::ApplicationBusClient(QDBusConnection bus, QString appId)
    : m_bus(std::move(bus)), m_appId(std::move(appId))
{
}

bool ApplicationBusClient::windowIsRunning() const
{
    if (!m_bus.isConnected() || !m_bus.interface())
        return false;
    return m_bus.interface()->isServiceRegistered(ApplicationBusNames::service(m_appId)).value();
}

bool ApplicationBusClient::open(const QStringList &links, const QVariantMap &platformData) const
{
    if (links.isEmpty())
        return call(QStringLiteral("Activate"), {platformData});
    return call(QStringLiteral("Open"), {links, platformData});
}

bool ApplicationBusClient::queue(const QStringList &links) const
{
    // ActivateAction's parameter is an array of variants: here one, the links.
    const QVariantList parameter{QVariant::fromValue(QDBusVariant(links))};
    return call(QStringLiteral("ActivateAction"),
                {ApplicationBusNames::queueAction(), parameter, launchPlatformData()});
}

QVariantMap ApplicationBusClient::launchPlatformData()
{
    QVariantMap data;
    if (const QString startupId = qEnvironmentVariable("DESKTOP_STARTUP_ID"); !startupId.isEmpty())
        data.insert(QStringLiteral("desktop-startup-id"), startupId);
    if (const QString token = qEnvironmentVariable("XDG_ACTIVATION_TOKEN"); !token.isEmpty())
        data.insert(QStringLiteral("activation-token"), token);
    return data;
}

bool ApplicationBusClient::call(const QString &method, const QVariantList &arguments) const
{
    m_lastError.clear();
    if (!m_bus.isConnected()) {
        m_lastError = m_bus.lastError().message();
        return false;
    }
    QDBusMessage message = QDBusMessage::createMethodCall(
        ApplicationBusNames::service(m_appId), ApplicationBusNames::objectPath(m_appId), ApplicationBusNames::interface(),
        method);
    // A name nobody owns must not start a window through D-Bus activation:
    // the caller asked for the running one.
    message.setAutoStartService(false);
    message.setArguments(arguments);
    const QDBusMessage reply = m_bus.call(message, QDBus::Block, kAnswerTimeoutMs);
    if (reply.type() == QDBusMessage::ErrorMessage) {
        m_lastError = reply.errorMessage();
        return false;
    }
    return true;
}
