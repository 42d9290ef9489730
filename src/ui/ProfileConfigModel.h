#pragma once

#include "ProfileSummary.h"
#include "ProfileWatchStatus.h"

#include <QHash>
#include <QStandardItemModel>

// The stored profiles as rows: profile name, account, server address. A profile whose folders are kept
// uploaded carries its watcher's status: a line under the name and the row's tool tip.
class ProfileConfigModel : public QStandardItemModel
{
    Q_OBJECT

public:
    enum Role
    {
        WatchStatusRole = Qt::UserRole + 1
    };

    explicit ProfileConfigModel(ProfileSummaryMap* summaries, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Replaces the watch status of every profile; true when any row changed.
    bool setWatchStatus(const QHash<QString, ProfileWatchStatus>& status);

private:
    ProfileSummaryMap* m_summaries;
    QHash<QString, ProfileWatchStatus> m_watchStatus;
};
