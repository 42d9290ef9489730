// lumio-refserver: the Lumio photo server as the uploader sees it, on 127.0.0.1, for demonstrations and
// integration tests. See README.md for flags, configuration and storage layout.

#include "LumioServer.h"
#include "RequestLog.h"
#include "SelfSignedCertificate.h"
#include "ServerConfig.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QStandardPaths>

#include <csignal>
#include <cstdio>
#include <pthread.h>
#include <sys/prctl.h>
#include <thread>
#include <unistd.h>

namespace {

int fail(const QString& message)
{
    fprintf(stderr, "lumio-refserver: %s\n", qPrintable(message));
    return 2;
}

QString dataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QLatin1String("/lumio-refserver");
}

bool loadConfigFile(const QString& path, ServerConfig* config, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1").arg(path);
        return false;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (!document.isObject()) {
        *error = QStringLiteral("%1: %2").arg(path, parseError.errorString());
        return false;
    }
    return config->merge(document.object(), QFileInfo(path).absolutePath(), error);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("lumio-refserver"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Reference Lumio server on 127.0.0.1."));
    parser.addHelpOption();
    const QCommandLineOption portOption(QStringLiteral("port"), QStringLiteral("Port; 0 picks a free one."),
                                        QStringLiteral("port"), QStringLiteral("0"));
    const QCommandLineOption httpsOption(QStringLiteral("https"),
                                         QStringLiteral("Serve HTTPS (self-signed)."));
    const QCommandLineOption certDirOption(QStringLiteral("cert-dir"),
                                           QStringLiteral("Folder of server.crt and server.key."),
                                           QStringLiteral("dir"));
    const QCommandLineOption certOption(
        QStringLiteral("cert"), QStringLiteral("Certificate (chain) to present instead of server.crt."),
        QStringLiteral("file"));
    const QCommandLineOption keyOption(QStringLiteral("key"), QStringLiteral("Private key of --cert."),
                                       QStringLiteral("file"));
    const QCommandLineOption configOption(QStringLiteral("config"),
                                          QStringLiteral("JSON configuration file."), QStringLiteral("file"));
    const QCommandLineOption demoOption(QStringLiteral("demo"),
                                        QStringLiteral("Built-in demo configuration (account demo/demo)."));
    const QCommandLineOption rootOption(QStringLiteral("root"), QStringLiteral("Photo shared folder."),
                                        QStringLiteral("dir"));
    const QCommandLineOption homesOption(
        QStringLiteral("homes"), QStringLiteral("Folder of personal Lumio sites."), QStringLiteral("dir"));
    const QCommandLineOption logOption(
        QStringLiteral("log"), QStringLiteral("Request log, one JSON line each."), QStringLiteral("file"));
    const QCommandLineOption noRunPhotoOption(QStringLiteral("no-run-photo"),
                                              QStringLiteral("Answer logins as if Lumio were stopped."));
    const QCommandLineOption noRootPathOption(
        QStringLiteral("no-photo-root-path"),
        QStringLiteral("Answer logins as if the photo folder were missing."));
    const QCommandLineOption secureCookieOption(QStringLiteral("secure-cookie"),
                                                QStringLiteral("Mark the session cookie Secure."));
    const QCommandLineOption faultOption(QStringLiteral("fault"),
                                         QStringLiteral("Inject a fault: endpoint.key=value (repeatable)."),
                                         QStringLiteral("rule"));
    const QCommandLineOption parentOption(QStringLiteral("exit-with-parent"),
                                          QStringLiteral("Stop when the starting process ends."));
    parser.addOptions({portOption, httpsOption, certDirOption, certOption, keyOption, configOption,
                       demoOption, rootOption, homesOption, logOption, noRunPhotoOption, noRootPathOption,
                       secureCookieOption,
                       faultOption, parentOption});
    parser.process(app);

    if (parser.isSet(parentOption)) {
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (getppid() == 1)
            return 0;
    }

    ServerConfig config = parser.isSet(demoOption) ? ServerConfig::demo() : ServerConfig();
    QString error;
    if (parser.isSet(configOption) && !loadConfigFile(parser.value(configOption), &config, &error))
        return fail(error);
    if (parser.isSet(rootOption))
        config.root = QFileInfo(parser.value(rootOption)).absoluteFilePath();
    if (config.root.isEmpty())
        config.root = dataFolder() + QLatin1String("/photo");
    if (parser.isSet(homesOption))
        config.homes = QFileInfo(parser.value(homesOption)).absoluteFilePath();
    if (config.homes.isEmpty())
        config.homes = QFileInfo(config.root).absolutePath() + QLatin1String("/homes");
    if (parser.isSet(noRunPhotoOption))
        config.runPhoto = false;
    if (parser.isSet(noRootPathOption))
        config.hasPhotoRootPath = false;
    if (parser.isSet(secureCookieOption))
        config.secureCookie = true;
    for (const QString& flag : parser.values(faultOption)) {
        if (!config.applyFaultFlag(flag, &error))
            return fail(error);
    }
    bool portValid = false;
    const int port = parser.value(portOption).toInt(&portValid);
    if (!portValid || port < 0 || port > 65535)
        return fail(QStringLiteral("bad port %1").arg(parser.value(portOption)));

    RequestLog log;
    if (parser.isSet(logOption) && !log.open(parser.value(logOption), &error))
        return fail(error);

    // Termination signals are taken by one waiting thread; every other thread keeps them blocked.
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    signal(SIGPIPE, SIG_IGN);

    LumioServer server(config, &log);
    const bool https = parser.isSet(httpsOption);
    if (https) {
        const QString certDir = parser.isSet(certDirOption) ? parser.value(certDirOption)
                                                            : dataFolder() + QLatin1String("/certs");
        const SelfSignedCertificate certificate(certDir);
        const SelfSignedCertificate alternate(certDir, QStringLiteral("alternate"));
        if (!alternate.ensure(&error) ||
            !server.useAlternateTls(alternate.certificateFile(), alternate.keyFile(), &error))
            return fail(error);
        if (parser.isSet(certOption) != parser.isSet(keyOption))
            return fail(QStringLiteral("--cert and --key go together"));
        if (parser.isSet(certOption)) {
            if (!server.useTls(parser.value(certOption), parser.value(keyOption), &error))
                return fail(error);
        } else if (!certificate.ensure(&error) ||
                   !server.useTls(certificate.certificateFile(), certificate.keyFile(), &error)) {
            return fail(error);
        }
    }
    const int bound = server.bind(port, &error);
    if (bound < 0)
        return fail(error);
    printf("listening on %s://127.0.0.1:%d\n", https ? "https" : "http", bound);
    printf("photo root %s\n", qPrintable(QDir::toNativeSeparators(config.root)));
    fflush(stdout);

    std::thread waiter([&server, signals] {
        int received = 0;
        sigwait(&signals, &received);
        server.stop();
    });
    const bool served = server.run();
    // Wake the waiter when serving ended by itself.
    pthread_kill(waiter.native_handle(), SIGTERM);
    waiter.join();
    return served ? 0 : 1;
}
