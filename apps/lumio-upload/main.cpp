// lumio-upload: uploads to Lumio without a window, through the same engine as the upload wizard.

#include "AppPaths.h"
#include "ConsoleOptions.h"
#include "ConsoleProfiles.h"
#include "ConsolePrompter.h"
#include "ConsoleReport.h"
#include "ConsoleUpload.h"
#include "Diagnostics.h"
#include "InterruptNotifier.h"
#include "ProfileStore.h"
#include "VexaLocale.h"

#include <QCoreApplication>
#include <QDir>
#include <QTranslator>

#include <cstdio>
#include <unistd.h>

namespace {

int runCommand(const ConsoleOptions& options)
{
    switch (options.command) {
    case ConsoleOptions::Command::ListProfiles:
        ConsoleProfiles::list(options.json);
        return ConsoleOptions::ExitSuccess;
    case ConsoleOptions::Command::SeedDemoProfile:
        return ConsoleProfiles::seedDemo(options.demoPort) ? ConsoleOptions::ExitSuccess
                                                           : ConsoleOptions::ExitFailure;
    case ConsoleOptions::Command::Help:
    case ConsoleOptions::Command::Upload:
        break;
    }

    InterruptNotifier interrupts;
    ConsolePrompter prompter(interrupts.readFd());
    Prompter::setInstance(&prompter);
    ConsoleReport report(options.json, isatty(STDOUT_FILENO) != 0);
    ConsoleUpload upload(options, &report);
    QObject::connect(&upload, &ConsoleUpload::signalFinished, QCoreApplication::instance(),
                     &QCoreApplication::exit);
    QObject::connect(&interrupts, &InterruptNotifier::signalInterrupted, &upload,
                     &ConsoleUpload::slotInterrupt);
    upload.start();
    const int status = QCoreApplication::exec();
    Prompter::setInstance(nullptr);
    return status;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Vexalon"));
    QCoreApplication::setApplicationName(QStringLiteral("Lumio Uploader"));

    ConsoleOptions options;
    QString error;
    if (!options.parse(QCoreApplication::arguments(), &error)) {
        fprintf(stderr, "lumio-upload: %s\nTry 'lumio-upload --help'.\n", qUtf8Printable(error));
        return ConsoleOptions::ExitUsage;
    }
    if (options.command == ConsoleOptions::Command::Help) {
        fputs(qUtf8Printable(ConsoleOptions::usage()), stdout);
        return ConsoleOptions::ExitSuccess;
    }
    // The engine's diagnostics would bury the report.
    Diagnostics::setUp(options.verbose);
    if (!options.logFile.isEmpty() && !Diagnostics::setLogFile(options.logFile, &error)) {
        fprintf(stderr, "lumio-upload: cannot open the log file %s: %s\n", qUtf8Printable(options.logFile),
                qUtf8Printable(error));
        return ConsoleOptions::ExitUsage;
    }

    QTranslator translator;
    if (translator.load(VexaLocale::translationFileFor(VexaLocale::uiLanguageCode())) &&
        !translator.isEmpty())
        QCoreApplication::installTranslator(&translator);

    const QString dataFolder = AppPaths::dataFolder();
    if (!QDir(dataFolder).exists())
        QDir().mkpath(dataFolder);
    if (!ProfileStore::open()) {
        fprintf(stderr, "%s: %s\n", qUtf8Printable(tx(TextId::err_error)),
                qUtf8Printable(ProfileStore::openErrorText()));
        return ConsoleOptions::ExitUsage;
    }
    if (!ProfileStore::profilesTableExists())
        ProfileStore::createProfilesTable();

    const int status = runCommand(options);
    if (options.command != ConsoleOptions::Command::ListProfiles)
        ProfileStore::writeShortcutList();
    ProfileStore::close();
    return status;
}
