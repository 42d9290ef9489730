#include "CAsstAddDlgNasinfoProxyModel.h"
#include "CAsstNasinfoModel.h"
#include "CAsstSortNasinfoProxyModel.h"
#include "TestEnvironment.h"

#include <QApplication>
#include <QComboBox>
#include <QTableView>
#include <QTest>
#include <QtEndian>

#include <cstring>

namespace {

NASINFO record(const char* name, const char* mac, quint32 address, qint32 qcStatus, qint32 build, bool flag3)
{
    NASINFO info{};
    std::strncpy(info.serverName, name, sizeof info.serverName - 1);
    std::strncpy(info.serverMac, mac, sizeof info.serverMac - 1);
    info.ipAddress = qToBigEndian(address);
    info.qcStatus = qcStatus;
    info.buildNumber = build;
    if (flag3)
        fhost_set_flag_a(&info, 3);
    return info;
}

void add(NasInfoMap& map, const NASINFO& info)
{
    map.insert(QString::fromLatin1(info.serverMac), info);
}

QStringList column(const QAbstractItemModel& model, int column)
{
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row)
        texts.append(model.index(row, column).data().toString());
    return texts;
}

} // namespace

class TestNasinfoModel : public QObject
{
    Q_OBJECT

private slots:
    void columnsOfOneRecord_data();
    void columnsOfOneRecord();
    void rowsFollowTheMap();
    void indexOfRemovedRecordAnswersNothing();
    void addressesSortAsNumbers();
    void addDialogFilter_data();
    void addDialogFilter();
    void sortProxyKeepsEveryRow();
    void viewsDrawTheModel();
};

void TestNasinfoModel::columnsOfOneRecord_data()
{
    QTest::addColumn<quint32>("address");
    QTest::addColumn<int>("qcStatus");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("configured") << 0xC0A80114u << 1
                                << QStringList{QStringLiteral("korvat"), QStringLiteral("192.168.1.20"),
                                               QStringLiteral("FHOSTQC_DONE"),
                                               QStringLiteral("00:11:32:AA:BB:CC"),
                                               QStringLiteral("korvat (192.168.1.20)")};
    QTest::newRow("not set up, no address")
        << 0u << 0
        << QStringList{QStringLiteral("korvat"), QString(), QStringLiteral("FHOSTQC_FALSE"),
                       QStringLiteral("00:11:32:AA:BB:CC"), QStringLiteral("korvat")};
    QTest::newRow("not installed") << 0x0A000001u << 2
                                   << QStringList{QStringLiteral("korvat"), QStringLiteral("10.0.0.1"),
                                                  QStringLiteral("FHOSTQC_NOTINSTALL"),
                                                  QStringLiteral("00:11:32:AA:BB:CC"),
                                                  QStringLiteral("korvat (10.0.0.1)")};
    QTest::newRow("probe out: no status text")
        << 0x0A000001u << 10
        << QStringList{QStringLiteral("korvat"), QStringLiteral("10.0.0.1"), QString(),
                       QStringLiteral("00:11:32:AA:BB:CC"), QStringLiteral("korvat (10.0.0.1)")};
}

void TestNasinfoModel::columnsOfOneRecord()
{
    QFETCH(quint32, address);
    QFETCH(int, qcStatus);
    QFETCH(QStringList, texts);
    NasInfoMap map;
    add(map, record("korvat", "00:11:32:aa:bb:cc", address, qcStatus, 1240, true));
    CAsstNasinfoModel model(&map);
    QCOMPARE(model.columnCount(), 5);
    QCOMPARE(model.rowCount(), 1);
    for (int column = 0; column < 5; ++column) {
        const QModelIndex index = model.index(0, column);
        QCOMPARE(index.data().toString(), texts.at(column));
        QVERIFY(!index.data(Qt::EditRole).isValid());
        QVERIFY(!index.data(Qt::DecorationRole).isValid());
        QVERIFY(!model.parent(index).isValid());
        QCOMPARE(model.rowCount(index), 0);
        QVERIFY(!model.hasChildren(index));
        QVERIFY(model.flags(index).testFlag(Qt::ItemIsSelectable));
        QVERIFY(model.flags(index).testFlag(Qt::ItemIsEnabled));
        QVERIFY(!model.setData(index, QStringLiteral("x")));
    }
    QCOMPARE(model.itemData(model.index(0, 0)).value(Qt::DisplayRole).toString(), QStringLiteral("korvat"));
}

void TestNasinfoModel::rowsFollowTheMap()
{
    CAsstNasinfoModel unset;
    QCOMPARE(unset.rowCount(), 0);
    QVERIFY(!unset.index(0, 0).isValid());

    NasInfoMap map;
    CAsstNasinfoModel model(&map);
    QCOMPARE(model.rowCount(), 0);
    add(map, record("b", "00:00:00:00:00:02", 0x0A000002u, 1, 1240, true));
    add(map, record("a", "00:00:00:00:00:01", 0x0A000001u, 1, 1240, true));
    QCOMPARE(model.rowCount(), 2);
    // Rows in map order, that is by MAC text.
    QCOMPARE(column(model, CAsstNasinfoModel::NameColumn),
             (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
    QVERIFY(!model.index(2, 0).isValid());
    QVERIFY(!model.index(0, 5).isValid());
    QVERIFY(!model.index(-1, 0).isValid());
}

void TestNasinfoModel::indexOfRemovedRecordAnswersNothing()
{
    NasInfoMap map;
    add(map, record("a", "00:00:00:00:00:01", 0x0A000001u, 1, 1240, true));
    add(map, record("b", "00:00:00:00:00:02", 0x0A000002u, 1, 1240, true));
    CAsstNasinfoModel model(&map);
    const QModelIndex second = model.index(1, CAsstNasinfoModel::NameColumn);
    QCOMPARE(second.data().toString(), QStringLiteral("b"));
    map.remove(QStringLiteral("00:00:00:00:00:02"));
    QVERIFY(!second.data().isValid());
    // An index keeps naming its record even when rows move underneath it.
    const QModelIndex first = model.index(0, CAsstNasinfoModel::NameColumn);
    add(map, record("0", "00:00:00:00:00:00", 0x0A000003u, 1, 1240, true));
    QCOMPARE(first.data().toString(), QStringLiteral("a"));
}

void TestNasinfoModel::addressesSortAsNumbers()
{
    NasInfoMap map;
    add(map, record("first", "00:00:00:00:00:01", 0x0A00000Au, 1, 1240, true));  // 10.0.0.10
    add(map, record("second", "00:00:00:00:00:02", 0x0A000009u, 1, 1240, true)); // 10.0.0.9
    add(map, record("third", "00:00:00:00:00:03", 0x09FF0001u, 1, 1240, true));  // 9.255.0.1
    add(map, record("Ärger", "00:00:00:00:00:04", 0xC0A80001u, 1, 1240, true));
    CAsstNasinfoModel model(&map);
    CAsstAddDlgNasinfoProxyModel proxy;
    proxy.setSourceModel(&model);
    proxy.sort(CAsstNasinfoModel::AddressColumn);
    QCOMPARE(column(proxy, CAsstNasinfoModel::AddressColumn),
             (QStringList{QStringLiteral("9.255.0.1"), QStringLiteral("10.0.0.9"),
                          QStringLiteral("10.0.0.10"), QStringLiteral("192.168.0.1")}));
    proxy.sort(CAsstNasinfoModel::NameColumn);
    QStringList names = column(proxy, CAsstNasinfoModel::NameColumn);
    QStringList expected = names;
    std::sort(expected.begin(), expected.end(),
              [](const QString& a, const QString& b) { return QString::localeAwareCompare(a, b) < 0; });
    QCOMPARE(names, expected);
}

void TestNasinfoModel::addDialogFilter_data()
{
    QTest::addColumn<quint32>("address");
    QTest::addColumn<int>("qcStatus");
    QTest::addColumn<int>("build");
    QTest::addColumn<bool>("flag3");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("configured, build 1093") << 0x0A000001u << 1 << 1093 << false << true;
    QTest::newRow("configured, build 1240 with flag 3") << 0x0A000001u << 1 << 1240 << true << true;
    QTest::newRow("configured, build 1240 without flag 3") << 0x0A000001u << 1 << 1240 << false << false;
    QTest::newRow("configured, build 1092") << 0x0A000001u << 1 << 1092 << true << false;
    QTest::newRow("not set up") << 0x0A000001u << 0 << 1240 << true << false;
    QTest::newRow("probe failed") << 0x0A000001u << 8 << 1240 << true << false;
    QTest::newRow("probe out") << 0x0A000001u << 10 << 1240 << true << false;
    QTest::newRow("no address") << 0u << 1 << 1240 << true << false;
}

void TestNasinfoModel::addDialogFilter()
{
    QFETCH(quint32, address);
    QFETCH(int, qcStatus);
    QFETCH(int, build);
    QFETCH(bool, flag3);
    QFETCH(bool, accepted);
    NasInfoMap map;
    add(map, record("korvat", "00:11:32:aa:bb:cc", address, qcStatus, build, flag3));
    CAsstNasinfoModel model(&map);
    CAsstAddDlgNasinfoProxyModel proxy;
    QCOMPARE(proxy.rowCount(), 0);
    proxy.setSourceModel(&model);
    QCOMPARE(proxy.rowCount(), accepted ? 1 : 0);
    QCOMPARE(proxy.columnCount(), 5);
}

void TestNasinfoModel::sortProxyKeepsEveryRow()
{
    NasInfoMap map;
    add(map, record("b", "00:00:00:00:00:02", 0x0A00000Au, 0, 1092, false));
    add(map, record("a", "00:00:00:00:00:01", 0x0A000009u, 8, 1240, false));
    CAsstNasinfoModel model(&map);
    CAsstSortNasinfoProxyModel proxy;
    proxy.setSourceModel(&model);
    proxy.sort(CAsstNasinfoModel::AddressColumn, Qt::DescendingOrder);
    QCOMPARE(column(proxy, CAsstNasinfoModel::AddressColumn),
             (QStringList{QStringLiteral("10.0.0.10"), QStringLiteral("10.0.0.9")}));
    add(map, record("c", "00:00:00:00:00:03", 0x0A00000Bu, 0, 1092, false));
    proxy.setSourceModel(&model);
    QCOMPARE(
        column(proxy, CAsstNasinfoModel::AddressColumn),
        (QStringList{QStringLiteral("10.0.0.11"), QStringLiteral("10.0.0.10"), QStringLiteral("10.0.0.9")}));
}

void TestNasinfoModel::viewsDrawTheModel()
{
    NasInfoMap map;
    add(map, record("korvat", "00:11:32:aa:bb:cc", 0x0A000001u, 1, 1240, true));
    add(map, record("other", "00:11:32:aa:bb:cd", 0x0A000002u, 1, 1093, false));
    CAsstNasinfoModel model(&map);
    CAsstAddDlgNasinfoProxyModel proxy;
    proxy.setSourceModel(&model);

    QComboBox combo;
    combo.setModel(&proxy);
    combo.setModelColumn(CAsstNasinfoModel::DisplayColumn);
    QCOMPARE(combo.count(), 2);
    QCOMPARE(combo.itemText(0), QStringLiteral("korvat (10.0.0.1)"));
    QTableView table;
    table.setModel(&model);
    table.resize(400, 200);
    QVERIFY(!table.grab().isNull());
    QVERIFY(!combo.grab().isNull());

    // The dialogs hand the model over again when the map has grown.
    add(map, record("third", "00:11:32:aa:bb:ce", 0x0A000003u, 1, 1100, false));
    proxy.setSourceModel(&model);
    QCOMPARE(combo.count(), 3);
}

LUMIO_TEST_MAIN(TestNasinfoModel)
#include "tst_nasinfomodel.moc"
