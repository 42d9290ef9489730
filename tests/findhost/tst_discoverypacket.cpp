#include "CredentialObscurer.h"
#include "LogCapture.h"
#include "PacketBytes.h"
#include "TestEnvironment.h"
#include "packet.h"

#include <QApplication>
#include <QTest>
#include <QtEndian>

#include <cstdlib>
#include <cstring>
#include <memory>

using namespace PacketBytes;

namespace {

std::unique_ptr<NASINFO> freshRecord()
{
    auto info = std::make_unique<NASINFO>();
    std::memset(info.get(), 0, sizeof(NASINFO));
    return info;
}

QByteArray hex(const char* text)
{
    return QByteArray::fromHex(text);
}

} // namespace

class TestDiscoveryPacket : public QObject
{
    Q_OBJECT

private slots:
    void itemTableIsSortedAndComplete();
    void itemRows_data();
    void itemRows();
    void queryForSeventeenCharacterMac();
    void longTextInPieces_data();
    void longTextInPieces();
    void longTextBeyondReaderLimitIsNotWritten();
    void itemLimit_data();
    void itemLimit();
    void fixedWidthWithWrongLength_data();
    void fixedWidthWithWrongLength();
    void rejectedValueResynchronisesOnLengthByte();
    void laterTwinWins_data();
    void laterTwinWins();
    void netSettingMask_data();
    void netSettingMask();
    void headerAndBasicRules_data();
    void headerAndBasicRules();
    void textCapacity_data();
    void textCapacity();
    void continuationCollectsAtMost1536();
    void truncatedDatagrams_data();
    void truncatedDatagrams();
    void unknownItemsAreSkipped();
    void writerFailures_data();
    void writerFailures();
    void writerGrowsCallerBuffer();
    void setValueRules();
    void appendAndFlags_data();
    void appendAndFlags();
    void quickConfigurationPacket();
    void netSettingPacket_data();
    void netSettingPacket();
};

void TestDiscoveryPacket::itemTableIsSortedAndComplete()
{
    const FhostItemRow* table = fhost_item_table();
    for (int i = 1; i < FHOST_ITEM_TABLE_SIZE; ++i)
        QVERIFY2(table[i - 1].id < table[i].id, qPrintable(QString::number(i)));
    for (int i = 0; i < FHOST_ITEM_TABLE_SIZE; ++i)
        QCOMPARE(fhost_item_lookup(table[i].id), &table[i]);
    int known = 0;
    for (int id = 0; id < 256; ++id)
        known += fhost_item_lookup(static_cast<uint8_t>(id)) ? 1 : 0;
    QCOMPARE(known, 99);
    QVERIFY(!fhost_item_lookup(0x00));
    QVERIFY(!fhost_item_lookup(0x28));
    QVERIFY(!fhost_item_lookup(0xFF));
}

void TestDiscoveryPacket::itemRows_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("capacity");
    QTest::addColumn<int>("required");
    QTest::newRow("packet type required")
        << 0x01 << int(FHOST_VALUE_FIXED) << int(offsetof(NASINFO, packetType)) << 4 << 0x1;
    QTest::newRow("version required")
        << 0xA4 << int(FHOST_VALUE_FIXED) << int(offsetof(NASINFO, protocolVersion)) << 4 << 0x2;
    QTest::newRow("0x20 address mode")
        << 0x20 << int(FHOST_VALUE_FIXED) << int(offsetof(NASINFO, field10)) << 4 << 0x4;
    QTest::newRow("0x21 name") << 0x21 << int(FHOST_VALUE_TEXT) << int(offsetof(NASINFO, serverName)) << 36
                               << 0x8;
    QTest::newRow("0x29 mac") << 0x29 << int(FHOST_VALUE_TEXT) << int(offsetof(NASINFO, serverMac)) << 36
                              << 0x10;
    QTest::newRow("0x11 name twin") << 0x11 << int(FHOST_VALUE_TEXT) << int(offsetof(NASINFO, serverName))
                                    << 36 << 0;
    QTest::newRow("0x2C long field") << 0x2C << int(FHOST_VALUE_TEXT) << int(offsetof(NASINFO, field2C))
                                     << 1540 << 0;
    QTest::newRow("0x4A") << 0x4A << int(FHOST_VALUE_TEXT) << int(offsetof(NASINFO, field4A)) << 496 << 0;
    QTest::newRow("0x4B no field") << 0x4B << int(FHOST_VALUE_NONE) << 0 << 0 << 0;
    QTest::newRow("0x72 continuation")
        << 0x72 << int(FHOST_VALUE_APPEND) << int(offsetof(NASINFO, longText)) << 1540 << 0;
    QTest::newRow("0x7C client mac") << 0x7C << int(FHOST_VALUE_TEXT) << int(offsetof(NASINFO, clientMac))
                                     << 36 << 0;
    QTest::newRow("0xA5 eight bytes")
        << 0xA5 << int(FHOST_VALUE_FIXED) << int(offsetof(NASINFO, fieldA5)) << 8 << 0;
    QTest::newRow("0xB1 second word")
        << 0xB1 << int(FHOST_VALUE_FIXED) << int(offsetof(NASINFO, flagWordsA) + 8) << 8 << 0;
    QTest::newRow("0xB8 B words") << 0xB8 << int(FHOST_VALUE_FIXED) << int(offsetof(NASINFO, flagWordsB)) << 8
                                  << 0;
    QTest::newRow("0x2B into field 1B")
        << 0x2B << int(FHOST_VALUE_FIXED) << int(offsetof(NASINFO, field1B)) << 4 << 0;
}

void TestDiscoveryPacket::itemRows()
{
    QFETCH(int, id);
    QFETCH(int, kind);
    QFETCH(int, offset);
    QFETCH(int, capacity);
    QFETCH(int, required);
    const FhostItemRow* row = fhost_item_lookup(static_cast<uint8_t>(id));
    QVERIFY(row);
    QCOMPARE(int(row->kind), kind);
    if (kind != FHOST_VALUE_NONE) {
        QCOMPARE(int(row->offset), offset);
        QCOMPARE(int(row->capacity), capacity);
    }
    QCOMPARE(int(row->required), required);
}

void TestDiscoveryPacket::queryForSeventeenCharacterMac()
{
    auto info = freshRecord();
    FhostItemList list;
    QCOMPARE(fhost_build_query(info.get(), &list), 0);
    const QByteArray mac("00:11:22:aa:bb:cc");
    QCOMPARE(fhost_set_value(nullptr, &list, 0x7C, mac.constData(), size_t(mac.size())), 0);
    const QByteArray expected = hex("12345678"
                                    "56455841"
                                    "a40400000201"
                                    "a60478000000"
                                    "010401000000"
                                    "b008c001000000000000"
                                    "b1080000000000000000"
                                    "b808c001000000000000"
                                    "b9080000000000000000"
                                    "7c11") +
                                mac;
    const QByteArray written = write(list);
    QCOMPARE(written.size(), 85);
    QCOMPARE(written.toHex(), expected.toHex());
}

void TestDiscoveryPacket::longTextInPieces_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<QList<int>>("pieces");
    QTest::newRow("empty text gives one empty 0x2A") << 0 << QList<int>{0};
    QTest::newRow("255 fits one piece") << 255 << QList<int>{255};
    QTest::newRow("256 needs a continuation") << 256 << QList<int>{255, 1};
    QTest::newRow("300 is 255 and 45") << 300 << QList<int>{255, 45};
    QTest::newRow("1536 is the most the reader takes") << 1536 << QList<int>{255, 255, 255, 255, 255, 255, 6};
}

void TestDiscoveryPacket::longTextInPieces()
{
    QFETCH(int, length);
    QFETCH(QList<int>, pieces);
    QByteArray text;
    for (int i = 0; i < length; ++i)
        text.append(static_cast<char>('A' + i % 26));

    auto info = freshRecord();
    info->packetType = FHOST_PKT_BRESPONSE;
    info->protocolVersion = FHOST_PROTOCOL_VERSION;
    FhostItemList list;
    fhost_item_list_init(&list, info.get());
    fhost_append_ids(nullptr, &list, 0x01, 0xA4, 0, 0);
    QCOMPARE(fhost_set_value(nullptr, &list, 0x2A, text.constData(), size_t(text.size())), 0);
    const QByteArray written = write(list);
    QVERIFY(!written.isEmpty());

    QList<int> found;
    QList<quint8> ids = itemIds(written).mid(2);
    int offset = FHOST_HEADER_LENGTH + 12;
    for (int i = 0; i < ids.size(); ++i) {
        QCOMPARE(ids.at(i), quint8(i == 0 ? 0x2A : 0x72));
        const int pieceLength = static_cast<quint8>(written.at(offset + 1));
        found.append(pieceLength);
        offset += 2 + pieceLength;
    }
    QCOMPARE(found, pieces);

    auto back = freshRecord();
    QCOMPARE(read(written, back.get()), written.size() - FHOST_HEADER_LENGTH);
    QCOMPARE(QByteArray(back->longText), text);
}

void TestDiscoveryPacket::longTextBeyondReaderLimitIsNotWritten()
{
    LogCapture log;
    auto info = freshRecord();
    FhostItemList list;
    fhost_item_list_init(&list, info.get());
    const QByteArray text(1537, 'x');
    QCOMPARE(fhost_set_value(nullptr, &list, 0x2A, text.constData(), size_t(text.size())), 0);
    QVERIFY(write(list, log.logger()).isEmpty());
    QVERIFY(log.contains(QStringLiteral(" fail to write!")));
}

void TestDiscoveryPacket::itemLimit_data()
{
    QTest::addColumn<int>("items");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("64 items accepted") << 64 << true;
    QTest::newRow("65 items rejected, the last being the 65th") << 65 << false;
    QTest::newRow("100 items rejected") << 100 << false;
}

void TestDiscoveryPacket::itemLimit()
{
    QFETCH(int, items);
    QFETCH(bool, accepted);
    QByteArray datagram = header() + basic(FHOST_PKT_BRESPONSE);
    for (int i = 2; i < items; ++i)
        datagram += item(0x33, le32(i));
    LogCapture log;
    auto info = freshRecord();
    const int result = read(datagram, info.get(), log.logger());
    QCOMPARE(result > 0, accepted);
    if (accepted)
        QCOMPARE(result, datagram.size() - FHOST_HEADER_LENGTH);
    QCOMPARE(log.contains(QStringLiteral("Maybe some virus try to hack me")), !accepted);
}

void TestDiscoveryPacket::fixedWidthWithWrongLength_data()
{
    QTest::addColumn<int>("length");
    QTest::newRow("length 3") << 3;
    QTest::newRow("length 5") << 5;
}

void TestDiscoveryPacket::fixedWidthWithWrongLength()
{
    QFETCH(int, length);
    // 0x75 at item offset 12, its length byte at 13; zero value bytes read on as empty unknown items.
    const QByteArray datagram =
        header() + basic(FHOST_PKT_BRESPONSE) + item(0x75, QByteArray(length, '\0')) + item(0x76, le32(443));
    LogCapture log;
    auto info = freshRecord();
    QVERIFY(read(datagram, info.get(), log.logger()) > 0);
    QCOMPARE(info->httpPort, 0);
    QCOMPARE(info->httpsPort, 443);
    QVERIFY2(log.contains(
                 QStringLiteral("unknown id: [0x%1] at offset (13)").arg(length, 2, 10, QLatin1Char('0'))),
             qPrintable(log.lines().join(QString())));
}

void TestDiscoveryPacket::rejectedValueResynchronisesOnLengthByte()
{
    // 0x49 claims 17 bytes, too many for a 4-byte field; 0x11 (17) is then read as the name item.
    QByteArray datagram = header() + basic(FHOST_PKT_BRESPONSE);
    datagram.append(char(0x49));
    datagram += item(0x11, "alpha");
    datagram += QByteArray(12, 'z'); // what 0x49 would have covered
    datagram += item(0x49, le32(1240));
    auto info = freshRecord();
    // The 12 bytes of 'z' read as id 0x7A (4-byte) with length 'z': rejected byte by byte.
    QVERIFY(read(datagram, info.get()) > 0);
    QCOMPARE(QByteArray(info->serverName), QByteArray("alpha"));
    QCOMPARE(info->buildNumber, 1240);
}

void TestDiscoveryPacket::laterTwinWins_data()
{
    QTest::addColumn<int>("firstId");
    QTest::addColumn<int>("secondId");
    QTest::newRow("0x11 then 0x21") << 0x11 << 0x21;
    QTest::newRow("0x21 then 0x11") << 0x21 << 0x11;
    QTest::newRow("0x19 then 0x29") << 0x19 << 0x29;
}

void TestDiscoveryPacket::laterTwinWins()
{
    QFETCH(int, firstId);
    QFETCH(int, secondId);
    const QByteArray datagram = header() + basic(FHOST_PKT_BRESPONSE) +
                                item(quint8(firstId), "earlier-value") + item(quint8(secondId), "later");
    auto info = freshRecord();
    QVERIFY(read(datagram, info.get()) > 0);
    const char* field = firstId == 0x19 ? info->serverMac : info->serverName;
    QCOMPARE(QByteArray(field), QByteArray("later"));
}

void TestDiscoveryPacket::netSettingMask_data()
{
    QTest::addColumn<QList<int>>("ids");
    QTest::addColumn<QString>("message");
    QTest::newRow("complete reply accepted") << QList<int>{0x20, 0x21, 0x29} << QString();
    QTest::newRow("without 0x21") << QList<int>{0x20, 0x29}
                                  << QStringLiteral("not enough fields for netsetting 0x17");
    QTest::newRow("without 0x29") << QList<int>{0x20, 0x21}
                                  << QStringLiteral("not enough fields for netsetting 0xF");
    QTest::newRow("without 0x20") << QList<int>{0x21, 0x29}
                                  << QStringLiteral("not enough fields for netsetting 0x1B");
}

void TestDiscoveryPacket::netSettingMask()
{
    QFETCH(QList<int>, ids);
    QFETCH(QString, message);
    QByteArray datagram = header() + basic(FHOST_PKT_NETSET);
    for (int id : ids)
        datagram += id == 0x20 ? item(0x20, le32(1)) : item(quint8(id), "value");
    LogCapture log;
    auto info = freshRecord();
    const int result = read(datagram, info.get(), log.logger());
    if (message.isEmpty()) {
        QCOMPARE(result, datagram.size() - FHOST_HEADER_LENGTH);
    } else {
        QCOMPARE(result, 0);
        QVERIFY2(log.contains(message), qPrintable(log.lines().join(QString())));
    }
}

void TestDiscoveryPacket::headerAndBasicRules_data()
{
    QTest::addColumn<QByteArray>("datagram");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("packetType");
    QTest::newRow("header only") << header() << false << QString() << 0;
    QTest::newRow("short header") << header().left(6) << false << QString() << 0;
    QTest::newRow("wrong header") << QByteArray("12345678") + basic(2) << false << QString() << 0;
    QTest::newRow("nine bytes without basic")
        << header() + QByteArray(1, '\x33') << false << QStringLiteral("Basic is not satifsfied") << 0;
    QTest::newRow("without version") << header() + item(0x01, le32(2)) << false
                                     << QStringLiteral("Basic is not satifsfied") << 0;
    QTest::newRow("type of length 0 sets the bit")
        << header() + item(0x01, QByteArray()) + item(0xA4, le32(1)) << true << QString() << 0;
    QTest::newRow("rejected type value still sets the bit")
        << header() + item(0x01, QByteArray(3, '\x02')) + item(0xA4, le32(1)) << true << QString() << 0;
    QTest::newRow("B-response") << header() + basic(2) << true << QString() << 2;
}

void TestDiscoveryPacket::headerAndBasicRules()
{
    QFETCH(QByteArray, datagram);
    QFETCH(bool, accepted);
    QFETCH(QString, message);
    QFETCH(int, packetType);
    LogCapture log;
    auto info = freshRecord();
    QCOMPARE(read(datagram, info.get(), log.logger()) > 0, accepted);
    if (message.isEmpty() && !accepted)
        QVERIFY(log.lines().isEmpty());
    if (!message.isEmpty())
        QVERIFY(log.contains(message));
    if (accepted)
        QCOMPARE(info->packetType, packetType);
}

void TestDiscoveryPacket::textCapacity_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("stored");
    QTest::newRow("name of 35 stored") << 0x21 << 35 << true;
    QTest::newRow("name of 36 leaves no NUL: rejected") << 0x21 << 36 << false;
    QTest::newRow("name of 37 rejected") << 0x21 << 37 << false;
    QTest::newRow("4-byte text of 3 stored") << 0x5C << 3 << true;
    QTest::newRow("4-byte text of 4 rejected") << 0x5C << 4 << false;
    QTest::newRow("field 4A of 255 stored") << 0x4A << 255 << true;
}

void TestDiscoveryPacket::textCapacity()
{
    QFETCH(int, id);
    QFETCH(int, length);
    QFETCH(bool, stored);
    const QByteArray value(length, 'n');
    const QByteArray datagram = header() + basic(FHOST_PKT_BRESPONSE) + item(quint8(id), value);
    auto info = freshRecord();
    QVERIFY(read(datagram, info.get()) > 0);
    const FhostItemRow* row = fhost_item_lookup(quint8(id));
    const char* field = reinterpret_cast<const char*>(info.get()) + row->offset;
    QCOMPARE(QByteArray(field, int(strnlen(field, row->capacity))), stored ? value : QByteArray());
}

void TestDiscoveryPacket::continuationCollectsAtMost1536()
{
    QByteArray datagram = header() + basic(FHOST_PKT_BRESPONSE) + item(0x2A, QByteArray(255, 'a'));
    for (int i = 0; i < 5; ++i)
        datagram += item(0x72, QByteArray(255, 'b'));
    datagram += item(0x72, QByteArray(6, 'c')); // exactly 1536
    auto info = freshRecord();
    QVERIFY(read(datagram, info.get()) > 0);
    QCOMPARE(int(strlen(info->longText)), 1536);

    datagram = header() + basic(FHOST_PKT_BRESPONSE) + item(0x2A, QByteArray(255, 'a'));
    for (int i = 0; i < 5; ++i)
        datagram += item(0x72, QByteArray(255, 'b'));
    datagram += item(0x72, QByteArray(7, 'c')); // one too many: rejected
    QVERIFY(read(datagram, info.get()) > 0);
    QCOMPARE(int(strlen(info->longText)), 1530);
}

void TestDiscoveryPacket::truncatedDatagrams_data()
{
    QTest::addColumn<QByteArray>("datagram");
    QTest::addColumn<int>("httpPort");
    QTest::newRow("value past the end") << header() + basic(2) + item(0x75, le32(80)).left(4) << 0;
    QTest::newRow("known id as last byte") << header() + basic(2) + QByteArray(1, '\x75') << 0;
    QTest::newRow("unknown id as last byte") << header() + basic(2) + QByteArray(1, '\x4B') << 0;
    QTest::newRow("unknown id whose value runs past the end")
        << header() + basic(2) + item(0x75, le32(80)) + QByteArray("\x4B\x40\x01", 3) << 80;
}

void TestDiscoveryPacket::truncatedDatagrams()
{
    QFETCH(QByteArray, datagram);
    QFETCH(int, httpPort);
    auto info = freshRecord();
    QCOMPARE(read(datagram, info.get()), datagram.size() - FHOST_HEADER_LENGTH);
    QCOMPARE(info->httpPort, httpPort);
}

void TestDiscoveryPacket::unknownItemsAreSkipped()
{
    const QByteArray datagram =
        header() + basic(2) + item(0x4B, "ab") + item(0x28, "xyz") + item(0x49, le32(1093));
    LogCapture log;
    auto info = freshRecord();
    QVERIFY(read(datagram, info.get(), log.logger()) > 0);
    QCOMPARE(info->buildNumber, 1093);
    QVERIFY(log.contains(QStringLiteral("unknown id: [0x4B] at offset (12)")));
    QVERIFY(log.contains(QStringLiteral("unknown id: [0x28] at offset (16)")));
    QVERIFY(log.lines().first().startsWith(QStringLiteral("packet.c:")));
}

void TestDiscoveryPacket::writerFailures_data()
{
    QTest::addColumn<QList<int>>("ids");
    QTest::addColumn<QByteArray>("field17");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("unknown id") << QList<int>{0x01, 0x28} << QByteArray()
                                << QStringList{QStringLiteral("unknown PKT-ID: [0x28]"),
                                               QStringLiteral("fail to write [0x28]!")};
    QTest::newRow("id without a field")
        << QList<int>{0x01, 0x4B} << QByteArray() << QStringList{QStringLiteral("fail to write [0x4B]!")};
    QTest::newRow("text over 255 bytes")
        << QList<int>{0x17} << QByteArray(256, 't') << QStringList{QStringLiteral("fail to write [0x17]!")};
    QList<int> many;
    for (int i = 0; i < 40; ++i)
        many.append(0x17);
    QTest::newRow("more than 8192 bytes")
        << many << QByteArray(255, 't') << QStringList{QStringLiteral("fail to write [0x17]!")};
}

void TestDiscoveryPacket::writerFailures()
{
    QFETCH(QList<int>, ids);
    QFETCH(QByteArray, field17);
    QFETCH(QStringList, messages);
    auto info = freshRecord();
    std::memcpy(info->field17, field17.constData(), size_t(field17.size()));
    FhostItemList list;
    fhost_item_list_init(&list, info.get());
    for (int id : ids)
        fhost_append_ids(nullptr, &list, id, 0);

    LogCapture log;
    size_t capacity = 16;
    auto* buffer = static_cast<uint8_t*>(std::malloc(capacity));
    std::memset(buffer, 0xEE, capacity);
    uint8_t* const original = buffer;
    QCOMPARE(fhost_packet_write(log.logger(), &buffer, &capacity, &list), size_t(0));
    QCOMPARE(buffer, original);
    QCOMPARE(capacity, size_t(16));
    QCOMPARE(QByteArray(reinterpret_cast<char*>(buffer), 16), QByteArray(16, '\xEE'));
    std::free(buffer);
    for (const QString& message : messages)
        QVERIFY2(log.contains(message), qPrintable(log.lines().join(QString())));
}

void TestDiscoveryPacket::writerGrowsCallerBuffer()
{
    auto info = freshRecord();
    FhostItemList list;
    fhost_build_query(info.get(), &list);
    size_t capacity = 10;
    auto* buffer = static_cast<uint8_t*>(std::malloc(capacity));
    const size_t length = fhost_packet_write(nullptr, &buffer, &capacity, &list);
    QCOMPARE(length, size_t(68));
    QCOMPARE(capacity, length);
    QCOMPARE(QByteArray(reinterpret_cast<char*>(buffer), 8), header());

    // A large buffer is used as it is, never shrunk.
    capacity = 4096;
    buffer = static_cast<uint8_t*>(std::realloc(buffer, capacity));
    QCOMPARE(fhost_packet_write(nullptr, &buffer, &capacity, &list), size_t(68));
    QCOMPARE(capacity, size_t(4096));
    std::free(buffer);
}

void TestDiscoveryPacket::setValueRules()
{
    LogCapture log;
    auto info = freshRecord();
    FhostItemList list;
    fhost_item_list_init(&list, info.get());

    QCOMPARE(fhost_set_value(log.logger(), &list, 0x28, "x", 1), -1);
    QVERIFY(log.contains(QStringLiteral("unknown PKT-ID: [0x28]")));
    QCOMPARE(list.count, 0);

    const QByteArray longName(50, 'n');
    QCOMPARE(fhost_set_value(nullptr, &list, 0x21, longName.constData(), size_t(longName.size())), 0);
    QCOMPARE(QByteArray(info->serverName), QByteArray(35, 'n'));
    QCOMPARE(fhost_set_value(nullptr, &list, 0x21, "short", 5), 0);
    QCOMPARE(QByteArray(info->serverName), QByteArray("short"));
    QCOMPARE(list.count, 1); // listed once however often it is set

    const qint32 build = 1240;
    QCOMPARE(fhost_set_value(nullptr, &list, 0x49, &build, sizeof build), 0);
    QCOMPARE(info->buildNumber, 1240);
    const quint8 twoBytes[2] = {0x50, 0x00};
    QCOMPARE(fhost_set_value(nullptr, &list, 0x75, twoBytes, sizeof twoBytes), 0);
    QCOMPARE(info->httpPort, 0x50);
    QCOMPARE(list.count, 3);
    QCOMPARE(fhost_set_value(nullptr, &list, 0x4B, "x", 1), -1);
}

void TestDiscoveryPacket::appendAndFlags_data()
{
    QTest::addColumn<int>("flag");
    QTest::addColumn<int>("word");
    QTest::addColumn<quint64>("bits");
    QTest::newRow("flag 3") << 3 << 0 << quint64(0x8);
    QTest::newRow("flag 63") << 63 << 0 << (quint64(1) << 63);
    QTest::newRow("flag 64 opens word 1") << 64 << 1 << quint64(1);
    QTest::newRow("flag 127") << 127 << 1 << (quint64(1) << 63);
}

void TestDiscoveryPacket::appendAndFlags()
{
    QFETCH(int, flag);
    QFETCH(int, word);
    QFETCH(quint64, bits);
    auto info = freshRecord();
    fhost_set_flag_a(info.get(), flag);
    fhost_set_flag_b(info.get(), flag);
    QCOMPARE(info->flagWordsA[word], bits);
    QCOMPARE(info->flagWordsA[1 - word], quint64(0));
    QCOMPARE(info->flagWordsB[word], bits);
    QVERIFY(fhost_test_flag_a(info.get(), flag));
    QVERIFY(!fhost_test_flag_a(info.get(), flag == 3 ? 4 : 3));
    fhost_clear_flags_a(info.get());
    QVERIFY(!fhost_test_flag_a(info.get(), flag));
    QCOMPARE(info->flagWordsB[word], bits);
    fhost_clear_flags_b(info.get());
    QCOMPARE(info->flagWordsB[word], quint64(0));

    FhostItemList list;
    fhost_item_list_init(&list, info.get());
    QCOMPARE(fhost_append_flag_words(nullptr, &list, 1, 0), 2);
    QCOMPARE(fhost_append_flag_words(nullptr, &list, 0, 1), 2);
    QCOMPARE(fhost_append_flag_words(nullptr, &list, 0, 0), 0);
    QCOMPARE(fhost_append_ids(nullptr, &list, 0x01, 0xA4, 0x7C, 0), 3);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(list.ids), list.count).toHex(),
             QByteArray("b0b1b8b901a47c"));
}

void TestDiscoveryPacket::quickConfigurationPacket()
{
    CNasConfig config{};
    config.addressMode = 0;
    config.requestFlag7 = 1;
    config.value42 = 42;
    config.value40 = 40;
    std::strcpy(config.text37, "workgroup-name-that-is-longer-than-35-bytes");
    std::strcpy(config.text39, "admin");
    std::strcpy(config.address[0], "192.168.1.20");
    std::strcpy(config.address[1], "255.255.255.0");
    std::strcpy(config.address[2], "");
    std::strcpy(config.address[3], "not an address");
    std::strcpy(config.password, "s3cret pass");
    std::strcpy(config.serverName, "korvat");
    std::strcpy(config.text31, "Europe/Berlin 12:00");
    auto target = freshRecord();
    std::strcpy(target->serverMac, "00:11:32:aa:bb:cc");

    const QByteArray obscured = CredentialObscurer::obscureText(QString::fromUtf8(config.password)).toUtf8();
    auto info = freshRecord();
    FhostItemList list;
    LogCapture log;
    QCOMPARE(fhost_build_quick_config(log.logger(), info.get(), &list, &config, target.get(),
                                      obscured.constData()),
             0);
    QVERIFY(log.contains(QStringLiteral("Send Conf to korvat, type=4, mac=00:11:32:aa:bb:cc")));
    fhost_set_value(nullptr, &list, 0x7C, "02:00:00:00:00:09", 17);
    const QByteArray written = write(list);
    QList<quint8> expectedIds{0xA4, 0xA6, 0x01, 0x19, 0x2A, 0x20, 0x21, 0x22, 0x23, 0x24, 0x25,
                              0x31, 0x32, 0x37, 0x39, 0x40, 0x42, 0xB0, 0xB1, 0xB8, 0xB9, 0x7C};
    QCOMPARE(itemIds(written), expectedIds);
    QCOMPARE(itemValue(written, 0x32), QByteArray(""));
    QCOMPARE(itemValue(written, 0x32).isNull(), false);

    auto back = freshRecord();
    QVERIFY(read(written, back.get()) > 0);
    QCOMPARE(back->packetType, 4);
    QCOMPARE(back->fieldA6, 120);
    QCOMPARE(QByteArray(back->serverMac), QByteArray("00:11:32:aa:bb:cc"));
    QCOMPARE(CredentialObscurer::revealText(QString::fromUtf8(back->longText)),
             QStringLiteral("s3cret pass"));
    QCOMPARE(QByteArray(back->serverName), QByteArray("korvat"));
    QCOMPARE(QByteArray(back->field31), QByteArray("Europe-Berlin-12-00"));
    QCOMPARE(QByteArray(back->field37), QByteArray("workgroup-name-that-is-longer-than-"));
    QCOMPARE(QByteArray(back->field39), QByteArray("admin"));
    QCOMPARE(qFromBigEndian(back->ipAddress), 0xC0A80114u);
    QCOMPARE(qFromBigEndian(back->field13), 0xFFFFFF00u);
    QCOMPARE(back->field14, 0u);
    QCOMPARE(back->field15, 0u);
    QCOMPARE(back->field40, 40);
    QCOMPARE(back->field42, 42);
    QCOMPARE(back->flagWordsA[0], quint64(0x80));
    QCOMPARE(back->flagWordsB[0], quint64(0x80));
    QCOMPARE(QByteArray(back->clientMac), QByteArray("02:00:00:00:00:09"));
}

void TestDiscoveryPacket::netSettingPacket_data()
{
    QTest::addColumn<int>("addressMode");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<qint32>("field1B");
    QTest::addColumn<QList<quint8>>("ids");
    QTest::addColumn<bool>("readable");
    QTest::newRow("static addresses")
        << 0 << QByteArray("korvat") << 0
        << QList<quint8>{0x01, 0xA4, 0x29, 0x21, 0x20, 0x22, 0x23, 0x24, 0x25, 0x2A, 0x7C} << true;
    QTest::newRow("automatic addressing")
        << 1 << QByteArray("korvat") << 0 << QList<quint8>{0x01, 0xA4, 0x29, 0x21, 0x20, 0x2A, 0x7C} << true;
    QTest::newRow("field 1B set") << 1 << QByteArray("korvat") << 7
                                  << QList<quint8>{0x01, 0xA4, 0x29, 0x21, 0x20, 0x2A, 0x2B, 0x7C} << true;
    QTest::newRow("no name, so no 0x21")
        << 1 << QByteArray() << 0 << QList<quint8>{0x01, 0xA4, 0x29, 0x20, 0x2A, 0x7C} << false;
}

void TestDiscoveryPacket::netSettingPacket()
{
    QFETCH(int, addressMode);
    QFETCH(QByteArray, name);
    QFETCH(qint32, field1B);
    QFETCH(QList<quint8>, ids);
    QFETCH(bool, readable);
    CNasConfig config{};
    config.addressMode = quint8(addressMode);
    std::strcpy(config.address[0], "10.0.0.5");
    std::strcpy(config.address[1], "255.0.0.0");
    std::strcpy(config.address[2], "10.0.0.1");
    std::strcpy(config.address[3], "10.0.0.2");
    auto target = freshRecord();
    std::strcpy(target->serverMac, "00:11:32:aa:bb:cc");
    std::memcpy(target->serverName, name.constData(), size_t(name.size()));
    target->ipAddress = qToBigEndian(0xC0A80001u);
    target->field1B = field1B;
    target->buildNumber = 1240;
    std::strcpy(target->longText, "previous");

    auto info = freshRecord();
    FhostItemList list;
    QCOMPARE(fhost_build_net_setting(nullptr, info.get(), &list, &config, target.get(), "obscured"), 0);
    const QByteArray written = write(list);
    QCOMPARE(itemIds(written), ids);
    QCOMPARE(itemValue(written, 0x2A), QByteArray("obscured"));
    QCOMPARE(itemValue(written, 0x20), le32(addressMode));
    if (addressMode == 0)
        QCOMPARE(itemValue(written, 0x22), QByteArray::fromHex("0a000005"));
    QCOMPARE(info->ipAddress, addressMode ? 0u : qToBigEndian(0x0A000005u));

    auto back = freshRecord();
    QCOMPARE(read(written, back.get()) > 0, readable);
}

LUMIO_TEST_MAIN(TestDiscoveryPacket)
#include "tst_discoverypacket.moc"
