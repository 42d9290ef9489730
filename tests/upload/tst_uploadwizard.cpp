#include "AlbumBrowser.h"
#include "AppPaths.h"
#include "ErrorReport.h"
#include "ErrorTableModel.h"
#include "HandOver.h"
#include "ProfileStore.h"
#include "RefServer.h"
#include "ScriptedPrompter.h"
#include "ServerProfile.h"
#include "TestEnvironment.h"
#include "UploadWizard.h"
#include "VexaLocale.h"
#include "WizUpdDialog.h"
#include "WizUpdProgress.h"
#include "WizVdoQualDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QJsonArray>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QTranslator>

#include <algorithm>

namespace {

void writeJpeg(const QString& path, int width = 64, int height = 48)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(40, 120, 200));
    QVERIFY(image.save(path, "JPG"));
}

QStringList uploadTypes(const QList<QJsonObject>& log)
{
    QStringList types;
    for (const QJsonObject& entry : log) {
        if (entry.value(QStringLiteral("method")).toString() == QLatin1String("PUT"))
            types.append(entry.value(QStringLiteral("headers"))
                             .toObject()
                             .value(QStringLiteral("X-UPLOAD-TYPE"))
                             .toString());
    }
    return types;
}

QJsonObject headersOf(const QJsonObject& entry)
{
    return entry.value(QStringLiteral("headers")).toObject();
}

} // namespace

class TestUploadWizard : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void titleAndConverterCount();
    void storedSkipKeepsTheDuplicateChoice();
    void folderWithStructure();
    void folderWithoutStructure();
    void secondRunSkipsUploadedFiles();
    void folderOnServerIsDroppedButNotItsPictures();
    void refusedFileIsReportedAndSentAgainNextRun();
    void droppedConnectionSendsTheItemAgain();
    void unrecordedUploadIsReported();
    void sessionLostEndsTheRun();
    void cancelStopsEverything();
    void closingDuringTheScanStartsNothing();
    void sessionLostInTheAlbumBrowserLogsInAgain();
    void unconvertibleFileIsReportedWithItsReason();
    void sameNamesAndComposedNames();
    void noPrivilegeAndZeroFileTexts();
    void videoGoesThroughTheQualityPage();
    void deviceImport();
    void progressPageRules();
    void qualityOrder_data();
    void qualityOrder();
    void errorTable();
    void progressDetailsAndErrorReportActions();
    void checkingSaysHowManyAndCancels();

private:
    struct Run
    {
        bool finished = false;
        int page = -1;
        QList<UploadFailure> reportRows;
        int reportsShown = 0;
        QStringList retrySources;
    };
    // When set, handles the error report in place of closing it; it must close the report.
    std::function<void(ErrorReport*)> m_onReport;
    QTranslator m_english;
    Run runWizard(int mode, const QStringList& sources,
                  const std::function<void(UploadWizard*)>& onQualityPage = {},
                  const std::function<void(UploadWizard*)>& onProgressPage = {});
    QString makeFolder(const QString& name, const QStringList& files);

    std::unique_ptr<RefServer> m_server;
    std::unique_ptr<QTemporaryDir> m_sources;
    ServerProfile m_profile;
    ScriptedPrompter* m_prompter = nullptr;
};

void TestUploadWizard::initTestCase()
{
    m_server = std::make_unique<RefServer>();
    QVERIFY2(m_server->start(), qPrintable(m_server->errorString()));
    QDir().mkpath(AppPaths::dataFolder());
    QVERIFY(ProfileStore::open());
    ProfileStore::createProfilesTable();
    ServerProfile profile;
    profile.setAll(QStringLiteral("Home"), QStringLiteral("127.0.0.1"), m_server->port(), false,
                   QStringLiteral("demo"), QStringLiteral("demo"), true, QString(), false, true, true, false,
                   QStringLiteral("RENAME"), QString(), {});
    ProfileStore::createProfile(profile);
    // English as the program shows it: plural forms and typographic punctuation.
    QVERIFY(m_english.load(VexaLocale::translationFileFor(QStringLiteral("enu"))));
    QCoreApplication::installTranslator(&m_english);
}

void TestUploadWizard::init()
{
    QVERIFY(m_server->reset());
    m_sources = std::make_unique<QTemporaryDir>();
    QVERIFY(ProfileStore::loadProfile(QStringLiteral("Home"), &m_profile));
    m_profile.daterename = false;
    m_profile.keepFolderStructure = true;
    m_profile.serverdst.clear();
    m_prompter = new ScriptedPrompter;
    m_onReport = nullptr;
}

void TestUploadWizard::cleanup()
{
    delete m_prompter;
    m_prompter = nullptr;
    QSqlQuery(ProfileStore::connection()).exec(QStringLiteral("DELETE FROM PhotoRecords"));
}

QString TestUploadWizard::makeFolder(const QString& name, const QStringList& files)
{
    const QString folder = m_sources->filePath(name);
    for (const QString& file : files)
        writeJpeg(folder + QLatin1Char('/') + file);
    QDir().mkpath(folder);
    return folder;
}

TestUploadWizard::Run TestUploadWizard::runWizard(int mode, const QStringList& sources,
                                                  const std::function<void(UploadWizard*)>& onQualityPage,
                                                  const std::function<void(UploadWizard*)>& onProgressPage)
{
    Run run;
    QStringList sourceList = sources;
    QNetworkAccessManager manager;
    UploadWizard wizard(nullptr, mode, &manager, &sourceList, &m_profile);
    // The error report opens modally when files failed; read it and close it.
    QTimer reportCloser;
    QObject::connect(&reportCloser, &QTimer::timeout, [this, &run] {
        if (auto* report = qobject_cast<ErrorReport*>(QApplication::activeModalWidget())) {
            ++run.reportsShown;
            for (int row = 0; row < report->model()->rowCount(); ++row)
                run.reportRows.append({report->model()->index(row, 0).data().toString(),
                                       report->model()->index(row, 1).data().toString()});
            if (m_onReport)
                m_onReport(report);
            else
                report->accept();
        }
    });
    reportCloser.start(20);
    wizard.show();
    const int promptsBefore = static_cast<int>(m_prompter->shown.size());
    wizard.next();
    if (!QTest::qWaitFor([&] { return wizard.currentId() != 0 || m_prompter->shown.size() > promptsBefore; },
                         20000))
        qWarning("the settings page neither moved on nor said why");
    if (wizard.currentId() == UploadWizard::QualityPage) {
        if (onQualityPage)
            onQualityPage(&wizard);
        wizard.next();
    }
    run.page = wizard.currentId();
    if (wizard.currentId() == UploadWizard::ProgressPage) {
        if (onProgressPage)
            onProgressPage(&wizard);
        run.finished =
            QTest::qWaitFor([&] { return wizard.isUploadFinished() && !wizard.workersRunning(); }, 60000);
        QTest::qWait(50);
    }
    run.retrySources = wizard.retrySources();
    wizard.reject();
    return run;
}

void TestUploadWizard::titleAndConverterCount()
{
    QStringList none;
    QNetworkAccessManager manager;
    UploadWizard modeTwo(nullptr, 2, &manager, &none, &m_profile);
    QCOMPARE(modeTwo.windowTitle(), QStringLiteral("Home - Vexalon Lumio Uploader"));
    UploadWizard modeFour(nullptr, 4, &manager, &none, &m_profile);
    QCOMPARE(modeFour.windowTitle(), QStringLiteral("Vexalon Lumio Uploader"));
    QCOMPARE(modeFour.size(), QSize(520, 355));
    QCOMPARE(modeFour.converterCount(), UploadWizard::converterCountFor(QThread::idealThreadCount()));
    QCOMPARE(UploadWizard::converterCountFor(4), 4);
    QCOMPARE(UploadWizard::converterCountFor(-1), 1);
    QCOMPARE(modeFour.buttonText(QWizard::FinishButton), QStringLiteral("Close"));
    QCOMPARE(modeFour.buttonText(QWizard::NextButton), QStringLiteral("Next"));
}

void TestUploadWizard::storedSkipKeepsTheDuplicateChoice()
{
    m_profile.duphandler = QStringLiteral("SKIP");
    QStringList none;
    QNetworkAccessManager manager;
    UploadWizard wizard(nullptr, 2, &manager, &none, &m_profile);
    wizard.show();
    auto* combo = wizard.findChild<QComboBox*>(QStringLiteral("m_comboDuplicate"));
    QVERIFY(combo);
    QCOMPARE(combo->currentIndex(), 0);
    QCOMPARE(combo->currentText(), QStringLiteral("Overwrite"));
}

void TestUploadWizard::folderWithStructure()
{
    const QString trip = makeFolder(QStringLiteral("Trip"), {QStringLiteral("a.jpg")});
    const Run run = runWizard(4, {trip});
    QVERIFY(run.finished);
    QCOMPARE(run.reportsShown, 0);
    QVERIFY(m_prompter->shown.isEmpty());
    QVERIFY(QFile::exists(m_server->photoRoot() + QStringLiteral("/Trip/a.jpg")));

    const QList<QJsonObject> log = m_server->requestLog();
    const QList<QJsonObject> init = m_server->requestLog(QStringLiteral("init"));
    QCOMPARE(init.size(), 1);
    QCOMPARE(init.first()
                 .value(QStringLiteral("multipart"))
                 .toObject()
                 .value(QStringLiteral("filelist"))
                 .toString(),
             QStringLiteral("//Trip/FolderDelimiter//Trip/a.jpg"));
    QVERIFY(init.first()
                .value(QStringLiteral("content_type"))
                .toString()
                .startsWith(QLatin1String("multipart/form-data, boundary=updbdry--")));
    QCOMPARE(uploadTypes(log),
             (QStringList{QStringLiteral("FOLDER"), QStringLiteral("THUM_B"), QStringLiteral("THUM_L"),
                          QStringLiteral("THUM_M"), QStringLiteral("THUM_S"), QStringLiteral("THUM_XL"),
                          QStringLiteral("ORIG_FILE")}));
    const QList<QJsonObject> uploads = m_server->requestLog(QStringLiteral("upload"));
    const QJsonObject folder = headersOf(uploads.at(0));
    QCOMPARE(folder.value(QStringLiteral("X-PATH")).toString(), QStringLiteral(" "));
    QCOMPARE(folder.value(QStringLiteral("X-ORIG-FNAME")).toString(), QStringLiteral(" Trip"));
    QCOMPARE(folder.value(QStringLiteral("X-IS-BATCH-LAST-FILE")).toString(), QStringLiteral("1"));
    QVERIFY(!folder.contains(QStringLiteral("X-LAST-MODIFIED-TIME")));
    QVERIFY(!folder.contains(QStringLiteral("X-IS-BATCH-FIRST-FILE")));
    QCOMPARE(uploads.at(0).value(QStringLiteral("body_size")).toInt(), 0);
    const QJsonObject first = headersOf(uploads.at(1));
    QCOMPARE(first.value(QStringLiteral("X-IS-BATCH-FIRST-FILE")).toString(), QStringLiteral("1"));
    QCOMPARE(first.value(QStringLiteral("X-PATH")).toString(), QStringLiteral(" Trip"));
    QCOMPARE(first.value(QStringLiteral("X-ORIG-FNAME")).toString(), QStringLiteral(" a.jpg"));
    QCOMPARE(first.value(QStringLiteral("X-DUPLICATE")).toString(), QStringLiteral("RENAME"));
    const QJsonObject original = headersOf(uploads.last());
    QCOMPARE(original.value(QStringLiteral("X-IS-BATCH-LAST-FILE")).toString(), QStringLiteral("1"));
    QCOMPARE(original.value(QStringLiteral("X-LAST-MODIFIED-TIME")).toString(),
             QString::number(QFileInfo(trip + QStringLiteral("/a.jpg")).lastModified().toSecsSinceEpoch()));
    QCOMPARE(uploads.last().value(QStringLiteral("body_size")).toInt(),
             QFileInfo(trip + QStringLiteral("/a.jpg")).size());
    for (const QJsonObject& entry : uploads)
        QVERIFY(entry.value(QStringLiteral("cookie")).toBool());

    // Uploaded and recorded; work files gone.
    QCOMPARE(
        ProfileStore::uploadedFingerprints(
            QStringLiteral("a.jpg"), QStringLiteral("Home"),
            QFileInfo(trip + QStringLiteral("/a.jpg")).size(),
            QString::number(QFileInfo(trip + QStringLiteral("/a.jpg")).lastModified().toSecsSinceEpoch()))
            .size(),
        1);
    QVERIFY(QDir(AppPaths::tempRootFolder())
                .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)
                .isEmpty());
    ServerProfile stored;
    QVERIFY(ProfileStore::loadProfile(QStringLiteral("Home"), &stored));
    QCOMPARE(stored.serverdst, QStringLiteral("/photo"));
}

void TestUploadWizard::folderWithoutStructure()
{
    const QString trip = makeFolder(QStringLiteral("Trip"), {QStringLiteral("a.jpg")});
    m_profile.keepFolderStructure = false;
    const Run run = runWizard(4, {trip});
    QVERIFY(run.finished);
    QCOMPARE(uploadTypes(m_server->requestLog()).count(QStringLiteral("FOLDER")), 0);
    QVERIFY(QFile::exists(m_server->photoRoot() + QStringLiteral("/a.jpg")));
    QCOMPARE(m_server->requestLog(QStringLiteral("init"))
                 .first()
                 .value(QStringLiteral("multipart"))
                 .toObject()
                 .value(QStringLiteral("filelist"))
                 .toString(),
             QStringLiteral("//a.jpg"));
}

void TestUploadWizard::secondRunSkipsUploadedFiles()
{
    const QString folder = makeFolder(QStringLiteral("Once"), {QStringLiteral("x.jpg")});
    m_profile.keepFolderStructure = false;
    QVERIFY(runWizard(2, {folder + QStringLiteral("/x.jpg")}).finished);
    m_server->clearRequestLog();
    const Run second = runWizard(2, {folder + QStringLiteral("/x.jpg")});
    QCOMPARE(second.page, 0);
    QCOMPARE(m_prompter->messageTexts(),
             QStringList{
                 QStringLiteral("The selected items have already been uploaded to the destination folder in "
                                "Lumio. No file is available for upload.")});
    QVERIFY(uploadTypes(m_server->requestLog()).isEmpty());
}

void TestUploadWizard::folderOnServerIsDroppedButNotItsPictures()
{
    const QString trip = makeFolder(QStringLiteral("Trip"), {QStringLiteral("new.jpg")});
    QDir().mkpath(m_server->photoRoot() + QStringLiteral("/Trip"));
    const Run run = runWizard(4, {trip});
    QVERIFY(run.finished);
    QCOMPARE(uploadTypes(m_server->requestLog()).count(QStringLiteral("FOLDER")), 0);
    QCOMPARE(uploadTypes(m_server->requestLog()).count(QStringLiteral("ORIG_FILE")), 1);
    QVERIFY(QFile::exists(m_server->photoRoot() + QStringLiteral("/Trip/new.jpg")));
}

void TestUploadWizard::refusedFileIsReportedAndSentAgainNextRun()
{
    const QString folder = makeFolder(QStringLiteral("Refused"), {QStringLiteral("r.jpg")});
    m_profile.keepFolderStructure = false;
    QVERIFY(m_server->setFaults({{QStringLiteral("upload"), QJsonObject{{QStringLiteral("err_msg"),
                                                                         QStringLiteral("no_privilege")}}}}));
    const Run run = runWizard(2, {folder + QStringLiteral("/r.jpg")});
    QVERIFY(run.finished);
    QCOMPARE(run.reportsShown, 1);
    QCOMPARE(run.reportRows,
             (QList<UploadFailure>{
                 {QStringLiteral("r.jpg"), QStringLiteral("You have no privileges to either create new "
                                                          "albums or upload files.")}}));
    QVERIFY(!QFile::exists(m_server->photoRoot() + QStringLiteral("/r.jpg")));
    // Not recorded: the next run sends it again.
    QVERIFY(m_server->setFaults({}));
    m_server->clearRequestLog();
    QVERIFY(runWizard(2, {folder + QStringLiteral("/r.jpg")}).finished);
    QVERIFY(QFile::exists(m_server->photoRoot() + QStringLiteral("/r.jpg")));
}

void TestUploadWizard::droppedConnectionSendsTheItemAgain()
{
    const QString folder = makeFolder(QStringLiteral("Drop"), {QStringLiteral("d.jpg")});
    m_profile.keepFolderStructure = false;
    QVERIFY(m_server->setFaults(
        {{QStringLiteral("upload"), QJsonObject{{QStringLiteral("drop_requests"), QJsonArray{6, 7}}}}}));
    const Run run = runWizard(2, {folder + QStringLiteral("/d.jpg")});
    QVERIFY(run.finished);
    QCOMPARE(run.reportsShown, 0);
    const QList<QJsonObject> uploads = m_server->requestLog(QStringLiteral("upload"));
    // The uploader asks the server whether it holds the file after each drop, then sends it again.
    QCOMPARE(uploads.size(), 8);
    QVERIFY(uploads.at(5).value(QStringLiteral("dropped")).toBool());
    QVERIFY(uploads.at(6).value(QStringLiteral("dropped")).toBool());
    QCOMPARE(headersOf(uploads.at(7)), headersOf(uploads.at(5)));
    QCOMPARE(uploads.at(7).value(QStringLiteral("body_size")).toInt(),
             QFileInfo(folder + QStringLiteral("/d.jpg")).size());
    QCOMPARE(QFileInfo(m_server->photoRoot() + QStringLiteral("/d.jpg")).size(),
             QFileInfo(folder + QStringLiteral("/d.jpg")).size());
}

void TestUploadWizard::unrecordedUploadIsReported()
{
    const QString folder = makeFolder(QStringLiteral("Unrecorded"), {QStringLiteral("u.jpg")});
    m_profile.keepFolderStructure = false;
    if (!ProfileStore::photoRecordsTableExists())
        ProfileStore::createPhotoRecordsTable();
    QVERIFY(QSqlQuery(ProfileStore::connection())
                .exec(QStringLiteral("CREATE TRIGGER RecordsFail BEFORE INSERT ON PhotoRecords "
                                     "BEGIN SELECT RAISE(FAIL, 'disk full'); END")));
    const Run run = runWizard(2, {folder + QStringLiteral("/u.jpg")});
    QVERIFY(QSqlQuery(ProfileStore::connection()).exec(QStringLiteral("DROP TRIGGER RecordsFail")));
    QVERIFY(run.finished);
    QVERIFY(QFile::exists(m_server->photoRoot() + QStringLiteral("/u.jpg")));
    QCOMPARE(run.reportsShown, 1);
    QCOMPARE(run.reportRows,
             (QList<UploadFailure>{{QStringLiteral("u.jpg"),
                                    QStringLiteral("Uploaded, but could not be recorded: disk full")}}));
}

void TestUploadWizard::sessionLostEndsTheRun()
{
    const QString folder = makeFolder(
        QStringLiteral("Lost"), {QStringLiteral("1.jpg"), QStringLiteral("2.jpg"), QStringLiteral("3.jpg")});
    m_profile.keepFolderStructure = false;
    QVERIFY(m_server->setFaults(
        {{QStringLiteral("upload"), QJsonObject{{QStringLiteral("session_lost_after"), 6}}}}));
    const Run run = runWizard(4, {folder});
    QVERIFY(run.finished);
    QCOMPARE(m_prompter->messageTexts().count(
                 QStringLiteral("The connection is lost. Please log in to Korvat Manager again.")),
             1);
    // The first file went up; the lost session showed on the second file's first thumbnail, and
    // nothing more was sent.
    QCOMPARE(m_server->requestLog(QStringLiteral("upload")).size(), 7);
    QCOMPARE(uploadTypes(m_server->requestLog()).count(QStringLiteral("ORIG_FILE")), 1);
    QCOMPARE(run.reportsShown, 0);
}

void TestUploadWizard::cancelStopsEverything()
{
    QStringList files;
    for (int i = 0; i < 6; ++i)
        files.append(QStringLiteral("c%1.jpg").arg(i));
    const QString folder = makeFolder(QStringLiteral("Cancel"), files);
    m_profile.keepFolderStructure = false;
    QVERIFY(
        m_server->setFaults({{QStringLiteral("upload"), QJsonObject{{QStringLiteral("delay_ms"), 200}}}}));
    m_prompter->answerMessage(0);
    const Run run = runWizard(4, {folder}, {}, [](UploadWizard* wizard) {
        QTest::qWait(300);
        wizard->reject();
        QVERIFY(!wizard->isHidden());
    });
    QVERIFY(run.finished);
    QCOMPARE(m_prompter->messageTexts().first(), QStringLiteral("Are you sure you want to cancel?"));
    QVERIFY(m_server->requestLog(QStringLiteral("upload")).size() < 6 * 6);
    QVERIFY(QDir(AppPaths::tempRootFolder())
                .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)
                .isEmpty());
}

void TestUploadWizard::closingDuringTheScanStartsNothing()
{
    QStringList files;
    for (int i = 0; i < 40; ++i)
        files.append(QStringLiteral("s%1.jpg").arg(i));
    const QString folder = makeFolder(QStringLiteral("Scan"), files);
    m_profile.incbackup = true;
    QStringList sources{folder};
    QNetworkAccessManager manager;
    UploadWizard wizard(nullptr, 4, &manager, &sources, &m_profile);
    wizard.show();
    // The first look at events after the login is the skip-uploaded scan's.
    bool closed = false;
    QTimer::singleShot(0, &wizard, [&] {
        closed = true;
        wizard.reject();
    });
    wizard.next();
    QVERIFY(QTest::qWaitFor([&] { return closed && wizard.isHidden(); }, 10000));
    QTest::qWait(1500);
    QVERIFY(wizard.currentId() != UploadWizard::ProgressPage);
    QVERIFY(!wizard.workersRunning());
    QVERIFY(m_server->requestLog(QStringLiteral("init")).isEmpty());
    // A request of an earlier test may still land in the log: only this test's files count.
    for (const QJsonObject& entry : m_server->requestLog(QStringLiteral("upload"))) {
        const QString name = headersOf(entry).value(QStringLiteral("X-ORIG-FNAME")).toString();
        QVERIFY2(!name.startsWith(QLatin1String(" s")) && name != QLatin1String(" Scan"), qPrintable(name));
    }
    QVERIFY(!QFile::exists(m_server->photoRoot() + QStringLiteral("/Scan")));
}

void TestUploadWizard::sessionLostInTheAlbumBrowserLogsInAgain()
{
    const QString folder = makeFolder(QStringLiteral("Lost album"), {QStringLiteral("l.jpg")});
    m_profile.keepFolderStructure = false;
    QStringList sources{folder + QStringLiteral("/l.jpg")};
    QNetworkAccessManager manager;
    UploadWizard wizard(nullptr, 2, &manager, &sources, &m_profile);
    wizard.show();
    QVERIFY(m_server->setFaults({{QStringLiteral("album"), QJsonObject{{QStringLiteral("err_msg"),
                                                                        QStringLiteral("session_lost")}}}}));
    // The browser shows the lost session; the user closes it.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        auto* browser = qobject_cast<AlbumBrowser*>(QApplication::activeModalWidget());
        if (browser && browser->sessionLost())
            browser->reject();
    });
    closer.start(20);
    wizard.findChild<QPushButton*>(QStringLiteral("m_pbtnFolder"))->click();
    QTRY_VERIFY_WITH_TIMEOUT(m_server->requestLog(QStringLiteral("album")).size() == 1 &&
                                 !qobject_cast<AlbumBrowser*>(QApplication::activeModalWidget()),
                             10000);
    QCOMPARE(m_server->requestLog(QStringLiteral("login")).size(), 1);
    QVERIFY(m_server->setFaults({}));
    wizard.next();
    QTRY_VERIFY_WITH_TIMEOUT(wizard.currentId() == UploadWizard::ProgressPage, 20000);
    QCOMPARE(m_server->requestLog(QStringLiteral("login")).size(), 2);
    QTRY_VERIFY_WITH_TIMEOUT(wizard.isUploadFinished() && !wizard.workersRunning(), 20000);
    wizard.reject();
}

void TestUploadWizard::unconvertibleFileIsReportedWithItsReason()
{
    const QString folder = makeFolder(QStringLiteral("Broken"), {QStringLiteral("good.jpg")});
    QFile broken(folder + QStringLiteral("/broken.jpg"));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("this is not a picture");
    broken.close();
    m_profile.keepFolderStructure = false;
    const Run run = runWizard(4, {folder});
    QVERIFY(run.finished);
    // Both went up, the broken one without thumbnails, and the user is told so.
    QVERIFY(QFile::exists(m_server->photoRoot() + QStringLiteral("/broken.jpg")));
    QVERIFY(QFile::exists(m_server->photoRoot() + QStringLiteral("/good.jpg")));
    QCOMPARE(run.reportsShown, 1);
    QCOMPARE(run.reportRows.size(), 1);
    QCOMPARE(run.reportRows.first().first, QStringLiteral("broken.jpg"));
    QVERIFY2(run.reportRows.first().second.startsWith(QLatin1String("no thumbnails: convert")),
             qPrintable(run.reportRows.first().second));
    QVERIFY(!run.reportRows.first().second.contains(AppPaths::tempRootFolder()));
}

void TestUploadWizard::sameNamesAndComposedNames()
{
    makeFolder(QStringLiteral("One"), {QStringLiteral("same.jpg")});
    makeFolder(QStringLiteral("Two"), {QStringLiteral("same.jpg"), QStringLiteral("Cafe\u0301.jpg")});
    m_profile.keepFolderStructure = false;
    const Run run = runWizard(
        4, {m_sources->filePath(QStringLiteral("One")), m_sources->filePath(QStringLiteral("Two"))});
    QVERIFY(run.finished);
    QStringList names;
    for (const QJsonObject& entry : m_server->requestLog(QStringLiteral("upload"))) {
        const QJsonObject headers = headersOf(entry);
        if (headers.value(QStringLiteral("X-UPLOAD-TYPE")).toString() == QLatin1String("ORIG_FILE"))
            names.append(headers.value(QStringLiteral("X-ORIG-FNAME")).toString());
    }
    names.sort();
    QCOMPARE(names, (QStringList{QStringLiteral(" Caf%C3%A9.jpg"), QStringLiteral(" same.jpg"),
                                 QStringLiteral(" same_1.jpg")}));
    QVERIFY(QFile::exists(m_server->photoRoot() + QStringLiteral("/same_1.jpg")));
    QVERIFY(QFile::exists(m_server->photoRoot() + QStringLiteral("/Caf\u00e9.jpg")));
}

void TestUploadWizard::noPrivilegeAndZeroFileTexts()
{
    const QString folder = makeFolder(QStringLiteral("Priv"), {QStringLiteral("p.jpg")});
    m_profile.keepFolderStructure = false;
    m_profile.serverdst = QStringLiteral("/photo/2013");
    m_profile.account = QStringLiteral("bob");
    m_profile.password = QStringLiteral("bob");
    const Run run = runWizard(2, {folder + QStringLiteral("/p.jpg")});
    QCOMPARE(run.page, 0);
    QCOMPARE(m_prompter->messageTexts(),
             QStringList{QStringLiteral(
                 "Your account does not have permission to upload the selected items to Lumio.")});
    QCOMPARE(m_server->requestLog(QStringLiteral("init"))
                 .first()
                 .value(QStringLiteral("multipart"))
                 .toObject()
                 .value(QStringLiteral("filelist"))
                 .toString(),
             QStringLiteral("/2013/p.jpg"));

    // An empty source folder without structure: nothing at all to send.
    m_prompter->shown.clear();
    m_profile.account = QStringLiteral("demo");
    m_profile.password = QStringLiteral("demo");
    m_profile.serverdst.clear();
    const Run empty = runWizard(4, {makeFolder(QStringLiteral("Empty"), {})});
    QCOMPARE(empty.page, 0);
    QCOMPARE(m_prompter->messageTexts().size(), 1);
    QVERIFY(m_prompter->messageTexts().first().startsWith(
        QLatin1String("No file is available for upload. This is")));
}

void TestUploadWizard::videoGoesThroughTheQualityPage()
{
    const QString clip = m_sources->filePath(QStringLiteral("clip.mp4"));
    QCOMPARE(QProcess::execute(QStringLiteral("ffmpeg"),
                               {QStringLiteral("-loglevel"), QStringLiteral("error"), QStringLiteral("-f"),
                                QStringLiteral("lavfi"), QStringLiteral("-i"),
                                QStringLiteral("testsrc=size=160x120:rate=10:duration=1"),
                                QStringLiteral("-pix_fmt"), QStringLiteral("yuv420p"), clip}),
             0);
    m_profile.keepFolderStructure = false;
    bool qualityPageShown = false;
    const Run run = runWizard(2, {clip}, [&qualityPageShown](UploadWizard* wizard) {
        qualityPageShown = true;
        wizard->findChild<QCheckBox*>(QStringLiteral("m_pchkMediumQual"))->setChecked(false);
        wizard->findChild<QCheckBox*>(QStringLiteral("m_pchkMobileQual"))->setChecked(true);
    });
    QVERIFY(qualityPageShown);
    QVERIFY(run.finished);
    QCOMPARE(m_profile.qualities, QList<int>{3});
    const QStringList types = uploadTypes(m_server->requestLog());
    QCOMPARE(types.mid(types.size() - 2),
             (QStringList{QStringLiteral("MP4_MOBILE"), QStringLiteral("ORIG_FILE")}));
    QVERIFY(types.contains(QStringLiteral("THUM_B")));
}

void TestUploadWizard::deviceImport()
{
    const QString script = m_sources->filePath(QStringLiteral("PhotoAcquire"));
    const QString camera = makeFolder(QStringLiteral("camera"), {QStringLiteral("DSC_1.JPG")});
    QFile file(script);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(
        QStringLiteral(
            "#!/bin/sh\n"
            "data=\"$XDG_DATA_HOME/Vexalon/Lumio Uploader\"\n"
            "utf16() { printf '\\377\\376' > \"$1\"; printf \"$2\" | iconv -f UTF-8 -t "
            "UTF-16LE >> \"$1\"; }\n"
            "case \"$1\" in\n"
            "0) utf16 \"$data/DeviceList\" '1\\ncam:1\\nTest Camera\\nPTP\\n' ;;\n"
            "1) utf16 \"$data/ContentList\" 'DSC_1.JPG\\n1234\\n2012:05:01\\n' ;;\n"
            "2) mkdir -p \"$XDG_RUNTIME_DIR/lumio-uploader/ZUL_PHOTO_TEMP/AUTOPLAY\"; cp '%1/DSC_1.JPG' "
            "\"$XDG_RUNTIME_DIR/lumio-uploader/ZUL_PHOTO_TEMP/AUTOPLAY/\" ;;\n"
            "esac\n")
            .arg(camera)
            .toUtf8());
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    HandOver::setPhotoAcquirePath(script);
    m_profile.keepFolderStructure = false;
    const Run run = runWizard(6, {});
    HandOver::setPhotoAcquirePath(QString());
    QVERIFY(run.finished);
    QVERIFY(QFile::exists(m_server->photoRoot() + QStringLiteral("/DSC_1.JPG")));
    QVERIFY(ProfileStore::deviceRecordExists(QStringLiteral("DSC_1.JPG"), QStringLiteral("Home"),
                                             QStringLiteral("1234"), QStringLiteral("2012:05:01"),
                                             QStringLiteral("cam:1")));
}

void TestUploadWizard::progressPageRules()
{
    QCOMPARE(WizUpdProgress::creepInterval(19 * 1024 * 1024), 100);
    QCOMPARE(WizUpdProgress::creepInterval(2 * 20971520), 300);
    QCOMPARE(WizUpdProgress::creepInterval(100 * 1024 * 1024), 600);

    UploadQueue queue;
    queue.setTotal(3);
    WizUpdProgress page(nullptr, &m_profile, &queue);
    page.initializePage();
    QLabel* count = page.findChild<QLabel*>(QStringLiteral("m_plbUpdFileNum"));
    QCOMPARE(count->text(), QStringLiteral("0/3"));
    QCOMPARE(page.findChild<QLabel*>(QStringLiteral("m_plbUpdFileStatus"))->text(),
             QStringLiteral("Uploaded files:"));
    QCOMPARE(page.findChild<QLabel*>(QStringLiteral("m_plbCounts"))->text(),
             QStringLiteral("Failed: 0    Skipped: 0"));
    queue.setCurrentFileSize(2 * 20971520);
    page.slotUpdateNextProgress(45);
    QCOMPARE(page.creepIntervalMs(), 300);
    for (int tick = 0; tick < 60; ++tick)
        page.slotUpdateProgress();
    // The creep stops one below the announced value and never moves back.
    QCOMPARE(page.progressValue(), 44);
    page.slotUpdateCompleteProgress(40);
    QCOMPARE(page.progressValue(), 44);
    page.slotUpdateCompleteProgress(60);
    QCOMPARE(page.progressValue(), 60);
    QCOMPARE(page.findChild<QLabel*>(QStringLiteral("m_plbUpdPrg"))->text(), QStringLiteral("60%"));

    queue.addSuccess();
    queue.addSuccess();
    queue.addFailure(QStringLiteral("x.jpg"), QStringLiteral("why"));
    QVERIFY(!page.isComplete());
    page.slotUploadFinished();
    QVERIFY(page.isComplete());
    QCOMPARE(page.findChild<QLabel*>(QStringLiteral("m_plbUpdFileStatus"))->text(),
             QStringLiteral("Successfully uploaded:"));
    QCOMPARE(count->text(), QStringLiteral("2 files"));
    QLabel* failStatus = page.findChild<QLabel*>(QStringLiteral("m_plbUpdFailStatus"));
    QLabel* failCount = page.findChild<QLabel*>(QStringLiteral("m_plbUpdFailNum"));
    QVERIFY(!failStatus->isHidden() && !failCount->isHidden());
    QCOMPARE(failStatus->text(), QStringLiteral("Failed to upload:"));
    QCOMPARE(failCount->text(), QStringLiteral("1 file"));
    QVERIFY(page.findChild<QLabel*>(QStringLiteral("m_plbDesc"))->isHidden());
}

void TestUploadWizard::qualityOrder_data()
{
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QList<int>>("qualities");
    QTest::newRow("high and mobile") << QStringList{"m_pchkHighQual", "m_pchkMobileQual"} << QList<int>{0, 3};
    QTest::newRow("all four") << QStringList{"m_pchkHighQual", "m_pchkMediumQual", "m_pchkLowQual",
                                             "m_pchkMobileQual"}
                              << QList<int>{2, 1, 0, 3};
    QTest::newRow("none is accepted") << QStringList{} << QList<int>{};
}

void TestUploadWizard::qualityOrder()
{
    QFETCH(QStringList, boxes);
    QFETCH(QList<int>, qualities);
    WizVdoQualDialog page(nullptr, &m_profile);
    page.initializePage();
    QVERIFY(page.findChild<QCheckBox*>(QStringLiteral("m_pchkMediumQual"))->isChecked());
    for (QCheckBox* box : page.findChildren<QCheckBox*>())
        box->setChecked(boxes.contains(box->objectName()));
    QVERIFY(page.validatePage());
    QCOMPARE(m_profile.qualities, qualities);
}

void TestUploadWizard::errorTable()
{
    UploadQueue queue;
    queue.addFailure(QStringLiteral("a.jpg"), QStringLiteral("Skip duplicate file"));
    queue.addFailure(QStringLiteral("b.mov"), QStringLiteral("Failed to convert b.mov."));
    ErrorReport report(nullptr, &queue);
    QCOMPARE(report.windowTitle(), QStringLiteral("Vexalon Lumio Uploader"));
    ErrorTableModel* model = report.model();
    QCOMPARE(model->rowCount(), 2);
    QCOMPARE(model->columnCount(), 2);
    QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("File Name"));
    QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Error Status"));
    QVERIFY(!model->headerData(0, Qt::Vertical).isValid());
    QCOMPARE(model->index(1, 1).data().toString(), QStringLiteral("Failed to convert b.mov."));
    QVERIFY(!model->index(1, 1).data(Qt::EditRole).isValid());
    QVERIFY(model->insertRows(0, 1));
    QCOMPARE(model->index(0, 0).data().toString(), QStringLiteral(" "));
    QVERIFY(model->setData(model->index(0, 0), QStringLiteral("c.jpg")));
    QCOMPARE(model->index(0, 0).data().toString(), QStringLiteral("c.jpg"));
    QVERIFY(model->removeRows(0, 2));
    QCOMPARE(model->rowCount(), 1);
    QCOMPARE(model->index(0, 0).data().toString(), QStringLiteral("b.mov"));
    auto* view = report.findChild<QTableView*>(QStringLiteral("m_ptblErrorReport"));
    QCOMPARE(view->editTriggers(), QAbstractItemView::NoEditTriggers);
    QCOMPARE(view->textElideMode(), Qt::ElideMiddle);

    // A warning is listed in its own look but is no failure, and is not sent again.
    UploadQueue mixed;
    const QString existing = QFINDTESTDATA("tst_uploadwizard.cpp");
    UploadProblem failed;
    failed.path = existing;
    failed.targetFolder = QStringLiteral("Trips, 2024");
    failed.text = QStringLiteral("Said \"no\"");
    failed.time = QDateTime(QDate(2024, 5, 1), QTime(10, 15, 0));
    UploadOutcome uploaded;
    uploaded.localPath = QStringLiteral("/pictures/kept.jpg");
    uploaded.success = true;
    uploaded.warning = QStringLiteral("no thumbnails");
    mixed.addProblem(failed);
    mixed.addOutcome(uploaded);
    // Went up but could not be recorded: an error row, yet neither failed nor offered again.
    uploaded.localPath = m_sources->filePath(QStringLiteral("unrecorded.jpg"));
    uploaded.recordError = QStringLiteral("Uploaded, but could not be recorded: disk full");
    QVERIFY(QFile::copy(existing, uploaded.localPath));
    mixed.addOutcome(uploaded);
    QCOMPARE(mixed.failureCount(), 1);
    QCOMPARE(mixed.warnings().size(), 2);
    QCOMPARE(mixed.failures().size(), 2);
    ErrorReport both(nullptr, &mixed);
    ErrorTableModel* rows = both.model();
    QCOMPARE(rows->index(0, 0).data(ErrorTableModel::KindRole).toInt(), int(UploadProblem::Kind::Error));
    QCOMPARE(rows->index(1, 0).data(ErrorTableModel::KindRole).toInt(), int(UploadProblem::Kind::Warning));
    QVERIFY(!rows->index(1, 0).data(Qt::DecorationRole).value<QIcon>().isNull());
    QVERIFY(rows->index(0, 1).data(Qt::ForegroundRole) != rows->index(1, 1).data(Qt::ForegroundRole));
    QCOMPARE(rows->index(1, 0).data().toString(), QStringLiteral("kept.jpg"));
    QCOMPARE(rows->index(1, 0).data(Qt::ToolTipRole).toString(), QStringLiteral("/pictures/kept.jpg"));
    QCOMPARE(rows->index(1, 1).data(Qt::ToolTipRole).toString(), QStringLiteral("Warning: no thumbnails"));
    QCOMPARE(rows->retryPaths(), QStringList{existing});
    QCOMPARE(rows->csvText({0}),
             QStringLiteral("file,album,error,time\r\n") + existing +
                 QStringLiteral(",\"/photo/Trips, 2024\",\"Said \"\"no\"\"\",2024-05-01T10:15:00\r\n"));
}

void TestUploadWizard::progressDetailsAndErrorReportActions()
{
    const QString clip = m_sources->filePath(QStringLiteral("clip.mp4"));
    QCOMPARE(QProcess::execute(QStringLiteral("ffmpeg"),
                               {QStringLiteral("-loglevel"), QStringLiteral("error"), QStringLiteral("-f"),
                                QStringLiteral("lavfi"), QStringLiteral("-i"),
                                QStringLiteral("testsrc=size=160x120:rate=10:duration=1"),
                                QStringLiteral("-pix_fmt"), QStringLiteral("yuv420p"), clip}),
             0);
    // The picture converts long before the video: its original is the sixth upload request, after its
    // five thumbnails, and the server refuses it.
    const QString bad = m_sources->filePath(QStringLiteral("refused.jpg"));
    writeJpeg(bad, 320, 240);
    QVERIFY(m_server->setFaults(
        {{QStringLiteral("upload"), QJsonObject{{QStringLiteral("err_msg"), QStringLiteral("no_privilege")},
                                                {QStringLiteral("only_requests"), QJsonArray{6}}}}}));
    m_profile.keepFolderStructure = false;

    QStringList current;
    QStringList transfer;
    QString counts;
    QString doneStatus;
    QString doneCount;
    QString failCount;
    QTimer sampler;
    const QString csv = m_sources->filePath(QStringLiteral("report.csv"));
    QString clipboard;
    m_prompter->answerSaveFile(csv);
    m_onReport = [&](ErrorReport* report) {
        // The page shows the final counts before the report opens.
        auto* page = report->parentWidget()->findChild<WizUpdProgress*>();
        counts = page->findChild<QLabel*>(QStringLiteral("m_plbCounts"))->text();
        doneStatus = page->findChild<QLabel*>(QStringLiteral("m_plbUpdFileStatus"))->text();
        doneCount = page->findChild<QLabel*>(QStringLiteral("m_plbUpdFileNum"))->text();
        failCount = page->findChild<QLabel*>(QStringLiteral("m_plbUpdFailNum"))->text();
        QCOMPARE(report->model()->index(0, 0).data(Qt::ToolTipRole).toString(), bad);
        report->findChild<QPushButton*>(QStringLiteral("m_pbtnCopy"))->click();
        clipboard = QGuiApplication::clipboard()->text();
        report->findChild<QPushButton*>(QStringLiteral("m_pbtnSave"))->click();
        report->findChild<QPushButton*>(QStringLiteral("m_pbtnRetry"))->click();
    };
    const Run run = runWizard(2, {bad, clip}, {}, [&](UploadWizard* wizard) {
        QObject::connect(&sampler, &QTimer::timeout, [&, wizard] {
            const auto* page = wizard->findChild<WizUpdProgress*>();
            const QString now = page->findChild<QLabel*>(QStringLiteral("m_plbCurrent"))->text();
            if (!now.isEmpty() && !current.contains(now))
                current << now;
            transfer << page->findChild<QLabel*>(QStringLiteral("m_plbTransfer"))->text();
        });
        sampler.start(5);
    });
    sampler.stop();
    QVERIFY(run.finished);
    QCOMPARE(run.reportsShown, 1);

    QVERIFY2(current.contains(QStringLiteral("Converting clip.mp4 \u2014 medium quality")),
             qPrintable(current.join(QLatin1Char('|'))));
    QVERIFY2(current.contains(QStringLiteral("Uploading refused.jpg")),
             qPrintable(current.join(QLatin1Char('|'))));
    const QRegularExpression line(
        QStringLiteral("^[\\d.,]+ (bytes|KB|MB|KiB|MiB) of [\\d.,]+ (KB|KiB|MB|MiB) sent"));
    QVERIFY2(std::any_of(transfer.begin(), transfer.end(),
                         [&](const QString& text) {
                             return line.match(text).hasMatch() && text.contains(QLatin1String("/s"));
                         }),
             qPrintable(transfer.join(QLatin1Char('|'))));
    QCOMPARE(counts, QStringLiteral("Failed: 1    Skipped: 0"));
    QCOMPARE(doneStatus, QStringLiteral("Successfully uploaded:"));
    QCOMPARE(doneCount, QStringLiteral("1 file"));
    QCOMPARE(failCount, QStringLiteral("1 file"));

    QFile saved(csv);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QStringList lines =
        QString::fromUtf8(saved.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines.at(0), QStringLiteral("file,album,error,time"));
    QVERIFY2(lines.at(1).startsWith(bad + QStringLiteral(",/photo,")), qPrintable(lines.at(1)));
    const QString time = lines.at(1).section(QLatin1Char(','), -1);
    QVERIFY(QDateTime::fromString(time, Qt::ISODate).isValid());
    QCOMPARE(clipboard,
             QString(lines.at(1)).replace(QLatin1Char(','), QLatin1Char('\t')) + QLatin1Char('\n'));

    // Retry: a new run with the failed file only.
    QCOMPARE(run.retrySources, QStringList{bad});
    QVERIFY(m_server->setFaults({}));
    m_server->clearRequestLog();
    m_onReport = nullptr;
    QVERIFY(runWizard(2, run.retrySources).finished);
    QStringList originals;
    for (const QJsonObject& request : m_server->requestLog()) {
        if (headersOf(request).value(QStringLiteral("X-UPLOAD-TYPE")).toString() ==
            QLatin1String("ORIG_FILE"))
            originals << request.value(QStringLiteral("decoded"))
                             .toObject()
                             .value(QStringLiteral("X-ORIG-FNAME"))
                             .toString();
    }
    QCOMPARE(originals, QStringList{QStringLiteral("refused.jpg")});
}

void TestUploadWizard::checkingSaysHowManyAndCancels()
{
    const QString folder = makeFolder(
        QStringLiteral("Check"), {QStringLiteral("a.jpg"), QStringLiteral("b.jpg"), QStringLiteral("c.jpg")});
    m_profile.incbackup = true;
    QStringList sources{folder};
    QNetworkAccessManager manager;
    UploadWizard wizard(nullptr, 2, &manager, &sources, &m_profile);
    auto* settings = qobject_cast<WizUpdDialog*>(wizard.page(UploadWizard::SettingsPage));
    QStringList busyTexts;
    QObject::connect(settings, &WizUpdDialog::signalBusyText, &wizard, [&](const QString& text) {
        busyTexts << text;
        if (!text.isEmpty()) {
            busyTexts << wizard.findChild<QLabel*>(QStringLiteral("m_plbBusy"))->text();
            // The user cancels while the check runs.
            QTimer::singleShot(0, &wizard, &UploadWizard::reject);
        }
    });
    wizard.show();
    wizard.next();
    QTRY_VERIFY_WITH_TIMEOUT(!wizard.isVisible(), 20000);
    QCOMPARE(busyTexts, (QStringList{QStringLiteral("Checking 3 files\u2026"),
                                     QStringLiteral("Checking 3 files\u2026"), QString()}));
    for (const QJsonObject& request : m_server->requestLog())
        QVERIFY(request.value(QStringLiteral("endpoint")).toString() != QLatin1String("init"));
}

LUMIO_TEST_MAIN(TestUploadWizard)
#include "tst_uploadwizard.moc"
