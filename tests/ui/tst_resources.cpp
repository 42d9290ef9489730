#include "TestEnvironment.h"

#include <QApplication>
#include <QImage>
#include <QImageReader>
#include <QMovie>
#include <QSet>
#include <QtTest>

// The dialogs paint these pictures at fixed positions and sizes, so each one must come out of the
// resource bundle at exactly the size the layouts were measured for.
class TestResources : public QObject
{
    Q_OBJECT

private slots:
    void imageHasLayoutSize_data();
    void imageHasLayoutSize();
    void stripTilesHorizontally_data();
    void stripTilesHorizontally();
    void hintCarriesTranslatedMenu_data();
    void hintCarriesTranslatedMenu();
    void spinnerIsAnimated();

private:
    static QImage load(const QString& name);
};

QImage TestResources::load(const QString& name)
{
    QImageReader reader(QStringLiteral(":/images/") + name);
    QImage image = reader.read();
    if (image.isNull())
        qWarning("%s: %s", qPrintable(name), qPrintable(reader.errorString()));
    return image;
}

void TestResources::imageHasLayoutSize_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");

    const auto row = [](const QString& name, QSize size) { QTest::newRow(qPrintable(name)) << name << size; };
    row(QStringLiteral("icon_64.png"), QSize(64, 64));
    row(QStringLiteral("bg_create.png"), QSize(520, 355));
    row(QStringLiteral("bg_setting.png"), QSize(520, 480));
    row(QStringLiteral("bg_header.png"), QSize(1920, 1080));
    row(QStringLiteral("bg_title.png"), QSize(16, 31));
    row(QStringLiteral("bg_title_line.png"), QSize(2, 31));
    row(QStringLiteral("bg_list.png"), QSize(16, 40));
    row(QStringLiteral("bg_list_hover.png"), QSize(16, 40));
    for (const char* state : {"normal", "hover", "action"}) {
        const QString stem = QStringLiteral("bt_create_") + QLatin1String(state);
        row(stem + QStringLiteral("1.png"), QSize(34, 32));
        row(stem + QStringLiteral("2.png"), QSize(4, 32));
        row(stem + QStringLiteral("3.png"), QSize(13, 32));
    }
    for (const char* icon :
         {"bt_edit", "bt_edit_hover", "bt_del", "bt_del_hover", "bt_upload", "bt_upload_hover"})
        row(QLatin1String(icon) + QStringLiteral(".png"), QSize(30, 30));
    row(QStringLiteral("bt_help.png"), QSize(18, 18));
    row(QStringLiteral("icon_sort_asc.png"), QSize(9, 5));
    row(QStringLiteral("icon_sort_des.png"), QSize(9, 5));
    for (const char* hint : {"hint", "hint_cht", "hint_deu", "hint_esn", "hint_fra", "hint_jpn", "hint_krn",
                             "hint_nld", "hint_ptg"})
        row(QLatin1String(hint) + QStringLiteral(".png"), QSize(480, 200));
    row(QStringLiteral("loading.gif"), QSize(20, 20));
}

void TestResources::imageHasLayoutSize()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);

    const QImage image = load(name);
    QVERIFY2(!image.isNull(), qPrintable(name));
    QCOMPARE(image.size(), size);

    // A drawn picture, not a flat placeholder.
    QSet<QRgb> colours;
    for (int y = 0; y < image.height() && colours.size() < 2; ++y)
        for (int x = 0; x < image.width() && colours.size() < 2; ++x)
            colours.insert(image.pixel(x, y));
    QVERIFY2(colours.size() > 1, qPrintable(name));
}

void TestResources::stripTilesHorizontally_data()
{
    QTest::addColumn<QString>("name");

    // Stretched or repeated across any width: every row must be one colour or a seam shows.
    for (const char* name : {"bg_header.png", "bg_title.png", "bg_list.png", "bg_list_hover.png",
                             "bt_create_normal2.png", "bt_create_hover2.png", "bt_create_action2.png"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestResources::stripTilesHorizontally()
{
    QFETCH(QString, name);

    const QImage image = load(name).convertToFormat(QImage::Format_ARGB32);
    QVERIFY(!image.isNull());
    for (int y = 0; y < image.height(); ++y) {
        const QRgb first = image.pixel(0, y);
        for (int x = 1; x < image.width(); ++x)
            QVERIFY2(image.pixel(x, y) == first,
                     qPrintable(QStringLiteral("row %1 column %2").arg(y).arg(x)));
    }
}

void TestResources::hintCarriesTranslatedMenu_data()
{
    QTest::addColumn<QString>("code");

    for (const char* code : {"cht", "deu", "esn", "fra", "jpn", "krn", "nld", "ptg"})
        QTest::newRow(code) << QString::fromLatin1(code);
}

void TestResources::hintCarriesTranslatedMenu()
{
    QFETCH(QString, code);

    const QImage fallback = load(QStringLiteral("hint.png")).convertToFormat(QImage::Format_ARGB32);
    const QImage localised =
        load(QStringLiteral("hint_%1.png").arg(code)).convertToFormat(QImage::Format_ARGB32);
    QVERIFY(!fallback.isNull());
    QVERIFY(!localised.isNull());
    QVERIFY(localised != fallback);

    // Only the menu entry's text differs; the rest of the picture is shared.
    const QRect menuEntry(250, 140, 215, 26);
    for (int y = 0; y < fallback.height(); ++y)
        for (int x = 0; x < fallback.width(); ++x)
            if (!menuEntry.contains(x, y) && localised.pixel(x, y) != fallback.pixel(x, y))
                QFAIL(qPrintable(QStringLiteral("differs outside the menu entry at %1,%2").arg(x).arg(y)));
}

void TestResources::spinnerIsAnimated()
{
    const QString path = QStringLiteral(":/images/loading.gif");
    QImageReader reader(path);
    QVERIFY(reader.supportsAnimation());
    QVERIFY2(reader.imageCount() > 1, qPrintable(QString::number(reader.imageCount())));
    QCOMPARE(reader.loopCount(), -1);

    QList<QImage> frames;
    for (QImage frame = reader.read(); !frame.isNull(); frame = reader.read()) {
        QCOMPARE(frame.size(), QSize(20, 20));
        frames.append(frame.convertToFormat(QImage::Format_ARGB32));
    }
    QCOMPARE(frames.size(), reader.imageCount());
    for (int i = 1; i < frames.size(); ++i)
        QVERIFY2(frames.at(i) != frames.at(i - 1), qPrintable(QStringLiteral("frame %1").arg(i)));

    QMovie movie(path);
    QVERIFY(movie.isValid());
    QCOMPARE(movie.frameCount(), frames.size());
}

LUMIO_TEST_MAIN(TestResources)

#include "tst_resources.moc"
