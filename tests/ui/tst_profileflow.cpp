#include "AppDialogs.h"
#include "AppPaths.h"
#include "CreateWizard.h"
#include "DiscoveryResponder.h"
#include "HandOver.h"
#include "RefServer.h"
#include "ScriptedPrompter.h"
#include "StartUp.h"
#include "TestEnvironment.h"
#include "UploadWizard.h"
#include "WizIPDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// Calls step every 50 ms while the modal dialog of type T is open, until step returns true.
template <typename T> void driveModal(const std::function<bool(T*)>& step)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, step] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (dialog && step(dialog)) {
            poll->stop();
            poll->deleteLater();
        }
    });
    poll->start(50);
}

} // namespace

// A new user's road: create a profile for a server found on the network, then upload a folder with
// it from a run started by its shortcut index. Each step is a run of the program's own start-up with
// its real dialogs, driven as a user would; between them a separate process of the program checks
// that it finds the new profile by its index.
class TestProfileFlow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void createThenUpload();

private:
    std::unique_ptr<RefServer> m_server;
    DiscoveryResponder m_responder;
};

void TestProfileFlow::initTestCase()
{
    DiscoveryResponder::useLoopbackDiscovery();
    m_server = std::make_unique<RefServer>();
    QVERIFY2(m_server->start(), qPrintable(m_server->errorString()));
    DiscoveryResponder::Identity identity;
    identity.name = QStringLiteral("lumio-reference");
    identity.httpPort = m_server->port();
    QVERIFY(m_responder.start(identity));
}

void TestProfileFlow::createThenUpload()
{
    ScriptedPrompter prompter;
    AppDialogs dialogs;

    // Mode 7: the create-profile wizard alone.
    int createStep = 0;
    driveModal<CreateWizard>([&](CreateWizard* wizard) {
        QComboBox* combo = wizard->serverPage()->serverCombo();
        switch (createStep) {
        case 0:
            if (combo->count() == 0)
                return false;
            combo->setCurrentIndex(0);
            emit combo->activated(0);
            wizard->findChild<QLineEdit*>(QStringLiteral("m_pedtPort"))
                ->setText(QString::number(m_server->port()));
            wizard->next();
            wizard->next();
            wizard->findChild<QLineEdit*>(QStringLiteral("m_pedtAccount"))->setText(QStringLiteral("demo"));
            wizard->findChild<QLineEdit*>(QStringLiteral("m_pedtPassword"))->setText(QStringLiteral("demo"));
            wizard->next();
            createStep = 1;
            return false;
        default:
            if (wizard->currentId() != CreateWizard::HintPage)
                return false;
            wizard->button(QWizard::FinishButton)->click();
            return true;
        }
    });
    QCOMPARE(StartUp::run({QStringLiteral("lumio-uploader"), QStringLiteral("7")}, &dialogs), 1);
    QCOMPARE(prompter.messageTexts(), QStringList());
    QCOMPARE(HandOver::shortcutNames(), QStringList{QStringLiteral("lumio-reference")});
    QCOMPARE(m_server->requestLog(QStringLiteral("login")).size(), 1);

    // Another process of the program finds the profile by its index (its dialog closes at once).
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LUMIO_CLOSE_DIALOGS_AT_ONCE"), QStringLiteral("1"));
    // The dialogs opened are read from the diagnostics.
    environment.insert(QStringLiteral("LUMIO_VERBOSE"), QStringLiteral("1"));
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::MergedChannels);
    program.start(TestEnvironment::binDir() + QStringLiteral("/lumio-uploader"),
                  {QStringLiteral("8"), QStringLiteral("0")});
    QVERIFY(program.waitForFinished(30000));
    const QString output = QString::fromLocal8Bit(program.readAll());
    QCOMPARE(program.exitCode(), 1);
    QVERIFY2(output.contains(QStringLiteral("Upload wizard (mode 8")), qPrintable(output));
    QVERIFY2(!output.contains(QStringLiteral("Database error")), qPrintable(output));

    // Mode 8 with that index: pick a folder and upload it.
    QTemporaryDir pictures;
    const QString folder = pictures.filePath(QStringLiteral("Holiday"));
    QDir().mkpath(folder);
    for (const QString& name : {QStringLiteral("beach.jpg"), QStringLiteral("sunset.jpg")}) {
        QImage image(64, 48, QImage::Format_RGB32);
        image.fill(name.startsWith(QLatin1Char('b')) ? Qt::yellow : Qt::red);
        QVERIFY(image.save(folder + QLatin1Char('/') + name, "JPG"));
    }
    prompter.answerDirectory(folder);
    int uploadStep = 0;
    driveModal<UploadWizard>([&](UploadWizard* wizard) {
        switch (uploadStep) {
        case 0:
            wizard->findChild<QPushButton*>(QStringLiteral("m_pbtnSrcBrowse"))->click();
            wizard->next();
            uploadStep = 1;
            return false;
        default:
            if (!wizard->isUploadFinished() || wizard->workersRunning())
                return false;
            wizard->button(QWizard::FinishButton)->click();
            return true;
        }
    });
    QCOMPARE(
        StartUp::run({QStringLiteral("lumio-uploader"), QStringLiteral("8"), QStringLiteral("0")}, &dialogs),
        1);
    QCOMPARE(prompter.messageTexts(), QStringList());
    // A new profile renames files by their time, so both arrive under new names.
    const QStringList uploaded =
        QDir(m_server->photoRoot() + QStringLiteral("/Holiday")).entryList(QDir::Files);
    QCOMPARE(uploaded.size(), 2);
    for (const QString& name : uploaded)
        QVERIFY2(name.startsWith(QStringLiteral("IMG_")) && name.endsWith(QStringLiteral(".jpg")),
                 qPrintable(name));
    QCOMPARE(m_server->requestLog(QStringLiteral("login")).size(), 2);
}

LUMIO_TEST_MAIN(TestProfileFlow)
#include "tst_profileflow.moc"
