#include "app/DesktopColorScheme.h"

#include "PrivateSessionBus.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QThread>

#include <gtest/gtest.h>

#include <memory>

namespace {

// The settings part of the XDG desktop portal, answering as
// xdg-desktop-portal 1.16 does: Read gives the value inside a second variant.
// Its SettingChanged signal is sent by hand (PortalOnBus::announce).
class FakePortal : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")

public:
    explicit FakePortal(uint colorScheme) : m_colorScheme(colorScheme) {}

public slots:
    QDBusVariant Read(const QString &group, const QString &key)
    {
        if (group == QLatin1String("org.freedesktop.appearance") && key == QLatin1String("color-scheme"))
            return QDBusVariant(QVariant::fromValue(QDBusVariant(m_colorScheme)));
        return QDBusVariant(QVariant::fromValue(QDBusVariant(QString())));
    }

private:
    uint m_colorScheme;
};

// The portal runs on a thread of its own, as a separate process would, so
// that the blocking read at construction gets its answer.
class PortalOnBus
{
public:
    explicit PortalOnBus(uint colorScheme)
        : m_bus(QDBusConnection::connectToBus(PrivateSessionBus::address(), QStringLiteral("fake-portal")))
    {
        m_portal = std::make_unique<FakePortal>(colorScheme);
        m_bus.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), m_portal.get(),
                             QDBusConnection::ExportAllSlots);
        m_bus.registerService(QStringLiteral("org.freedesktop.portal.Desktop"));
        m_portal->moveToThread(&m_thread);
        m_thread.start();
    }

    ~PortalOnBus()
    {
        m_bus.unregisterService(QStringLiteral("org.freedesktop.portal.Desktop"));
        m_bus.unregisterObject(QStringLiteral("/org/freedesktop/portal/desktop"));
        m_thread.quit();
        m_thread.wait();
        m_portal.reset();
        QDBusConnection::disconnectFromBus(QStringLiteral("fake-portal"));
    }

    void announce(uint colorScheme)
    {
        QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/portal/desktop"),
                                                         QStringLiteral("org.freedesktop.portal.Settings"),
                                                         QStringLiteral("SettingChanged"));
        signal << QStringLiteral("org.freedesktop.appearance") << QStringLiteral("color-scheme")
               << QVariant::fromValue(QDBusVariant(colorScheme));
        m_bus.send(signal);
    }

private:
    QDBusConnection m_bus;
    QThread m_thread;
    std::unique_ptr<FakePortal> m_portal;
};

QDBusConnection clientBus()
{
    return QDBusConnection::connectToBus(PrivateSessionBus::address(), QStringLiteral("client"));
}

bool windowIsDark()
{
    return QApplication::palette().color(QPalette::Window).lightness() < 128;
}

// Each test starts from the light palette the offscreen platform gives.
class DesktopColorSchemeTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_original = QApplication::palette();
        ASSERT_FALSE(windowIsDark());
    }

    void TearDown() override
    {
        QApplication::setPalette(m_original);
        QDBusConnection::disconnectFromBus(QStringLiteral("client"));
    }

    // Lets the bus deliver a signal and the palette change reach the application.
    static void waitForPalette(bool dark)
    {
        for (int round = 0; round < 200 && windowIsDark() != dark; ++round) {
            QThread::msleep(10);
            QCoreApplication::processEvents();
        }
    }

private:
    QPalette m_original;
};

TEST_F(DesktopColorSchemeTest, darkPreferenceAtStartGivesDarkPalette)
{
    PortalOnBus portal(1);
    DesktopColorScheme scheme(clientBus());
    EXPECT_TRUE(windowIsDark());
    EXPECT_EQ(QApplication::palette().color(QPalette::Window), DesktopColorScheme::darkPalette().color(QPalette::Window));
}

TEST_F(DesktopColorSchemeTest, lightOrNoPreferenceKeepsPlatformPalette)
{
    for (uint preference : {0u, 2u}) {
        PortalOnBus portal(preference);
        DesktopColorScheme scheme(clientBus());
        EXPECT_FALSE(windowIsDark()) << "color-scheme " << preference;
        QDBusConnection::disconnectFromBus(QStringLiteral("client"));
    }
}

TEST_F(DesktopColorSchemeTest, followsChangesWhileRunning)
{
    PortalOnBus portal(0);
    DesktopColorScheme scheme(clientBus());
    ASSERT_FALSE(windowIsDark());

    portal.announce(1);
    waitForPalette(true);
    EXPECT_TRUE(windowIsDark());

    portal.announce(0);
    waitForPalette(false);
    EXPECT_FALSE(windowIsDark());
}

TEST_F(DesktopColorSchemeTest, withoutPortalNothingChanges)
{
    DesktopColorScheme scheme(clientBus());
    EXPECT_FALSE(windowIsDark());
}

TEST_F(DesktopColorSchemeTest, darkPlatformPaletteIsLeftAlone)
{
    QPalette platformDark = DesktopColorScheme::darkPalette();
    platformDark.setColor(QPalette::Window, QColor(0x10, 0x20, 0x30));
    QApplication::setPalette(platformDark);
    PortalOnBus portal(1);
    DesktopColorScheme scheme(clientBus());
    EXPECT_EQ(QApplication::palette().color(QPalette::Window), QColor(0x10, 0x20, 0x30));
}

} // namespace

#include "DesktopColorSchemeTest.moc"
