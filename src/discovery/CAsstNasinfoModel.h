#pragma once

#include "CFindHostUDP.h"

#include <QHash>
#include <QStandardItemModel>
#include <QStringList>

// The server map as a five-column table: name, IPv4 address, configuration status, MAC and a
// display text. The model reads the map live and does not watch it: the server proxies refresh it
// when they are given it again. Indexes name their record by MAC, so an index whose record has gone
// answers nothing.
class CAsstNasinfoModel : public QStandardItemModel
{
    Q_OBJECT

public:
    enum Column
    {
        NameColumn,
        AddressColumn,
        StatusColumn,
        MacColumn,
        DisplayColumn
    };

    // The map is not owned and must outlive the model (or be unset first).
    explicit CAsstNasinfoModel(NasInfoMap* serverMap = nullptr);

    void setServerMap(NasInfoMap* serverMap) { m_serverMap = serverMap; }
    NasInfoMap* serverMap() const { return m_serverMap; }
    // Tells attached views that the map may have changed in any way.
    void refresh();
    // The record whose ipAddress is the given network-order address, or null.
    const NASINFO* recordForAddress(quint32 networkOrder) const;

    static QString statusText(qint32 qcStatus);

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    bool hasChildren(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    void multiData(const QModelIndex& index, QModelRoleDataSpan roleDataSpan) const override;
    QMap<int, QVariant> itemData(const QModelIndex& index) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // The table is read-only: the map is its only source.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    bool setItemData(const QModelIndex& index, const QMap<int, QVariant>& roles) override;
    bool clearItemData(const QModelIndex& index) override;

private:
    const NASINFO* recordFor(const QModelIndex& index) const;

    NasInfoMap* m_serverMap;
    // Every MAC an index was made for; an index carries its position here.
    mutable QStringList m_macs;
    mutable QHash<QString, quintptr> m_macIds;
};
