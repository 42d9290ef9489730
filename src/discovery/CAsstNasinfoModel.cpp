#include "CAsstNasinfoModel.h"

#include "FindHostUtils.h"

#include <cstring>

namespace {

constexpr int kColumns = 5;

QString textOf(const char* field, std::size_t size)
{
    return QString::fromUtf8(field, static_cast<int>(strnlen(field, size)));
}

} // namespace

CAsstNasinfoModel::CAsstNasinfoModel(NasInfoMap* serverMap)
    : QStandardItemModel(kColumns, kColumns, nullptr), m_serverMap(serverMap)
{
}

void CAsstNasinfoModel::refresh()
{
    beginResetModel();
    endResetModel();
}

const NASINFO* CAsstNasinfoModel::recordForAddress(quint32 networkOrder) const
{
    if (!m_serverMap)
        return nullptr;
    for (auto it = m_serverMap->cbegin(); it != m_serverMap->cend(); ++it) {
        if (it->ipAddress == networkOrder)
            return &it.value();
    }
    return nullptr;
}

QString CAsstNasinfoModel::statusText(qint32 qcStatus)
{
    switch (qcStatus) {
    case FHOSTQC_FALSE:
        return QStringLiteral("FHOSTQC_FALSE");
    case FHOSTQC_DONE:
        return QStringLiteral("FHOSTQC_DONE");
    case FHOSTQC_NOTINSTALL:
        return QStringLiteral("FHOSTQC_NOTINSTALL");
    default:
        return QString();
    }
}

QModelIndex CAsstNasinfoModel::index(int row, int column, const QModelIndex& parent) const
{
    if (parent.isValid() || !m_serverMap || row < 0 || row >= m_serverMap->size() || column < 0 ||
        column >= kColumns)
        return QModelIndex();
    const QString mac = std::next(m_serverMap->cbegin(), row).key();
    auto id = m_macIds.constFind(mac);
    if (id == m_macIds.constEnd()) {
        id = m_macIds.insert(mac, static_cast<quintptr>(m_macs.size()));
        m_macs.append(mac);
    }
    return createIndex(row, column, id.value());
}

QModelIndex CAsstNasinfoModel::parent(const QModelIndex&) const
{
    return QModelIndex();
}

int CAsstNasinfoModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() || !m_serverMap)
        return 0;
    return static_cast<int>(m_serverMap->size());
}

int CAsstNasinfoModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumns;
}

bool CAsstNasinfoModel::hasChildren(const QModelIndex& parent) const
{
    return !parent.isValid() && rowCount() > 0;
}

const NASINFO* CAsstNasinfoModel::recordFor(const QModelIndex& index) const
{
    if (!index.isValid() || index.model() != this || !m_serverMap ||
        index.internalId() >= quintptr(m_macs.size()))
        return nullptr;
    const QString& mac = m_macs.at(static_cast<int>(index.internalId()));
    for (auto it = m_serverMap->cbegin(); it != m_serverMap->cend(); ++it) {
        if (textOf(it->serverMac, sizeof it->serverMac) == mac)
            return &it.value();
    }
    return nullptr;
}

QVariant CAsstNasinfoModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    const NASINFO* record = recordFor(index);
    if (!record)
        return QVariant();
    const QString address =
        record->ipAddress != 0 ? FindHostUtils::dottedAddress(record->ipAddress) : QString();
    switch (index.column()) {
    case NameColumn:
        return textOf(record->serverName, sizeof record->serverName);
    case AddressColumn:
        return address;
    case StatusColumn:
        return statusText(record->qcStatus);
    case MacColumn:
        return textOf(record->serverMac, sizeof record->serverMac).toUpper();
    case DisplayColumn: {
        const QString name = textOf(record->serverName, sizeof record->serverName);
        return address.isEmpty() ? name : name + QLatin1String(" (") + address + QLatin1Char(')');
    }
    default:
        return QVariant();
    }
}

void CAsstNasinfoModel::multiData(const QModelIndex& index, QModelRoleDataSpan roleDataSpan) const
{
    QAbstractItemModel::multiData(index, roleDataSpan);
}

QMap<int, QVariant> CAsstNasinfoModel::itemData(const QModelIndex& index) const
{
    return QAbstractItemModel::itemData(index);
}

Qt::ItemFlags CAsstNasinfoModel::flags(const QModelIndex& index) const
{
    return QAbstractItemModel::flags(index) | Qt::ItemIsSelectable | Qt::ItemIsEnabled;
}

bool CAsstNasinfoModel::setData(const QModelIndex&, const QVariant&, int)
{
    return false;
}

bool CAsstNasinfoModel::setItemData(const QModelIndex&, const QMap<int, QVariant>&)
{
    return false;
}

bool CAsstNasinfoModel::clearItemData(const QModelIndex&)
{
    return false;
}
