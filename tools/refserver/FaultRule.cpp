#include "FaultRule.h"

#include <QJsonArray>
#include <QStringList>

namespace {

const QStringList kIntKeys = {QStringLiteral("status"), QStringLiteral("delay_ms"),
                              QStringLiteral("session_lost_after")};
const QStringList kListKeys = {QStringLiteral("only_requests"), QStringLiteral("drop_requests"),
                               QStringLiteral("drop_mid_body_requests"), QStringLiteral("cut_reply_requests"),
                               QStringLiteral("silent_requests")};
const QStringList kTextKeys = {QStringLiteral("err_msg"), QStringLiteral("body"), QStringLiteral("body_text"),
                               QStringLiteral("location")};
const QStringList kBodyKinds = {QStringLiteral("html"), QStringLiteral("empty"), QStringLiteral("text"),
                                QStringLiteral("leading_blank")};

bool readIntList(const QJsonValue& value, QList<int>* out)
{
    if (!value.isArray())
        return false;
    for (const QJsonValue& item : value.toArray()) {
        if (!item.isDouble())
            return false;
        out->append(item.toInt());
    }
    return true;
}

QJsonArray intArray(const QList<int>& values)
{
    QJsonArray array;
    for (int value : values)
        array.append(value);
    return array;
}

} // namespace

bool FaultRule::fromJson(const QJsonObject& json, FaultRule* rule, QString* error)
{
    FaultRule parsed;
    for (auto it = json.begin(); it != json.end(); ++it) {
        const QString& key = it.key();
        const QJsonValue value = it.value();
        bool ok = true;
        if (kTextKeys.contains(key)) {
            ok = value.isString();
            const QString text = value.toString();
            if (key == QLatin1String("err_msg"))
                parsed.errMsg = text;
            else if (key == QLatin1String("body"))
                parsed.body = text;
            else if (key == QLatin1String("body_text"))
                parsed.bodyText = text;
            else
                parsed.location = text;
        } else if (kIntKeys.contains(key)) {
            ok = value.isDouble();
            const int number = value.toInt();
            if (key == QLatin1String("status"))
                parsed.status = number;
            else if (key == QLatin1String("delay_ms"))
                parsed.delayMs = number;
            else
                parsed.sessionLostAfter = number;
        } else if (key == QLatin1String("only_requests")) {
            ok = readIntList(value, &parsed.onlyRequests);
        } else if (key == QLatin1String("drop_requests")) {
            ok = readIntList(value, &parsed.dropRequests);
        } else if (key == QLatin1String("drop_mid_body_requests")) {
            ok = readIntList(value, &parsed.dropMidBodyRequests);
        } else if (key == QLatin1String("cut_reply_requests")) {
            ok = readIntList(value, &parsed.cutReplyRequests);
        } else if (key == QLatin1String("silent_requests")) {
            ok = readIntList(value, &parsed.silentRequests);
        } else {
            *error = QStringLiteral("unknown fault key \"%1\"").arg(key);
            return false;
        }
        if (!ok) {
            *error = QStringLiteral("fault key \"%1\" has a value of the wrong type").arg(key);
            return false;
        }
    }
    if (!parsed.body.isEmpty() && !kBodyKinds.contains(parsed.body)) {
        *error = QStringLiteral("fault body must be one of %1").arg(kBodyKinds.join(QLatin1String(", ")));
        return false;
    }
    *rule = parsed;
    return true;
}

QJsonValue FaultRule::valueFromText(const QString& key, const QString& text)
{
    if (kIntKeys.contains(key))
        return text.toInt();
    if (kListKeys.contains(key)) {
        QJsonArray array;
        for (const QString& part : text.split(QLatin1Char(','), Qt::SkipEmptyParts))
            array.append(part.trimmed().toInt());
        return array;
    }
    return text;
}

QJsonObject FaultRule::toJson() const
{
    QJsonObject json;
    if (!errMsg.isEmpty())
        json.insert(QStringLiteral("err_msg"), errMsg);
    if (!body.isEmpty())
        json.insert(QStringLiteral("body"), body);
    if (!bodyText.isEmpty())
        json.insert(QStringLiteral("body_text"), bodyText);
    if (status != 0)
        json.insert(QStringLiteral("status"), status);
    if (!location.isEmpty())
        json.insert(QStringLiteral("location"), location);
    if (delayMs != 0)
        json.insert(QStringLiteral("delay_ms"), delayMs);
    if (!onlyRequests.isEmpty())
        json.insert(QStringLiteral("only_requests"), intArray(onlyRequests));
    if (!dropRequests.isEmpty())
        json.insert(QStringLiteral("drop_requests"), intArray(dropRequests));
    if (!dropMidBodyRequests.isEmpty())
        json.insert(QStringLiteral("drop_mid_body_requests"), intArray(dropMidBodyRequests));
    if (!cutReplyRequests.isEmpty())
        json.insert(QStringLiteral("cut_reply_requests"), intArray(cutReplyRequests));
    if (!silentRequests.isEmpty())
        json.insert(QStringLiteral("silent_requests"), intArray(silentRequests));
    if (sessionLostAfter >= 0)
        json.insert(QStringLiteral("session_lost_after"), sessionLostAfter);
    return json;
}

bool FaultRule::appliesTo(int requestNumber) const
{
    return onlyRequests.isEmpty() || onlyRequests.contains(requestNumber);
}

bool FaultRule::replacesReply() const
{
    return !errMsg.isEmpty() || status != 0 || !location.isEmpty() ||
           (!body.isEmpty() && body != QLatin1String("leading_blank"));
}
