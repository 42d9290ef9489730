#include "AppPaths.h"
#include "HandOver.h"
#include "ProfileStore.h"
#include "TestEnvironment.h"
#include "Utf16File.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

// libgphoto2's "Directory Browse" driver presents a folder as a camera on the port "disk:<folder>".
QString cameraPort(const QString& folder)
{
    return QStringLiteral("disk:") + folder;
}

int runAcquire(const QStringList& arguments)
{
    QProcess process;
    process.start(TestEnvironment::binDir() + QStringLiteral("/PhotoAcquire"), arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return -1;
    return process.exitCode();
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& data)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(data);
}

void writeJpeg(const QString& path, Qt::GlobalColor color)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(16, 12, QImage::Format_RGB32);
    image.fill(color);
    QVERIFY(image.save(path, "JPG"));
}

} // namespace

class TestPhotoAcquire : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_card;

    QString cardFile(const QString& relative) const { return m_card.path() + QLatin1Char('/') + relative; }

private slots:
    void initTestCase()
    {
        QVERIFY(m_card.isValid());
        writeJpeg(cardFile(QStringLiteral("DCIM/100CANON/IMG_0001.JPG")), Qt::red);
        writeJpeg(cardFile(QStringLiteral("DCIM/100CANON/Straße 2.jpg")), Qt::green);
        writeJpeg(cardFile(QStringLiteral("DCIM/101CANON/IMG_0001.JPG")), Qt::blue);
        writeFile(cardFile(QStringLiteral("DCIM/101CANON/MVI_0002.MOV")), QByteArray(3000, 'v'));
        writeFile(cardFile(QStringLiteral("MISC/readme.txt")), QByteArray("not a picture"));
        QFile video(cardFile(QStringLiteral("DCIM/101CANON/MVI_0002.MOV")));
        QVERIFY(video.open(QIODevice::ReadWrite));
        QVERIFY(video.setFileTime(QDateTime(QDate(2026, 5, 4), QTime(10, 20, 30), Qt::UTC),
                                  QFileDevice::FileModificationTime));
        QDir().mkpath(AppPaths::dataFolder());
    }

    // The device list names the cameras gphoto2 itself detects; on a machine without any it is empty.
    void deviceListMatchesGphoto2Detection()
    {
        QFile::remove(AppPaths::dataFile(QStringLiteral("DeviceList")));
        QCOMPARE(runAcquire({QStringLiteral("0")}), 0);
        QStringList lines;
        QVERIFY(Utf16File::readLines(AppPaths::dataFile(QStringLiteral("DeviceList")), &lines));
        QVERIFY(!lines.isEmpty());
        HandOver::setPhotoAcquirePath(TestEnvironment::binDir() + QStringLiteral("/PhotoAcquire"));
        QStringList ids;
        QStringList texts;
        HandOver::listDevices(&ids, &texts);
        QCOMPARE(lines.first(), QString::number(ids.size()));
        QCOMPARE(texts.size(), ids.size());

        QProcess gphoto2;
        gphoto2.start(QStringLiteral("gphoto2"), {QStringLiteral("--auto-detect")});
        QVERIFY(gphoto2.waitForFinished(60000));
        const QStringList rows =
            QString::fromLocal8Bit(gphoto2.readAllStandardOutput()).split(QLatin1Char('\n'));
        QStringList ports;
        for (const QString& row : rows.mid(2)) {
            const QString port = row.section(QLatin1Char(' '), -1, -1, QString::SectionSkipEmpty);
            if (!port.isEmpty())
                ports.append(port);
        }
        QCOMPARE(ids, ports);
    }

    // A memory card mounted with a DCIM folder is what the desktop's camera hook reports; libgphoto2
    // offers it as a "Mass Storage Camera". The card is a tmpfs in a mount namespace of the test's own.
    void mountedCardIsListedAndImported()
    {
        if (QProcess::execute(QStringLiteral("unshare"),
                              {QStringLiteral("--mount"), QStringLiteral("true")}) != 0)
            QSKIP("no permission to create a mount namespace here");
        const QString card = QDir::tempPath() + QStringLiteral("/card");
        QVERIFY(QDir().mkpath(card));
        AppPaths::removeFolderContents(AppPaths::autoPlayFolder());
        QVERIFY(Utf16File::writeLines(AppPaths::dataFile(QStringLiteral("ImportList")),
                                      {QStringLiteral("IMG_0001.JPG")}));
        const QString acquire = TestEnvironment::binDir() + QStringLiteral("/PhotoAcquire");
        const QString script = QStringLiteral("set -e\n"
                                              "mount --make-rprivate /\n"
                                              "mount -t tmpfs -o size=4m lumio-card \"$1\"\n"
                                              "mkdir -p \"$1/DCIM/100CANON\"\n"
                                              "cp \"$3\" \"$1/DCIM/100CANON/IMG_0001.JPG\"\n"
                                              "\"$2\" 0\n"
                                              "\"$2\" 1 \"disk:$1\"\n"
                                              "\"$2\" 2 \"disk:$1\"\n");
        QProcess namespaced;
        namespaced.setProcessChannelMode(QProcess::MergedChannels);
        namespaced.start(QStringLiteral("unshare"),
                         {QStringLiteral("--mount"), QStringLiteral("sh"), QStringLiteral("-c"), script,
                          QStringLiteral("card-import"), card, acquire,
                          cardFile(QStringLiteral("DCIM/100CANON/IMG_0001.JPG"))});
        QVERIFY(namespaced.waitForFinished(60000));
        QVERIFY2(namespaced.exitCode() == 0, namespaced.readAll().constData());

        QStringList devices;
        QVERIFY(Utf16File::readLines(AppPaths::dataFile(QStringLiteral("DeviceList")), &devices));
        const int at = devices.indexOf(QStringLiteral("disk:") + card);
        QVERIFY2(at > 0, qPrintable(devices.join(QLatin1Char('|'))));
        QCOMPARE(devices.value(at + 1), QStringLiteral("Mass Storage Camera"));
        QStringList content;
        QVERIFY(Utf16File::readLines(AppPaths::dataFile(QStringLiteral("ContentList")), &content));
        QCOMPARE(content.size(), 3);
        QCOMPARE(content.first(), QStringLiteral("IMG_0001.JPG"));
        QCOMPARE(contents(AppPaths::autoPlayFolder() + QStringLiteral("/IMG_0001.JPG")),
                 contents(cardFile(QStringLiteral("DCIM/100CANON/IMG_0001.JPG"))));
        QVERIFY(QDir(card).isEmpty());
    }

    void contentListHoldsPicturesAndVideos()
    {
        QCOMPARE(runAcquire({QStringLiteral("1"), cameraPort(m_card.path())}), 0);
        QStringList lines;
        QVERIFY(Utf16File::readLines(AppPaths::dataFile(QStringLiteral("ContentList")), &lines));
        QCOMPARE(lines.size() % 3, 0);
        QHash<QString, QStringList> records;
        for (int i = 0; i + 2 < lines.size(); i += 3)
            records.insert(lines.at(i), {lines.at(i + 1), lines.at(i + 2)});
        const QStringList expectedNames{QStringLiteral("IMG_0001.JPG"), QStringLiteral("Straße 2.jpg"),
                                        QStringLiteral("DCIM_101CANON_IMG_0001.JPG"),
                                        QStringLiteral("MVI_0002.MOV")};
        QCOMPARE(records.size(), expectedNames.size());
        for (const QString& name : expectedNames)
            QVERIFY2(records.contains(name), qPrintable(name));
        QCOMPARE(records.value(QStringLiteral("MVI_0002.MOV")).at(0), QStringLiteral("3000"));
        QCOMPARE(records.value(QStringLiteral("MVI_0002.MOV")).at(1), QStringLiteral("2026-05-04T10:20:30Z"));
        QCOMPARE(records.value(QStringLiteral("IMG_0001.JPG")).at(0),
                 QString::number(QFileInfo(cardFile(QStringLiteral("DCIM/100CANON/IMG_0001.JPG"))).size()));
    }

    void importCopiesNamedItemsOnly()
    {
        AppPaths::removeFolderContents(AppPaths::autoPlayFolder());
        QVERIFY(Utf16File::writeLines(AppPaths::dataFile(QStringLiteral("ImportList")),
                                      {QStringLiteral("DCIM_101CANON_IMG_0001.JPG"),
                                       QStringLiteral("Straße 2.jpg"), QStringLiteral("../outside.jpg")}));
        QCOMPARE(runAcquire({QStringLiteral("2"), cameraPort(m_card.path())}), 0);
        const QDir autoPlay(AppPaths::autoPlayFolder());
        QCOMPARE(autoPlay.entryList(QDir::Files, QDir::Name),
                 (QStringList{QStringLiteral("DCIM_101CANON_IMG_0001.JPG"), QStringLiteral("Straße 2.jpg")}));
        QCOMPARE(contents(autoPlay.filePath(QStringLiteral("DCIM_101CANON_IMG_0001.JPG"))),
                 contents(cardFile(QStringLiteral("DCIM/101CANON/IMG_0001.JPG"))));
        QCOMPARE(contents(autoPlay.filePath(QStringLiteral("Straße 2.jpg"))),
                 contents(cardFile(QStringLiteral("DCIM/100CANON/Straße 2.jpg"))));
    }

    void programImportFillsMapAndFolder()
    {
        AppPaths::removeFolderContents(AppPaths::autoPlayFolder());
        QVERIFY(ProfileStore::open());
        if (!ProfileStore::deviceRecordsTableExists())
            ProfileStore::createDeviceRecordsTable();
        HandOver::setPhotoAcquirePath(TestEnvironment::binDir() + QStringLiteral("/PhotoAcquire"));
        const QString port = cameraPort(m_card.path());
        QStringList items;
        DeviceImportMap map;
        QVERIFY(!HandOver::importDeviceItems(QStringLiteral("alpha"), port, true, &items, &map));
        ProfileStore::close();
        QCOMPARE(items.size(), 4);
        for (const QString& name : items) {
            QVERIFY2(QFile::exists(AppPaths::autoPlayFolder() + QLatin1Char('/') + name), qPrintable(name));
            QCOMPARE(map.value(name).deviceId, port);
        }
        QVERIFY(!QFile::exists(AppPaths::dataFile(QStringLiteral("ImportList"))));
        QVERIFY(!QFile::exists(AppPaths::dataFile(QStringLiteral("ContentList"))));
    }

    void unknownPortImportsNothing()
    {
        AppPaths::removeFolderContents(AppPaths::autoPlayFolder());
        QVERIFY(Utf16File::writeLines(AppPaths::dataFile(QStringLiteral("ImportList")),
                                      {QStringLiteral("IMG_0001.JPG")}));
        QCOMPARE(runAcquire({QStringLiteral("1"), QStringLiteral("usb:999,999")}), 0);
        QStringList lines;
        QVERIFY(Utf16File::readLines(AppPaths::dataFile(QStringLiteral("ContentList")), &lines));
        QVERIFY(lines.isEmpty());
        QCOMPARE(runAcquire({QStringLiteral("2"), QStringLiteral("usb:999,999")}), 1);
        QVERIFY(QDir(AppPaths::autoPlayFolder()).entryList(QDir::Files).isEmpty());
    }
};

LUMIO_TEST_MAIN(TestPhotoAcquire)
#include "tst_photoacquire.moc"
