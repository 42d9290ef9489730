#include "SortProfileConfigModel.h"

#include <QHostAddress>

quint32 SortProfileConfigModel::ipv4Value(const QString& text)
{
    QHostAddress address;
    if (!address.setAddress(text.trimmed()) || address.protocol() != QAbstractSocket::IPv4Protocol)
        return 0;
    return address.toIPv4Address();
}

bool SortProfileConfigModel::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    const QString a = left.data().toString();
    const QString b = right.data().toString();
    if (left.column() == 2 && right.column() == 2)
        return ipv4Value(a) < ipv4Value(b);
    return QString::localeAwareCompare(a, b) < 0;
}
