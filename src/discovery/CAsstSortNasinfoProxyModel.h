#pragma once

#include <QSortFilterProxyModel>

// Sorts the server table: the address column by IPv4 value, every other cell by locale-aware text.
class CAsstSortNasinfoProxyModel : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit CAsstSortNasinfoProxyModel(QObject* parent = nullptr);

    // Given the same server model again, refreshes it, as the add-dialog proxy does.
    void setSourceModel(QAbstractItemModel* sourceModel) override;

    // The order both server proxies use.
    static bool cellLessThan(const QModelIndex& left, const QModelIndex& right);

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
};
