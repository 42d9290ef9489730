#include "TestEnvironment.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct ProcessResult
{
    int exitCode = -1;
    QString output;
};

ProcessResult run(const QString& program, const QStringList& arguments, int timeoutMs = 300000)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LUMIO_CLOSE_DIALOGS_AT_ONCE"), QStringLiteral("1"));
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    ProcessResult result;
    if (!process.waitForFinished(timeoutMs))
        return result;
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.output = QString::fromLocal8Bit(process.readAll());
    return result;
}

QString commandOf(const QString& exec)
{
    return exec.section(QLatin1Char(' '), 0, 0);
}

} // namespace

// Builds the Debian package from this build and checks what a user would get from installing it.
class TestPackage : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_output;
    QString m_package;
    QString m_root;

    QString installed(const QString& path) const { return m_root + path; }

private slots:
    void initTestCase()
    {
        QVERIFY(m_output.isValid());
        const ProcessResult cpack =
            run(QStringLiteral("cpack"),
                {QStringLiteral("--config"), QStringLiteral(LUMIO_BUILD_ROOT "/CPackConfig.cmake"),
                 QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("-B"), m_output.path()});
        QVERIFY2(cpack.exitCode == 0, qPrintable(cpack.output));
        const QStringList packages = QDir(m_output.path()).entryList({QStringLiteral("*.deb")}, QDir::Files);
        QCOMPARE(packages.size(), 1);
        m_package = m_output.filePath(packages.first());
        m_root = m_output.filePath(QStringLiteral("root"));
        const ProcessResult extract =
            run(QStringLiteral("dpkg-deb"), {QStringLiteral("-x"), m_package, m_root});
        QVERIFY2(extract.exitCode == 0, qPrintable(extract.output));
    }

    void controlFields_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QStringList>("mustHold");
        QTest::newRow("package name")
            << QStringLiteral("Package") << QStringList{QStringLiteral("lumio-uploader")};
        QTest::newRow("conversion tools and Qt plugins")
            << QStringLiteral("Depends")
            << QStringList{QStringLiteral("imagemagick"), QStringLiteral("dcraw"), QStringLiteral("ffmpeg"),
                           QStringLiteral("libqt6sql6-sqlite")};
        QTest::newRow("libraries found by shlibdeps")
            << QStringLiteral("Depends")
            << QStringList{QStringLiteral("libqt6widgets6"), QStringLiteral("libqt6network6"),
                           QStringLiteral("libexiv2-"), QStringLiteral("libgphoto2-6"),
                           QStringLiteral("libssl3")};
    }
    void controlFields()
    {
        QFETCH(QString, field);
        QFETCH(QStringList, mustHold);
        const ProcessResult fields =
            run(QStringLiteral("dpkg-deb"), {QStringLiteral("-f"), m_package, field});
        QCOMPARE(fields.exitCode, 0);
        for (const QString& text : mustHold)
            QVERIFY2(fields.output.contains(text), qPrintable(field + QStringLiteral(": ") + fields.output));
    }

    void installedFiles_data()
    {
        QTest::addColumn<QString>("path");
        for (const char* path :
             {"/usr/lib/lumio-uploader/lumio-uploader", "/usr/lib/lumio-uploader/lumio-send",
              "/usr/lib/lumio-uploader/lumio-upload", "/usr/lib/lumio-uploader/lumio-refserver",
              "/usr/lib/lumio-uploader/lumio-discovery-responder", "/usr/lib/lumio-uploader/PhotoAcquire",
              "/usr/lib/lumio-uploader/lumio-heif-decode", "/usr/share/applications/lumio-uploader.desktop",
              "/usr/share/applications/lumio-send.desktop",
              "/usr/share/applications/lumio-uploader-import.desktop",
              "/usr/share/kio/servicemenus/lumio-upload.desktop",
              "/usr/share/nemo/actions/lumio-upload.nemo_action",
              "/usr/share/icons/hicolor/scalable/apps/lumio-uploader.svg",
              "/usr/share/icons/hicolor/64x64/apps/lumio-uploader.png",
              "/usr/share/man/man1/lumio-uploader.1", "/usr/share/man/man1/lumio-send.1"})
            QTest::newRow(path) << QString::fromLatin1(path);
    }
    void installedFiles()
    {
        QFETCH(QString, path);
        const QFileInfo info(installed(path));
        QVERIFY2(info.isFile() && !info.isSymLink(), qPrintable(path));
        QVERIFY(info.size() > 0);
        if (path.contains(QLatin1String("/lib/")))
            QVERIFY(info.isExecutable());
    }

    void commandLinksReachTheProgramFolder_data()
    {
        QTest::addColumn<QString>("command");
        for (const char* command :
             {"lumio-uploader", "lumio-send", "lumio-upload", "lumio-refserver", "lumio-discovery-responder"})
            QTest::newRow(command) << QString::fromLatin1(command);
    }
    void commandLinksReachTheProgramFolder()
    {
        QFETCH(QString, command);
        const QFileInfo link(installed(QStringLiteral("/usr/bin/") + command));
        QVERIFY(link.isSymLink());
        QCOMPARE(link.symLinkTarget(), installed(QStringLiteral("/usr/lib/lumio-uploader/") + command));
    }

    void toolLinksPointAtSystemTools_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("target");
        QTest::newRow("convert") << QStringLiteral("ImageMagick/convert")
                                 << QStringLiteral("/usr/bin/convert");
        QTest::newRow("dcraw") << QStringLiteral("ImageMagick/dcraw") << QStringLiteral("/usr/bin/dcraw");
        QTest::newRow("ffmpeg") << QStringLiteral("ffmpeg/ffmpeg") << QStringLiteral("/usr/bin/ffmpeg");
        QTest::newRow("qt-faststart")
            << QStringLiteral("ffmpeg/qt-faststart") << QStringLiteral("/usr/bin/qt-faststart");
    }
    void toolLinksPointAtSystemTools()
    {
        QFETCH(QString, link);
        QFETCH(QString, target);
        const QFileInfo info(installed(QStringLiteral("/usr/lib/lumio-uploader/") + link));
        QVERIFY(info.isSymLink());
        QCOMPARE(info.symLinkTarget(), target);
    }

    void desktopEntriesStartInstalledCommands_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("mimeType");
        QTest::newRow("application menu") << QStringLiteral("lumio-uploader.desktop") << QString();
        QTest::newRow("open with") << QStringLiteral("lumio-send.desktop") << QStringLiteral("image/jpeg");
        QTest::newRow("camera import")
            << QStringLiteral("lumio-uploader-import.desktop") << QStringLiteral("x-content/image-dcf");
    }
    void desktopEntriesStartInstalledCommands()
    {
        QFETCH(QString, entry);
        QFETCH(QString, mimeType);
        const QString path = installed(QStringLiteral("/usr/share/applications/") + entry);
        const ProcessResult validate = run(QStringLiteral("desktop-file-validate"), {path});
        QVERIFY2(validate.exitCode == 0 && validate.output.isEmpty(), qPrintable(validate.output));
        QSettings desktop(path, QSettings::IniFormat);
        desktop.beginGroup(QStringLiteral("Desktop Entry"));
        const QString command = commandOf(desktop.value(QStringLiteral("Exec")).toString());
        QVERIFY(QFileInfo(installed(QStringLiteral("/usr/bin/") + command)).isSymLink());
        QCOMPARE(desktop.value(QStringLiteral("Icon")).toString(), QStringLiteral("lumio-uploader"));
        if (!mimeType.isEmpty())
            QVERIFY(desktop.value(QStringLiteral("MimeType"))
                        .toString()
                        .split(QLatin1Char(';'))
                        .contains(mimeType));
    }

    void cameraImportEntryStartsMode5()
    {
        QSettings desktop(installed(QStringLiteral("/usr/share/applications/lumio-uploader-import.desktop")),
                          QSettings::IniFormat);
        QCOMPARE(desktop.value(QStringLiteral("Desktop Entry/Exec")).toString(),
                 QStringLiteral("lumio-uploader 5"));
    }

    // The installed programs run from the unpacked tree: they find each other beside themselves.
    void installedLauncherRuns()
    {
        const ProcessResult list =
            run(installed(QStringLiteral("/usr/bin/lumio-send")), {QStringLiteral("--list")});
        QCOMPARE(list.exitCode, 0);
        QVERIFY2(list.output.contains(QStringLiteral("Manage profiles")), qPrintable(list.output));
        const ProcessResult manage =
            run(installed(QStringLiteral("/usr/bin/lumio-send")), {QStringLiteral("--manage")}, 30000);
        QCOMPARE(manage.exitCode, 1);
        QVERIFY2(manage.output.contains(QStringLiteral("Profile editor (mode 0 )")),
                 qPrintable(manage.output));
    }

    void installedPhotoAcquireRuns()
    {
        const ProcessResult devices = run(installed(QStringLiteral("/usr/lib/lumio-uploader/PhotoAcquire")),
                                          {QStringLiteral("0")}, 60000);
        QCOMPARE(devices.exitCode, 0);
    }
};

LUMIO_TEST_MAIN(TestPackage)
#include "tst_package.moc"
