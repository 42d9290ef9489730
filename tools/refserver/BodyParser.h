#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

#include <string>

// Decoding of the request parts the Lumio endpoints read: form bodies, the upload-initialisation
// multipart body, percent-encoded header values and the cookie header.
class BodyParser
{
public:
    using Fields = QList<QPair<QString, QString>>;

    // "a=1&b=%20x" -> (a, "1"), (b, " x"); "+" stands for a blank as in every HTML form.
    static Fields parseForm(const QByteArray& body);
    static QString field(const Fields& fields, const QString& name);

    // Accepts "multipart/form-data; boundary=B" and the comma form "multipart/form-data, boundary=B",
    // with or without the closing "--" after the last delimiter. False when the body has no part.
    static bool parseMultipart(const std::string& contentType, const QByteArray& body, Fields* parts);

    // An "X-" header value: one leading blank dropped if present, then percent-decoded as UTF-8.
    static QString decodeHeaderValue(const std::string& raw);

    // The value of the named cookie in a "Cookie" header, or an empty string.
    static QString cookieValue(const std::string& header, const QString& name);
};
