#include "RequestHeadParser.h"

#include <algorithm>

namespace {

const int kHeadLimit = 64 * 1024;

QByteArray headerValue(const RequestHeadParser::Headers& headers, const QByteArray& name)
{
    for (const auto& header : headers) {
        if (header.first.compare(name, Qt::CaseInsensitive) == 0)
            return header.second;
    }
    return QByteArray();
}

} // namespace

void RequestHeadParser::feed(const char* data, size_t size, std::vector<QByteArray>* heads)
{
    const char* end = data + size;
    while (data < end && m_state != State::Lost) {
        switch (m_state) {
        case State::Head: {
            const char* stop = std::find(data, end, '\n');
            const bool lineDone = stop != end;
            m_line.append(data, qsizetype((lineDone ? stop + 1 : end) - data));
            data = lineDone ? stop + 1 : end;
            if (m_line.size() > kHeadLimit) {
                m_state = State::Lost;
            } else if (m_line == "\r\n" || m_line == "\n") {
                m_line.clear(); // blank lines between requests are allowed
            } else if (lineDone && (m_line.endsWith("\r\n\r\n") || m_line.endsWith("\n\n"))) {
                heads->push_back(m_line);
                startBody();
                m_line.clear();
            }
            break;
        }
        case State::Body:
        case State::ChunkData: {
            const size_t take = size_t(std::min<unsigned long long>(m_remaining, size_t(end - data)));
            data += take;
            m_remaining -= take;
            if (m_remaining == 0)
                m_state = m_state == State::Body ? State::Head : State::ChunkEnd;
            break;
        }
        case State::ChunkEnd:
            // The CR LF after the chunk data.
            if (*data++ == '\n')
                m_state = State::ChunkSize;
            break;
        case State::ChunkSize:
        case State::Trailer: {
            const char* stop = std::find(data, end, '\n');
            const bool lineDone = stop != end;
            m_line.append(data, qsizetype((lineDone ? stop + 1 : end) - data));
            data = lineDone ? stop + 1 : end;
            if (m_line.size() > kHeadLimit) {
                m_state = State::Lost;
            } else if (lineDone && m_state == State::ChunkSize) {
                bool ok = false;
                m_remaining = m_line.split(';').first().trimmed().toULongLong(&ok, 16);
                m_state = !ok ? State::Lost : m_remaining == 0 ? State::Trailer : State::ChunkData;
                m_line.clear();
            } else if (lineDone) {
                if (m_line.trimmed().isEmpty())
                    m_state = State::Head;
                m_line.clear();
            }
            break;
        }
        case State::Lost:
            break;
        }
    }
}

void RequestHeadParser::startBody()
{
    QByteArray method;
    QByteArray target;
    Headers headers;
    if (!parse(m_line, &method, &target, &headers)) {
        m_state = State::Lost;
        return;
    }
    if (headerValue(headers, "Transfer-Encoding").trimmed().toLower().contains("chunked")) {
        m_state = State::ChunkSize;
        return;
    }
    bool ok = true;
    const QByteArray length = headerValue(headers, "Content-Length").trimmed();
    m_remaining = length.isEmpty() ? 0 : length.toULongLong(&ok);
    m_state = !ok ? State::Lost : m_remaining == 0 ? State::Head : State::Body;
}

bool RequestHeadParser::parse(const QByteArray& head, QByteArray* method, QByteArray* target,
                              Headers* headers)
{
    QList<QByteArray> lines = head.split('\n');
    for (QByteArray& line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    const QList<QByteArray> requestLine = lines.value(0).split(' ');
    if (requestLine.size() != 3)
        return false;
    *method = requestLine[0];
    *target = requestLine[1];
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray& line = lines[i];
        const int colon = line.indexOf(':');
        if (colon <= 0)
            continue;
        QByteArray value = line.mid(colon + 1);
        if (value.startsWith(' '))
            value.remove(0, 1);
        headers->append({line.left(colon), value});
    }
    return true;
}
