#include "CAsstAddDlgNasinfoProxyModel.h"

#include "CAsstNasinfoModel.h"
#include "CAsstSortNasinfoProxyModel.h"
#include "FindHostUtils.h"

#include <QHostAddress>
#include <QtEndian>

CAsstAddDlgNasinfoProxyModel::CAsstAddDlgNasinfoProxyModel(QObject* parent) : QSortFilterProxyModel(parent) {}

void CAsstAddDlgNasinfoProxyModel::setSourceModel(QAbstractItemModel* sourceModel)
{
    m_nasinfoModel = qobject_cast<CAsstNasinfoModel*>(sourceModel);
    if (m_nasinfoModel && sourceModel == this->sourceModel())
        m_nasinfoModel->refresh();
    else
        QSortFilterProxyModel::setSourceModel(sourceModel);
}

bool CAsstAddDlgNasinfoProxyModel::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    return CAsstSortNasinfoProxyModel::cellLessThan(left, right);
}

bool CAsstAddDlgNasinfoProxyModel::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const
{
    if (!m_nasinfoModel)
        return false;
    const QString status = m_nasinfoModel->index(sourceRow, CAsstNasinfoModel::StatusColumn, sourceParent)
                               .data()
                               .toString()
                               .trimmed();
    const QString address = m_nasinfoModel->index(sourceRow, CAsstNasinfoModel::AddressColumn, sourceParent)
                                .data()
                                .toString()
                                .trimmed();
    if (status != QLatin1String("FHOSTQC_DONE") || address.isEmpty())
        return false;
    const NASINFO* record =
        m_nasinfoModel->recordForAddress(qToBigEndian(QHostAddress(address).toIPv4Address()));
    return record && FindHostUtils::isUploadCapable(*record);
}

bool CAsstAddDlgNasinfoProxyModel::filterAcceptsColumn(int, const QModelIndex&) const
{
    return true;
}
