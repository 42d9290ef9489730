#include "ConsoleRun.h"
#include "TestEnvironment.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

// The README's run command, as a fresh machine without a display runs it, on this build.
class TestRunScript : public QObject
{
    Q_OBJECT

private slots:
    void uploadsTheSampleFolderWithoutADisplay();
};

void TestRunScript::uploadsTheSampleFolderWithoutADisplay()
{
    QTcpServer probe;
    QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
    const quint16 port = probe.serverPort();
    probe.close();
    QTemporaryDir demo;
    QVERIFY(demo.isValid());

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("LUMIO_PASSWORD"));
    environment.insert(QStringLiteral("LUMIO_BUILD_DIR"),
                       QDir(TestEnvironment::binDir()).absoluteFilePath(QStringLiteral("..")));
    environment.insert(QStringLiteral("LUMIO_SKIP_DEPS"), QStringLiteral("1"));
    environment.insert(QStringLiteral("LUMIO_DEMO_PORT"), QString::number(port));
    environment.insert(QStringLiteral("LUMIO_DEMO_DIR"), demo.path());
    const ConsoleRun::Result run = ConsoleRun::run(
        TestEnvironment::sourceDir() + QStringLiteral("/scripts/run.sh"), {}, environment, 540000);
    QVERIFY2(run.finished, run.out.constData());
    QVERIFY2(run.exitCode == 0, QByteArray(run.out + run.err).constData());
    const QString out = QString::fromUtf8(run.out);
    QVERIFY(out.contains(QStringLiteral("Demo Lumio server: http://127.0.0.1:%1").arg(port)));
    QVERIFY2(out.contains(QStringLiteral("Successfully uploaded: 8 files")), qPrintable(out));
    QVERIFY2(out.contains(QStringLiteral("1 album created")), qPrintable(out));

    // The sample folder and its eight files, named by capture time as the Demo profile asks; the dated
    // photo keeps its EXIF time.
    const QDir album(demo.filePath(QStringLiteral("photo/Sample")));
    QVERIFY(album.exists());
    const QStringList originals = album.entryList(QDir::Files, QDir::Name);
    QCOMPARE(originals.size(), 8);
    QVERIFY(originals.contains(QStringLiteral("IMG_20120501_101500.jpg")));
    for (const QString& suffix : {QStringLiteral("dng"), QStringLiteral("mp4"), QStringLiteral("png"),
                                  QStringLiteral("heic"), QStringLiteral("mov")})
        QCOMPARE(originals.filter(QLatin1Char('.') + suffix).size(), 1);
    QCOMPARE(originals.filter(QStringLiteral(".jpg")).size(), 3);
    for (const QString& name : originals) {
        const QDir renditions(album.filePath(QStringLiteral(".@__thumb/") + name));
        QVERIFY2(renditions.exists(QStringLiteral("THUM_S.jpg")), qPrintable(name));
        QVERIFY2(out.contains(QStringLiteral("    Sample/") + name), qPrintable(name));
    }
    for (const QString& video : {QStringLiteral(".mp4"), QStringLiteral(".mov")}) {
        QVERIFY(QDir(album.filePath(QStringLiteral(".@__thumb/") + originals.filter(video).first()))
                    .exists(QStringLiteral("MP4_MEDIUM.mp4")));
    }

    // The server the script started has stopped.
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    QVERIFY(!socket.waitForConnected(2000));
}

LUMIO_TEST_MAIN(TestRunScript)
#include "tst_runscript.moc"
