#include "AppPaths.h"
#include "HeifFile.h"
#include "ImageConverter.h"
#include "LogCapture.h"
#include "TestEnvironment.h"
#include "TestMedia.h"
#include "ToolProcess.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <thread>

class TestImageConverter : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void thumbnails_data();
    void thumbnails();
    void readHintKeepsSizes_data();
    void readHintKeepsSizes();
    void orientationTagTurnsThumbnails_data();
    void orientationTagTurnsThumbnails();
    void quotingSurvivesTheSplit_data();
    void quotingSurvivesTheSplit();
    void userPathNeverReachesTool();
    void convertFailure_data();
    void convertFailure();
    void missingToolFailsCleanly();
    void missingSourceFails();
    void rawFiles_data();
    void rawFiles();
    void stopKillsTool_data();
    void stopKillsTool();
    void phonePictures_data();
    void phonePictures();
    void badPhonePictures_data();
    void badPhonePictures();
    void heifReaderShrinks_data();
    void heifReaderShrinks();

private:
    QString sourcePicture(const QSize& size);
    QStringList thumbnailPaths(const ImageConverter& converter, int sequence) const;
    // A 320 x 240 picture in four colours: red top left, green top right, blue bottom left, white
    // bottom right; made once, as PNG.
    QString quadrants();

    QTemporaryDir m_media;
    // Installed once the test framework has set up its own message handler.
    std::unique_ptr<LogCapture> m_log;
};

void TestImageConverter::initTestCase()
{
    m_log = std::make_unique<LogCapture>();
    QVERIFY(m_media.isValid());
    QVERIFY(AppPaths::prepareTempRootFolder());
    const ImageConverter converter;
    // The build lays the real tools beside the executables.
    QCOMPARE(converter.convertPath(), TestEnvironment::binDir() + QLatin1String("/ImageMagick/convert"));
    QCOMPARE(converter.dcrawPath(), TestEnvironment::binDir() + QLatin1String("/ImageMagick/dcraw"));
    QCOMPARE(QFileInfo(converter.convertPath()).canonicalFilePath(),
             QFileInfo(QStringLiteral("/usr/bin/convert")).canonicalFilePath());
}

void TestImageConverter::init()
{
    m_log->clear();
}

QString TestImageConverter::sourcePicture(const QSize& size)
{
    const QString path =
        m_media.filePath(QStringLiteral("photo_%1x%2.jpg").arg(size.width()).arg(size.height()));
    if (!QFileInfo::exists(path) && !TestMedia::makeJpeg(path, size))
        return QString();
    return path;
}

QStringList TestImageConverter::thumbnailPaths(const ImageConverter& converter, int sequence) const
{
    QStringList paths;
    for (const int size : converter.sizes())
        paths.append(AppPaths::workPrefix(sequence) + converter.sizeFiles().value(size));
    return paths;
}

void TestImageConverter::thumbnails_data()
{
    QTest::addColumn<QSize>("source");
    QTest::addColumn<int>("autoOrients");
    QTest::addColumn<QList<QSize>>("expected");
    QTest::addColumn<QString>("readHint");

    QTest::newRow("landscape 4000x3000 is turned upright in every thumbnail")
        << QSize(4000, 3000) << 5 << QList<QSize>{{1280, 960}, {640, 480}, {800, 600}, {320, 240}, {120, 90}}
        << "1280x960";
    QTest::newRow("portrait 3000x4000 is turned upright as well")
        << QSize(3000, 4000) << 5 << QList<QSize>{{960, 1280}, {480, 640}, {600, 800}, {240, 320}, {90, 120}}
        << "960x1280";
    QTest::newRow("landscape 3000x2000 is read for its own 1280x853 thumbnail, not a square box")
        << QSize(3000, 2000) << 5 << QList<QSize>{{1280, 853}, {640, 427}, {800, 533}, {320, 213}, {120, 80}}
        << "1280x853";
    QTest::newRow("landscape 1600x1200 gets a hint no larger than itself")
        << QSize(1600, 1200) << 5 << QList<QSize>{{1280, 960}, {640, 480}, {800, 600}, {320, 240}, {120, 90}}
        << "1280x960";
    QTest::newRow("portrait 900x1200 is read without the hint that would enlarge it")
        << QSize(900, 1200) << 5 << QList<QSize>{{900, 1200}, {480, 640}, {600, 800}, {240, 320}, {90, 120}}
        << "";
    QTest::newRow("landscape 640x480 is never enlarged")
        << QSize(640, 480) << 5 << QList<QSize>{{640, 480}, {640, 480}, {640, 480}, {320, 240}, {120, 90}}
        << "";
}

void TestImageConverter::thumbnails()
{
    QFETCH(QSize, source);
    QFETCH(int, autoOrients);
    QFETCH(QList<QSize>, expected);
    QFETCH(QString, readHint);

    const QString picture = sourcePicture(source);
    QVERIFY(!picture.isEmpty());
    ImageConverter converter;
    const int sequence = AppPaths::nextFileSequence();
    QCOMPARE(converter.convert(picture, sequence), 0);

    const QStringList commands = m_log->after(QStringLiteral("Image Thumb Process: "));
    QCOMPARE(commands.size(), 1);
    const QString command = commands.first();
    const QString prefix = AppPaths::workPrefix(sequence);
    const QString copy = prefix + QLatin1String("WinSourceTemp");

    QCOMPARE(command.count(QLatin1String("-auto-orient")), autoOrients);
    QCOMPARE(command.count(QLatin1String("-quality 80 -auto-orient -colorspace RGB")), autoOrients);

    QList<int> boxes;
    const QRegularExpression thumbnail(QStringLiteral("-thumbnail \"(\\d+)x(\\d+)>\""));
    for (auto it = thumbnail.globalMatch(command); it.hasNext();)
        boxes.append(it.next().captured(1).toInt());
    QCOMPARE(boxes, (QList<int>{1280, 640, 800, 320, 120}));
    QVERIFY(
        command.endsWith(QLatin1Char(' ') + ToolProcess::quotedPath(prefix + QLatin1String("THUMB_S.jpg"))));

    // The one read hint sits before the source; the tool is given the work copy.
    QStringList tokens = QProcess::splitCommand(command);
    QCOMPARE(tokens.takeFirst(), converter.convertPath());
    QCOMPARE(converter.readHint(source), readHint);
    if (!readHint.isEmpty()) {
        QCOMPARE(tokens.takeFirst(), QStringLiteral("-define"));
        QCOMPARE(tokens.takeFirst(), QStringLiteral("jpeg:size=") + readHint);
    }
    QCOMPARE(tokens.takeFirst(), copy);
    QCOMPARE(tokens.count(QStringLiteral("-define")), 5);
    QCOMPARE(tokens.mid(0, 3),
             (QStringList{QStringLiteral("("), QStringLiteral("-clone"), QStringLiteral("0")}));

    const QStringList outputs = thumbnailPaths(converter, sequence);
    for (int i = 0; i < outputs.size(); ++i)
        QCOMPARE(TestMedia::pictureSize(outputs.at(i)), expected.at(i));
    QVERIFY(!QFileInfo::exists(copy));
}

void TestImageConverter::readHintKeepsSizes_data()
{
    QTest::addColumn<QSize>("source");

    QTest::newRow("4:3, read at a third") << QSize(4000, 3000);
    QTest::newRow("3:2, read at a quarter") << QSize(6000, 4000);
}

void TestImageConverter::readHintKeepsSizes()
{
    QFETCH(QSize, source);
    const QString picture = sourcePicture(source);
    QVERIFY(!picture.isEmpty());
    ImageConverter converter;
    const int sequence = AppPaths::nextFileSequence();
    QCOMPARE(converter.convert(picture, sequence), 0);
    const QStringList outputs = thumbnailPaths(converter, sequence);
    QList<QSize> hinted;
    for (const QString& output : outputs) {
        hinted.append(TestMedia::pictureSize(output));
        QVERIFY(QFile::remove(output));
    }

    // The command as it reads without the hint in front of the source, run on the same copy.
    const QStringList commands = m_log->after(QStringLiteral("Image Thumb Process: "));
    QCOMPARE(commands.size(), 1);
    QStringList plain = QProcess::splitCommand(commands.first());
    plain.remove(1, 2);
    QVERIFY(QFile::copy(picture, plain.at(1)));
    const QString program = plain.takeFirst();
    QVERIFY(TestMedia::run(program, plain));
    QFile::remove(AppPaths::workPrefix(sequence) + QLatin1String("WinSourceTemp"));
    for (int i = 0; i < outputs.size(); ++i)
        QCOMPARE(TestMedia::pictureSize(outputs.at(i)), hinted.at(i));
}

void TestImageConverter::orientationTagTurnsThumbnails_data()
{
    QTest::addColumn<QSize>("stored");
    QTest::addColumn<int>("tag");
    QTest::addColumn<QSize>("shown");
    QTest::addColumn<QPoint>("markAt"); // where the stored top-left corner must show, in tenths

    QTest::newRow("untagged portrait") << QSize(300, 400) << 1 << QSize(300, 400) << QPoint(1, 1);
    QTest::newRow("portrait turned 180") << QSize(300, 400) << 3 << QSize(300, 400) << QPoint(9, 9);
    QTest::newRow("landscape pixels turned 90") << QSize(400, 300) << 6 << QSize(300, 400) << QPoint(9, 1);
    QTest::newRow("landscape pixels turned 270") << QSize(400, 300) << 8 << QSize(300, 400) << QPoint(1, 9);
}

void TestImageConverter::orientationTagTurnsThumbnails()
{
    QFETCH(QSize, stored);
    QFETCH(int, tag);
    QFETCH(QSize, shown);
    QFETCH(QPoint, markAt);

    // Blue with a red top-left quarter, as the pixels are stored.
    const QString picture = m_media.filePath(QStringLiteral("tagged_%1.jpg").arg(QTest::currentDataTag()));
    QImage image(stored, QImage::Format_RGB32);
    image.fill(Qt::blue);
    for (int y = 0; y < stored.height() / 2; ++y)
        for (int x = 0; x < stored.width() / 2; ++x)
            image.setPixelColor(x, y, Qt::red);
    QVERIFY(image.save(picture, "JPG", 95));
    QVERIFY(TestMedia::run(
        QStringLiteral("exiv2"),
        {QStringLiteral("-M"), QStringLiteral("set Exif.Image.Orientation Short %1").arg(tag), picture}));

    ImageConverter converter;
    const int sequence = AppPaths::nextFileSequence();
    QCOMPARE(converter.convert(picture, sequence), 0);
    for (const QString& output : thumbnailPaths(converter, sequence)) {
        QImageReader reader(output);
        reader.setAutoTransform(false);
        const QImage thumb = reader.read();
        QVERIFY2(!thumb.isNull(), qPrintable(output));
        QCOMPARE(thumb.width() > thumb.height(), shown.width() > shown.height());
        const QColor mark =
            thumb.pixelColor(thumb.width() * markAt.x() / 10, thumb.height() * markAt.y() / 10);
        QVERIFY2(mark.red() > 200 && mark.blue() < 60,
                 qPrintable(output + QLatin1String(": ") + mark.name()));
        const QColor other =
            thumb.pixelColor(thumb.width() * (10 - markAt.x()) / 10, thumb.height() * (10 - markAt.y()) / 10);
        QVERIFY2(other.blue() > 200 && other.red() < 60,
                 qPrintable(output + QLatin1String(": ") + other.name()));
        QFile::remove(output);
    }
}

void TestImageConverter::quotingSurvivesTheSplit_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("blanks") << QStringLiteral("/tmp/My Photos/a b.jpg");
    QTest::newRow("non-ASCII letters") << QStringLiteral("/tmp/Ürlaub/Ćevapi ß.jpg");
    QTest::newRow("a double quote inside") << QStringLiteral("/tmp/say \"cheese\".jpg");
    QTest::newRow("a double quote at both ends") << QStringLiteral("\"quoted\"");
    QTest::newRow("a lone double quote") << QStringLiteral("\"");
    QTest::newRow("geometry with a greater-than sign") << QStringLiteral("1280x1280>");
}

void TestImageConverter::quotingSurvivesTheSplit()
{
    QFETCH(QString, text);
    const QString command = QStringLiteral("tool ") + ToolProcess::quoted(text) + QStringLiteral(" next");
    QCOMPARE(QProcess::splitCommand(command),
             (QStringList{QStringLiteral("tool"), text, QStringLiteral("next")}));
}

void TestImageConverter::userPathNeverReachesTool()
{
    const QString folder = m_media.filePath(QStringLiteral("Ürlaub 2012 \"Süd\""));
    QVERIFY(QDir().mkpath(folder));
    const QString picture = folder + QLatin1String("/Strand bei Nacht ä ö.jpg");
    QVERIFY(TestMedia::makeJpeg(picture, QSize(640, 480)));

    // A stand-in that notes every argument it is given, its thread limit and whether it sees the
    // console's password, then hands the arguments to the real tool.
    const QString recorded = m_media.filePath(QStringLiteral("arguments.txt"));
    const QString standIn = m_media.filePath(QStringLiteral("recording/convert"));
    QVERIFY(TestMedia::writeScript(
        standIn, QStringLiteral("echo \"threads $MAGICK_THREAD_LIMIT $OMP_NUM_THREADS\" > '%1'\n"
                                "echo \"password ${LUMIO_PASSWORD-unset}\" >> '%1'\n"
                                "echo \"tunables $GLIBC_TUNABLES\" >> '%1'\n"
                                "for a in \"$@\"; do printf '%s\\n' \"$a\" >> '%1'; done\n"
                                "exec '%2' \"$@\"")
                     .arg(recorded, TestMedia::convert())));
    ImageConverter converter;
    converter.setConvertPath(standIn);
    const int sequence = AppPaths::nextFileSequence();
    qputenv("LUMIO_PASSWORD", "secret");
    qputenv("GLIBC_TUNABLES", "glibc.malloc.arena_max=2");
    const int result = converter.convert(picture, sequence);
    qunsetenv("LUMIO_PASSWORD");
    qunsetenv("GLIBC_TUNABLES");
    QCOMPARE(result, 0);

    QFile file(recorded);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList arguments =
        QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY(arguments.contains(AppPaths::workPrefix(sequence) + QLatin1String("WinSourceTemp")));
    // One converter per core: the tool is kept from starting worker threads of its own.
    QCOMPARE(arguments.first(), QStringLiteral("threads 1 1"));
    QCOMPARE(arguments.at(1), QStringLiteral("password unset"));
    // Huge pages for the tool's buffers, the user's own tunables kept.
    QCOMPARE(arguments.at(2), QStringLiteral("tunables glibc.malloc.arena_max=2:glibc.malloc.hugetlb=1:"
                                             "glibc.malloc.mmap_threshold=33554432:"
                                             "glibc.malloc.trim_threshold=1073741824"));
    for (const QString& argument : arguments) {
        QVERIFY2(!argument.contains(QLatin1String("Ürlaub")) && !argument.contains(QLatin1String("Strand")),
                 qPrintable(argument));
    }
    QVERIFY(!m_log->lines().join(QLatin1Char('\n')).contains(QLatin1String("Strand")));
    QCOMPARE(TestMedia::pictureSize(AppPaths::workPrefix(sequence) + QLatin1String("THUMB_XL.jpg")),
             QSize(640, 480));
}

void TestImageConverter::convertFailure_data()
{
    QTest::addColumn<QByteArray>("picture");
    QTest::addColumn<QString>("standInBody");
    QTest::addColumn<QString>("reason");

    QTest::newRow("real convert on a file that is no picture")
        << QByteArray("this is not a picture") << QString()
        << QStringLiteral("convert: no decode delegate for this image format `'");
    QTest::newRow("tool writes the last thumbnail, then exits 1")
        << QByteArray() << QStringLiteral("for last; do :; done\necho partial > \"$last\"\nexit 1")
        << QStringLiteral("convert: exit code 1");
    QTest::newRow("tool says why on its last word")
        << QByteArray()
        << QStringLiteral("echo 'convert: no space left on device @ error/blob.c/1' >&2\nexit 1")
        << QStringLiteral("convert: no space left on device");
}

void TestImageConverter::convertFailure()
{
    QFETCH(QByteArray, picture);
    QFETCH(QString, standInBody);
    QFETCH(QString, reason);

    QString source = m_media.filePath(QStringLiteral("broken.jpg"));
    if (picture.isEmpty()) {
        source = sourcePicture(QSize(320, 240));
    } else {
        QFile file(source);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(picture);
    }
    ImageConverter converter;
    if (!standInBody.isEmpty()) {
        const QString standIn = m_media.filePath(QStringLiteral("failing/convert"));
        QVERIFY(TestMedia::writeScript(standIn, standInBody));
        converter.setConvertPath(standIn);
    }
    const int sequence = AppPaths::nextFileSequence();
    const QString smallest = AppPaths::workPrefix(sequence) + QLatin1String("THUMB_S.jpg");
    QCOMPARE(converter.convert(source, sequence), -1);
    QCOMPARE(converter.failureReason(), reason);
    QVERIFY(!QFileInfo::exists(smallest));
    QVERIFY(!QFileInfo::exists(AppPaths::workPrefix(sequence) + QLatin1String("WinSourceTemp")));
    QCOMPARE(m_log->after(QStringLiteral("convert thumb error. delete ")), QStringList{smallest});
}

void TestImageConverter::missingToolFailsCleanly()
{
    ImageConverter converter;
    converter.setConvertPath(m_media.filePath(QStringLiteral("nowhere/convert")));
    const int sequence = AppPaths::nextFileSequence();
    QCOMPARE(converter.convert(sourcePicture(QSize(320, 240)), sequence), -1);
    QVERIFY(m_log->indexOf(QStringLiteral("Cannot start")) >= 0);
    QVERIFY(!QFileInfo::exists(AppPaths::workPrefix(sequence) + QLatin1String("WinSourceTemp")));
}

void TestImageConverter::missingSourceFails()
{
    ImageConverter converter;
    QCOMPARE(converter.convert(m_media.filePath(QStringLiteral("gone.jpg")), AppPaths::nextFileSequence()),
             -1);
    QCOMPARE(m_log->indexOf(QStringLiteral("Image Thumb Process")), -1);
}

void TestImageConverter::rawFiles_data()
{
    QTest::addColumn<QSize>("preview");
    QTest::addColumn<QSize>("mosaic");
    QTest::addColumn<bool>("developed");
    QTest::addColumn<QSize>("largest");

    QTest::newRow("preview 1616x1080 is used as it is")
        << QSize(1616, 1080) << QSize(1632, 1088) << false << QSize(1280, 855);
    QTest::newRow("preview 640x480 is too small: developed with -w -c")
        << QSize(640, 480) << QSize(656, 496) << true << QSize(656, 496);
}

void TestImageConverter::rawFiles()
{
    QFETCH(QSize, preview);
    QFETCH(QSize, mosaic);
    QFETCH(bool, developed);
    QFETCH(QSize, largest);

    const QString raw = m_media.filePath(QStringLiteral("Kamera Ä %1.DNG").arg(preview.width()));
    QVERIFY(TestMedia::makeDng(raw, preview, mosaic));
    ImageConverter converter;
    const int sequence = AppPaths::nextFileSequence();
    const QString prefix = AppPaths::workPrefix(sequence);
    QCOMPARE(converter.convert(raw, sequence), 0);

    const QString copy = ToolProcess::quotedPath(prefix + QLatin1String("WinRAWTemp"));
    const QString dcraw = ToolProcess::quotedPath(converter.dcrawPath());
    QCOMPARE(m_log->after(QStringLiteral("Extract Raw Image ")),
             QStringList{dcraw + QLatin1String(" -e -c ") + copy});
    const QStringList developing = m_log->after(QStringLiteral("Convert Raw Image "));
    const QString picture =
        prefix + (developed ? QLatin1String("RAWPPMSrc.ppm") : QLatin1String("RAWJpgSrc.jpg"));
    if (developed) {
        QCOMPARE(developing, QStringList{dcraw + QLatin1String(" -w -c ") + copy});
    } else {
        QVERIFY(developing.isEmpty());
    }
    const QStringList tokens =
        QProcess::splitCommand(m_log->after(QStringLiteral("Image Thumb Process: ")).first());
    QCOMPARE(tokens.at(tokens.indexOf(QStringLiteral("(")) - 1), picture);
    QCOMPARE(TestMedia::pictureSize(prefix + QLatin1String("THUMB_XL.jpg")), largest);
    QVERIFY(QFileInfo::exists(prefix + QLatin1String("THUMB_S.jpg")));
    // The intermediates, as large as the photo, go with the file and not at the end of the run.
    for (const char* workFile : {"WinRAWTemp", "RAWJpgSrc.jpg", "RAWPPMSrc.ppm"})
        QVERIFY2(!QFileInfo::exists(prefix + QLatin1String(workFile)), workFile);
}

void TestImageConverter::stopKillsTool_data()
{
    QTest::addColumn<QString>("tool");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("killLine");

    QTest::newRow("convert") << QStringLiteral("convert") << QStringLiteral("jpg")
                             << QStringLiteral("kill convert process");
    QTest::newRow("dcraw, and convert never starts")
        << QStringLiteral("dcraw") << QStringLiteral("dng") << QStringLiteral("kill dcraw process");
    QTest::newRow("HEIF reader, and convert never starts")
        << QStringLiteral("lumio-heif-decode") << QStringLiteral("heic")
        << QStringLiteral("kill HEIF decoder process");
}

void TestImageConverter::stopKillsTool()
{
    QFETCH(QString, tool);
    QFETCH(QString, source);
    QFETCH(QString, killLine);

    QString input = sourcePicture(QSize(320, 240));
    if (source == QLatin1String("dng")) {
        input = m_media.filePath(QStringLiteral("stop.dng"));
        QVERIFY(TestMedia::makeDng(input, QSize(64, 48), QSize(96, 64)));
    } else if (source == QLatin1String("heic")) {
        input = m_media.filePath(QStringLiteral("stop.heic"));
        QVERIFY(TestMedia::run(TestMedia::convert(), {sourcePicture(QSize(64, 48)), input}));
    }
    // A tool that would take far longer than any test: only the stop flag ends it.
    const QString standIn = m_media.filePath(QStringLiteral("slow/") + tool);
    QVERIFY(TestMedia::writeScript(standIn, QStringLiteral("exec sleep 300")));
    ImageConverter converter;
    if (tool == QLatin1String("convert"))
        converter.setConvertPath(standIn);
    else if (tool == QLatin1String("dcraw"))
        converter.setDcrawPath(standIn);
    else
        converter.setHeifDecoderPath(standIn);

    const int sequence = AppPaths::nextFileSequence();
    int result = 0;
    std::thread worker([&] { result = converter.convert(input, sequence); });
    QTRY_VERIFY_WITH_TIMEOUT(!TestMedia::childProcesses().isEmpty(), 20000);
    QElapsedTimer clock;
    clock.start();
    converter.setStopFlag(1);
    worker.join();
    qInfo("tool ended %lld ms after the stop request", clock.elapsed());

    QCOMPARE(result, -1);
    // A stop is no failure of the file: nothing to warn the user about.
    QVERIFY(converter.failureReason().isEmpty());
    QVERIFY(m_log->indexOf(killLine) >= 0);
    QCOMPARE(TestMedia::childProcesses(), QList<int>());
    if (tool != QLatin1String("convert"))
        QCOMPARE(m_log->indexOf(QStringLiteral("Image Thumb Process")), -1);
    QVERIFY(!QFileInfo::exists(AppPaths::workPrefix(sequence) + QLatin1String("WinSourceTemp")));
    QVERIFY(!QFileInfo::exists(AppPaths::workPrefix(sequence) + QLatin1String("HEIFSrc.pnm")));
    QVERIFY(!QFileInfo::exists(AppPaths::workPrefix(sequence) + QLatin1String("WinRAWTemp")));
}

QString TestImageConverter::quadrants()
{
    const QString path = m_media.filePath(QStringLiteral("quadrants.png"));
    if (!QFileInfo::exists(path)) {
        QImage image(320, 240, QImage::Format_RGB32);
        image.fill(Qt::white);
        for (int y = 0; y < 240; ++y) {
            for (int x = 0; x < 320; ++x) {
                if (y < 120)
                    image.setPixel(x, y, x < 160 ? qRgb(255, 0, 0) : qRgb(0, 255, 0));
                else if (x < 160)
                    image.setPixel(x, y, qRgb(0, 0, 255));
            }
        }
        if (!image.save(path))
            return QString();
    }
    return path;
}

namespace {

enum Corner
{
    Red,
    Green,
    Blue,
    White,
    Other
};

Corner cornerColour(const QImage& image, int x, int y)
{
    const QColor c = image.pixelColor(x, y);
    const auto high = [](int v) { return v > 190; };
    const auto low = [](int v) { return v < 70; };
    if (high(c.red()) && low(c.green()) && low(c.blue()))
        return Red;
    if (low(c.red()) && high(c.green()) && low(c.blue()))
        return Green;
    if (low(c.red()) && low(c.green()) && high(c.blue()))
        return Blue;
    if (high(c.red()) && high(c.green()) && high(c.blue()))
        return White;
    return Other;
}

// The colours of the four corners, clockwise from the top left.
QList<int> corners(const QString& path)
{
    const QImage image(path);
    if (image.isNull())
        return {};
    const int r = image.width() - 4;
    const int b = image.height() - 4;
    return {cornerColour(image, 3, 3), cornerColour(image, r, 3), cornerColour(image, r, b),
            cornerColour(image, 3, b)};
}

} // namespace

void TestImageConverter::phonePictures_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<int>("quarterTurns");
    QTest::addColumn<int>("mirrorAxis");
    QTest::addColumn<int>("exifOrientation");
    QTest::addColumn<QSize>("upright");
    QTest::addColumn<QList<int>>("expected");
    QTest::addColumn<bool>("ownReader");

    const QList<int> asStored{Red, Green, White, Blue};
    // HEIF turns and mirrors are applied by the decoder; the EXIF tag repeats them and must not act again.
    QTest::newRow("heic, plain") << "heic" << -1 << -1 << 0 << QSize(320, 240) << asStored << true;
    QTest::newRow("heic, turned a quarter clockwise, tag 6")
        << "heic" << 3 << -1 << 6 << QSize(240, 320) << QList<int>{Blue, Red, Green, White} << true;
    QTest::newRow("heic, turned a quarter anticlockwise, tag 8")
        << "heic" << 1 << -1 << 8 << QSize(240, 320) << QList<int>{Green, White, Blue, Red} << true;
    QTest::newRow("heic, half turn, tag 3")
        << "heic" << 2 << -1 << 3 << QSize(320, 240) << QList<int>{White, Blue, Red, Green} << true;
    // Debian's libheif 1.15 takes "imir" axis 0 as a flip from top to bottom and axis 1 as one from left
    // to right; whichever way the decoder reads it, the flip must happen once.
    QTest::newRow("heic, mirrored by axis 0, tag 4")
        << "heic" << -1 << 0 << 4 << QSize(320, 240) << QList<int>{Blue, White, Green, Red} << true;
    QTest::newRow("heic, mirrored by axis 1, tag 2")
        << "heic" << -1 << 1 << 2 << QSize(320, 240) << QList<int>{Green, Red, Blue, White} << true;
    QTest::newRow("heic, turned anticlockwise then mirrored by axis 1, tag 7")
        << "heic" << 1 << 1 << 7 << QSize(240, 320) << QList<int>{White, Green, Red, Blue} << true;
    QTest::newRow("heic, no transform but a stray tag 6 stays as stored")
        << "heic" << -1 << -1 << 6 << QSize(320, 240) << asStored << true;
    // Without the project's reader convert reads the file itself, and the turn still happens once.
    QTest::newRow("heic, turned a quarter clockwise, tag 6, read by convert")
        << "heic" << 3 << -1 << 6 << QSize(240, 320) << QList<int>{Blue, Red, Green, White} << false;
    QTest::newRow("avif") << "avif" << -1 << -1 << 0 << QSize(320, 240) << asStored << true;
    QTest::newRow("webp") << "webp" << -1 << -1 << 0 << QSize(320, 240) << asStored << true;
}

void TestImageConverter::phonePictures()
{
    QFETCH(QString, format);
    QFETCH(int, quarterTurns);
    QFETCH(int, mirrorAxis);
    QFETCH(int, exifOrientation);
    QFETCH(QSize, upright);
    QFETCH(QList<int>, expected);
    QFETCH(bool, ownReader);

    const QString source = quadrants();
    QVERIFY(!source.isEmpty());
    const QString plain = m_media.filePath(QStringLiteral("plain.") + format);
    QVERIFY(TestMedia::run(TestMedia::convert(), {source, plain}));
    QString picture = plain;
    if (format == QLatin1String("heic")) {
        picture = m_media.filePath(QStringLiteral("phone.heic"));
        HeifFile::Options options;
        options.quarterTurns = quarterTurns;
        options.mirrorAxis = mirrorAxis;
        options.exifOrientation = exifOrientation;
        QVERIFY(HeifFile::rewrite(plain, picture, options));
    }

    ImageConverter converter;
    QCOMPARE(QFileInfo(converter.heifDecoderPath()).fileName(), QStringLiteral("lumio-heif-decode"));
    if (!ownReader)
        converter.setHeifDecoderPath(m_media.filePath(QStringLiteral("no such reader")));
    const int sequence = AppPaths::nextFileSequence();
    QCOMPARE(converter.convert(picture, sequence), 0);
    QVERIFY(converter.failureReason().isEmpty());
    const bool readByOwnReader = !m_log->after(QStringLiteral("Image Thumb Process: "))
                                      .filter(QStringLiteral("HEIFSrc.pnm"))
                                      .isEmpty();
    QCOMPARE(readByOwnReader, ownReader && format != QLatin1String("webp"));
    const QStringList outputs = thumbnailPaths(converter, sequence);
    QCOMPARE(TestMedia::pictureSize(outputs.first()), upright);
    QCOMPARE(TestMedia::pictureSize(outputs.last()), upright.scaled(120, 120, Qt::KeepAspectRatio));
    QCOMPARE(corners(outputs.first()), expected);
    QCOMPARE(corners(outputs.at(3)), expected);

    // Once every picture is turned by "-auto-orient", the decoder's turn must still be the only one.
    for (const QString& output : outputs)
        QVERIFY(QFile::remove(output));
    const QString copy = AppPaths::workPrefix(sequence) + QLatin1String("WinSourceTemp");
    QVERIFY(QFile::copy(picture, copy));
    const QString command = converter.thumbnailCommand(copy, QSize(2, 1));
    QCOMPARE(command.count(QLatin1String("-auto-orient")), 5);
    const std::atomic<int> noStop{0};
    ToolProcess tool(noStop);
    QCOMPARE(tool.run(command), ToolProcess::Outcome::Finished);
    QCOMPARE(tool.exitCode(), 0);
    QFile::remove(copy);
    QCOMPARE(corners(outputs.first()), expected);
}

void TestImageConverter::badPhonePictures_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");

    QTest::newRow("truncated heic") << "truncated"
                                    << "could not read a picture";
    QTest::newRow("heic without a primary picture") << "no primary"
                                                    << "could not read a picture";
    QTest::newRow("animated webp") << "animation"
                                   << "animated WebP";
    QTest::newRow("avif sequence") << "sequence"
                                   << "picture sequence";
}

void TestImageConverter::badPhonePictures()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);

    const QString source = quadrants();
    QVERIFY(!source.isEmpty());
    const QString plain = m_media.filePath(QStringLiteral("bad plain.heic"));
    QVERIFY(TestMedia::run(TestMedia::convert(), {source, plain}));
    QString picture = m_media.filePath(QStringLiteral("bad.heic"));
    if (kind == QLatin1String("truncated")) {
        QFile in(plain);
        QFile out(picture);
        QVERIFY(in.open(QIODevice::ReadOnly) && out.open(QIODevice::WriteOnly));
        out.write(in.read(in.size() / 2));
    } else if (kind == QLatin1String("no primary")) {
        HeifFile::Options options;
        options.primaryItem = false;
        QVERIFY(HeifFile::rewrite(plain, picture, options));
    } else if (kind == QLatin1String("animation")) {
        picture = m_media.filePath(QStringLiteral("bad.webp"));
        QVERIFY(TestMedia::run(TestMedia::convert(),
                               {source, QStringLiteral("("), source, QStringLiteral("-negate"),
                                QStringLiteral(")"), QStringLiteral("-loop"), QStringLiteral("0"), picture}));
    } else {
        // Two AV1 frames in an ISO media file that calls itself an AVIF image sequence.
        picture = m_media.filePath(QStringLiteral("bad.avif"));
        const QString clip = m_media.filePath(QStringLiteral("two frames.mp4"));
        QVERIFY(TestMedia::makeClip(clip, {QStringLiteral("-f"), QStringLiteral("lavfi"),
                                           QStringLiteral("-i"), QStringLiteral("testsrc2=size=64x48:rate=2"),
                                           QStringLiteral("-frames:v"), QStringLiteral("2"),
                                           QStringLiteral("-c:v"), QStringLiteral("libaom-av1"),
                                           QStringLiteral("-cpu-used"), QStringLiteral("8")}));
        QFile in(clip);
        QVERIFY(in.open(QIODevice::ReadOnly));
        QByteArray bytes = in.readAll();
        QCOMPARE(bytes.mid(4, 4), QByteArray("ftyp"));
        bytes.replace(8, 4, "avis");
        QFile out(picture);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    }

    ImageConverter converter;
    const int sequence = AppPaths::nextFileSequence();
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(converter.convert(picture, sequence), -1);
    qInfo("failed after %lld ms: %s", clock.elapsed(), qUtf8Printable(converter.failureReason()));
    QVERIFY2(converter.failureReason().contains(reason), qUtf8Printable(converter.failureReason()));
    QCOMPARE(TestMedia::childProcesses(), QList<int>());
    // Nothing of this file is left for the hand-over, numbered frames of an animation included.
    const QString prefix = AppPaths::workPrefix(sequence);
    const QString name = QFileInfo(prefix).fileName();
    QStringList left;
    for (const QString& entry : QDir(QFileInfo(prefix).absolutePath()).entryList(QDir::Files)) {
        if (entry.startsWith(name) && (entry.size() == name.size() || !entry.at(name.size()).isDigit()))
            left.append(entry);
    }
    QCOMPARE(left, QStringList());
}

void TestImageConverter::heifReaderShrinks_data()
{
    QTest::addColumn<int>("quarterTurns");
    QTest::addColumn<int>("box");
    QTest::addColumn<QSize>("expected");

    // Shrunk to the box exactly on the long side, the short side rounded as convert rounds it.
    QTest::newRow("box larger than the picture: as it is") << -1 << 1280 << QSize(320, 240);
    QTest::newRow("long side exactly the box: as it is") << -1 << 320 << QSize(320, 240);
    QTest::newRow("half") << -1 << 160 << QSize(160, 120);
    QTest::newRow("short side rounded up from a half") << -1 << 130 << QSize(130, 98);
    QTest::newRow("turned, then halved") << 3 << 160 << QSize(120, 160);
}

void TestImageConverter::heifReaderShrinks()
{
    QFETCH(int, quarterTurns);
    QFETCH(int, box);
    QFETCH(QSize, expected);

    const QString source = quadrants();
    QVERIFY(!source.isEmpty());
    const QString plain = m_media.filePath(QStringLiteral("reader plain.heic"));
    if (!QFileInfo::exists(plain))
        QVERIFY(TestMedia::run(TestMedia::convert(), {source, plain}));
    const QString picture = m_media.filePath(QStringLiteral("reader.heic"));
    HeifFile::Options options;
    options.quarterTurns = quarterTurns;
    QVERIFY(HeifFile::rewrite(plain, picture, options));

    const QString bitmap = m_media.filePath(QStringLiteral("reader.pnm"));
    const ImageConverter converter;
    QByteArray errors;
    QVERIFY2(TestMedia::run(converter.heifDecoderPath(), {picture, bitmap, QString::number(box)}, nullptr,
                            &errors),
             errors.constData());
    const QImage image(bitmap);
    QCOMPARE(image.size(), expected);
    const QList<int> asStored{Red, Green, White, Blue};
    const QList<int> turned{Blue, Red, Green, White};
    QCOMPARE(corners(bitmap), quarterTurns < 0 ? asStored : turned);
    // Averaging keeps every colour's share of the picture, whatever the ratio.
    const QString whole = m_media.filePath(QStringLiteral("reader whole.pnm"));
    QVERIFY(TestMedia::run(converter.heifDecoderPath(), {picture, whole, QStringLiteral("1280")}));
    const QImage unshrunk(whole);
    const auto mean = [](const QImage& picture, int channel) {
        double sum = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                sum += (picture.pixel(x, y) >> (8 * channel)) & 0xff;
        return sum / (double(picture.width()) * picture.height());
    };
    for (int channel = 0; channel < 3; ++channel)
        QVERIFY2(std::abs(mean(image, channel) - mean(unshrunk, channel)) < 0.5,
                 qPrintable(QStringLiteral("%1 %2").arg(mean(image, channel)).arg(mean(unshrunk, channel))));
    if (image.size() != QSize(320, 240))
        return;
    // Unshrunk, the pixels are the ones convert reads from the file itself.
    const QString direct = m_media.filePath(QStringLiteral("reader direct.ppm"));
    QVERIFY(TestMedia::run(TestMedia::convert(), {picture, direct}));
    const QImage reference(direct);
    QCOMPARE(reference.size(), image.size());
    int worst = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb a = image.pixel(x, y);
            const QRgb b = reference.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                              std::abs(qBlue(a) - qBlue(b))});
        }
    }
    QVERIFY2(worst <= 2, qPrintable(QString::number(worst)));
}

LUMIO_TEST_MAIN(TestImageConverter)
#include "TestImageConverter.moc"
