#pragma once

#include <QSortFilterProxyModel>

class CAsstNasinfoModel;

// The servers a profile can upload to, sorted as by CAsstSortNasinfoProxyModel: configured
// ("FHOSTQC_DONE"), with an address, and of an upload-capable build.
class CAsstAddDlgNasinfoProxyModel : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit CAsstAddDlgNasinfoProxyModel(QObject* parent = nullptr);

    // Also remembers the source when it is a CAsstNasinfoModel, whose map the filter reads. Given the
    // same server model again, refreshes it: that is how views learn about new servers.
    void setSourceModel(QAbstractItemModel* sourceModel) override;

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    bool filterAcceptsColumn(int sourceColumn, const QModelIndex& sourceParent) const override;

private:
    CAsstNasinfoModel* m_nasinfoModel = nullptr;
};
