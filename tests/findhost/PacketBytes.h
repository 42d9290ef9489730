#pragma once

#include "packet.h"

#include <QByteArray>
#include <QList>

// Building and taking apart raw discovery datagrams in tests.
namespace PacketBytes {

QByteArray header();
QByteArray item(quint8 id, const QByteArray& value);
QByteArray le32(qint32 value);
QByteArray le64(quint64 value);
// Items 0x01 and 0xA4 with the given packet type.
QByteArray basic(qint32 type);
// The ids of a well-formed datagram's items in order.
QList<quint8> itemIds(const QByteArray& datagram);
// The value of the first item with this id, or a null array.
QByteArray itemValue(const QByteArray& datagram, quint8 id);

// Zeroes info and reads the datagram into it.
int read(const QByteArray& datagram, NASINFO* info, const FhostLogger* logger = nullptr);
// Writes the list into a fresh buffer; empty when the writer fails.
QByteArray write(const FhostItemList& list, const FhostLogger* logger = nullptr);

} // namespace PacketBytes
