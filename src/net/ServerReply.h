#pragma once

#include <QJsonObject>
#include <QStringList>

// One JSON reply of the Lumio server, read with the conversions the server's clients have always
// applied: only a body whose very first byte is "{" counts as JSON; "success" is truthy the way a
// script value is; properties convert to text and text lists like script values do.
class ServerReply
{
public:
    // Which request a failure key belongs to; each has its own table of user texts.
    enum class Endpoint
    {
        AlbumList,
        SubAlbumList,
        CreateAlbum,
        FileUpload
    };

    explicit ServerReply(const QByteArray& body);

    // The body began with "{" (no whitespace skipped).
    bool isJson() const { return m_isJson; }
    // Truthiness of "success": true, a non-zero number, a non-empty string, an object or array.
    bool success() const;
    // Only the boolean true.
    bool strictSuccess() const;
    bool hasProperty(const QString& name) const;
    bool boolProperty(const QString& name) const;
    // The property as text; a missing property gives "".
    QString stringProperty(const QString& name) const;
    // An array property's elements as texts, in order.
    QStringList stringList(const QString& name) const;
    // "err_msg" as text.
    QString errorKey() const { return stringProperty(QStringLiteral("err_msg")); }

    // The name of a QNetworkReply::NetworkError, or "reply_err_" + code for codes outside the table.
    static QString networkErrorName(int code);
    // The user text for a failure key; sessionLost is set for "session_lost".
    static QString errorText(Endpoint endpoint, const QString& key, bool* sessionLost);
    // "Unknown server error. (Error Code:ret_err)", for bodies that are not JSON.
    static QString notJsonText();
    // "Connection error. (Error Code: <name>)".
    static QString transportErrorText(int code);

private:
    bool m_isJson = false;
    QJsonObject m_object;
};
