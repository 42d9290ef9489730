#include "Exchange.h"

#include "BodyParser.h"
#include "RequestHeadParser.h"

#include <QJsonDocument>

#include <httplib.h>

Exchange::Exchange(const httplib::Request& request, httplib::Response& response,
                   const httplib::ContentReader* reader, const QByteArray& head)
    : m_request(request), m_response(response), m_reader(reader)
{
    QByteArray method;
    QByteArray target;
    RequestHeadParser::parse(head, &method, &target, &m_headers);
}

QString Exchange::site() const
{
    if (m_request.matches.size() < 2 || !m_request.matches[1].matched)
        return QString();
    return QString::fromStdString(m_request.matches[1].str());
}

std::string Exchange::rawHeader(const char* name) const
{
    for (const auto& header : m_headers) {
        if (header.first.compare(name, Qt::CaseInsensitive) == 0)
            return header.second.toStdString();
    }
    return std::string();
}

QString Exchange::decodedHeader(const char* name) const
{
    return BodyParser::decodeHeaderValue(rawHeader(name));
}

bool Exchange::readBody(QByteArray* body, qint64 limit)
{
    bool tooLarge = false;
    const bool complete = streamBody(
        [&](const char* data, size_t size) {
            if (body->size() + qint64(size) > limit) {
                tooLarge = true;
                return false;
            }
            body->append(data, qsizetype(size));
            return true;
        },
        &tooLarge);
    return complete && !tooLarge;
}

bool Exchange::streamBody(const Sink& sink, bool* sinkFailed)
{
    if (m_bodyConsumed)
        return true;
    m_bodyConsumed = true;
    if (!m_reader) {
        m_bodySize = qint64(m_request.body.size());
        if (sink && !sink(m_request.body.data(), m_request.body.size()))
            *sinkFailed = true;
        return true;
    }
    return (*m_reader)([&](const char* data, size_t size) {
        m_bodySize += qint64(size);
        if (sink && !*sinkFailed && !sink(data, size))
            *sinkFailed = true;
        return true;
    });
}

void Exchange::discardBody()
{
    bool unused = false;
    streamBody(Sink(), &unused);
}

void Exchange::readPartOfBody(qint64 count)
{
    if (m_bodyConsumed)
        return;
    m_bodyConsumed = true;
    if (!m_reader) {
        m_bodySize = qMin(count, qint64(m_request.body.size()));
        return;
    }
    (*m_reader)([&](const char*, size_t size) {
        m_bodySize += qint64(size);
        return m_bodySize < count;
    });
}

void Exchange::replyJson(const QJsonObject& reply)
{
    this->reply(200, "application/json", QJsonDocument(reply).toJson(QJsonDocument::Compact));
}

void Exchange::replyPage(int status, const QByteArray& page)
{
    reply(status, "text/html; charset=UTF-8", page);
}

void Exchange::reply(int status, const char* contentType, const QByteArray& body)
{
    m_response.status = status;
    m_response.set_content(body.toStdString(), contentType);
}

QJsonObject Exchange::finishedLogEntry() const
{
    QJsonObject entry = m_log;
    entry.insert(QStringLiteral("method"), QString::fromStdString(m_request.method));
    entry.insert(QStringLiteral("path"), QString::fromStdString(m_request.path));
    entry.insert(QStringLiteral("target"), QString::fromStdString(m_request.target));
    QJsonObject headers;
    for (const auto& [name, value] : m_headers) {
        if (name.startsWith("X-") || name.startsWith("x-"))
            headers.insert(QString::fromUtf8(name), QString::fromUtf8(value));
    }
    entry.insert(QStringLiteral("headers"), headers);
    entry.insert(QStringLiteral("content_type"), QString::fromStdString(rawHeader("Content-Type")));
    entry.insert(QStringLiteral("body_size"), m_bodySize);
    entry.insert(QStringLiteral("status"), m_response.status);
    entry.insert(QStringLiteral("reply"), QString::fromStdString(m_response.body));
    return entry;
}
