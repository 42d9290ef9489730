#include "AppPaths.h"
#include "FileTypes.h"
#include "HandOver.h"
#include "ProfileStore.h"
#include "ScriptedPrompter.h"
#include "TestEnvironment.h"
#include "Utf16File.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

void writeRaw(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray utf16le(const QString& text, bool bom)
{
    QByteArray bytes = bom ? QByteArray("\xff\xfe", 2) : QByteArray();
    for (QChar c : text) {
        bytes.append(static_cast<char>(c.unicode() & 0xff));
        bytes.append(static_cast<char>(c.unicode() >> 8));
    }
    return bytes;
}

void touch(const QString& path)
{
    writeRaw(path, "x");
}

} // namespace

class TestHandOver : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void shortcutEntries_data();
    void shortcutEntries();
    void fileListEncodings_data();
    void fileListEncodings();
    void missingFileListWarns();
    void writerRoundTrip();
    void folderCollection();
    void suffixClasses_data();
    void suffixClasses();
    void deviceImportWithScriptedCompanion();
    void deviceImportSkipsEverythingRecorded();

private:
    QString companionScript(const QString& body);
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestHandOver::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QDir().mkpath(AppPaths::dataFolder());
    ProfileStore::close();
    QFile::remove(AppPaths::dataFile(QStringLiteral("ZULDatabase")));
    QVERIFY(ProfileStore::open());
}

void TestHandOver::shortcutEntries_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    const QString twoNames = QStringLiteral("2\nb\na\n");
    QTest::newRow("index 0") << twoNames << 0 << "b";
    QTest::newRow("index 1") << twoNames << 1 << "a";
    QTest::newRow("past the end gives last") << twoNames << 5 << "a";
    QTest::newRow("count 0") << QStringLiteral("0\nb\na\n") << 0 << "";
    QTest::newRow("count not a number") << QStringLiteral("x\nb\n") << 0 << "";
    QTest::newRow("count larger than lines") << QStringLiteral("5\nb\n") << 3 << "b";
    QTest::newRow("CRLF") << QStringLiteral("2\r\nb\r\na\r\n") << 1 << "a";
}

void TestHandOver::shortcutEntries()
{
    QFETCH(QString, file);
    QFETCH(int, index);
    QFETCH(QString, name);
    writeRaw(AppPaths::dataFile(QStringLiteral("ShortCutList")), utf16le(file, true));
    QCOMPARE(HandOver::shortcutEntry(index), name);
    QFile::remove(AppPaths::dataFile(QStringLiteral("ShortCutList")));
    QCOMPARE(HandOver::shortcutEntry(0), QString());
    QVERIFY(HandOver::shortcutNames().isEmpty());
}

void TestHandOver::fileListEncodings_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QString text = QStringLiteral("3\n/home/u/Bilder/Grüße 1.jpg\n/home/u/写真.png\n");
    QString crlf = text;
    crlf.replace(QLatin1String("\n"), QLatin1String("\r\n"));
    QTest::newRow("BOM, LF") << utf16le(text, true);
    QTest::newRow("no BOM, LF") << utf16le(text, false);
    QTest::newRow("BOM, CRLF") << utf16le(crlf, true);
    QTest::newRow("no BOM, CRLF") << utf16le(crlf, false);
}

void TestHandOver::fileListEncodings()
{
    QFETCH(QByteArray, bytes);
    writeRaw(AppPaths::fileListPath(), bytes);
    ScriptedPrompter prompter;
    // The count line says 3 but only two paths follow.
    QCOMPARE(HandOver::readFileList(),
             (QStringList{QStringLiteral("/home/u/Bilder/Grüße 1.jpg"), QStringLiteral("/home/u/写真.png")}));
    QVERIFY(prompter.shown.isEmpty());
}

void TestHandOver::missingFileListWarns()
{
    QFile::remove(AppPaths::fileListPath());
    ScriptedPrompter prompter;
    QVERIFY(HandOver::readFileList().isEmpty());
    QCOMPARE(prompter.shown.size(), 1);
    QCOMPARE(prompter.shown.first().icon, Prompter::Icon::Warning);
    QCOMPARE(prompter.shown.first().title, QStringLiteral("Warning"));
    QCOMPARE(prompter.shown.first().text, QStringLiteral("Please upload from a non-empty folder."));
    QCOMPARE(prompter.shown.first().buttons, QStringList{QStringLiteral("OK")});
}

void TestHandOver::writerRoundTrip()
{
    const QString path = m_dir->filePath(QStringLiteral("list"));
    const QStringList lines = {QStringLiteral("2"), QStringLiteral("a b"), QStringLiteral("Ünïcødé ✓")};
    QVERIFY(Utf16File::writeLines(path, lines));
    QFile raw(path);
    QVERIFY(raw.open(QIODevice::ReadOnly));
    QCOMPARE(raw.readAll(), utf16le(QStringLiteral("2\na b\nÜnïcødé ✓\n"), true));
    QStringList read;
    QVERIFY(Utf16File::readLines(path, &read));
    QCOMPARE(read, lines);
}

void TestHandOver::folderCollection()
{
    const QString root = m_dir->filePath(QStringLiteral("pics"));
    touch(root + QStringLiteral("/y.jpg"));
    touch(root + QStringLiteral("/b.jpg"));
    touch(root + QStringLiteral("/sub/x.jpg"));
    touch(root + QStringLiteral("/sub/deeper/z.jpg"));
    touch(root + QStringLiteral("/.hidden.jpg"));
    touch(root + QStringLiteral("/.hiddendir/w.jpg"));
    QVERIFY(QFile::link(root + QStringLiteral("/y.jpg"), root + QStringLiteral("/link.jpg")));
    QCOMPARE(HandOver::collectFolderFiles(root),
             (QStringList{root + QStringLiteral("/sub/deeper/z.jpg"), root + QStringLiteral("/sub/x.jpg"),
                          root + QStringLiteral("/b.jpg"), root + QStringLiteral("/y.jpg")}));
    QVERIFY(HandOver::collectFolderFiles(QStringLiteral("pics")).isEmpty());
    QVERIFY(HandOver::collectFolderFiles(root + QStringLiteral("/missing")).isEmpty());
    QVERIFY(HandOver::collectFolderFiles(QString()).isEmpty());
}

void TestHandOver::suffixClasses_data()
{
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<int>("upload");
    QTest::addColumn<int>("conversion");
    QTest::addColumn<bool>("raw");
    QTest::newRow("JPG upper case") << "JPG" << 1 << 0 << false;
    QTest::newRow("gif uploads, no conversion") << "gif" << 1 << 2 << false;
    QTest::newRow("mkv is converted (phones' HEVC clips)") << "mkv" << 2 << 1 << false;
    QTest::newRow("HEIC upper case") << "HEIC" << 1 << 0 << false;
    QTest::newRow("heif") << "heif" << 1 << 0 << false;
    QTest::newRow("avif") << "avif" << 1 << 0 << false;
    QTest::newRow("webp") << "webp" << 1 << 0 << false;
    QTest::newRow("srt") << "srt" << 2 << 2 << false;
    QTest::newRow("mov") << "mov" << 2 << 1 << false;
    QTest::newRow("dvr-ms") << "dvr-ms" << 2 << 2 << false;
    QTest::newRow("txt") << "txt" << 3 << 2 << false;
    QTest::newRow("NEF upper case") << "NEF" << 1 << 0 << true;
    QTest::newRow("dng") << "dng" << 1 << 0 << true;
    QTest::newRow("empty (folder)") << "" << 3 << 2 << false;
}

void TestHandOver::suffixClasses()
{
    QFETCH(QString, suffix);
    QFETCH(int, upload);
    QFETCH(int, conversion);
    QFETCH(bool, raw);
    QCOMPARE(static_cast<int>(FileTypes::uploadClass(suffix)), upload);
    QCOMPARE(static_cast<int>(FileTypes::conversionClass(suffix)), conversion);
    QCOMPARE(FileTypes::isRawSuffix(suffix), raw);
}

QString TestHandOver::companionScript(const QString& body)
{
    const QString path = m_dir->filePath(QStringLiteral("PhotoAcquire"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    // utf16 FILE TEXT: writes the text as UTF-16 with a byte-order mark.
    file.write(
        "#!/bin/sh\n"
        "data=\"$XDG_DATA_HOME/Vexalon/Lumio Uploader\"\n"
        "utf16() { printf '\\377\\376' > \"$1\"; printf \"$2\" | iconv -f UTF-8 -t UTF-16LE >> \"$1\"; }\n"
        "echo \"$@\" >> \"$data/calls\"\n");
    file.write(body.toUtf8());
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

void TestHandOver::deviceImportWithScriptedCompanion()
{
    const QString script = companionScript(QStringLiteral(
        "case \"$1\" in\n"
        "0) utf16 \"$data/DeviceList\" '2\\nusb:001,004\\nCanon EOS\\nPTP "
        "camera\\nusb:002,009\\nNikon\\nStorage\\n' ;;\n"
        "1) utf16 \"$data/ContentList\" 'IMG_1.JPG\\n1024\\n2012:05:01 "
        "10:15:00\\nMVI_2.MOV\\n4096\\n2012:05:02\\nIMG_1.JPG\\n2048\\n2013\\n' ;;\n"
        "2) mkdir -p \"$XDG_RUNTIME_DIR/lumio-uploader/ZUL_PHOTO_TEMP/AUTOPLAY\"; cp \"$data/ImportList\" "
        "\"$data/ImportList.seen\" ;;\n"
        "esac\n"));
    HandOver::setPhotoAcquirePath(script);
    ScriptedPrompter prompter;
    QStringList ids, texts;
    HandOver::listDevices(&ids, &texts);
    QCOMPARE(ids, (QStringList{QStringLiteral("usb:001,004"), QStringLiteral("usb:002,009")}));
    QCOMPARE(texts,
             (QStringList{QStringLiteral("Canon EOS ( PTP camera )"), QStringLiteral("Nikon ( Storage )")}));

    QStringList items;
    DeviceImportMap map;
    QVERIFY(!HandOver::importDeviceItems(QStringLiteral("p"), ids.first(), true, &items, &map));
    QCOMPARE(items, (QStringList{QStringLiteral("IMG_1.JPG"), QStringLiteral("MVI_2.MOV"),
                                 QStringLiteral("IMG_1.JPG")}));
    QCOMPARE(map.size(), 2);
    QCOMPARE(map.value(QStringLiteral("IMG_1.JPG")).size, QStringLiteral("2048"));
    QCOMPARE(map.value(QStringLiteral("MVI_2.MOV")).modified, QStringLiteral("2012:05:02"));
    QCOMPARE(map.value(QStringLiteral("MVI_2.MOV")).deviceId, QStringLiteral("usb:001,004"));

    QStringList seen;
    QVERIFY(Utf16File::readLines(AppPaths::dataFile(QStringLiteral("ImportList.seen")), &seen));
    QCOMPARE(seen, items);
    QVERIFY(!QFile::exists(AppPaths::dataFile(QStringLiteral("ImportList"))));
    QVERIFY(!QFile::exists(AppPaths::dataFile(QStringLiteral("ContentList"))));
    QVERIFY(QFile::exists(AppPaths::dataFile(QStringLiteral("DeviceList"))));
    QStringList calls;
    QFile callFile(AppPaths::dataFile(QStringLiteral("calls")));
    QVERIFY(callFile.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(callFile.readAll()), QStringLiteral("0\n1 usb:001,004\n2 usb:001,004\n"));
    QVERIFY(prompter.shown.isEmpty());
    HandOver::setPhotoAcquirePath(QString());
}

void TestHandOver::deviceImportSkipsEverythingRecorded()
{
    const QString script = companionScript(
        QStringLiteral("case \"$1\" in\n"
                       "1) utf16 \"$data/ContentList\" 'A.JPG\\n10\\nt1\\nB.JPG\\n20\\nt2\\n' ;;\n"
                       "2) cp \"$data/ImportList\" \"$data/ImportList.seen\" ;;\n"
                       "esac\n"));
    HandOver::setPhotoAcquirePath(script);
    ProfileStore::createDeviceRecordsTable();
    ProfileStore::addDeviceRecord(QStringLiteral("A.JPG"), QStringLiteral("p"), QStringLiteral("10"),
                                  QStringLiteral("t1"), QStringLiteral("dev"));
    ProfileStore::addDeviceRecord(QStringLiteral("B.JPG"), QStringLiteral("p"), QStringLiteral("20"),
                                  QStringLiteral("t2"), QStringLiteral("dev"));
    QStringList items{QStringLiteral("stale")};
    DeviceImportMap map;
    QVERIFY(HandOver::importDeviceItems(QStringLiteral("p"), QStringLiteral("dev"), true, &items, &map));
    QVERIFY(items.isEmpty());
    QVERIFY(map.isEmpty());
    // The companion is still asked to import, with an empty list.
    QStringList seen{QStringLiteral("not read")};
    QVERIFY(Utf16File::readLines(AppPaths::dataFile(QStringLiteral("ImportList.seen")), &seen));
    QVERIFY(seen.isEmpty());
    // Without the skip flag everything is imported.
    QVERIFY(!HandOver::importDeviceItems(QStringLiteral("p"), QStringLiteral("dev"), false, &items, &map));
    QCOMPARE(items.size(), 2);
    HandOver::setPhotoAcquirePath(QString());
}

LUMIO_TEST_MAIN(TestHandOver)
#include "tst_handover.moc"
