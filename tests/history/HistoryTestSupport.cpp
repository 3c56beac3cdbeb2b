#include "HistoryTestSupport.h"

#include "history/HistoryStore.h"
#include "history/PersistenceController.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcessEnvironment>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <gtest/gtest.h>

#include <csignal>

namespace HistoryTest {

namespace {

const QDateTime kEpoch = QDateTime::fromMSecsSinceEpoch(1'780'000'000'000, Qt::UTC);

} // namespace

DownloadHistory record(const QString &title, int startedAt, int finishedAt)
{
    DownloadHistory history;
    history.uuid = QUuid::createUuid();
    history.sourceURL = QStringLiteral("https://media.example/watch?v=") + title;
    history.title = title;
    history.mediaTypeRaw = QStringLiteral("video");
    history.selectedQuality = QStringLiteral("best");
    history.startedAt = kEpoch.addSecs(startedAt);
    if (finishedAt >= 0)
        history.finishedAt = kEpoch.addSecs(finishedAt);
    history.finalStatusRaw = QStringLiteral("completed");
    return history;
}

QStringList titles(const QList<DownloadHistory> &records)
{
    QStringList result;
    for (const DownloadHistory &history : records)
        result.append(history.title);
    return result;
}

QStringList titlesOnDisk(const QString &databasePath)
{
    const QString connection = QStringLiteral("titles-on-disk");
    QStringList result;
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        database.setDatabaseName(databasePath);
        database.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        EXPECT_TRUE(database.open());
        QSqlQuery query(database);
        EXPECT_TRUE(query.exec(QStringLiteral("SELECT title FROM history ORDER BY rowid")));
        while (query.next())
            result.append(query.value(0).toString());
    }
    QSqlDatabase::removeDatabase(connection);
    return result;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

void seedDatabase(const QString &databasePath)
{
    PersistenceController controller(databasePath);
    ASSERT_TRUE(controller.isPersistent());
    HistoryStore store(controller.context());
    store.add(record(QStringLiteral("first"), 1, 10));
    store.add(record(QStringLiteral("second"), 2, 20));
    store.add(record(QStringLiteral("third"), 3, 30));
    ASSERT_FALSE(controller.context().hasChanges());
}

HelperProcess::HelperProcess(const QString &helperTest, const QString &databasePath)
    : m_process(std::make_unique<QProcess>())
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QLatin1String(kDatabaseVariable), databasePath);
    m_process->setProcessEnvironment(environment);
    m_process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process->start(QCoreApplication::applicationFilePath(),
                     {QStringLiteral("--gtest_also_run_disabled_tests"),
                      QStringLiteral("--gtest_filter=HistoryChildProcess.") + helperTest});
    EXPECT_TRUE(m_process->waitForStarted());
}

HelperProcess::~HelperProcess()
{
    if (m_process->state() != QProcess::NotRunning)
        kill();
}

bool HelperProcess::waitForLine(const std::function<bool(const QString &)> &condition)
{
    qsizetype checked = 0;
    while (true) {
        for (; checked < m_lines.size(); ++checked) {
            if (condition(m_lines.at(checked)))
                return true;
        }
        if (!m_process->waitForReadyRead(30000))
            return false;
        readLines();
    }
}

void HelperProcess::cue()
{
    m_process->write("go\n");
    m_process->waitForBytesWritten();
}

bool HelperProcess::finish()
{
    m_process->closeWriteChannel();
    const bool finished = m_process->waitForFinished(30000);
    readLines();
    return finished && m_process->exitStatus() == QProcess::NormalExit
           && m_process->exitCode() == 0;
}

void HelperProcess::kill()
{
    ::kill(m_process->processId(), SIGKILL);
    m_process->waitForFinished(30000);
    readLines();
}

void HelperProcess::readLines()
{
    while (m_process->canReadLine())
        m_lines.append(QString::fromUtf8(m_process->readLine()).trimmed());
}

WriteLockHolder::WriteLockHolder(const QString &databasePath)
    : HelperProcess(QStringLiteral("DISABLED_HoldsTheWriteLock"), databasePath)
{
}

bool WriteLockHolder::locked()
{
    return waitForLine([](const QString &line) { return line == u"locked"; });
}

} // namespace HistoryTest
