#include "history/HistoryContext.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>
#include <utility>

namespace {

const QString kColumns = QStringLiteral(
    "storeId, uuid, sourceURL, title, uploader, thumbnailURL, mediaTypeRaw, selectedQuality,"
    " startedAt, finishedAt, finalFilePath, finalStatusRaw, errorType, errorSummary,"
    " errorReason, subtitleModeRaw, subtitleLang, note, listTitle, listIndex, fetchedFromList");

// A null QString would be bound as NULL; the required columns refuse that, and
// a change that can never be written would hold back every later save.
QVariant requiredText(const QString &text)
{
    return text.isNull() ? QVariant(QStringLiteral("")) : QVariant(text);
}

QVariant nullableText(const std::optional<QString> &text)
{
    return text ? QVariant(*text) : QVariant(QMetaType::fromType<QString>());
}

QVariant nullableTime(const std::optional<QDateTime> &time)
{
    if (!time || !time->isValid())
        return QVariant(QMetaType::fromType<qint64>());
    return time->toMSecsSinceEpoch();
}

std::optional<QString> optionalText(const QVariant &value)
{
    if (value.isNull())
        return std::nullopt;
    return value.toString();
}

QDateTime timeFrom(const QVariant &value)
{
    return QDateTime::fromMSecsSinceEpoch(value.toLongLong(), Qt::UTC);
}

DownloadHistory recordFrom(const QSqlQuery &row)
{
    DownloadHistory record;
    record.storeId = QUuid::fromString(row.value(0).toString());
    record.uuid = QUuid::fromString(row.value(1).toString());
    record.sourceURL = row.value(2).toString();
    record.title = row.value(3).toString();
    record.uploader = optionalText(row.value(4));
    record.thumbnailURL = optionalText(row.value(5));
    record.mediaTypeRaw = row.value(6).toString();
    record.selectedQuality = row.value(7).toString();
    record.startedAt = timeFrom(row.value(8));
    if (const QVariant finished = row.value(9); !finished.isNull())
        record.finishedAt = timeFrom(finished);
    record.finalFilePath = optionalText(row.value(10));
    record.finalStatusRaw = row.value(11).toString();
    record.errorType = optionalText(row.value(12));
    record.errorSummary = optionalText(row.value(13));
    record.errorReason = optionalText(row.value(14));
    record.subtitleModeRaw = optionalText(row.value(15));
    record.subtitleLang = optionalText(row.value(16));
    record.note = optionalText(row.value(17));
    record.listTitle = optionalText(row.value(18));
    if (const QVariant index = row.value(19); !index.isNull())
        record.listIndex = index.toInt();
    record.fetchedFromList = row.value(20).toBool();
    return record;
}

// The order of the list; the same as the SQL order below.
bool newerFirst(const DownloadHistory &a, const DownloadHistory &b)
{
    if (a.finishedAt.has_value() != b.finishedAt.has_value())
        return a.finishedAt.has_value();
    if (a.finishedAt && *a.finishedAt != *b.finishedAt)
        return *a.finishedAt > *b.finishedAt;
    return a.startedAt > b.startedAt;
}

} // namespace

HistoryContext::HistoryContext(QSqlDatabase database) : m_database(std::move(database)) {}

HistoryContext::~HistoryContext()
{
    // A process that quits right after a save was refused (another process
    // held the lock for a moment) would otherwise take its records with it.
    save();
    const QString connection = m_database.connectionName();
    m_insert.reset();
    m_database.close();
    m_database = QSqlDatabase();
    QSqlDatabase::removeDatabase(connection);
}

std::optional<QList<DownloadHistory>> HistoryContext::fetchAll() const
{
    // Reading the index (finishedAt, startedAt) backwards gives this order
    // without sorting; rowid breaks ties by insertion, the latest first.
    QSqlQuery query(m_database);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT %1 FROM history"
                                   " ORDER BY finishedAt DESC, startedAt DESC, rowid DESC")
                        .arg(kColumns)))
        return std::nullopt;

    QList<DownloadHistory> records;
    while (query.next())
        records.append(recordFrom(query));
    if (query.lastError().isValid())
        return std::nullopt;
    if (m_changes.isEmpty())
        return records;

    // Replay the unsaved changes on what the database holds.
    QList<DownloadHistory> added;
    for (const Change &change : m_changes) {
        if (const auto *insert = std::get_if<Insert>(&change)) {
            added.prepend(insert->record);
        } else if (const auto *remove = std::get_if<Remove>(&change)) {
            const auto matches = [&](const DownloadHistory &r) { return r.storeId == remove->storeId; };
            records.removeIf(matches);
            added.removeIf(matches);
        } else {
            records.clear();
            added.clear();
        }
    }
    records = added + records;
    std::stable_sort(records.begin(), records.end(), newerFirst);
    return records;
}

QUuid HistoryContext::insert(DownloadHistory record)
{
    record.storeId = QUuid::createUuid();
    const QUuid storeId = record.storeId;
    m_changes.append(Insert{std::move(record)});
    return storeId;
}

void HistoryContext::remove(const QUuid &storeId)
{
    m_changes.append(Remove{storeId});
}

void HistoryContext::removeAll()
{
    m_changes.append(RemoveAll{});
}

bool HistoryContext::save()
{
    if (m_changes.isEmpty())
        return true;
    QSqlQuery control(m_database);
    if (!control.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return false;
    const bool written = std::all_of(m_changes.cbegin(), m_changes.cend(),
                                     [this](const Change &change) { return write(change); });
    if (written && control.exec(QStringLiteral("COMMIT"))) {
        m_changes.clear();
        return true;
    }
    control.exec(QStringLiteral("ROLLBACK"));
    return false;
}

bool HistoryContext::write(const Change &change)
{
    if (const auto *insert = std::get_if<Insert>(&change))
        return writeInsert(insert->record);
    QSqlQuery query(m_database);
    if (const auto *remove = std::get_if<Remove>(&change)) {
        query.prepare(QStringLiteral("DELETE FROM history WHERE storeId = ?"));
        query.addBindValue(remove->storeId.toString(QUuid::WithoutBraces));
        return query.exec();
    }
    return query.exec(QStringLiteral("DELETE FROM history"));
}

bool HistoryContext::writeInsert(const DownloadHistory &record)
{
    if (!m_insert) {
        auto query = std::make_unique<QSqlQuery>(m_database);
        // OR REPLACE: a change that a commit wrote before reporting failure is
        // written again under the same identity instead of failing forever.
        if (!query->prepare(QStringLiteral("INSERT OR REPLACE INTO history (%1)"
                                           " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                                .arg(kColumns)))
            return false;
        m_insert = std::move(query);
    }
    QSqlQuery &query = *m_insert;
    query.bindValue(0, record.storeId.toString(QUuid::WithoutBraces));
    query.bindValue(1, record.uuid.toString(QUuid::WithoutBraces));
    query.bindValue(2, requiredText(record.sourceURL));
    query.bindValue(3, requiredText(record.title));
    query.bindValue(4, nullableText(record.uploader));
    query.bindValue(5, nullableText(record.thumbnailURL));
    query.bindValue(6, requiredText(record.mediaTypeRaw));
    query.bindValue(7, requiredText(record.selectedQuality));
    query.bindValue(8, record.startedAt.toMSecsSinceEpoch());
    query.bindValue(9, nullableTime(record.finishedAt));
    query.bindValue(10, nullableText(record.finalFilePath));
    query.bindValue(11, requiredText(record.finalStatusRaw));
    query.bindValue(12, nullableText(record.errorType));
    query.bindValue(13, nullableText(record.errorSummary));
    query.bindValue(14, nullableText(record.errorReason));
    query.bindValue(15, nullableText(record.subtitleModeRaw));
    query.bindValue(16, nullableText(record.subtitleLang));
    query.bindValue(17, nullableText(record.note));
    query.bindValue(18, nullableText(record.listTitle));
    query.bindValue(19, record.listIndex ? QVariant(*record.listIndex) : QVariant(QMetaType::fromType<int>()));
    query.bindValue(20, record.fetchedFromList ? 1 : 0);
    return query.exec();
}
