#include "PacketBytes.h"

#include <QtEndian>

#include <cstdlib>
#include <cstring>

namespace PacketBytes {

QByteArray header()
{
    return QByteArray(reinterpret_cast<const char*>(fhost_header), FHOST_HEADER_LENGTH);
}

QByteArray item(quint8 id, const QByteArray& value)
{
    QByteArray bytes;
    bytes.append(static_cast<char>(id));
    bytes.append(static_cast<char>(value.size()));
    bytes.append(value);
    return bytes;
}

QByteArray le32(qint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray le64(quint64 value)
{
    QByteArray bytes(8, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray basic(qint32 type)
{
    return item(0x01, le32(type)) + item(0xA4, le32(FHOST_PROTOCOL_VERSION));
}

QList<quint8> itemIds(const QByteArray& datagram)
{
    QList<quint8> ids;
    int offset = FHOST_HEADER_LENGTH;
    while (offset + 1 < datagram.size()) {
        ids.append(static_cast<quint8>(datagram.at(offset)));
        offset += 2 + static_cast<quint8>(datagram.at(offset + 1));
    }
    return ids;
}

QByteArray itemValue(const QByteArray& datagram, quint8 id)
{
    int offset = FHOST_HEADER_LENGTH;
    while (offset + 1 < datagram.size()) {
        const int length = static_cast<quint8>(datagram.at(offset + 1));
        if (static_cast<quint8>(datagram.at(offset)) == id)
            return datagram.mid(offset + 2, length);
        offset += 2 + length;
    }
    return QByteArray();
}

int read(const QByteArray& datagram, NASINFO* info, const FhostLogger* logger)
{
    std::memset(info, 0, sizeof *info);
    return fhost_packet_read(logger, reinterpret_cast<const uint8_t*>(datagram.constData()),
                             static_cast<size_t>(datagram.size()), info);
}

QByteArray write(const FhostItemList& list, const FhostLogger* logger)
{
    uint8_t* buffer = nullptr;
    size_t capacity = 0;
    const size_t length = fhost_packet_write(logger, &buffer, &capacity, &list);
    const QByteArray bytes(reinterpret_cast<const char*>(buffer), static_cast<int>(length));
    std::free(buffer);
    return bytes;
}

} // namespace PacketBytes
