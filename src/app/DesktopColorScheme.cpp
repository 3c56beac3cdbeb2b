#include "app/DesktopColorScheme.h"

#include <QApplication>
#include <QDBusMessage>

namespace {

const QString portalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString portalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString settingsInterface = QStringLiteral("org.freedesktop.portal.Settings");
const QString appearanceGroup = QStringLiteral("org.freedesktop.appearance");
const QString colorSchemeKey = QStringLiteral("color-scheme");

// A slow or half-configured portal must not hold up the window for long.
constexpr int portalTimeoutMs = 500;

// color-scheme values: 0 no preference, 1 prefer dark, 2 prefer light.
constexpr uint preferDark = 1;

bool isDark(const QPalette &palette)
{
    return palette.color(QPalette::Window).lightness() < 128;
}

// Read answers a variant inside a variant; the value itself is a uint.
QVariant unwrapped(QVariant value)
{
    while (value.userType() == qMetaTypeId<QDBusVariant>())
        value = qvariant_cast<QDBusVariant>(value).variant();
    return value;
}

} // namespace

DesktopColorScheme::DesktopColorScheme(QDBusConnection bus, QObject *parent)
    : QObject(parent), m_platformPalette(QApplication::palette())
{
    if (!bus.isConnected())
        return;
    // QtDBus finds the slot's argument types by name; QDBusVariant has no
    // name until it is registered, and the connection would fail silently.
    qRegisterMetaType<QDBusVariant>();
    bus.connect(portalService, portalPath, settingsInterface, QStringLiteral("SettingChanged"), this,
                SLOT(settingChanged(QString, QString, QDBusVariant)));
    QDBusMessage read = QDBusMessage::createMethodCall(portalService, portalPath, settingsInterface,
                                                       QStringLiteral("Read"));
    read << appearanceGroup << colorSchemeKey;
    const QDBusMessage reply = bus.call(read, QDBus::Block, portalTimeoutMs);
    if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty())
        follow(unwrapped(reply.arguments().constFirst()));
}

void DesktopColorScheme::settingChanged(const QString &group, const QString &key, const QDBusVariant &value)
{
    if (group == appearanceGroup && key == colorSchemeKey)
        follow(unwrapped(value.variant()));
}

void DesktopColorScheme::follow(const QVariant &preference)
{
    bool known = false;
    const uint scheme = preference.toUInt(&known);
    const bool wantDark = known && scheme == preferDark && !isDark(m_platformPalette);
    if (wantDark == m_darkApplied)
        return;
    m_darkApplied = wantDark;
    QApplication::setPalette(wantDark ? darkPalette() : m_platformPalette);
}

QPalette DesktopColorScheme::darkPalette()
{
    // The colours of the GNOME dark style, so the window sits well beside
    // the desktop's own applications.
    const QColor window(0x24, 0x24, 0x24);
    const QColor base(0x1e, 0x1e, 0x1e);
    const QColor button(0x30, 0x30, 0x30);
    const QColor text(0xff, 0xff, 0xff);
    const QColor disabledText(0x80, 0x80, 0x80);
    const QColor accent(0x35, 0x84, 0xe4);

    QPalette palette(button, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, QColor(0x2a, 0x2a, 0x2a));
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::BrightText, QColor(0xff, 0x7b, 0x63));
    palette.setColor(QPalette::PlaceholderText, QColor(0x9a, 0x9a, 0x9a));
    palette.setColor(QPalette::ToolTipBase, button);
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::Highlight, accent);
    palette.setColor(QPalette::HighlightedText, text);
    palette.setColor(QPalette::Link, QColor(0x78, 0xae, 0xed));
    palette.setColor(QPalette::LinkVisited, QColor(0xc0, 0x61, 0xcb));
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, disabledText);
    palette.setColor(QPalette::Disabled, QPalette::Highlight, QColor(0x3a, 0x3a, 0x3a));
    return palette;
}
