#pragma once

#include "ProfileSummary.h"

#include <QStandardItemModel>

// The stored profiles as rows: profile name, account, server address.
class ProfileConfigModel : public QStandardItemModel
{
    Q_OBJECT

public:
    explicit ProfileConfigModel(ProfileSummaryMap* summaries, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    ProfileSummaryMap* m_summaries;
};
