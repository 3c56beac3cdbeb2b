#pragma once

#include "analysis/MediaList.h"

#include <QAbstractListModel>
#include <QList>

#include <vector>

// The entries of an analysed list, one row each in list order, each with a
// check box saying whether it is to be downloaded; all checked at first.
// Setting many checks at once announces one change of every row, so a list
// of thousands stays quick.
class ListEntriesModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Role {
        entryIndexRole = Qt::UserRole + 1, // int: the entry's 1-based place in the list
        durationTextRole,                   // QString: "m:ss", empty when unknown
        thumbnailUrlRole,                   // QUrl: the entry's thumbnail, invalid when none
    };

    explicit ListEntriesModel(QList<MediaListEntry> entries, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    void setAllChecked(bool checked);
    // Checks exactly the entries of `indices` (1-based entry numbers).
    void setCheckedEntries(const QList<int> &indices);
    // The checked entries' 1-based numbers, in list order.
    QList<int> checkedEntries() const;
    int checkedCount() const { return m_checkedCount; }

signals:
    void checkedCountChanged(int count);

private:
    bool isEntry(const QModelIndex &index) const;
    void replaceChecks(std::vector<bool> checks);

    const QList<MediaListEntry> m_entries;
    std::vector<bool> m_checked;
    int m_checkedCount = 0;
};
