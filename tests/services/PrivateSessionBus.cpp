#include "PrivateSessionBus.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

QString g_address;

// A session bus that listens on a socket in a scratch folder, lets every
// connection own any name and talk to any other, and has no service folders.
QByteArray busConfiguration(const QString &socketPath)
{
    return QByteArrayLiteral(
               "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
               " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
               "<busconfig>\n"
               "  <type>session</type>\n"
               "  <listen>unix:path=")
           + socketPath.toUtf8()
           + QByteArrayLiteral("</listen>\n"
                               "  <auth>EXTERNAL</auth>\n"
                               "  <policy context=\"default\">\n"
                               "    <allow send_destination=\"*\" eavesdrop=\"true\"/>\n"
                               "    <allow eavesdrop=\"true\"/>\n"
                               "    <allow own=\"*\"/>\n"
                               "  </policy>\n"
                               "</busconfig>\n");
}

class BusEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        m_folder = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(m_folder->isValid());
        const QString configPath = m_folder->filePath(QStringLiteral("bus.conf"));
        QFile config(configPath);
        ASSERT_TRUE(config.open(QIODevice::WriteOnly));
        config.write(busConfiguration(m_folder->filePath(QStringLiteral("bus"))));
        config.close();

        m_daemon = std::make_unique<QProcess>();
        m_daemon->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_daemon->start(QStringLiteral("dbus-daemon"),
                        {QStringLiteral("--config-file=") + configPath, QStringLiteral("--nofork"),
                         QStringLiteral("--print-address")});
        ASSERT_TRUE(m_daemon->waitForStarted()) << "dbus-daemon (package dbus) is needed";
        while (!m_daemon->canReadLine())
            ASSERT_TRUE(m_daemon->waitForReadyRead(10000)) << "dbus-daemon printed no address";
        g_address = QString::fromUtf8(m_daemon->readLine()).trimmed();
        ASSERT_FALSE(g_address.isEmpty());
        qputenv("DBUS_SESSION_BUS_ADDRESS", g_address.toUtf8());
    }

    void TearDown() override
    {
        if (!m_daemon)
            return;
        m_daemon->terminate();
        if (!m_daemon->waitForFinished(5000))
            m_daemon->kill();
        m_daemon->waitForFinished(5000);
        m_daemon.reset();
        m_folder.reset();
    }

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<QProcess> m_daemon;
};

[[maybe_unused]] const auto *const g_environment =
    ::testing::AddGlobalTestEnvironment(new BusEnvironment);

} // namespace

namespace PrivateSessionBus {

QString address()
{
    return g_address;
}

} // namespace PrivateSessionBus
