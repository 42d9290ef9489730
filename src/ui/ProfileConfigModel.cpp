#include "ProfileConfigModel.h"

#include "VexaLocale.h"

ProfileConfigModel::ProfileConfigModel(ProfileSummaryMap* summaries, QObject* parent)
    : QStandardItemModel(3, 3, parent), m_summaries(summaries)
{
}

int ProfileConfigModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || !m_summaries ? 0 : static_cast<int>(m_summaries->size());
}

int ProfileConfigModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 3;
}

QModelIndex ProfileConfigModel::index(int row, int column, const QModelIndex& parent) const
{
    if (parent.isValid() || row < 0 || row >= rowCount() || column < 0 || column >= 3)
        return QModelIndex();
    return createIndex(row, column);
}

QModelIndex ProfileConfigModel::parent(const QModelIndex&) const
{
    return QModelIndex();
}

QVariant ProfileConfigModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return QVariant();
    const ProfileSummary& summary = std::next(m_summaries->cbegin(), index.row()).value();
    if (role == Qt::ToolTipRole)
        return m_watchStatus.value(summary.profname).toolTip();
    if (role == WatchStatusRole)
        return index.column() == 0 ? m_watchStatus.value(summary.profname).line() : QString();
    if (role != Qt::DisplayRole)
        return QVariant();
    switch (index.column()) {
    case 0:
        return summary.profname;
    case 1:
        return summary.account;
    case 2:
        return summary.hostaddr;
    default:
        return QVariant();
    }
}

QVariant ProfileConfigModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return QVariant();
    const QString padding(10, QLatin1Char(' '));
    switch (section) {
    case 0:
        return QString(tx(TextId::create_svr_profname) + padding);
    case 1:
        return QString(tx(TextId::create_pw_account) + padding);
    case 2:
        return QString(tx(TextId::editor_ipaddr) + padding);
    default:
        return QVariant();
    }
}

Qt::ItemFlags ProfileConfigModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled;
}

bool ProfileConfigModel::setWatchStatus(const QHash<QString, ProfileWatchStatus>& status)
{
    if (status == m_watchStatus)
        return false;
    m_watchStatus = status;
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1),
                         {Qt::ToolTipRole, WatchStatusRole});
    return true;
}
