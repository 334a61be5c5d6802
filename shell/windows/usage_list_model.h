#pragma once

#include <vector>

#include <QAbstractItemModel>

#include "edit/usage_report.h"

// The usage report as a two-level list for a tree view: the sections, each with its
// entries under it. A use list can run to a thousand rows; the view asks only for the
// rows it shows, so a new report costs no more than the few on screen.
class UsageListModel : public QAbstractItemModel {
public:
    using QAbstractItemModel::QAbstractItemModel;

    void setReport(std::vector<UsageSection> sections);

    // The place an entry stands for, or nullptr for a title or an entry that is none.
    const UsePlace* placeAt(const QModelIndex& index) const;
    // The first entry, in list order, whose place satisfies accept; invalid if none.
    template <typename Accept>
    QModelIndex findPlace(Accept accept) const
    {
        for (std::size_t s = 0; s < sections_.size(); ++s)
            for (std::size_t e = 0; e < sections_[s].entries.size(); ++e)
                if (const auto& place = sections_[s].entries[e].place; place && accept(*place))
                    return createIndex(int(e), 0, quintptr(s + 1));
        return {};
    }
    const std::vector<UsageSection>& sections() const { return sections_; }

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    // An index's internal id is 0 for a section title and the section's number + 1 for
    // an entry.
    const UsageEntry* entryAt(const QModelIndex& index) const;

    std::vector<UsageSection> sections_;
};
