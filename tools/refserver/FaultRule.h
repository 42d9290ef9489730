#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>

// Misbehaviour injected into the replies of one endpoint. Requests to the endpoint are numbered from 1,
// counting from the moment the rule was set.
class FaultRule
{
public:
    QString errMsg;          // answer {"success":false,"err_msg":errMsg} without doing the work
    QString body;            // "html", "empty", "text" replace the reply; "leading_blank" prefixes one blank
    QString bodyText;        // the page for "html" and "text"
    int status = 0;          // HTTP status instead of 200
    QString location;        // "Location" header; implies status 302 when no status is given
    int delayMs = 0;         // wait before answering
    QList<int> onlyRequests; // restricts the five items above to these request numbers; empty means all
    QList<int> dropRequests; // close the connection without a reply on these request numbers
    QList<int> dropMidBodyRequests; // read half of the body, then close without storing or replying
    QList<int> cutReplyRequests;    // do the work, then close after the reply's head and first byte
    QList<int> silentRequests;      // read the body and never answer (until the client gives up)
    int sessionLostAfter = -1;      // answer "session_lost" once this many requests were served

    // Parses the JSON form; unknown keys and ill-typed values are errors.
    static bool fromJson(const QJsonObject& json, FaultRule* rule, QString* error);
    // Turns a command-line value for key into its JSON form ("2,3" for list keys, digits for numbers).
    static QJsonValue valueFromText(const QString& key, const QString& text);
    QJsonObject toJson() const;

    bool appliesTo(int requestNumber) const;
    bool replacesReply() const;
};
