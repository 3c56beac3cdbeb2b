#include "history/HistoryStore.h"

#include "history/HistoryContext.h"

HistoryStore::HistoryStore(HistoryContext &context, QObject *parent)
    : QObject(parent), m_context(&context)
{
}

QList<DownloadHistory> HistoryStore::all() const
{
    return m_context->fetchAll().value_or(QList<DownloadHistory>());
}

void HistoryStore::add(const DownloadHistory &record)
{
    m_context->insert(record);
    m_context->save();
    emit changed();
}

void HistoryStore::remove(const DownloadHistory &record)
{
    m_context->remove(record.storeId);
    m_context->save();
    emit changed();
}

void HistoryStore::clear()
{
    m_context->removeAll();
    m_context->save();
    emit changed();
}
