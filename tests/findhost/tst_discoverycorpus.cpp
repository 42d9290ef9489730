#include "PacketBytes.h"
#include "TestEnvironment.h"
#include "packet_roundtrip.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>

// Replays the fuzzing seed corpus and the hostile reproducers (inputs that broke, or would break, a
// careless reader) through the reader and the write-read round trip.
class TestDiscoveryCorpus : public QObject
{
    Q_OBJECT

private slots:
    void seeds_data();
    void seeds();
    void reproducers_data();
    void reproducers();
};

namespace {

int addFiles(const QString& folder)
{
    QTest::addColumn<QByteArray>("datagram");
    const QDir dir(TestEnvironment::sourceDir() + QStringLiteral("/fuzz/") + folder);
    const QFileInfoList files = dir.entryInfoList(QDir::Files, QDir::Name);
    for (const QFileInfo& file : files) {
        QFile input(file.filePath());
        if (input.open(QIODevice::ReadOnly))
            QTest::newRow(qPrintable(file.fileName())) << input.readAll();
    }
    return static_cast<int>(files.size());
}

} // namespace

void TestDiscoveryCorpus::seeds_data()
{
    // One seed per packet type and item shape is checked in.
    QVERIFY(addFiles(QStringLiteral("corpus")) >= 12);
}

void TestDiscoveryCorpus::seeds()
{
    QFETCH(QByteArray, datagram);
    NASINFO info{};
    QCOMPARE(PacketBytes::read(datagram, &info), datagram.size() - FHOST_HEADER_LENGTH);
    QVERIFY(QList<int>({1, 2, 3, 4, 6}).contains(info.packetType));
    QCOMPARE(fhost_roundtrip_check(reinterpret_cast<const uint8_t*>(datagram.constData()),
                                   size_t(datagram.size())),
             int(FHOST_ROUNDTRIP_SAME));
}

void TestDiscoveryCorpus::reproducers_data()
{
    QVERIFY(addFiles(QStringLiteral("reproducers")) >= 1);
}

void TestDiscoveryCorpus::reproducers()
{
    QFETCH(QByteArray, datagram);
    NASINFO info{};
    const int read = PacketBytes::read(datagram, &info);
    QVERIFY(read == 0 || read == datagram.size() - FHOST_HEADER_LENGTH);
    QVERIFY(fhost_roundtrip_check(reinterpret_cast<const uint8_t*>(datagram.constData()),
                                  size_t(datagram.size())) != FHOST_ROUNDTRIP_MISMATCH);
}

LUMIO_TEST_MAIN(TestDiscoveryCorpus)
#include "tst_discoverycorpus.moc"
