#include "PrivateSessionBus.h"
#include "cli/CliHarness.h"
#include "support/LocalMediaServer.h"
#include "support/TestSupport.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusMetaType>
#include <QDBusReply>

#include <gtest/gtest.h>

#include <functional>

// The window's job rows as a screen reader reads them: over AT-SPI, on a
// real accessibility bus (at-spi-bus-launcher and at-spi2-registryd from
// at-spi2-core) beside the test's own session bus, from the real program on
// an X server of the test's own (Xvfb). The offscreen platform has no
// AT-SPI bridge, so the window needs a display.
namespace {

const QString kRegistry = QStringLiteral("org.a11y.atspi.Registry");
const QString kRootPath = QStringLiteral("/org/a11y/atspi/accessible/root");
const QString kAccessible = QStringLiteral("org.a11y.atspi.Accessible");

struct Node
{
    QString service;
    QDBusObjectPath path;
};

const QDBusArgument &operator>>(const QDBusArgument &argument, Node &node)
{
    argument.beginStructure();
    argument >> node.service >> node.path;
    argument.endStructure();
    return argument;
}

QDBusArgument &operator<<(QDBusArgument &argument, const Node &node)
{
    argument.beginStructure();
    argument << node.service << node.path;
    argument.endStructure();
    return argument;
}

} // namespace

Q_DECLARE_METATYPE(Node)

namespace {

// The accessibility bus's object events, as a screen reader receives them.
class ObjectEvents : public QObject
{
    Q_OBJECT

public:
    QList<QDBusMessage> received;

public slots:
    void record(const QDBusMessage &message) { received.append(message); }
};

// A process of the test's, ended when the test ends.
struct Daemon
{
    std::unique_ptr<QProcess> process = std::make_unique<QProcess>();
    ~Daemon()
    {
        if (process->state() != QProcess::NotRunning) {
            process->terminate();
            if (!process->waitForFinished(5000))
                process->kill();
            process->waitForFinished(5000);
        }
    }
};

// One object of the tree, read over the accessibility bus.
class AtSpiReader
{
public:
    explicit AtSpiReader(const QDBusConnection &bus) : m_bus(bus) { qDBusRegisterMetaType<Node>(); qDBusRegisterMetaType<QList<Node>>(); }

    QList<Node> children(const Node &node) const
    {
        QDBusMessage call = QDBusMessage::createMethodCall(node.service, node.path.path(), kAccessible,
                                                           QStringLiteral("GetChildren"));
        const QDBusReply<QList<Node>> reply = m_bus.call(call, QDBus::Block, 5000);
        return reply.isValid() ? reply.value() : QList<Node>();
    }

    QString roleName(const Node &node) const
    {
        QDBusMessage call = QDBusMessage::createMethodCall(node.service, node.path.path(), kAccessible,
                                                           QStringLiteral("GetRoleName"));
        const QDBusReply<QString> reply = m_bus.call(call, QDBus::Block, 5000);
        return reply.isValid() ? reply.value() : QString();
    }

    QVariant property(const Node &node, const QString &interface, const QString &name) const
    {
        QDBusMessage call = QDBusMessage::createMethodCall(node.service, node.path.path(),
                                                           QStringLiteral("org.freedesktop.DBus.Properties"),
                                                           QStringLiteral("Get"));
        call << interface << name;
        const QDBusReply<QDBusVariant> reply = m_bus.call(call, QDBus::Block, 5000);
        return reply.isValid() ? reply.value().variant() : QVariant();
    }

    QString name(const Node &node) const { return property(node, kAccessible, QStringLiteral("Name")).toString(); }
    QString description(const Node &node) const
    {
        return property(node, kAccessible, QStringLiteral("Description")).toString();
    }

    // Depth first, at most `depth` levels below `node`.
    std::optional<Node> find(const Node &node, const std::function<bool(const Node &)> &match, int depth) const
    {
        if (match(node))
            return node;
        if (depth == 0)
            return std::nullopt;
        for (const Node &child : children(node)) {
            if (auto found = find(child, match, depth - 1))
                return found;
        }
        return std::nullopt;
    }

private:
    QDBusConnection m_bus;
};

TEST(AccessibilityBus, AScreenReaderFindsAJobRowsProgressAndStatusOverAtSpi)
{
    ASSERT_FALSE(PrivateSessionBus::address().isEmpty());

    Daemon display;
    display.process->start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"),
                                                     QStringLiteral("-nolisten"), QStringLiteral("tcp"),
                                                     QStringLiteral("-screen"), QStringLiteral("0"),
                                                     QStringLiteral("1280x1024x24")});
    ASSERT_TRUE(display.process->waitForStarted()) << "Xvfb (package xvfb) is needed";
    ASSERT_TRUE(TestSupport::waitUntil([&] { return display.process->canReadLine(); })) << "Xvfb printed no display";
    const QString displayName = QLatin1Char(':') + QString::fromUtf8(display.process->readLine()).trimmed();

    // The launcher owns org.a11y.Bus on the session bus and runs the
    // accessibility bus, where the registry is activated.
    Daemon launcher;
    launcher.process->start(QStringLiteral("/usr/libexec/at-spi-bus-launcher"), {QStringLiteral("--launch-immediately")});
    ASSERT_TRUE(launcher.process->waitForStarted()) << "at-spi-bus-launcher (package at-spi2-core) is needed";
    QDBusInterface a11yBus(QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"), QStringLiteral("org.a11y.Bus"));
    QString address;
    ASSERT_TRUE(TestSupport::waitUntil([&] {
        const QDBusReply<QString> reply = a11yBus.call(QStringLiteral("GetAddress"));
        address = reply.isValid() ? reply.value() : QString();
        return !address.isEmpty();
    }));
    QDBusConnection bus = QDBusConnection::connectToBus(address, QStringLiteral("atspi-reader"));
    ASSERT_TRUE(bus.isConnected()) << bus.lastError().message().toStdString();

    LocalMediaServer server{LocalMediaServer::Options{16 * 1024}};
    ASSERT_TRUE(server.isReady()) << server.errorString().toStdString();
    CliUser user;
    ASSERT_TRUE(user.isValid());
    ASSERT_TRUE(user.acceptNoticeForWindow());
    user.setVariable(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    user.setVariable(QStringLiteral("DISPLAY"), displayName);
    user.setVariable(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
    // Under the address sanitizer the window on a real X server runs the
    // system's X11 libraries too: libxkbcommon-x11 hands strndup a string
    // without its terminating zero (harmless; strict string checks read to
    // the end) and libdbus keeps a buffer for the life of the process. As for
    // the window screenshots; our own code keeps every check.
    if (const QString sanitizer = qEnvironmentVariable("ASAN_OPTIONS"); !sanitizer.isEmpty()) {
        user.setVariable(QStringLiteral("ASAN_OPTIONS"), sanitizer + QStringLiteral(":strict_string_checks=0"));
        user.setVariable(QStringLiteral("LSAN_OPTIONS"),
                         QStringLiteral("suppressions=" TARVELLE_SOURCE_DIR "/tests/screenshots/lsan.supp"));
    }
    // Two links are queued at once, with the defaults.
    const Daemon running{user.start({server.url(LocalMediaServer::kVideoPath),
                                     server.url(LocalMediaServer::kVideoPath) + QStringLiteral("?again")},
                                    windowPath())};
    QProcess *window = running.process.get();
    ASSERT_TRUE(window->waitForStarted());

    const AtSpiReader reader(bus);
    const Node registry{kRegistry, QDBusObjectPath(kRootPath)};
    std::optional<Node> app;
    ASSERT_TRUE(TestSupport::waitUntil([&] {
        app = reader.find(registry, [&](const Node &node) { return reader.name(node) == QStringLiteral("Tarvelle"); }, 1);
        return app.has_value();
    }, std::chrono::seconds(30))) << "the window never registered; applications: " << [&] {
        QStringList names;
        for (const Node &child : reader.children(registry))
            names << reader.name(child);
        return names.join(QStringLiteral(", ")).toStdString();
    }() << "; " << window->readAllStandardError().constData();

    // The job list, its first row, and in it the bar and the badge.
    std::optional<Node> list;
    ASSERT_TRUE(TestSupport::waitUntil([&] {
        list = reader.find(*app, [&](const Node &node) {
            return reader.roleName(node) == QStringLiteral("list") && reader.name(node) == QStringLiteral("Downloads")
                && !reader.children(node).isEmpty();
        }, 12);
        return list.has_value();
    }, std::chrono::seconds(30)));
    const QList<Node> rows = reader.children(*list);
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(reader.roleName(rows.first()), QStringLiteral("list item"));

    std::optional<Node> bar;
    ASSERT_TRUE(TestSupport::waitUntil([&] {
        bar = reader.find(rows.first(), [&](const Node &node) { return reader.description(node) == QStringLiteral("jobProgress"); }, 1);
        return bar.has_value();
    }, std::chrono::seconds(60))) << reader.name(rows.first()).toStdString();
    EXPECT_EQ(reader.roleName(*bar), QStringLiteral("progress bar"));
    EXPECT_EQ(reader.name(*bar), QStringLiteral("Progress"));
    bool known = false;
    const double maximum = reader.property(*bar, QStringLiteral("org.a11y.atspi.Value"), QStringLiteral("MaximumValue")).toDouble(&known);
    EXPECT_TRUE(known) << "the bar offers its value";
    EXPECT_TRUE(maximum == 0.0 || maximum == 1.0) << maximum;

    const auto badge = reader.find(rows.first(), [&](const Node &node) {
        return reader.description(node) == QStringLiteral("jobStatusBadge");
    }, 1);
    ASSERT_TRUE(badge.has_value());
    EXPECT_FALSE(reader.name(*badge).isEmpty());
    EXPECT_TRUE(reader.name(rows.first()).endsWith(reader.name(*badge))) << reader.name(rows.first()).toStdString();

    const auto remove = reader.find(rows.first(), [&](const Node &node) {
        return reader.roleName(node) == QStringLiteral("push button") && reader.name(node) == QStringLiteral("Remove");
    }, 1);
    EXPECT_TRUE(remove.has_value());

    // A reader that listens to object events hears the bar move.
    ObjectEvents events;
    ASSERT_TRUE(bus.connect(QString(), QString(), QStringLiteral("org.a11y.atspi.Event.Object"),
                            QStringLiteral("PropertyChange"), &events, SLOT(record(QDBusMessage))));
    QDBusMessage listen = QDBusMessage::createMethodCall(kRegistry, QStringLiteral("/org/a11y/atspi/registry"),
                                                         QStringLiteral("org.a11y.atspi.Registry"),
                                                         QStringLiteral("RegisterEvent"));
    listen << QStringLiteral("object:") << QStringList() << QString();
    const QDBusMessage registered = bus.call(listen, QDBus::Block, 5000);
    ASSERT_NE(registered.type(), QDBusMessage::ErrorMessage) << registered.errorMessage().toStdString();
    const auto barMoved = [&] {
        for (const QDBusMessage &event : std::as_const(events.received)) {
            if (event.path() == bar->path.path() && event.arguments().value(0).toString() == QStringLiteral("accessible-value"))
                return true;
        }
        return false;
    };
    EXPECT_TRUE(TestSupport::waitUntil(barMoved, std::chrono::seconds(60))) << events.received.size() << " events";
}

} // namespace

#include "AccessibilityBusTest.moc"
