#pragma once

#include <QDBusConnection>
#include <QDBusVariant>
#include <QObject>
#include <QPalette>

// Makes the window follow the desktop's dark preference where Qt 6.4 does
// not. Qt takes the palette from the platform theme, which reads KDE's colours
// but gives GNOME and other desktops a light palette whatever the user chose.
// Those desktops publish the choice through the XDG desktop portal
// (org.freedesktop.appearance color-scheme): when it asks for dark and the
// platform's palette is light, a dark palette is put in place, and the
// platform's palette comes back when the preference changes again.
// Without a portal nothing changes.
class DesktopColorScheme : public QObject
{
    Q_OBJECT

public:
    // Reads the preference at once (waiting briefly for the portal) so that the
    // first window is built with the right colours. Needs a QApplication.
    explicit DesktopColorScheme(QDBusConnection bus, QObject *parent = nullptr);

    // The palette used for a dark preference over a light platform palette.
    static QPalette darkPalette();

private slots:
    void settingChanged(const QString &group, const QString &key, const QDBusVariant &value);

private:
    void follow(const QVariant &preference);

    QPalette m_platformPalette;
    bool m_darkApplied = false;
};
