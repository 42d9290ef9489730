#pragma once

#include <QSortFilterProxyModel>

// Sorts profiles; server addresses compare as IPv4 numbers, with host names before any address.
class SortProfileConfigModel : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    // An IPv4 address in host order, or 0 for anything else.
    static quint32 ipv4Value(const QString& text);

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
};
