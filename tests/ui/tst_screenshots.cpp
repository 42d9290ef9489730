#include "TestEnvironment.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <vector>

// Runs the screenshot tool and checks that every dialog and wizard page came out as a real picture, and
// that no translation is too long for its place.
class TestScreenshots : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void picture_data();
    void picture();
    void nothingElseWritten();
    void noTextCutInAnyLanguage();

private:
    QTemporaryDir m_folder;
    QStringList m_listed;
};

void TestScreenshots::initTestCase()
{
    QVERIFY(m_folder.isValid());
    QProcess tool;
    tool.setProcessChannelMode(QProcess::SeparateChannels);
    tool.start(TestEnvironment::binDir() + QStringLiteral("/lumio-screenshots"), {m_folder.path()});
    QVERIFY(tool.waitForFinished(180000));
    const QString errors = QString::fromLocal8Bit(tool.readAllStandardError());
    QVERIFY2(tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0, qPrintable(errors));
    QVERIFY2(!errors.contains(QStringLiteral("prompt:")), qPrintable(errors));
    for (const QString& line :
         QString::fromLocal8Bit(tool.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        m_listed.append(QFileInfo(line).fileName());
}

void TestScreenshots::picture_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("size");
    const QSize wizard(520, 355);
    const QSize list(630, 355);
    const QSize any;
    QTest::newRow("profile list") << "profile_list.png" << list;
    QTest::newRow("profile list, hovered row") << "profile_list_hover.png" << list;
    QTest::newRow("profile list with scroll bar") << "profile_list_scroll.png" << list;
    QTest::newRow("profile list, context menu") << "profile_list_menu.png" << any;
    QTest::newRow("create: server page") << "create_server.png" << wizard;
    QTest::newRow("create: discovered servers") << "create_server_list.png" << wizard;
    QTest::newRow("create: target page") << "create_target.png" << wizard;
    QTest::newRow("create: personal target") << "create_target_personal.png" << wizard;
    QTest::newRow("create: account page") << "create_account.png" << wizard;
    QTest::newRow("create: logging in") << "create_account_busy.png" << wizard;
    QTest::newRow("create: hint page") << "create_hint.png" << wizard;
    QTest::newRow("server settings") << "server_settings.png" << QSize(520, 480);
    QTest::newRow("upload: settings page") << "upload_settings.png" << wizard;
    QTest::newRow("upload: video quality page") << "upload_quality.png" << wizard;
    QTest::newRow("upload: progress") << "upload_progress.png" << wizard;
    QTest::newRow("upload: finished with failures") << "upload_finished.png" << wizard;
    QTest::newRow("error report") << "error_report.png" << any;
    QTest::newRow("album browser") << "album_browser.png" << any;
}

void TestScreenshots::picture()
{
    QFETCH(QString, file);
    QFETCH(QSize, size);
    QVERIFY(m_listed.contains(file));
    const QImage image(QDir(m_folder.path()).filePath(file));
    QVERIFY2(!image.isNull(), qPrintable(file));
    if (size.isValid())
        QCOMPARE(image.size(), size);
    QVERIFY(image.width() >= 100 && image.height() >= 20);
    // A rendered dialog has text, edges and artwork: many colours, not one flat fill.
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 2) {
        for (int x = 0; x < image.width(); x += 2)
            colours.insert(image.pixel(x, y));
    }
    QVERIFY2(colours.size() >= 20,
             qPrintable(QStringLiteral("%1 has %2 colours").arg(file).arg(colours.size())));
}

void TestScreenshots::nothingElseWritten()
{
    QCOMPARE(QDir(m_folder.path()).entryList(QDir::Files).size(), 18);
    QCOMPARE(m_listed.size(), 18);
}

// The tool reports every label and button whose text does not fit; one run per translation, all at
// once (they mostly wait for the pages' timers).
void TestScreenshots::noTextCutInAnyLanguage()
{
    const QStringList translations =
        QDir(TestEnvironment::sourceDir() + QStringLiteral("/resources/translations"))
            .entryList({QStringLiteral("*.ts")});
    QVERIFY(translations.size() >= 20);
    QTemporaryDir folder;
    std::vector<std::unique_ptr<QProcess>> runs;
    for (const QString& file : translations) {
        const QString language = QFileInfo(file).completeBaseName();
        auto tool = std::make_unique<QProcess>();
        tool->setObjectName(language);
        tool->start(TestEnvironment::binDir() + QStringLiteral("/lumio-screenshots"),
                    {QStringLiteral("--language"), language, folder.filePath(language)});
        runs.push_back(std::move(tool));
    }
    QStringList cut;
    for (const std::unique_ptr<QProcess>& tool : runs) {
        QVERIFY(tool->waitForFinished(180000));
        QVERIFY2(tool->exitStatus() == QProcess::NormalExit && tool->exitCode() == 0,
                 qPrintable(tool->objectName()));
        for (const QString& line : QString::fromUtf8(tool->readAllStandardError()).split(QLatin1Char('\n')))
            if (line.startsWith(QLatin1String("cut text: ")))
                cut.append(tool->objectName() + QLatin1String(": ") + line);
    }
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
}

LUMIO_TEST_MAIN(TestScreenshots)
#include "tst_screenshots.moc"
