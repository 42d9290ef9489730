#include "RequestHeaders.h"

#include <QUrl>

QByteArray RequestHeaders::pathText(const QString& text)
{
    return " " + QUrl::toPercentEncoding(text.normalized(QString::NormalizationForm_C));
}

QByteArray RequestHeaders::cookieValue(const QList<QNetworkCookie>& cookies)
{
    QByteArrayList parts;
    for (const QNetworkCookie& cookie : cookies)
        parts.append(cookie.toRawForm(QNetworkCookie::NameAndValueOnly));
    return parts.join("; ");
}
