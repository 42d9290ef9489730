#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>

#include <cstddef>
#include <vector>

// Follows the client-to-server byte stream of one HTTP/1.1 connection and picks out each request head
// (request line and header lines) exactly as the client sent it, skipping bodies by their
// "Content-Length" or chunked framing. A head larger than the limit ends the tracking of that
// connection; the bytes still pass, only no more heads are reported.
class RequestHeadParser
{
public:
    using Headers = QList<QPair<QByteArray, QByteArray>>;

    void feed(const char* data, size_t size, std::vector<QByteArray>* heads);

    // Splits a head into its request line parts and its header lines. A header value is everything
    // after the colon and the one blank that conventionally follows it, so a value the client began
    // with a blank keeps that blank.
    static bool parse(const QByteArray& head, QByteArray* method, QByteArray* target, Headers* headers);

private:
    enum class State
    {
        Head,
        Body,
        ChunkSize,
        ChunkData,
        ChunkEnd,
        Trailer,
        Lost
    };

    void startBody();

    State m_state = State::Head;
    QByteArray m_line; // the head, or the current chunk-size or trailer line
    unsigned long long m_remaining = 0;
};
