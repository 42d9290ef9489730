#include "ErrorTableModel.h"

ErrorTableModel::ErrorTableModel(const QList<UploadFailure>& rows, QObject* parent)
    : QAbstractTableModel(parent), m_rows(rows)
{
}

int ErrorTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int ErrorTableModel::columnCount(const QModelIndex&) const
{
    return 2;
}

QVariant ErrorTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() < 0 || index.row() >= m_rows.size() || role != Qt::DisplayRole)
        return QVariant();
    const UploadFailure& row = m_rows.at(index.row());
    if (index.column() == 0)
        return row.first;
    if (index.column() == 1)
        return row.second;
    return QVariant();
}

QVariant ErrorTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return QVariant();
    if (section == 0)
        return tr("File Name");
    if (section == 1)
        return tr("Error Status");
    return QVariant();
}

Qt::ItemFlags ErrorTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::ItemIsEnabled;
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

bool ErrorTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || index.row() >= m_rows.size())
        return false;
    UploadFailure& row = m_rows[index.row()];
    if (index.column() == 0)
        row.first = value.toString();
    else if (index.column() == 1)
        row.second = value.toString();
    else
        return false;
    emit dataChanged(index, index);
    return true;
}

bool ErrorTableModel::insertRows(int row, int count, const QModelIndex& parent)
{
    if (row < 0 || row > m_rows.size() || count < 1)
        return false;
    beginInsertRows(parent, row, row + count - 1);
    for (int i = 0; i < count; ++i)
        m_rows.insert(row, {QStringLiteral(" "), QStringLiteral(" ")});
    endInsertRows();
    return true;
}

bool ErrorTableModel::removeRows(int row, int count, const QModelIndex& parent)
{
    if (row < 0 || count < 1 || row + count > m_rows.size())
        return false;
    beginRemoveRows(parent, row, row + count - 1);
    m_rows.remove(row, count);
    endRemoveRows();
    return true;
}
