#include "shell/windows/usage_list_model.h"

#include <QCoreApplication>
#include <QFont>

void UsageListModel::setReport(std::vector<UsageSection> sections)
{
    beginResetModel();
    sections_ = std::move(sections);
    endResetModel();
}

const UsageEntry* UsageListModel::entryAt(const QModelIndex& index) const
{
    if (!index.isValid() || index.model() != this || index.internalId() == 0)
        return nullptr;
    const std::size_t section = index.internalId() - 1;
    if (section >= sections_.size() || std::size_t(index.row()) >= sections_[section].entries.size())
        return nullptr;
    return &sections_[section].entries[std::size_t(index.row())];
}

const UsePlace* UsageListModel::placeAt(const QModelIndex& index) const
{
    const UsageEntry* entry = entryAt(index);
    return entry && entry->place ? &*entry->place : nullptr;
}

QModelIndex UsageListModel::index(int row, int column, const QModelIndex& parent) const
{
    if (row < 0 || column < 0 || column >= 2)
        return {};
    if (!parent.isValid())
        return std::size_t(row) < sections_.size() ? createIndex(row, column, quintptr(0)) : QModelIndex();
    if (parent.internalId() != 0 || std::size_t(parent.row()) >= sections_.size() ||
        std::size_t(row) >= sections_[std::size_t(parent.row())].entries.size())
        return {};
    return createIndex(row, column, quintptr(parent.row() + 1));
}

QModelIndex UsageListModel::parent(const QModelIndex& child) const
{
    if (!child.isValid() || child.internalId() == 0)
        return {};
    return createIndex(int(child.internalId() - 1), 0, quintptr(0));
}

int UsageListModel::rowCount(const QModelIndex& parent) const
{
    if (!parent.isValid())
        return int(sections_.size());
    if (parent.internalId() != 0 || parent.column() != 0 || std::size_t(parent.row()) >= sections_.size())
        return 0;
    return int(sections_[std::size_t(parent.row())].entries.size());
}

int UsageListModel::columnCount(const QModelIndex&) const
{
    return 2;
}

QVariant UsageListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    if (index.internalId() == 0) {
        if (std::size_t(index.row()) >= sections_.size() || index.column() != 0)
            return {};
        if (role == Qt::DisplayRole)
            return QString::fromStdString(sections_[std::size_t(index.row())].title);
        if (role == Qt::FontRole) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    }
    const UsageEntry* entry = entryAt(index);
    if (!entry || role != Qt::DisplayRole)
        return {};
    return QString::fromStdString(index.column() == 0 ? entry->where : entry->what);
}

Qt::ItemFlags UsageListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    // Only uses can be chosen; titles and counts are there to be read.
    return placeAt(index) ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::ItemIsEnabled;
}

QVariant UsageListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return section == 0 ? QCoreApplication::translate("usage_list_model", "Where")
                        : QCoreApplication::translate("usage_list_model", "What");
}
