#pragma once

#include <QByteArray>
#include <QList>
#include <QNetworkCookie>

// Header values the Lumio server reads from the album and upload requests.
class RequestHeaders
{
public:
    // " " + the text in form C, UTF-8 and percent-encoded: "X-PATH" and "X-ORIG-FNAME".
    static QByteArray pathText(const QString& text);
    // The cookies as one "Cookie" header value (name=value pairs); empty when there are none.
    static QByteArray cookieValue(const QList<QNetworkCookie>& cookies);
};
