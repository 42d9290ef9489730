#include "AppPaths.h"
#include "BandwidthLimit.h"
#include "FileConverter.h"
#include "FileUploader.h"
#include "HeifFile.h"
#include "ProfileStore.h"
#include "RequestHeaders.h"
#include "ServerProfile.h"
#include "TestEnvironment.h"
#include "TransferEstimate.h"
#include "UploadBody.h"
#include "UploadPlanner.h"
#include "UploadQueue.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

void writeFile(const QString& path, const QByteArray& bytes = "data")
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void writeJpeg(const QString& path, int width = 32, int height = 24)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QVERIFY(image.save(path, "JPG"));
}

QStringList kinds(const QList<UploadItem>& items)
{
    QStringList result;
    for (const UploadItem& item : items)
        result.append(item.value(UploadQueue::UploadType));
    return result;
}

QList<UploadItem> drain(UploadQueue* queue)
{
    QList<UploadItem> items;
    while (queue->waitForItem(0))
        items.append(queue->takeUploadItem());
    return items;
}

QStringList localPaths(const QList<ConversionEntry>& list)
{
    QStringList result;
    for (const ConversionEntry& entry : list)
        result.append(entry.value(UploadQueue::LocalPath) + QLatin1Char('|') +
                      entry.value(UploadQueue::TargetFolder));
    return result;
}

} // namespace

class TestUploadQueue : public QObject
{
    Q_OBJECT

private slots:
    void timeLeft_data();
    void timeLeft();
    void initTestCase();
    void init();
    void imageBatchOrder();
    void batchWithoutThumbnailsHasNoFirst();
    void videoRenditionsFollowQualityOrder();
    void folderItem();
    void lastBatchOfRunIsMarkedWhateverTheOrder();
    void contentWaitsForItsFolder_data();
    void contentWaitsForItsFolder();
    void progressSteps();
    void uniqueNames_data();
    void uniqueNames();
    void captureTimeNames();
    void phoneFolderThroughConverter();
    void listBuilding_data();
    void listBuilding();
    void hiddenAndUnsupportedFiles();
    void itemKeysAreComposed();
    void initRequestBody();
    void refusedAndPresentItems();
    void skipUploadedFiles();
    void resendPacing();
    void bandwidthLimitedBody();
    void headerValues();
    void workFilesOfOtherRunningCopiesStay();
    void cleanUpNeverFollowsLinks();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestUploadQueue::initTestCase()
{
    QVERIFY(AppPaths::prepareTempRootFolder());
}

void TestUploadQueue::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    AppPaths::removeFolderContents(AppPaths::tempRootFolder());
}

void TestUploadQueue::imageBatchOrder()
{
    UploadQueue queue;
    queue.setTotal(1);
    const QString prefix = AppPaths::workPrefix(7);
    for (const QString& kind : UploadQueue::thumbnailKinds())
        writeJpeg(prefix + UploadQueue::thumbnailSuffix(kind));
    queue.handOver(7, FileTypes::ConvertImage, false, QStringLiteral("/src/a.jpg"),
                   QStringLiteral("2012/trip"), QStringLiteral("IMG_1.jpg"), {1});
    const QList<UploadItem> items = drain(&queue);
    QCOMPARE(kinds(items),
             (QStringList{QStringLiteral("THUM_B"), QStringLiteral("THUM_L"), QStringLiteral("THUM_M"),
                          QStringLiteral("THUM_S"), QStringLiteral("THUM_XL"), QStringLiteral("ORIG_FILE")}));
    QCOMPARE(items.first().value(UploadQueue::LocalPath), prefix + QStringLiteral("THUMB_B.jpg"));
    QCOMPARE(items.first().value(UploadQueue::BatchFirst), QStringLiteral("true"));
    for (int i = 1; i < items.size(); ++i)
        QVERIFY(!items.at(i).contains(UploadQueue::BatchFirst));
    QCOMPARE(items.last().value(UploadQueue::BatchLast), QStringLiteral("true"));
    QCOMPARE(items.last().value(UploadQueue::RunLast), QStringLiteral("true"));
    QCOMPARE(items.last().value(UploadQueue::LocalPath), QStringLiteral("/src/a.jpg"));
    for (const UploadItem& item : items) {
        QCOMPARE(item.value(UploadQueue::TargetFolder), QStringLiteral("2012/trip"));
        QCOMPARE(item.value(UploadQueue::ServerName), QStringLiteral("IMG_1.jpg"));
    }
}

void TestUploadQueue::batchWithoutThumbnailsHasNoFirst()
{
    UploadQueue queue;
    queue.setTotal(2);
    const QString prefix = AppPaths::workPrefix(8);
    // A file that is not a picture does not count as a thumbnail.
    writeFile(prefix + QStringLiteral("THUMB_B.jpg"), "not a jpeg");
    queue.handOver(8, FileTypes::ConvertImage, false, QStringLiteral("/src/b.jpg"), QString(),
                   QStringLiteral("b.jpg"), {});
    const QList<UploadItem> items = drain(&queue);
    QCOMPARE(kinds(items), QStringList{QStringLiteral("ORIG_FILE")});
    QVERIFY(!items.first().contains(UploadQueue::BatchFirst));
    QVERIFY(!items.first().contains(UploadQueue::RunLast));
}

void TestUploadQueue::videoRenditionsFollowQualityOrder()
{
    UploadQueue queue;
    queue.setTotal(1);
    const QString prefix = AppPaths::workPrefix(9);
    writeJpeg(prefix + QStringLiteral("THUMB_S.jpg"));
    for (const char* suffix : {"FILM_H.mp4", "FILM_L.mp4", "FILM_MOBILE.mp4"})
        writeFile(prefix + QLatin1String(suffix));
    queue.handOver(9, FileTypes::ConvertVideo, false, QStringLiteral("/src/v.mov"), QString(),
                   QStringLiteral("v.mov"), {2, 1, 0, 3});
    const QList<UploadItem> items = drain(&queue);
    QCOMPARE(kinds(items),
             (QStringList{QStringLiteral("THUM_S"), QStringLiteral("MP4_LOW"), QStringLiteral("MP4_HIGH"),
                          QStringLiteral("MP4_MOBILE"), QStringLiteral("ORIG_FILE")}));
    QVERIFY(items.first().contains(UploadQueue::BatchFirst));
    for (int i = 1; i < items.size(); ++i)
        QVERIFY(!items.at(i).contains(UploadQueue::BatchFirst));
    // Every item names the user's file, which the progress shows beside the work file.
    for (const UploadItem& item : items)
        QCOMPARE(item.value(UploadQueue::SourcePath), QStringLiteral("/src/v.mov"));
}

void TestUploadQueue::folderItem()
{
    UploadQueue queue;
    queue.setTotal(3);
    queue.handOver(10, FileTypes::ConvertOther, true, QStringLiteral("/src/Trip"), QString(),
                   QStringLiteral("Trip"), {0});
    const QList<UploadItem> items = drain(&queue);
    QCOMPARE(items.size(), 1);
    QCOMPARE(items.first().keys(), (QList<int>{0, 1, 2, 3, 5, 8}));
    QCOMPARE(items.first().value(UploadQueue::UploadType), QStringLiteral("FOLDER"));
}

void TestUploadQueue::lastBatchOfRunIsMarkedWhateverTheOrder()
{
    UploadQueue queue;
    queue.setTotal(3);
    // Files finish out of list order: the third batch handed over ends the run.
    for (int sequence : {12, 11, 13})
        queue.handOver(sequence, FileTypes::ConvertOther, false, QStringLiteral("/src/%1.txt").arg(sequence),
                       QString(), QStringLiteral("%1.txt").arg(sequence), {});
    const QList<UploadItem> items = drain(&queue);
    QCOMPARE(items.size(), 3);
    QVERIFY(!items.at(0).contains(UploadQueue::RunLast));
    QVERIFY(!items.at(1).contains(UploadQueue::RunLast));
    QCOMPARE(items.at(2).value(UploadQueue::LocalPath), QStringLiteral("/src/13.txt"));
    QCOMPARE(items.at(2).value(UploadQueue::RunLast), QStringLiteral("true"));
}

void TestUploadQueue::contentWaitsForItsFolder_data()
{
    QTest::addColumn<bool>("vanished");
    QTest::newRow("folder sent") << false;
    // The converter then sees no folder and hands the entry over as a plain file.
    QTest::newRow("folder vanished before its turn") << true;
}

void TestUploadQueue::contentWaitsForItsFolder()
{
    QFETCH(bool, vanished);
    const QString root = m_dir->path();
    QDir().mkpath(root + QStringLiteral("/Trip/Inner"));
    const QString trip = root + QStringLiteral("/Trip");
    const QString inner = trip + QStringLiteral("/Inner");
    UploadQueue queue;
    queue.setConversionList(
        {{{UploadQueue::LocalPath, trip}, {UploadQueue::TargetFolder, QString()}},
         {{UploadQueue::LocalPath, inner}, {UploadQueue::TargetFolder, QStringLiteral("Trip")}},
         {{UploadQueue::LocalPath, inner + QStringLiteral("/c.jpg")},
          {UploadQueue::TargetFolder, QStringLiteral("Trip/Inner")}},
         {{UploadQueue::LocalPath, trip + QStringLiteral("/a.jpg")},
          {UploadQueue::TargetFolder, QStringLiteral("Trip")}},
         {{UploadQueue::LocalPath, root + QStringLiteral("/top.jpg")},
          {UploadQueue::TargetFolder, QString()}}});
    queue.setTotal(5);
    // Converters finish in the worst order: the contents before their folders.
    queue.handOver(1, FileTypes::ConvertOther, false, inner + QStringLiteral("/c.jpg"),
                   QStringLiteral("Trip/Inner"), QStringLiteral("c.jpg"), {});
    queue.handOver(2, FileTypes::ConvertOther, true, inner, QStringLiteral("Trip"), QStringLiteral("Inner"),
                   {});
    queue.handOver(3, FileTypes::ConvertOther, false, trip + QStringLiteral("/a.jpg"), QStringLiteral("Trip"),
                   QStringLiteral("a.jpg"), {});
    queue.handOver(4, FileTypes::ConvertOther, false, root + QStringLiteral("/top.jpg"), QString(),
                   QStringLiteral("top.jpg"), {});
    QList<UploadItem> items = drain(&queue);
    QCOMPARE(items.size(), 1);
    QCOMPARE(items.first().value(UploadQueue::ServerName), QStringLiteral("top.jpg"));
    if (vanished)
        QVERIFY(QDir(trip).removeRecursively());
    queue.handOver(5, FileTypes::ConvertOther, !vanished, trip, QString(), QStringLiteral("Trip"), {});
    items = drain(&queue);
    QCOMPARE(items.first().value(UploadQueue::UploadType), QStringLiteral("FOLDER"));
    QStringList names;
    for (const UploadItem& item : items)
        names.append(item.value(UploadQueue::ServerName));
    QCOMPARE(names, (QStringList{QStringLiteral("Trip"), QStringLiteral("Inner"), QStringLiteral("c.jpg"),
                                 QStringLiteral("a.jpg")}));
    QCOMPARE(items.last().value(UploadQueue::RunLast), QStringLiteral("true"));
    for (int i = 0; i < items.size() - 1; ++i)
        QVERIFY(!items.at(i).contains(UploadQueue::RunLast));
}

void TestUploadQueue::progressSteps()
{
    UploadQueue queue;
    queue.setTotal(4);
    const float next = queue.nextProgressStep(0.8f);
    QCOMPARE(static_cast<int>(next * 100) - 1, 19);
    const float complete = queue.completeProgressStep(0.8f);
    QCOMPARE(static_cast<int>(complete * 100), 20);
    QCOMPARE(static_cast<int>(queue.completeProgressStep(0.2f) * 100), 25);
}

void TestUploadQueue::uniqueNames_data()
{
    QTest::addColumn<QStringList>("bases");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("same name thrice")
        << QStringList{"IMG_20120501_101500", "IMG_20120501_101500", "IMG_20120501_101500"} << "jpg"
        << QStringList{"IMG_20120501_101500.jpg", "IMG_20120501_101500_1.jpg", "IMG_20120501_101500_2.jpg"};
    QTest::newRow("derived name already taken") << QStringList{"a_1", "a", "a", "a"} << "jpg"
                                                << QStringList{"a_1.jpg", "a.jpg", "a_1_1.jpg", "a_2.jpg"};
    QTest::newRow("derived name taken twice")
        << QStringList{"a", "a_1", "a"} << "jpg" << QStringList{"a.jpg", "a_1.jpg", "a_1_1.jpg"};
    QTest::newRow("no suffix") << QStringList{"README", "README"} << "" << QStringList{"README", "README_1"};
}

void TestUploadQueue::uniqueNames()
{
    QFETCH(QStringList, bases);
    QFETCH(QString, suffix);
    QFETCH(QStringList, names);
    UploadQueue queue;
    QStringList got;
    for (const QString& base : bases)
        got.append(FileConverter::uniqueServerName(&queue, base, suffix));
    QCOMPARE(got, names);
}

void TestUploadQueue::captureTimeNames()
{
    const QString withExif = m_dir->filePath(QStringLiteral("exif.jpg"));
    writeJpeg(withExif);
    const QString exiv2 = QStandardPaths::findExecutable(QStringLiteral("exiv2"));
    QVERIFY2(!exiv2.isEmpty(), "the exiv2 tool is needed to write test metadata");
    QCOMPARE(QProcess::execute(exiv2, {QStringLiteral("-M"),
                                       QStringLiteral("set Exif.Photo.DateTimeOriginal 2012:05:01 10:15:00"),
                                       withExif}),
             0);
    QCOMPARE(FileConverter::captureTimeName(withExif), QStringLiteral("IMG_20120501_101500"));

    const QString plain = m_dir->filePath(QStringLiteral("plain.jpg"));
    writeJpeg(plain);
    const QDateTime stamp(QDate(2013, 2, 3), QTime(4, 5, 6));
    QFile file(plain);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(stamp, QFileDevice::FileModificationTime));
    file.close();
    QCOMPARE(FileConverter::captureTimeName(plain), QStringLiteral("IMG_20130203_040506"));

    const QString text = m_dir->filePath(QStringLiteral("notes.jpg"));
    writeFile(text, "this is not a picture at all");
    QFile textFile(text);
    QVERIFY(textFile.open(QIODevice::ReadWrite));
    QVERIFY(textFile.setFileTime(stamp, QFileDevice::FileModificationTime));
    textFile.close();
    QCOMPARE(FileConverter::captureTimeName(text), QStringLiteral("IMG_20130203_040506"));

    QCOMPARE(FileConverter::captureTimeName(m_dir->filePath(QStringLiteral("missing.jpg"))), QString());
}

namespace {

bool runTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(QStandardPaths::findExecutable(program), arguments);
    return process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

bool setModified(const QString& path, const QDateTime& stamp)
{
    QFile file(path);
    return file.open(QIODevice::ReadWrite) && file.setFileTime(stamp, QFileDevice::FileModificationTime);
}

} // namespace

// A phone's folder as it arrives on the PC, converted and named by date the way a run does it.
void TestUploadQueue::phoneFolderThroughConverter()
{
    const QString root = m_dir->filePath(QStringLiteral("DCIM"));
    QVERIFY(QDir().mkpath(root));
    const auto at = [&](const QString& name) -> QString { return root + QLatin1Char('/') + name; };
    const QDateTime stamp(QDate(2013, 2, 3), QTime(4, 5, 6));

    // A Live Photo: its still says 10:15:00, its clip was started a second and a half earlier (UTC).
    const QString plain = m_dir->filePath(QStringLiteral("plain.heic"));
    QVERIFY(runTool(QStringLiteral("convert"), {QStringLiteral("-size"), QStringLiteral("320x240"),
                                                QStringLiteral("gradient:red-blue"), plain}));
    HeifFile::Options options;
    options.quarterTurns = 3;
    options.exifOrientation = 6;
    options.dateTimeOriginal = "2024:05:01 10:15:00";
    QVERIFY(HeifFile::rewrite(plain, at(QStringLiteral("IMG_0001.HEIC")), options));
    const QStringList clip{QStringLiteral("-y"),
                           QStringLiteral("-f"),
                           QStringLiteral("lavfi"),
                           QStringLiteral("-i"),
                           QStringLiteral("testsrc2=size=320x240:rate=5"),
                           QStringLiteral("-t"),
                           QStringLiteral("1"),
                           QStringLiteral("-c:v"),
                           QStringLiteral("libx265"),
                           QStringLiteral("-preset"),
                           QStringLiteral("ultrafast"),
                           QStringLiteral("-x265-params"),
                           QStringLiteral("log-level=error"),
                           QStringLiteral("-tag:v"),
                           QStringLiteral("hvc1"),
                           QStringLiteral("-metadata")};
    QVERIFY(runTool(QStringLiteral("ffmpeg"),
                    clip + QStringList{QStringLiteral("creation_time=2024-05-01T08:14:58Z"),
                                       at(QStringLiteral("IMG_0001.MOV"))}));
    // A clip of its own, named by its creation time rather than by when it was copied.
    const QDateTime clipTaken = QDateTime(QDate(2023, 7, 8), QTime(9, 10, 11), Qt::UTC);
    QVERIFY(runTool(QStringLiteral("ffmpeg"),
                    clip + QStringList{QStringLiteral("creation_time=2023-07-08T09:10:11Z"),
                                       at(QStringLiteral("VID_0002.mp4"))}));
    QVERIFY(setModified(at(QStringLiteral("VID_0002.mp4")), stamp));
    // A WebP with its capture time in the EXIF chunk.
    QVERIFY(
        runTool(QStringLiteral("convert"), {QStringLiteral("-size"), QStringLiteral("320x240"),
                                            QStringLiteral("xc:green"), at(QStringLiteral("shared.webp"))}));
    QVERIFY(
        runTool(QStringLiteral("exiv2"),
                {QStringLiteral("-M"), QStringLiteral("set Exif.Photo.DateTimeOriginal 2022:12:24 18:00:00"),
                 at(QStringLiteral("shared.webp"))}));
    // An Android motion photo: a JPEG with its clip appended; it goes up as the photo.
    writeJpeg(at(QStringLiteral("MVIMG_0003.jpg")), 320, 240);
    QVERIFY(
        runTool(QStringLiteral("exiv2"),
                {QStringLiteral("-M"), QStringLiteral("set Exif.Photo.DateTimeOriginal 2021:01:02 03:04:05"),
                 at(QStringLiteral("MVIMG_0003.jpg"))}));
    {
        QFile motion(at(QStringLiteral("MVIMG_0003.jpg")));
        QFile video(at(QStringLiteral("VID_0002.mp4")));
        QVERIFY(motion.open(QIODevice::Append) && video.open(QIODevice::ReadOnly));
        motion.write(video.readAll());
    }
    // A truncated HEIC: no thumbnails, but the original still goes, named by its modification time.
    {
        QFile in(plain);
        QFile out(at(QStringLiteral("broken.heic")));
        QVERIFY(in.open(QIODevice::ReadOnly) && out.open(QIODevice::WriteOnly));
        out.write(in.read(in.size() / 2));
    }
    QVERIFY(setModified(at(QStringLiteral("broken.heic")), stamp));

    const QStringList names{QStringLiteral("IMG_0001.HEIC"),  QStringLiteral("IMG_0001.MOV"),
                            QStringLiteral("VID_0002.mp4"),   QStringLiteral("shared.webp"),
                            QStringLiteral("MVIMG_0003.jpg"), QStringLiteral("broken.heic")};
    QList<ConversionEntry> entries;
    for (const QString& name : names)
        entries.append({{UploadQueue::LocalPath, at(name)}, {UploadQueue::TargetFolder, QString()}});
    UploadQueue queue;
    queue.setConversionList(entries);
    queue.setTotal(entries.size());
    ServerProfile profile;
    profile.daterename = true;
    profile.qualities = {3};
    FileConverter converter(&queue, &profile);
    converter.start();
    QVERIFY(converter.wait(300000));

    QMap<QString, QString> serverNames;
    QMap<QString, QStringList> batches;
    for (const UploadItem& item : drain(&queue)) {
        const QString local = QFileInfo(item.value(UploadQueue::LocalPath)).fileName();
        if (item.value(UploadQueue::UploadType) == QLatin1String("ORIG_FILE"))
            serverNames.insert(local, item.value(UploadQueue::ServerName));
        batches[item.value(UploadQueue::ServerName)].append(item.value(UploadQueue::UploadType));
    }
    const QString clipName =
        QStringLiteral("IMG_") + clipTaken.toLocalTime().toString(QStringLiteral("yyyyMMdd_hhmmss"));
    QCOMPARE(serverNames.value(QStringLiteral("IMG_0001.HEIC")), QStringLiteral("IMG_20240501_101500.HEIC"));
    QCOMPARE(serverNames.value(QStringLiteral("IMG_0001.MOV")), QStringLiteral("IMG_20240501_101500.MOV"));
    QCOMPARE(serverNames.value(QStringLiteral("VID_0002.mp4")), clipName + QStringLiteral(".mp4"));
    QCOMPARE(serverNames.value(QStringLiteral("shared.webp")), QStringLiteral("IMG_20221224_180000.webp"));
    QCOMPARE(serverNames.value(QStringLiteral("MVIMG_0003.jpg")), QStringLiteral("IMG_20210102_030405.jpg"));
    QCOMPARE(serverNames.value(QStringLiteral("broken.heic")), QStringLiteral("IMG_20130203_040506.heic"));

    const QStringList photo{QStringLiteral("THUM_B"), QStringLiteral("THUM_L"),  QStringLiteral("THUM_M"),
                            QStringLiteral("THUM_S"), QStringLiteral("THUM_XL"), QStringLiteral("ORIG_FILE")};
    QStringList video = photo;
    video.insert(5, QStringLiteral("MP4_MOBILE"));
    QCOMPARE(batches.value(QStringLiteral("IMG_20240501_101500.HEIC")), photo);
    QCOMPARE(batches.value(QStringLiteral("IMG_20240501_101500.MOV")), video);
    QCOMPARE(batches.value(clipName + QStringLiteral(".mp4")), video);
    QCOMPARE(batches.value(QStringLiteral("IMG_20221224_180000.webp")), photo);
    QCOMPARE(batches.value(QStringLiteral("IMG_20210102_030405.jpg")), photo);
    QCOMPARE(batches.value(QStringLiteral("IMG_20130203_040506.heic")),
             QStringList{QStringLiteral("ORIG_FILE")});
}

void TestUploadQueue::listBuilding_data()
{
    QTest::addColumn<bool>("keepStructure");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QStringList>("includes");
    QTest::addColumn<QStringList>("excludes");
    QTest::addColumn<QString>("newerThan");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("filtered");
    const QStringList none;
    QTest::newRow("keep, root") << true << "" << none << none << ""
                                << QStringList{"/Trip|", "/Trip/Day 2|Trip", "/Trip/Day 2/b.jpg|Trip/Day 2",
                                               "/Trip/a.jpg|Trip"}
                                << 0;
    QTest::newRow("flat, root") << false << "" << none << none << ""
                                << QStringList{"/Trip/Day 2/b.jpg|", "/Trip/a.jpg|"} << 0;
    QTest::newRow("keep, album") << true << "2012" << none << none << ""
                                 << QStringList{"/Trip|2012", "/Trip/Day 2|2012/Trip",
                                                "/Trip/Day 2/b.jpg|2012/Trip/Day 2", "/Trip/a.jpg|2012/Trip"}
                                 << 0;
    // Filters leave out files before anything is asked of the server; a folder left empty goes too.
    QTest::newRow("include by name") << true << "" << QStringList{"b*"} << none << ""
                                     << QStringList{"/Trip|", "/Trip/Day 2|Trip",
                                                    "/Trip/Day 2/b.jpg|Trip/Day 2"}
                                     << 1;
    QTest::newRow("include ignores case") << false << "" << QStringList{"x*", "*.JPG"} << none << ""
                                          << QStringList{"/Trip/Day 2/b.jpg|", "/Trip/a.jpg|"} << 0;
    QTest::newRow("include by path below the folder")
        << false << "" << QStringList{"Day 2/*"} << none << "" << QStringList{"/Trip/Day 2/b.jpg|"} << 1;
    QTest::newRow("star does not cross a slash")
        << true << "" << QStringList{"Day*"} << none << "" << QStringList{} << 2;
    QTest::newRow("exclude a folder by name")
        << true << "" << none << QStringList{"day 2"} << "" << QStringList{"/Trip|", "/Trip/a.jpg|Trip"} << 0;
    QTest::newRow("exclude by path empties a folder") << true << "" << none << QStringList{"Day 2/*.jpg"}
                                                      << "" << QStringList{"/Trip|", "/Trip/a.jpg|Trip"} << 1;
    QTest::newRow("exclude wins over include") << false << "" << QStringList{"*.jpg"} << QStringList{"a.jpg"}
                                               << "" << QStringList{"/Trip/Day 2/b.jpg|"} << 1;
    QTest::newRow("newer than a date")
        << true << "" << none << none << "2021-01-01"
        << QStringList{"/Trip|", "/Trip/Day 2|Trip", "/Trip/Day 2/b.jpg|Trip/Day 2"} << 1;
    QTest::newRow("modified at the very time is not newer")
        << false << "" << none << none << "2020-06-01T12:00:00" << QStringList{"/Trip/Day 2/b.jpg|"} << 1;
}

void TestUploadQueue::listBuilding()
{
    QFETCH(bool, keepStructure);
    QFETCH(QString, target);
    QFETCH(QStringList, includes);
    QFETCH(QStringList, excludes);
    QFETCH(QString, newerThan);
    QFETCH(QStringList, expected);
    QFETCH(int, filtered);
    const QString root = m_dir->path();
    writeJpeg(root + QStringLiteral("/Trip/a.jpg"));
    writeJpeg(root + QStringLiteral("/Trip/Day 2/b.jpg"));
    QFile old(root + QStringLiteral("/Trip/a.jpg"));
    QVERIFY(old.open(QIODevice::ReadWrite));
    QVERIFY(old.setFileTime(QDateTime(QDate(2020, 6, 1), QTime(12, 0)), QFileDevice::FileModificationTime));
    old.close();
    UploadPlanner::Options options;
    options.keepFolderStructure = keepStructure;
    options.targetFolder = target;
    options.includes = includes;
    options.excludes = excludes;
    options.newerThan = QDateTime::fromString(newerThan, Qt::ISODate);
    if (newerThan.size() == 10)
        options.newerThan = QDate::fromString(newerThan, Qt::ISODate).startOfDay();
    bool hasVideo = true;
    QStringList leftOut;
    const QList<ConversionEntry> list =
        UploadPlanner::buildList({root + QStringLiteral("/Trip")}, options, &hasVideo, nullptr, &leftOut);
    QVERIFY(!hasVideo);
    QStringList relative;
    for (QString entry : localPaths(list))
        relative.append(entry.remove(root));
    QCOMPARE(relative, expected);
    QCOMPARE(leftOut.size(), filtered);
}

void TestUploadQueue::hiddenAndUnsupportedFiles()
{
    const QString root = m_dir->filePath(QStringLiteral("src"));
    writeJpeg(root + QStringLiteral("/a.jpg"));
    writeFile(root + QStringLiteral("/.hidden.jpg"));
    writeFile(root + QStringLiteral("/notes.txt"));
    writeFile(root + QStringLiteral("/clip.mkv"));
    UploadPlanner::Options options;
    options.keepFolderStructure = false;
    bool hasVideo = false;
    QList<ConversionEntry> list = UploadPlanner::buildList({root}, options, &hasVideo);
    QCOMPARE(list.size(), 2);
    QVERIFY(hasVideo);
    options.supportedOnly = false;
    list = UploadPlanner::buildList({root, root + QStringLiteral("/missing.jpg")}, options, &hasVideo);
    QCOMPARE(list.size(), 3);
    QVERIFY(!localPaths(list).join(QLatin1Char(' ')).contains(QLatin1String(".hidden")));
    // An empty folder without keep-structure gives nothing to send.
    QDir().mkpath(m_dir->filePath(QStringLiteral("empty")));
    options.keepFolderStructure = false;
    QVERIFY(
        UploadPlanner::buildList({m_dir->filePath(QStringLiteral("empty"))}, options, &hasVideo).isEmpty());
}

void TestUploadQueue::itemKeysAreComposed()
{
    const QString decomposed = QStringLiteral("Cafe\u0301.jpg");
    ConversionEntry entry{{UploadQueue::LocalPath, QStringLiteral("/x/") + decomposed},
                          {UploadQueue::TargetFolder, QString()}};
    QCOMPARE(UploadPlanner::itemKey(entry), QStringLiteral("//Caf\u00e9.jpg"));
    entry.insert(UploadQueue::TargetFolder, QStringLiteral("2012/trip"));
    QCOMPARE(UploadPlanner::itemKey(entry), QStringLiteral("/2012/trip/Caf\u00e9.jpg"));
}

void TestUploadQueue::initRequestBody()
{
    const QString root = m_dir->path();
    writeFile(root + QStringLiteral("/a.jpg"));
    writeFile(root + QStringLiteral("/b.jpg"));
    const QList<ConversionEntry> list = {
        {{UploadQueue::LocalPath, root + QStringLiteral("/a.jpg")}, {UploadQueue::TargetFolder, QString()}},
        {{UploadQueue::LocalPath, root + QStringLiteral("/gone.jpg")},
         {UploadQueue::TargetFolder, QString()}},
        {{UploadQueue::LocalPath, root + QStringLiteral("/b.jpg")},
         {UploadQueue::TargetFolder, QStringLiteral("x")}}};
    const QString boundary = UploadPlanner::boundary(QDateTime(QDate(2012, 5, 1), QTime(10, 15, 0)));
    QCOMPARE(boundary, QStringLiteral("updbdry--2012-05-01T10:15:00------------------"));
    QCOMPARE(UploadPlanner::initContentType(boundary),
             QByteArray("multipart/form-data, boundary=updbdry--2012-05-01T10:15:00------------------"));
    QCOMPARE(UploadPlanner::initBody(list, boundary),
             QByteArray("--updbdry--2012-05-01T10:15:00------------------\r\n"
                        "content-disposition: form-data; name=\"filelist\"\r\n"
                        "\r\n"
                        "//a.jpg/FolderDelimiter//x/b.jpg\r\n"
                        "--updbdry--2012-05-01T10:15:00------------------\r\n"));
}

void TestUploadQueue::refusedAndPresentItems()
{
    const QString root = m_dir->path();
    writeJpeg(root + QStringLiteral("/Trip/a.jpg"));
    writeJpeg(root + QStringLiteral("/Trip/b.jpg"));
    bool hasVideo = false;
    QList<ConversionEntry> list = UploadPlanner::buildList({root + QStringLiteral("/Trip")}, {}, &hasVideo);
    QCOMPARE(list.size(), 3);
    UploadPlanner::InitReply reply;
    reply.duplicated = {QStringLiteral("//Trip"), QStringLiteral("/Trip/a.jpg")};
    reply.noPrivilege = {QStringLiteral("/Trip/b.jpg")};
    bool noPrivilege = false;
    bool present = false;
    UploadPlanner::dropRefused(&list, reply, &noPrivilege, &present);
    QVERIFY(noPrivilege);
    QVERIFY(present);
    // The folder the server has goes, its picture stays for the server's duplicate handling.
    QCOMPARE(localPaths(list), QStringList{root + QStringLiteral("/Trip/a.jpg|Trip")});
}

void TestUploadQueue::skipUploadedFiles()
{
    ProfileStore::close();
    QDir().mkpath(AppPaths::dataFolder());
    QVERIFY(ProfileStore::open());
    ProfileStore::createPhotoRecordsTable();
    const QString root = m_dir->path();
    writeFile(root + QStringLiteral("/sent.jpg"), "sent content");
    writeFile(root + QStringLiteral("/changed.jpg"), "new content!");
    writeFile(root + QStringLiteral("/fresh.jpg"), "fresh");
    for (const char* name : {"sent.jpg", "changed.jpg"}) {
        const QFileInfo info(root + QLatin1Char('/') + QLatin1String(name));
        const QString md5 = QLatin1String(name) == QLatin1String("sent.jpg")
                                ? ProfileStore::fileFingerprint(info.absoluteFilePath())
                                : QStringLiteral("0123456789abcdef0123456789abcdef");
        ProfileStore::addUploadRecord(info.fileName(), QStringLiteral("p"), info.size(),
                                      QString::number(info.lastModified().toSecsSinceEpoch()), md5);
    }
    QList<ConversionEntry> list;
    for (const char* name : {"sent.jpg", "changed.jpg", "fresh.jpg"})
        list.append({{UploadQueue::LocalPath, root + QLatin1Char('/') + QLatin1String(name)},
                     {UploadQueue::TargetFolder, QString()}});
    int calls = 0;
    // Told to stop, the scan leaves the list alone.
    QVERIFY(!UploadPlanner::dropUploaded(&list, QStringLiteral("p"), [&calls] { return ++calls < 2; }));
    QCOMPARE(calls, 2);
    QCOMPARE(list.size(), 3);
    calls = 0;
    QVERIFY(UploadPlanner::dropUploaded(&list, QStringLiteral("p"), [&calls] { return ++calls > 0; }));
    QCOMPARE(calls, 3);
    QCOMPARE(list.size(), 2);
    // A stop between files leaves the list as it was.
    QList<ConversionEntry> untouched = list;
    QVERIFY(!UploadPlanner::dropUploaded(&untouched, QStringLiteral("p"), [] { return false; }));
    QCOMPARE(untouched, list);
    QVERIFY(!UploadPlanner::dropUploaded(&list, QStringLiteral("other profile")));
}

void TestUploadQueue::resendPacing()
{
    QList<int> delays;
    for (int attempt = 1; attempt <= 8; ++attempt)
        delays.append(FileUploader::resendDelayMs(attempt));
    QCOMPARE(delays, (QList<int>{0, 1000, 2000, 4000, 8000, 16000, 30000, 30000}));
}

void TestUploadQueue::bandwidthLimitedBody()
{
    // 48 KiB at 64 KiB/s with a burst of 16 KiB: the rest must take at least half a second, and the
    // body must say by readyRead() when it has more rather than block the thread.
    QByteArray content(48 * 1024, '\0');
    for (int i = 0; i < content.size(); ++i)
        content[i] = static_cast<char>(i * 7);
    const QString path = m_dir->filePath(QStringLiteral("body.bin"));
    writeFile(path, content);
    BandwidthLimit limit(64 * 1024);
    UploadBody body(path, &limit);
    QVERIFY(body.openFile());
    QCOMPARE(body.size(), qint64(content.size()));
    int pauses = 0;
    connect(&body, &QIODevice::readyRead, this, [&pauses] { ++pauses; });
    QElapsedTimer clock;
    clock.start();
    QByteArray read;
    while (read.size() < content.size() && !clock.hasExpired(10000)) {
        const QByteArray chunk = body.read(8192);
        if (chunk.isEmpty()) {
            const int before = pauses;
            QVERIFY(QTest::qWaitFor([&] { return pauses > before; }, 2000));
        }
        read += chunk;
    }
    QVERIFY(read == content);
    QVERIFY(pauses > 0);
    QVERIFY2(clock.elapsed() >= 480, qPrintable(QString::number(clock.elapsed())));
}

void TestUploadQueue::headerValues()
{
    QCOMPARE(RequestHeaders::pathText(QStringLiteral("2012/trip")), QByteArray(" 2012%2Ftrip"));
    QCOMPARE(RequestHeaders::pathText(QString()), QByteArray(" "));
    QCOMPARE(RequestHeaders::cookieValue({QNetworkCookie("LUMIOSESSID", "abc"), QNetworkCookie("b", "c d")}),
             QByteArray("LUMIOSESSID=abc; b=c d"));
    QVERIFY(RequestHeaders::cookieValue({}).isEmpty());
    QCOMPARE(RequestHeaders::pathText(QStringLiteral("Cafe\u0301 & Co.jpg")),
             QByteArray(" Caf%C3%A9%20%26%20Co.jpg"));
}

void TestUploadQueue::workFilesOfOtherRunningCopiesStay()
{
    QProcess other;
    other.start(QStringLiteral("sleep"), {QStringLiteral("30")});
    QVERIFY(other.waitForStarted());
    QProcess finished;
    finished.start(QStringLiteral("true"));
    QVERIFY(finished.waitForFinished());
    const QString root = AppPaths::tempRootFolder();
    const QString live = QStringLiteral("%1_1THUMB_B.jpg").arg(other.processId());
    const QString gone = QStringLiteral("%1_2THUMB_B.jpg").arg(finished.processId());
    writeFile(root + QLatin1Char('/') + live);
    writeFile(root + QLatin1Char('/') + gone);
    writeFile(AppPaths::workPrefix(3) + QStringLiteral("FILM_H.mp4"));
    writeFile(root + QStringLiteral("/AUTOPLAY/DSC_1.JPG"));
    writeFile(root + QStringLiteral("/.hidden"));
    QVERIFY(AppPaths::removeWorkFiles());
    QCOMPARE(QDir(root).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             (QStringList{live, QStringLiteral("AUTOPLAY")}));
    other.kill();
    QVERIFY(other.waitForFinished());
    QVERIFY(AppPaths::prepareTempRootFolder());
    QVERIFY(QDir(root).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
}

void TestUploadQueue::timeLeft_data()
{
    // Samples as "ms:bytes:percent"; the time left after each one.
    QTest::addColumn<QStringList>("samples");
    QTest::addColumn<QList<int>>("secondsLeft");
    QTest::newRow("nothing done yet") << QStringList{"500:0:0", "1000:0:0"} << QList<int>{-1, -1};
    QTest::newRow("from elapsed and share done")
        << QStringList{"10000:100:10", "20000:200:50", "30000:300:100"} << QList<int>{90, 20, 0};
    // A long conversion: nothing is sent, the share stays, time passes; the estimate must not climb.
    QTest::newRow("holds while nothing is sent")
        << QStringList{"10000:500:20", "20000:500:20", "40000:500:20", "45000:900:20"}
        << QList<int>{40, 40, 40, 180};
    QTest::newRow("falls while nothing is sent")
        << QStringList{"10000:500:20", "12000:500:50"} << QList<int>{40, 12};
    QTest::newRow("durations") << QStringList{} << QList<int>{};
}

void TestUploadQueue::timeLeft()
{
    QFETCH(QStringList, samples);
    QFETCH(QList<int>, secondsLeft);
    TransferEstimate estimate;
    QList<int> shown;
    for (const QString& sample : samples) {
        const QStringList parts = sample.split(QLatin1Char(':'));
        estimate.addSample(parts.at(0).toLongLong(), parts.at(1).toLongLong(), parts.at(2).toInt());
        shown << estimate.secondsLeft();
    }
    QCOMPARE(shown, secondsLeft);
    if (samples.isEmpty()) {
        QCOMPARE(TransferEstimate::durationText(42), QStringLiteral("0:42"));
        QCOMPARE(TransferEstimate::durationText(725), QStringLiteral("12:05"));
        QCOMPARE(TransferEstimate::durationText(3723), QStringLiteral("1:02:03"));
    }
}

void TestUploadQueue::cleanUpNeverFollowsLinks()
{
    QTemporaryDir outside;
    const QString precious = outside.filePath(QStringLiteral("precious.jpg"));
    writeFile(precious);
    QVERIFY(QFile::setPermissions(precious, QFile::ReadOwner));
    QVERIFY(AppPaths::prepareTempRootFolder());
    const QString root = AppPaths::tempRootFolder();
    QVERIFY(QFile::link(precious, root + QStringLiteral("/link.jpg")));
    QVERIFY(QFile::link(outside.path(), root + QStringLiteral("/linked-folder")));
    QVERIFY(AppPaths::prepareTempRootFolder());
    QVERIFY(QDir(root)
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)
                .isEmpty());
    QVERIFY(QFile::exists(precious));
    QCOMPARE(QFile::permissions(precious) & QFile::WriteOwner, QFile::Permissions());

    // The work folder itself replaced by a link: a folder of our own takes its place, nothing is
    // emptied behind the link.
    QVERIFY(QDir().rmdir(root));
    QVERIFY(QFile::link(outside.path(), root));
    QVERIFY(AppPaths::prepareTempRootFolder());
    QVERIFY(QFileInfo(root).isDir() && !QFileInfo(root).isSymLink());
    QVERIFY(QFile::exists(precious));
}

LUMIO_TEST_MAIN(TestUploadQueue)
#include "tst_uploadqueue.moc"
