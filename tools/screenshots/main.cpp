// lumio-screenshots [--language CODE] FOLDER: renders every dialog and wizard page of the program into
// FOLDER as PNG files, in English or in the UI language CODE (such as deu). Runs offscreen on made-up
// data in a throw-away data folder; discovery stays on loopback.

#include "AppPaths.h"
#include "ProfileStore.h"
#include "ScreenshotPrompter.h"
#include "ScreenshotSession.h"
#include "VexaLocale.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTranslator>
#include <QUdpSocket>

#include <cstdio>
#include <cstring>

namespace {

quint16 freeUdpPort()
{
    QUdpSocket socket;
    socket.bind(QHostAddress::LocalHost, 0);
    return socket.localPort();
}

} // namespace

int main(int argc, char* argv[])
{
    QString language;
    QString folder;
    if (argc == 2) {
        folder = QString::fromLocal8Bit(argv[1]);
    } else if (argc == 4 && std::strcmp(argv[1], "--language") == 0) {
        language = QString::fromLocal8Bit(argv[2]);
        folder = QString::fromLocal8Bit(argv[3]);
    } else {
        std::fputs("Usage: lumio-screenshots [--language CODE] FOLDER\n", stderr);
        return 2;
    }
    folder = QDir(folder).absolutePath();

    // Nothing the run writes may touch the user's own profiles or temporary files.
    QTemporaryDir scratch;
    if (!scratch.isValid()) {
        std::fputs("lumio-screenshots: no temporary folder\n", stderr);
        return 1;
    }
    const QDir root(scratch.path());
    for (const char* sub : {"data", "config", "cache", "home", "tmp", "runtime"})
        root.mkpath(QLatin1String(sub));
    QFile::setPermissions(root.filePath(QStringLiteral("runtime")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_DATA_HOME", root.filePath(QStringLiteral("data")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", root.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_CACHE_HOME", root.filePath(QStringLiteral("cache")).toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", root.filePath(QStringLiteral("runtime")).toLocal8Bit());
    qputenv("HOME", root.filePath(QStringLiteral("home")).toLocal8Bit());
    qputenv("TMPDIR", root.filePath(QStringLiteral("tmp")).toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Vexalon"));
    QCoreApplication::setApplicationName(QStringLiteral("Lumio Uploader"));

    // Chosen the way the program chooses it, so that pictures by language follow too.
    QTranslator translator;
    if (!language.isEmpty()) {
        QSettings().setValue(QStringLiteral("Global/UILanguage"), language);
        if (VexaLocale::uiLanguageCode() != language ||
            !translator.load(VexaLocale::translationFileFor(language)) || translator.isEmpty()) {
            std::fprintf(stderr, "lumio-screenshots: no translation for %s\n", qPrintable(language));
            return 2;
        }
        QCoreApplication::installTranslator(&translator);
    }

    // The server-choosing dialogs search as they open: keep their queries on loopback.
    qputenv("LUMIO_DISCOVERY_INTERFACES", "lo");
    qputenv("LUMIO_DISCOVERY_TARGET", "127.0.0.1");
    qputenv("LUMIO_DISCOVERY_PORT", QByteArray::number(freeUdpPort()));
    qputenv("LUMIO_DISCOVERY_LISTEN_PORT", QByteArray::number(freeUdpPort()));

    QDir().mkpath(AppPaths::dataFolder());
    if (!ProfileStore::open()) {
        std::fprintf(stderr, "lumio-screenshots: profile store: %s\n",
                     qPrintable(ProfileStore::lastErrorText()));
        return 1;
    }
    ProfileStore::createProfilesTable();

    ScreenshotPrompter prompter;
    ScreenshotSession session(folder);
    // Every picture is of a dialog in a sound state: a prompt means some step went wrong.
    const bool ok = session.run() && prompter.prompts().isEmpty();
    ProfileStore::close();

    QTextStream out(stdout);
    for (const QString& name : session.savedFiles())
        out << QDir(folder).filePath(name) << '\n';
    return ok ? 0 : 1;
}
