#pragma once

#include <QString>

namespace PrivateSessionBus {

// The address of the test program's own dbus-daemon. The daemon is started
// before the first test (and DBUS_SESSION_BUS_ADDRESS points at it, so that
// QDBusConnection::sessionBus() of the services lands there); it activates no
// services, so the only names on it are those a test registers.
QString address();

} // namespace PrivateSessionBus
