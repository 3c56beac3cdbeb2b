#include "ui/downloads/ListEntriesModel.h"

#include "analysis/ThumbnailService.h"
#include "ui/widgets/TextPainting.h"

#include <QUrl>

#include <algorithm>

ListEntriesModel::ListEntriesModel(QList<MediaListEntry> entries, QObject *parent)
    : QAbstractListModel(parent), m_entries(std::move(entries)), m_checked(m_entries.size(), true),
      m_checkedCount(int(m_entries.size()))
{
}

bool ListEntriesModel::isEntry(const QModelIndex &index) const
{
    return index.isValid() && index.model() == this && !index.parent().isValid() && index.row() < m_entries.size();
}

int ListEntriesModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

QVariant ListEntriesModel::data(const QModelIndex &index, int role) const
{
    if (!isEntry(index))
        return {};
    const MediaListEntry &entry = m_entries.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return TextPainting::singleLine(entry.title);
    case Qt::AccessibleTextRole:
        return QStringLiteral("%1. %2").arg(entry.index).arg(TextPainting::singleLine(entry.title));
    case Qt::CheckStateRole:
        return m_checked[size_t(index.row())] ? Qt::Checked : Qt::Unchecked;
    case entryIndexRole:
        return entry.index;
    case durationTextRole:
        return entry.durationString().value_or(QString());
    case thumbnailUrlRole:
        return ThumbnailService::validatedURL(entry.thumbnail).value_or(QUrl());
    default:
        return {};
    }
}

bool ListEntriesModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::CheckStateRole || !isEntry(index))
        return false;
    const bool checked = static_cast<Qt::CheckState>(value.toInt()) == Qt::Checked;
    const size_t row = size_t(index.row());
    if (m_checked[row] == checked)
        return true;
    m_checked[row] = checked;
    m_checkedCount += checked ? 1 : -1;
    emit dataChanged(index, index, {Qt::CheckStateRole});
    emit checkedCountChanged(m_checkedCount);
    return true;
}

Qt::ItemFlags ListEntriesModel::flags(const QModelIndex &index) const
{
    if (!isEntry(index))
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable | Qt::ItemNeverHasChildren;
}

void ListEntriesModel::setAllChecked(bool checked)
{
    replaceChecks(std::vector<bool>(m_entries.size(), checked));
}

void ListEntriesModel::setCheckedEntries(const QList<int> &indices)
{
    std::vector<bool> checks(m_entries.size(), false);
    for (const int index : indices) {
        if (index >= 1 && index <= int(checks.size()))
            checks[size_t(index - 1)] = true;
    }
    replaceChecks(std::move(checks));
}

QList<int> ListEntriesModel::checkedEntries() const
{
    QList<int> indices;
    indices.reserve(m_checkedCount);
    for (size_t row = 0; row < m_checked.size(); ++row) {
        if (m_checked[row])
            indices.append(m_entries.at(qsizetype(row)).index);
    }
    return indices;
}

void ListEntriesModel::replaceChecks(std::vector<bool> checks)
{
    if (checks == m_checked)
        return;
    m_checked = std::move(checks);
    m_checkedCount = int(std::count(m_checked.begin(), m_checked.end(), true));
    emit dataChanged(index(0), index(rowCount() - 1), {Qt::CheckStateRole});
    emit checkedCountChanged(m_checkedCount);
}
