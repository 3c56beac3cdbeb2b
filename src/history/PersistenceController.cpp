#include "history/PersistenceController.h"

#include "history/HistorySchema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QStandardPaths>

#include <atomic>

namespace {

// Keeps a second process from turning a short write into a failure; a lock
// held longer than this sends the history to memory (when opening) or keeps
// the change for the next save.
constexpr std::chrono::milliseconds kBusyTimeout{1000};

QString nextConnectionName()
{
    static std::atomic<int> count{0};
    return QStringLiteral("tarvelle-history-%1").arg(++count);
}

// An open connection that HistorySchema accepted, or nothing (the connection
// is removed again).
std::optional<QSqlDatabase> openPrepared(const QString &databaseName)
{
    const QString connection = nextConnectionName();
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        database.setDatabaseName(databaseName);
        database.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeout.count()));
        if (database.open() && HistorySchema::prepare(database, kBusyTimeout))
            return database;
        database.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return std::nullopt;
}

std::optional<QSqlDatabase> openFile(const QString &path)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return std::nullopt;
    return openPrepared(path);
}

PersistenceController *g_shared = nullptr;

} // namespace

PersistenceController &PersistenceController::shared()
{
    if (!g_shared) {
        g_shared = new PersistenceController(defaultDatabasePath());
        // Closed with the application so the connection goes before the SQL
        // plugin does; the write-ahead log is folded into the file then.
        qAddPostRoutine([] {
            delete g_shared;
            g_shared = nullptr;
        });
    }
    return *g_shared;
}

QString PersistenceController::defaultDatabasePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
           + QStringLiteral("/tarvelle/history.sqlite");
}

PersistenceController::PersistenceController(const QString &databasePath)
{
    std::optional<QSqlDatabase> database = openFile(databasePath);
    m_persistent = database.has_value();
    if (m_persistent)
        m_databasePath = QFileInfo(databasePath).absoluteFilePath();
    if (!database)
        database = openPrepared(QStringLiteral(":memory:"));
    // Without even a database in memory (no SQLite driver) the context fails
    // every read and save: the history stays empty but nothing else breaks.
    m_context = std::make_unique<HistoryContext>(database.value_or(QSqlDatabase()));
}

PersistenceController::~PersistenceController() = default;
