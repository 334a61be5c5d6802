#pragma once

#include <functional>
#include <vector>

#include <QAbstractTableModel>
#include <QString>

#include "edit/object_table.h"

// The current stage's objects as a table for a table view: slot, page, x, y, data
// and, when names are known, the data value's name. The four values can be edited;
// what is typed goes to a function that applies it and says whether it was taken.
class ObjectListModel : public QAbstractTableModel {
public:
    using Typed = std::function<bool(int slot, ObjectColumn column, const QString& text)>;
    // Each column's number as it sorts, rather than as its text sorts.
    static constexpr int kSortRole = Qt::UserRole;

    ObjectListModel(Typed typed, QObject* parent) : QAbstractTableModel(parent), typed_(std::move(typed)) {}

    // Shows rows; the names column only withNames. A list of the same length and
    // columns is changed in place, so the view keeps its current cell and any editor.
    void setRows(const std::vector<ObjectRow>& rows, bool withNames);
    // The column titles are shown in the language now.
    void retranslateHeaders();

    // The slot of a row of this model, or -1.
    int slotAt(int row) const;
    // The row of slot, or -1.
    int rowOfSlot(int slot) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    Typed typed_;
    std::vector<ObjectRow> rows_;  // their name pointers are not kept: names_ holds the texts
    std::vector<QString> names_;
    bool withNames_ = false;
};
