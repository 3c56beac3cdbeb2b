#include "ui/history/HistoryListModel.h"

HistoryListModel::HistoryListModel(QObject *parent) : QAbstractListModel(parent) {}

void HistoryListModel::setRecords(QList<DownloadHistory> records)
{
    m_records = std::move(records);
    refilter(false);
}

void HistoryListModel::setFilter(HistoryFilter filter)
{
    if (filter == m_filter)
        return;
    m_filter = filter;
    refilter(false);
}

void HistoryListModel::setSearch(const QString &search)
{
    if (search == m_search)
        return;
    // Whatever contains the longer text contains the shorter one, so typing
    // on only has to look at the records that matched a moment ago.
    const bool narrowing = search.contains(m_search, Qt::CaseInsensitive);
    m_search = search;
    refilter(narrowing);
}

void HistoryListModel::refilter(bool narrowing)
{
    QList<qsizetype> visible;
    const auto keep = [&](qsizetype i) {
        if (HistoryPresentation::matches(m_records.at(i), m_filter, m_search))
            visible.append(i);
    };
    if (narrowing) {
        visible.reserve(m_visible.size());
        for (const qsizetype i : std::as_const(m_visible))
            keep(i);
    } else {
        visible.reserve(m_records.size());
        for (qsizetype i = 0; i < m_records.size(); ++i)
            keep(i);
    }
    beginResetModel();
    m_visible = std::move(visible);
    endResetModel();
}

int HistoryListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_visible.size());
}

QVariant HistoryListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_visible.size())
        return {};
    const DownloadHistory &record = recordAt(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return record.title;
    case Qt::AccessibleDescriptionRole:
        return HistoryPresentation::subtitle(record);
    default:
        return {};
    }
}
