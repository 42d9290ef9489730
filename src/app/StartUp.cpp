#include "StartUp.h"

#include "AppPaths.h"
#include "DialogFactory.h"
#include "HandOver.h"
#include "ProfileStore.h"
#include "Prompter.h"
#include "ServerProfile.h"
#include "SingleInstanceLock.h"
#include "VexaLocale.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QNetworkAccessManager>
#include <QProcess>
#include <QSettings>
#include <QTranslator>

namespace {

const char kEditorLock[] = "OpenProfileEditor";

} // namespace

DialogFactory::~DialogFactory() = default;

int StartUp::parseNumber(const QString& text)
{
    const QByteArray bytes = text.toLocal8Bit();
    return std::atoi(bytes.constData());
}

int StartUp::run(const QStringList& arguments, DialogFactory* dialogs)
{
    QNetworkAccessManager manager;
    ServerProfile profile;

    QTranslator translator;
    if (translator.load(VexaLocale::translationFileFor(VexaLocale::uiLanguageCode())) &&
        !translator.isEmpty())
        QCoreApplication::installTranslator(&translator);

    const QString dataFolder = AppPaths::dataFolder();
    if (!QDir(dataFolder).exists())
        QDir().mkpath(dataFolder);

    QString reason;
    if (!AppPaths::ensureRuntimeFolder(&reason)) {
        qWarning("Runtime folder %s refused: %s", qPrintable(AppPaths::runtimeFolder()), qPrintable(reason));
        Prompter::inform(nullptr, Prompter::Icon::Critical, tx(TextId::err_error),
                         tx(TextId::err_runtime_folder).arg(AppPaths::runtimeFolder()));
        return 0;
    }

    if (!ProfileStore::open()) {
        Prompter::inform(nullptr, Prompter::Icon::Critical, tx(TextId::err_error),
                         ProfileStore::openErrorText());
        return 0;
    }
    if (!ProfileStore::profilesTableExists())
        ProfileStore::createProfilesTable();
    AppPaths::resetFileSequence();

    const int mode = arguments.size() > 1 ? parseNumber(arguments.at(1)) : 3;
    dispatch(mode, arguments, dialogs, &manager, &profile);

    ProfileStore::writeShortcutList();
    ProfileStore::close();
    QCoreApplication::removeTranslator(&translator);
    return 1;
}

void StartUp::dispatch(int mode, const QStringList& arguments, DialogFactory* dialogs,
                       QNetworkAccessManager* manager, ServerProfile* profile)
{
    const QString argument2 = arguments.value(2);
    bool createFirst = false;
    QString profileName;

    switch (mode) {
    case 0:
    case 3:
        runProfileEditor(mode, dialogs, manager);
        return;
    case 5: {
        // The copy outlives this process; its diagnostics must not go to a pipe that closes with us.
        QProcess copy;
        copy.setProgram(QCoreApplication::applicationFilePath());
        copy.setArguments({QStringLiteral("6")});
        copy.setStandardOutputFile(QProcess::nullDevice());
        copy.setStandardErrorFile(QProcess::nullDevice());
        copy.startDetached();
        return;
    }
    case 1:
    case 7:
        createFirst = true;
        break;
    case 2:
    case 8:
        profileName = HandOver::shortcutEntry(parseNumber(argument2));
        break;
    case 4:
    case 6:
        profileName = HandOver::shortcutEntry(0);
        createFirst = profileName.isEmpty();
        break;
    default:
        return;
    }

    bool fromWizard = false;
    if (createFirst) {
        const int result = dialogs->runCreateWizard(mode, manager, profile);
        if (result != 1 || mode == 7)
            return;
        profileName = profile->profname;
        fromWizard = true;
    }

    QStringList files;
    if (mode == 4)
        files = HandOver::collectFolderFiles(argument2);
    else if (mode != 6 && mode != 8)
        files = HandOver::readFileList();

    if (!fromWizard && !ProfileStore::loadProfile(profileName, profile))
        return;
    dialogs->runUploadWizard(mode, manager, files, profile);
}

void StartUp::runProfileEditor(int mode, DialogFactory* dialogs, QNetworkAccessManager* manager)
{
    // The lock file decides which copy shows the list; the socket only lets later copies find it.
    const QString base = AppPaths::runtimeFolder() + QLatin1Char('/') + QLatin1String(kEditorLock);
    SingleInstanceLock lock(base + QLatin1String(".lock"));
    if (!lock.tryLock()) {
        qDebug() << "Editor lock taken:" << lock.errorString();
        QLocalSocket socket;
        socket.connectToServer(base, QIODevice::ReadWrite);
        if (socket.waitForConnected(kProfileEditorProbeMs))
            socket.disconnectFromServer();
        return;
    }

    // A socket file left by a copy that died is ours to replace: we hold the lock.
    QLocalServer::removeServer(base);
    QLocalServer server;
    server.setSocketOptions(QLocalServer::UserAccessOption);
    if (!server.listen(base))
        qDebug() << "Editor socket unavailable:" << server.errorString();
    dialogs->runProfileEditor(mode, manager);
    server.close();
}
