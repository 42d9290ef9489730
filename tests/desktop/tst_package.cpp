#include "TestEnvironment.h"

#include <QApplication>
#include <QDir>
#include <QFile>
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
    // The dialogs opened are read from the diagnostics.
    env.insert(QStringLiteral("LUMIO_VERBOSE"), QStringLiteral("1"));
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
              "/usr/share/man/man1/lumio-uploader.1", "/usr/share/man/man1/lumio-send.1",
              "/usr/share/man/man1/lumio-upload.1", "/usr/share/bash-completion/completions/lumio-upload",
              "/usr/lib/systemd/user/lumio-upload-watch@.service"})
            QTest::newRow(path) << QString::fromLatin1(path);
    }
    void installedFiles()
    {
        QFETCH(QString, path);
        const QFileInfo info(installed(path));
        QVERIFY2(info.isFile() && !info.isSymLink(), qPrintable(path));
        QVERIFY(info.size() > 0);
        if (path.contains(QLatin1String("/lib/lumio-uploader/")))
            QVERIFY(info.isExecutable());
        if (path.endsWith(QLatin1String(".service"))) {
            QFile unit(info.filePath());
            QVERIFY(unit.open(QIODevice::ReadOnly));
            QVERIFY(unit.readAll().contains("\nExecStart=/usr/bin/lumio-upload watch run %I\n"));
        }
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

    // The installed completion, sourced by bash with the installed command on the path.
    void bashCompletion_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("command") << QStringList{"lumio-upload", "pro"} << QStringList{"profile"};
        QTest::newRow("profile action")
            << QStringList{"lumio-upload", "profile", "sh"} << QStringList{"show"};
        QTest::newRow("profile name") << QStringList{"lumio-upload", "-p", "Ho"} << QStringList{"Home"};
        QTest::newRow("name to edit")
            << QStringList{"lumio-upload", "profile", "edit", ""} << QStringList{"Home"};
        QTest::newRow("watch action")
            << QStringList{"lumio-upload", "watch", "dis"} << QStringList{"disable"};
        QTest::newRow("name to watch")
            << QStringList{"lumio-upload", "watch", "enable", "H"} << QStringList{"Home"};
        QTest::newRow("filter option") << QStringList{"lumio-upload", "--exc"} << QStringList{"--exclude"};
        QTest::newRow("discover option")
            << QStringList{"lumio-upload", "discover", "--sec"} << QStringList{"--seconds"};
    }
    void bashCompletion()
    {
        QFETCH(QStringList, words);
        QFETCH(QStringList, expected);
        const QString bin = installed(QStringLiteral("/usr/bin"));
        const ProcessResult add = run(
            bin + QStringLiteral("/lumio-upload"),
            {QStringLiteral("profile"), QStringLiteral("add"), QStringLiteral("Home"),
             QStringLiteral("--host"), QStringLiteral("127.0.0.1"), QStringLiteral("--user"),
             QStringLiteral("anna"), QStringLiteral("--no-remember-password"), QStringLiteral("--no-check")});
        QVERIFY2(add.exitCode == 0 || add.output.contains(QStringLiteral("Home")), qPrintable(add.output));
        QProcess bash;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("PATH"), bin + QLatin1Char(':') + env.value(QStringLiteral("PATH")));
        bash.setProcessEnvironment(env);
        bash.start(
            QStringLiteral("bash"),
            QStringList{QStringLiteral("-c"),
                        QStringLiteral("source \"$1\"; shift; COMP_WORDS=(\"$@\"); COMP_CWORD=$(($# - 1)); "
                                       "_lumio_upload; printf '%s\\n' \"${COMPREPLY[@]}\""),
                        QStringLiteral("bash"),
                        installed(QStringLiteral("/usr/share/bash-completion/completions/lumio-upload"))} +
                words);
        QVERIFY(bash.waitForFinished(30000));
        QCOMPARE(bash.exitCode(), 0);
        const QStringList offered =
            QString::fromUtf8(bash.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(offered, expected);
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
