#include "CAsstSortNasinfoProxyModel.h"

#include "CAsstNasinfoModel.h"

#include <QHostAddress>

CAsstSortNasinfoProxyModel::CAsstSortNasinfoProxyModel(QObject* parent) : QSortFilterProxyModel(parent) {}

void CAsstSortNasinfoProxyModel::setSourceModel(QAbstractItemModel* sourceModel)
{
    auto* nasinfoModel = qobject_cast<CAsstNasinfoModel*>(sourceModel);
    if (nasinfoModel && sourceModel == this->sourceModel())
        nasinfoModel->refresh();
    else
        QSortFilterProxyModel::setSourceModel(sourceModel);
}

bool CAsstSortNasinfoProxyModel::cellLessThan(const QModelIndex& left, const QModelIndex& right)
{
    const QString leftText = left.data().toString();
    const QString rightText = right.data().toString();
    if (left.column() == CAsstNasinfoModel::AddressColumn &&
        right.column() == CAsstNasinfoModel::AddressColumn)
        return QHostAddress(leftText).toIPv4Address() < QHostAddress(rightText).toIPv4Address();
    return QString::localeAwareCompare(leftText, rightText) < 0;
}

bool CAsstSortNasinfoProxyModel::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    return cellLessThan(left, right);
}
