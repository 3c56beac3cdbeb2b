#pragma once

#include "ui/history/HistoryPresentation.h"

#include <QAbstractListModel>
#include <QList>

// The History screen's records as loaded from the store, narrowed by the
// outcome filter and the search text. Filtering works on the loaded list in
// memory, so it never goes back to the store; a search that extends the
// previous one only looks again at the records that matched before.
class HistoryListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit HistoryListModel(QObject *parent = nullptr);

    // Replaces the loaded records (in the store's order) and filters them.
    void setRecords(QList<DownloadHistory> records);
    void setFilter(HistoryFilter filter);
    void setSearch(const QString &search);

    // Every loaded record, whatever the filter and the search.
    qsizetype totalCount() const { return m_records.size(); }
    // The record shown at `row` of the filtered list.
    const DownloadHistory &recordAt(int row) const { return m_records.at(m_visible.at(row)); }

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

private:
    void refilter(bool narrowing);

    QList<DownloadHistory> m_records;
    QList<qsizetype> m_visible; // indexes into m_records, in order
    HistoryFilter m_filter = HistoryFilter::all;
    QString m_search;
};
