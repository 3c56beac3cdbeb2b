#include "history/QueueStore.h"

#include <QDateTime>
#include <QFileInfo>
#include <QSqlQuery>
#include <QVariant>

#include <atomic>

namespace {

// As the history's own connection: a moment's lock by another process is
// waited out, a longer one fails the write, which is tried again later.
constexpr int kBusyTimeoutMs = 1000;

QString nextConnectionName()
{
    static std::atomic<int> count{0};
    return QStringLiteral("tarvelle-queue-%1").arg(++count);
}

bool run(QSqlDatabase &database, const QString &statement)
{
    QSqlQuery query(database);
    return query.exec(statement);
}

// Runs `work` inside BEGIN IMMEDIATE ... COMMIT; rolls back when it fails.
template <typename Work>
bool inTransaction(QSqlDatabase &database, Work work)
{
    if (!run(database, QStringLiteral("BEGIN IMMEDIATE")))
        return false;
    if (work() && run(database, QStringLiteral("COMMIT")))
        return true;
    run(database, QStringLiteral("ROLLBACK"));
    return false;
}

} // namespace

std::unique_ptr<QueueStore> QueueStore::open(const QString &databasePath)
{
    // Opening would make an empty file where there is none.
    if (!QFileInfo(databasePath).isFile())
        return nullptr;
    const QString connection = nextConnectionName();
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        database.setDatabaseName(databasePath);
        database.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
        // synchronous is a setting of the connection: NORMAL under WAL, as the
        // history's, so a crash of the process never loses a committed row.
        if (database.open() && run(database, QStringLiteral("PRAGMA synchronous = NORMAL"))
            && run(database, QStringLiteral("SELECT count(*) FROM queue")))
            return std::unique_ptr<QueueStore>(new QueueStore(database));
        database.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return nullptr;
}

QueueStore::QueueStore(QSqlDatabase database) : m_database(std::move(database)) {}

QueueStore::~QueueStore()
{
    const QString connection = m_database.connectionName();
    m_database.close();
    m_database = QSqlDatabase();
    QSqlDatabase::removeDatabase(connection);
}

std::optional<QList<QueuedJobRow>> QueueStore::load() const
{
    QSqlQuery query(m_database);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT rowid, jobId, position, payload FROM queue ORDER BY position, rowid")))
        return std::nullopt;
    QList<QueuedJobRow> rows;
    while (query.next()) {
        // Whatever a damaged row holds is read as text or a number; the
        // engine tells a row it cannot use.
        rows.append(QueuedJobRow{query.value(0).toLongLong(), query.value(1).toString(),
                                 query.value(2).toLongLong(), query.value(3).toByteArray()});
    }
    return rows;
}

bool QueueStore::write(const QList<QueuedJobRow> &rows, const QStringList &removedJobIds)
{
    return inTransaction(m_database, [&] {
        QSqlQuery upsert(m_database);
        if (!upsert.prepare(QStringLiteral("INSERT OR REPLACE INTO queue (jobId, position, payload) VALUES (?, ?, ?)")))
            return false;
        for (const QueuedJobRow &row : rows) {
            upsert.bindValue(0, row.jobId);
            upsert.bindValue(1, row.position);
            // Bound as bytes: a BLOB, never converted between encodings.
            upsert.bindValue(2, row.payload.isNull() ? QByteArray("") : row.payload);
            if (!upsert.exec())
                return false;
        }
        QSqlQuery remove(m_database);
        if (!remove.prepare(QStringLiteral("DELETE FROM queue WHERE jobId = ?")))
            return false;
        for (const QString &jobId : removedJobIds) {
            remove.bindValue(0, jobId);
            if (!remove.exec())
                return false;
        }
        return true;
    });
}

bool QueueStore::setAside(const QList<qint64> &rowIds)
{
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    return inTransaction(m_database, [&] {
        QSqlQuery copy(m_database);
        QSqlQuery remove(m_database);
        if (!copy.prepare(QStringLiteral("INSERT INTO queue_set_aside (jobId, position, payload, setAsideAt)"
                                         " SELECT jobId, position, payload, ? FROM queue WHERE rowid = ?"))
            || !remove.prepare(QStringLiteral("DELETE FROM queue WHERE rowid = ?")))
            return false;
        for (const qint64 rowId : rowIds) {
            copy.bindValue(0, now);
            copy.bindValue(1, rowId);
            remove.bindValue(0, rowId);
            if (!copy.exec() || !remove.exec())
                return false;
        }
        return true;
    });
}
