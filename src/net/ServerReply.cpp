#include "ServerReply.h"

#include "VexaLocale.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>
#include <QLocale>

#include <cmath>

namespace {

bool truthy(const QJsonValue& value)
{
    switch (value.type()) {
    case QJsonValue::Bool:
        return value.toBool();
    case QJsonValue::Double: {
        const double d = value.toDouble();
        return d != 0.0 && !std::isnan(d);
    }
    case QJsonValue::String:
        return !value.toString().isEmpty();
    case QJsonValue::Array:
    case QJsonValue::Object:
        return true;
    default:
        return false;
    }
}

QString numberText(double d)
{
    if (std::isnan(d))
        return QStringLiteral("NaN");
    if (std::isinf(d))
        return d > 0 ? QStringLiteral("Infinity") : QStringLiteral("-Infinity");
    if (d == std::floor(d) && std::fabs(d) < 1e21)
        return QString::number(static_cast<qint64>(d));
    return QString::number(d, 'g', QLocale::FloatingPointShortest);
}

QString scriptText(const QJsonValue& value)
{
    switch (value.type()) {
    case QJsonValue::Bool:
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case QJsonValue::Double:
        return numberText(value.toDouble());
    case QJsonValue::String:
        return value.toString();
    case QJsonValue::Null:
        return QStringLiteral("null");
    case QJsonValue::Array: {
        QStringList parts;
        for (const QJsonValue& element : value.toArray())
            parts.append(element.isNull() ? QString() : scriptText(element));
        return parts.join(QLatin1Char(','));
    }
    case QJsonValue::Object:
        return QStringLiteral("[object Object]");
    default:
        return QString();
    }
}

} // namespace

ServerReply::ServerReply(const QByteArray& body)
{
    m_isJson = !body.isEmpty() && body.at(0) == '{';
    if (!m_isJson)
        return;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(body, &error);
    // A broken body reads as an empty object: no success and an empty error key.
    if (error.error == QJsonParseError::NoError && document.isObject())
        m_object = document.object();
}

bool ServerReply::success() const
{
    return truthy(m_object.value(QLatin1String("success")));
}

bool ServerReply::strictSuccess() const
{
    const QJsonValue value = m_object.value(QLatin1String("success"));
    return value.isBool() && value.toBool();
}

bool ServerReply::hasProperty(const QString& name) const
{
    return m_object.contains(name);
}

bool ServerReply::boolProperty(const QString& name) const
{
    return truthy(m_object.value(name));
}

QString ServerReply::stringProperty(const QString& name) const
{
    return scriptText(m_object.value(name));
}

QStringList ServerReply::stringList(const QString& name) const
{
    const QJsonValue value = m_object.value(name);
    QStringList result;
    if (value.isArray()) {
        for (const QJsonValue& element : value.toArray())
            result.append(element.isUndefined() ? QStringLiteral("undefined") : scriptText(element));
    } else if (value.isString()) {
        // A script reads a string's length and indices like an array's.
        for (QChar c : value.toString())
            result.append(QString(c));
    }
    return result;
}

QString ServerReply::networkErrorName(int code)
{
    static const QHash<int, QString> names = {
        {0, QStringLiteral("NoError")},
        {1, QStringLiteral("ConnectionRefusedError")},
        {2, QStringLiteral("RemoteHostClosedError")},
        {3, QStringLiteral("HostNotFoundError")},
        {4, QStringLiteral("TimeoutError")},
        {5, QStringLiteral("OperationCanceledError")},
        {6, QStringLiteral("SslHandshakeFailedError")},
        {99, QStringLiteral("UnknownNetworkError")},
        {101, QStringLiteral("ProxyConnectionRefusedError")},
        {102, QStringLiteral("ProxyConnectionClosedError")},
        {103, QStringLiteral("ProxyNotFoundError")},
        {104, QStringLiteral("ProxyTimeoutError")},
        {105, QStringLiteral("ProxyAuthenticationRequiredError")},
        {199, QStringLiteral("UnknownProxyError")},
        {201, QStringLiteral("ContentAccessDenied")},
        {202, QStringLiteral("ContentOperationNotPermittedError")},
        {203, QStringLiteral("ContentNotFoundError")},
        {204, QStringLiteral("AuthenticationRequiredError")},
        {299, QStringLiteral("UnknownContentError")},
        {301, QStringLiteral("ProtocolUnknownError")},
        {302, QStringLiteral("ProtocolInvalidOperationError")},
        {399, QStringLiteral("ProtocolFailure")},
    };
    return names.value(code, QStringLiteral("reply_err_") + QString::number(code));
}

QString ServerReply::notJsonText()
{
    return tx(TextId::err_svr_unknown).arg(QStringLiteral("ret_err"));
}

QString ServerReply::transportErrorText(int code)
{
    return tx(TextId::err_connect_fail).arg(networkErrorName(code));
}

QString ServerReply::errorText(Endpoint endpoint, const QString& key, bool* sessionLost)
{
    const QString sessionLostKey = QStringLiteral("session_lost");
    switch (endpoint) {
    case Endpoint::AlbumList:
    case Endpoint::SubAlbumList:
        if (key == sessionLostKey) {
            *sessionLost = true;
            return tx(TextId::err_session_lost);
        }
        return tx(TextId::err_svr_unknown).arg(key);
    case Endpoint::CreateAlbum: {
        const QString badName = QStringLiteral("bad_dir_name_");
        if (key == QLatin1String("no_privilege"))
            return tx(TextId::err_upd_no_privilege);
        if (key == QLatin1String("duplicated_file"))
            return tx(TextId::err_upd_file_duplicate);
        if (key.startsWith(badName))
            return tx(TextId::err_bad_dir_name).arg(key.mid(badName.size()));
        if (key == sessionLostKey) {
            *sessionLost = true;
            return tx(TextId::err_session_lost);
        }
        if (key == QLatin1String("demo_site_disable"))
            return tx(TextId::err_demo_site);
        return tx(TextId::err_svr_unknown).arg(key);
    }
    case Endpoint::FileUpload: {
        const QString notFound = QStringLiteral("target_folder_not_found_");
        if (key == QLatin1String("no_privilege"))
            return tx(TextId::err_upd_no_privilege);
        if (key == QLatin1String("duplicated_file"))
            return tx(TextId::err_upd_file_duplicate);
        if (key == sessionLostKey) {
            *sessionLost = true;
            return tx(TextId::err_session_lost);
        }
        if (key.startsWith(notFound)) {
            QString rest = key;
            rest.remove(notFound);
            return tx(TextId::err_upd_target_not_found).arg(QStringLiteral(" /photo") + rest);
        }
        if (key == QLatin1String("demo_site_disable"))
            return tx(TextId::err_demo_site);
        return tx(TextId::err_svr_unknown).arg(key);
    }
    }
    return QString();
}
