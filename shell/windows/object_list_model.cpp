#include "shell/windows/object_list_model.h"

#include "text/translation.h"

void ObjectListModel::setRows(const std::vector<ObjectRow>& rows, bool withNames)
{
    const bool sameShape = rows.size() == rows_.size() && withNames == withNames_;
    if (!sameShape)
        beginResetModel();
    rows_ = rows;
    names_.clear();
    for (ObjectRow& row : rows_) {
        names_.push_back(row.name ? QString::fromStdString(*row.name) : QString());
        row.name = nullptr;
    }
    withNames_ = withNames;
    if (!sameShape)
        endResetModel();
    else if (!rows_.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

void ObjectListModel::retranslateHeaders()
{
    if (columnCount() > 0)
        emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

int ObjectListModel::slotAt(int row) const
{
    return row >= 0 && row < rowCount() ? rows_[std::size_t(row)].slot : -1;
}

int ObjectListModel::rowOfSlot(int slot) const
{
    for (std::size_t row = 0; row < rows_.size(); ++row)
        if (rows_[row].slot == slot)
            return int(row);
    return -1;
}

int ObjectListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
}

int ObjectListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : (withNames_ ? kObjectColumnCount : kObjectColumnCount - 1);
}

QVariant ObjectListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const ObjectRow& row = rows_[std::size_t(index.row())];
    const auto column = ObjectColumn(index.column());
    if (column == ObjectColumn::Name) {
        if (role == Qt::DisplayRole || role == kSortRole)
            return names_[std::size_t(index.row())];
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: return QString::fromStdString(objectCellText(row, column));
    case kSortRole: {
        const int values[] = {row.slot, row.record.page, row.record.x, row.record.y, row.record.data};
        return values[index.column()];
    }
    case Qt::TextAlignmentRole: return int(Qt::AlignCenter);
    default: return {};
    }
}

bool ObjectListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.row() >= rowCount() ||
        !isTypedObjectColumn(ObjectColumn(index.column())))
        return false;
    return typed_(rows_[std::size_t(index.row())].slot, ObjectColumn(index.column()), value.toString());
}

Qt::ItemFlags ObjectListModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && isTypedObjectColumn(ObjectColumn(index.column())))
        flags |= Qt::ItemIsEditable;
    return flags;
}

QVariant ObjectListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || section < 0)
        return {};
    if (orientation == Qt::Horizontal)
        return section < columnCount()
            ? QVariant(QString::fromStdString(translated("object_table", kObjectColumnTitles[section])))
            : QVariant();
    return {};
}
