#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QPair>
#include <QString>

#include <cstddef>
#include <functional>
#include <string>

namespace httplib {
struct Request;
struct Response;
class ContentReader;
} // namespace httplib

// One request and its reply as the handlers see them: the body is consumed exactly once (kept, streamed
// or discarded), and the facts the request log records are gathered on the way.
class Exchange
{
public:
    using Sink = std::function<bool(const char* data, size_t size)>;

    // head: the request head as the client sent it; its header lines are the ones the handlers read.
    Exchange(const httplib::Request& request, httplib::Response& response,
             const httplib::ContentReader* reader, const QByteArray& head);

    const httplib::Request& request() const { return m_request; }
    httplib::Response& response() { return m_response; }
    // The personal Lumio user of a "/~user/..." path, or an empty string.
    QString site() const;
    // A header value as sent, without the blank that separates it from the name.
    std::string rawHeader(const char* name) const;
    // An "X-" header as the client meant it: its own leading blank dropped, percent-decoded.
    QString decodedHeader(const char* name) const;

    // The whole body, or false when it is larger than limit bytes (the rest is then discarded).
    bool readBody(QByteArray* body, qint64 limit);
    // Feeds the body to sink chunk by chunk; a sink that fails once gets no more data, but the body is
    // still read to its end so the connection stays usable. False when the client went away.
    bool streamBody(const Sink& sink, bool* sinkFailed);
    void discardBody();
    // Reads at most count bytes of the body and leaves the rest unread.
    void readPartOfBody(qint64 count);
    qint64 bodySize() const { return m_bodySize; }

    void replyJson(const QJsonObject& reply);
    void replyPage(int status, const QByteArray& page);
    void reply(int status, const char* contentType, const QByteArray& body);

    QJsonObject& logEntry() { return m_log; }
    // The log entry completed with the request line, the "X-" headers, the body size and the reply.
    QJsonObject finishedLogEntry() const;

private:
    const httplib::Request& m_request;
    httplib::Response& m_response;
    const httplib::ContentReader* m_reader;
    QList<QPair<QByteArray, QByteArray>> m_headers;
    qint64 m_bodySize = 0;
    bool m_bodyConsumed = false;
    QJsonObject m_log;
};
