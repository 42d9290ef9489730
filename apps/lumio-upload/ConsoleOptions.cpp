#include "ConsoleOptions.h"

#include "CertificateTrust.h"
#include "ServerProfile.h"

#include <QCommandLineParser>
#include <QDir>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <csignal>

namespace {

const QString kPhotoRoot = QStringLiteral("/photo");

QCommandLineOption flag(const QString& name, const QString& description)
{
    return QCommandLineOption(name, description);
}

QCommandLineOption valued(const QString& name, const QString& description, const QString& valueName)
{
    return QCommandLineOption(name, description, valueName);
}

QCommandLineOption shortValued(const QString& shortName, const QString& name, const QString& valueName)
{
    return QCommandLineOption(QStringList{shortName, name}, QString(), valueName);
}

QCommandLineOption shortFlag(const QString& shortName, const QString& name)
{
    return QCommandLineOption(QStringList{shortName, name});
}

const QString kAlbumError =
    QStringLiteral("--album must be /photo or an album path below it, such as /photo/2026/trip");

} // namespace

QString ConsoleOptions::usage()
{
    return QStringLiteral(
        "Usage: lumio-upload -p NAME [options] PATH...\n"
        "       lumio-upload -p NAME --watch [--settle SECONDS] [options] FOLDER...\n"
        "       lumio-upload discover [--json] [--seconds N]\n"
        "       lumio-upload profile add|list|show|edit|remove|password ... (see lumio-upload profile "
        "--help)\n"
        "       lumio-upload watch enable PROFILE FOLDER... [options] | disable PROFILE | status [PROFILE]\n"
        "\n"
        "Uploads files and folders to Lumio with a stored server profile, as the upload wizard does.\n"
        "Options not given come from the profile's stored upload options.\n"
        "\n"
        "  -p, --profile NAME       the server profile to use (its exact name)\n"
        "  -a, --album /photo/PATH  destination album (default: the profile's, else /photo)\n"
        "  --keep-structure         recreate the selected folders in the album (default)\n"
        "  --flat                   put every file straight into the album\n"
        "  --video-quality LIST     renditions of videos: low,medium,high,mobile or none\n"
        "  --duplicates POLICY      a name already on the server: rename, overwrite or skip\n"
        "  --no-skip-uploaded       send files that were uploaded before with this profile\n"
        "  --all-files              also send files of unsupported types\n"
        "  --rename-by-date         name files by capture time (IMG_yyyyMMdd_hhmmss)\n"
        "  --keep-names             keep the files' own names\n"
        "  --retries N              send a file again at most N times after a lost connection or a\n"
        "                           time-out, at once, then after 1 s, 2 s, 4 s ... up to 30 s (default 7)\n"
        "  --timeout SECONDS        give up on a request that moves no byte for this long (default 60)\n"
        "  --bwlimit RATE           send at most RATE bytes per second, such as 500k or 5M (k, M, G:\n"
        "                           1024, 1024^2, 1024^3)\n"
        "  --include GLOB           send only files that match GLOB (repeatable: any of them)\n"
        "  --exclude GLOB           leave out files and folders that match GLOB (repeatable)\n"
        "  --newer-than DATE        send only files modified after DATE (2026-05-01 or\n"
        "                           2026-05-01T18:30, local time)\n"
        "  --log-file FILE          append the engine's diagnostics with time stamps to FILE\n"
        "  -n, --dry-run            log in and ask the server, but send no file\n"
        "  --json                   one JSON object per file and a summary, one per line\n"
        "  --save-options           store the options of this run in the profile\n"
        "  --ask-password           ask the password on the terminal for this run, even when the\n"
        "                           profile remembers one\n"
        "  --trust-certificate SHA256\n"
        "                           trust (and pin for the profile) the server certificate with this\n"
        "                           SHA-256 fingerprint, also in place of a changed one\n"
        "  -q, --quiet              no progress line and no line per file: only errors and the summary\n"
        "  -v, --verbose            show the engine's diagnostics on standard error\n"
        "  --list-profiles          list the stored profiles (as lumio-upload profile list)\n"
        "  --watch                  after uploading the folders, keep watching them and upload new\n"
        "                           and changed files once complete (see README: watch folders)\n"
        "  --settle SECONDS         a watched file is complete once unchanged for this long (default 10)\n"
        "  -h, --help               show this help\n"
        "  --version                show the program's version\n"
        "\n"
        "The password comes from LUMIO_PASSWORD when it is set, else from the profile when it is\n"
        "remembered, else it is asked on the terminal (also with --ask-password).\n"
        "A GLOB is matched, ignoring case, against a file's name and against its path below the folder\n"
        "named on the command line (Inner/IMG_1.jpg); * and ? do not match a slash.\n"
        "A server certificate that the system cannot verify is shown with its fingerprint and asked\n"
        "about on the terminal; without one the run stops until --trust-certificate vouches for it.\n"
        "\n"
        "Exit status:\n"
        "  0    every file uploaded or skipped as uploaded\n"
        "  1    a file failed or was refused, an upload could not be recorded, the session was lost\n"
        "  2    usage error: options, an unknown profile, a refused profile setting, no password\n"
        "  3    the server could not be reached (connection refused, host not found, time-out, TLS)\n"
        "  4    the login was refused\n"
        "  5    the profile store cannot be used\n"
        "  130  interrupted (SIGINT); 143 terminated (SIGTERM)\n"
        "With --json the summary's \"error\" names the same class: failed, usage, unreachable,\n"
        "login_refused, store or interrupted.\n"
        "With --watch: 0 stopped by SIGTERM or SIGINT, 1 every watched folder gone, 4 the login was\n"
        "refused.\n");
}

QString ConsoleOptions::profileUsage()
{
    return QStringLiteral(
        "Usage: lumio-upload profile add NAME --host HOST [--port N] [--https] --user ACCOUNT\n"
        "                            [--personal | --personal-user OWNER] [--album /photo/PATH]\n"
        "                            [--remember-password | --no-remember-password]\n"
        "                            [--password-stdin] [--no-check]\n"
        "       lumio-upload profile list [--json | --names]\n"
        "       lumio-upload profile show NAME [--json]\n"
        "       lumio-upload profile edit NAME [the options of add] [--no-https] [--no-personal]\n"
        "                            [--rename NEW]\n"
        "       lumio-upload profile remove NAME [--yes]\n"
        "       lumio-upload profile password NAME [--password-stdin] [--no-check]\n"
        "\n"
        "Profiles are those of the Lumio Uploader window, checked by the same rules.\n"
        "  --host HOST              the server's address or name\n"
        "  --port N                 its web port (default 80, with --https 443)\n"
        "  --https                  connect over HTTPS (--no-https: plain HTTP)\n"
        "  --user ACCOUNT           the account to log in with\n"
        "  --personal               upload to the account's own personal Lumio\n"
        "  --personal-user OWNER    upload to OWNER's personal Lumio (--no-personal: the shared one)\n"
        "  --album /photo/PATH      the profile's destination album\n"
        "  --remember-password      keep the password in the profile (default for add)\n"
        "  --no-remember-password   ask it at every upload\n"
        "  --password-stdin         read the password from the first line of standard input\n"
        "  --no-check               store without logging in to check the password\n"
        "  --rename NEW             give the profile a new name\n"
        "  --yes                    remove without asking\n"
        "The password comes from --password-stdin, else LUMIO_PASSWORD, else it is asked on the\n"
        "terminal without echo; it is never taken from the command line. A remembered password is\n"
        "checked by logging in, as the create-profile wizard does.\n"
        "Exit status: 0 done, 2 usage error or refused setting, 3 server not reached, 4 login refused,\n"
        "5 profile store unusable.\n");
}

QString ConsoleOptions::version()
{
    return QStringLiteral("lumio-upload %1\n").arg(QStringLiteral(LUMIO_VERSION));
}

QString ConsoleOptions::errorClass(int status)
{
    switch (status) {
    case ExitSuccess:
        return QString();
    case ExitFailure:
        return QStringLiteral("failed");
    case ExitUsage:
        return QStringLiteral("usage");
    case ExitUnreachable:
        return QStringLiteral("unreachable");
    case ExitLoginRefused:
        return QStringLiteral("login_refused");
    case ExitStore:
        return QStringLiteral("store");
    default:
        return QStringLiteral("interrupted");
    }
}

int ConsoleOptions::interruptStatus(int signalNumber)
{
    return signalNumber == SIGTERM ? ExitTerminated : ExitInterrupted;
}

qint64 ConsoleOptions::parseRate(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^\\s*(\\d+(?:\\.\\d+)?)\\s*([kmg]?)\\s*$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return -1;
    const QString unit = match.captured(2).toLower();
    const int power = unit.isEmpty() ? 0 : QStringLiteral("kmg").indexOf(unit) + 1;
    const double rate = match.captured(1).toDouble() * std::pow(1024.0, power);
    // Far beyond any uplink; also keeps the number inside qint64.
    if (rate > 1e12)
        return -1;
    return static_cast<qint64>(rate);
}

QDateTime ConsoleOptions::parseDate(const QString& text)
{
    const QString trimmed = text.trimmed();
    // QDate would also take the date part of a date-time and drop its time.
    if (trimmed.size() == 10) {
        const QDate day = QDate::fromString(trimmed, Qt::ISODate);
        return day.isValid() ? day.startOfDay() : QDateTime();
    }
    QString spelled = trimmed;
    if (spelled.size() > 10 && spelled.at(10) == QLatin1Char(' '))
        spelled[10] = QLatin1Char('T');
    return QDateTime::fromString(spelled, Qt::ISODate);
}

bool ConsoleOptions::parseQualities(const QString& text, QList<int>* qualities)
{
    QStringList words;
    for (const QString& word : text.toLower().split(QLatin1Char(','), Qt::SkipEmptyParts))
        words.append(word.trimmed());
    if (words == QStringList{QStringLiteral("none")}) {
        qualities->clear();
        return true;
    }
    // The list follows the quality page's fixed order: low, medium, high, mobile.
    const QList<QPair<QString, int>> known = {{QStringLiteral("low"), 2},
                                              {QStringLiteral("medium"), 1},
                                              {QStringLiteral("high"), 0},
                                              {QStringLiteral("mobile"), 3}};
    QList<int> codes;
    for (const auto& entry : known) {
        if (words.contains(entry.first))
            codes.append(entry.second);
    }
    for (const QString& word : words) {
        const bool knownWord =
            std::any_of(known.begin(), known.end(),
                        [&word](const QPair<QString, int>& entry) { return entry.first == word; });
        if (!knownWord)
            return false;
    }
    if (codes.isEmpty())
        return false;
    *qualities = codes;
    return true;
}

QString ConsoleOptions::normalisedAlbum(const QString& text)
{
    QString album = text.trimmed();
    while (album.size() > 1 && album.endsWith(QLatin1Char('/')))
        album.chop(1);
    if (album == kPhotoRoot)
        return album;
    const QString prefix = kPhotoRoot + QLatin1Char('/');
    if (!album.startsWith(prefix))
        return QString();
    const QStringList parts = album.mid(prefix.size()).split(QLatin1Char('/'));
    for (const QString& part : parts) {
        if (part.isEmpty() || part == QLatin1String(".") || part == QLatin1String(".."))
            return QString();
    }
    return album;
}

bool ConsoleOptions::parse(const QStringList& arguments, QString* error)
{
    // A command word comes right after the program name; anything else is an upload.
    const QString word = arguments.value(1);
    if (word == QLatin1String("profile"))
        return parseProfile(arguments.mid(1), error);
    if (word == QLatin1String("discover"))
        return parseDiscover(arguments.mid(1), error);

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help."));
    const QCommandLineOption profileOption =
        shortValued(QStringLiteral("p"), QStringLiteral("profile"), QStringLiteral("name"));
    const QCommandLineOption albumOption =
        shortValued(QStringLiteral("a"), QStringLiteral("album"), QStringLiteral("path"));
    const QCommandLineOption keepStructureOption = flag(QStringLiteral("keep-structure"), {});
    const QCommandLineOption flatOption = flag(QStringLiteral("flat"), {});
    const QCommandLineOption qualityOption =
        valued(QStringLiteral("video-quality"), {}, QStringLiteral("list"));
    const QCommandLineOption duplicatesOption =
        valued(QStringLiteral("duplicates"), {}, QStringLiteral("policy"));
    const QCommandLineOption noSkipOption = flag(QStringLiteral("no-skip-uploaded"), {});
    const QCommandLineOption allFilesOption = flag(QStringLiteral("all-files"), {});
    const QCommandLineOption renameOption = flag(QStringLiteral("rename-by-date"), {});
    const QCommandLineOption keepNamesOption = flag(QStringLiteral("keep-names"), {});
    const QCommandLineOption retriesOption = valued(QStringLiteral("retries"), {}, QStringLiteral("count"));
    const QCommandLineOption timeoutOption = valued(QStringLiteral("timeout"), {}, QStringLiteral("seconds"));
    const QCommandLineOption dryRunOption = shortFlag(QStringLiteral("n"), QStringLiteral("dry-run"));
    const QCommandLineOption jsonOption = flag(QStringLiteral("json"), {});
    const QCommandLineOption saveOption = flag(QStringLiteral("save-options"), {});
    const QCommandLineOption verboseOption = shortFlag(QStringLiteral("v"), QStringLiteral("verbose"));
    const QCommandLineOption quietOption = shortFlag(QStringLiteral("q"), QStringLiteral("quiet"));
    const QCommandLineOption askPasswordOption = flag(QStringLiteral("ask-password"), {});
    const QCommandLineOption versionOption = flag(QStringLiteral("version"), {});
    const QCommandLineOption trustOption =
        valued(QStringLiteral("trust-certificate"), {}, QStringLiteral("sha256"));
    const QCommandLineOption listOption = flag(QStringLiteral("list-profiles"), {});
    const QCommandLineOption logFileOption = valued(QStringLiteral("log-file"), {}, QStringLiteral("file"));
    const QCommandLineOption rateOption = valued(QStringLiteral("bwlimit"), {}, QStringLiteral("rate"));
    const QCommandLineOption includeOption = valued(QStringLiteral("include"), {}, QStringLiteral("glob"));
    const QCommandLineOption excludeOption = valued(QStringLiteral("exclude"), {}, QStringLiteral("glob"));
    const QCommandLineOption newerOption = valued(QStringLiteral("newer-than"), {}, QStringLiteral("date"));
    // Used by scripts/run.sh to set up the demonstration.
    const QCommandLineOption seedOption =
        valued(QStringLiteral("seed-demo-profile"), {}, QStringLiteral("port"));
    parser.addOptions({help,           profileOption,     albumOption,      keepStructureOption,
                       flatOption,     qualityOption,     duplicatesOption, noSkipOption,
                       allFilesOption, renameOption,      keepNamesOption,  retriesOption,
                       timeoutOption,  dryRunOption,      jsonOption,       saveOption,
                       verboseOption,  listOption,        seedOption,       trustOption,
                       quietOption,    askPasswordOption, versionOption});
    parser.addOptions({logFileOption, rateOption, includeOption, excludeOption, newerOption});
    const QCommandLineOption watchOption = flag(QStringLiteral("watch"), {});
    const QCommandLineOption settleOption = valued(QStringLiteral("settle"), {}, QStringLiteral("seconds"));
    parser.addOptions({watchOption, settleOption});
    parser.addPositionalArgument(QStringLiteral("path"), {}, QStringLiteral("PATH..."));

    if (!parser.parse(arguments)) {
        *error = parser.errorText();
        return false;
    }
    json = parser.isSet(jsonOption);
    verbose = parser.isSet(verboseOption);
    quiet = parser.isSet(quietOption);
    logFile = parser.value(logFileOption);
    if (parser.isSet(logFileOption) && logFile.isEmpty()) {
        *error = QStringLiteral("--log-file needs a file name");
        return false;
    }
    if (parser.isSet(help)) {
        command = Command::Help;
        return true;
    }
    if (parser.isSet(versionOption)) {
        command = Command::Version;
        return true;
    }
    if (quiet && verbose) {
        *error = QStringLiteral("--quiet and --verbose exclude each other");
        return false;
    }
    if (parser.isSet(listOption)) {
        command = Command::ListProfiles;
        return true;
    }
    if (parser.isSet(seedOption)) {
        command = Command::SeedDemoProfile;
        bool ok = false;
        demoPort = parser.value(seedOption).toInt(&ok);
        if (!ok || demoPort <= 0 || demoPort > 65535) {
            *error = QStringLiteral("--seed-demo-profile needs a port number");
            return false;
        }
        return true;
    }

    command = Command::Upload;
    profile = parser.value(profileOption);
    if (profile.isEmpty()) {
        *error = QStringLiteral("--profile NAME is required (lumio-upload profile list shows the names)");
        return false;
    }
    if (parser.isSet(trustOption)) {
        trustCertificate = CertificateTrust::normalisedFingerprint(parser.value(trustOption));
        if (trustCertificate.isEmpty()) {
            *error = QStringLiteral("--trust-certificate takes a SHA-256 fingerprint: 64 hexadecimal digits, "
                                    "pairs may be separated by colons");
            return false;
        }
    }
    if (parser.isSet(keepStructureOption) && parser.isSet(flatOption)) {
        *error = QStringLiteral("--keep-structure and --flat exclude each other");
        return false;
    }
    if (parser.isSet(renameOption) && parser.isSet(keepNamesOption)) {
        *error = QStringLiteral("--rename-by-date and --keep-names exclude each other");
        return false;
    }
    if (parser.isSet(albumOption)) {
        album = normalisedAlbum(parser.value(albumOption));
        if (album.isEmpty()) {
            *error = kAlbumError;
            return false;
        }
    }
    if (parser.isSet(keepStructureOption) || parser.isSet(flatOption))
        keepStructure = parser.isSet(keepStructureOption);
    if (parser.isSet(renameOption) || parser.isSet(keepNamesOption))
        renameByDate = parser.isSet(renameOption);
    if (parser.isSet(noSkipOption))
        skipUploaded = false;
    if (parser.isSet(allFilesOption))
        supportedOnly = false;
    if (parser.isSet(qualityOption)) {
        QList<int> codes;
        if (!parseQualities(parser.value(qualityOption), &codes)) {
            *error = QStringLiteral("--video-quality takes low, medium, high and mobile separated by commas, "
                                    "or none");
            return false;
        }
        qualities = codes;
    }
    if (parser.isSet(duplicatesOption)) {
        duplicates = parser.value(duplicatesOption).toUpper();
        if (duplicates != QLatin1String("RENAME") && duplicates != QLatin1String("OVERWRITE") &&
            duplicates != QLatin1String("SKIP")) {
            *error = QStringLiteral("--duplicates takes rename, overwrite or skip");
            return false;
        }
    }
    if (parser.isSet(retriesOption)) {
        bool ok = false;
        retries = parser.value(retriesOption).toInt(&ok);
        if (!ok || retries < 0 || retries > 1000) {
            *error = QStringLiteral("--retries takes a number from 0 to 1000");
            return false;
        }
    }
    if (parser.isSet(timeoutOption)) {
        bool ok = false;
        timeoutSeconds = parser.value(timeoutOption).toInt(&ok);
        if (!ok || timeoutSeconds < 1 || timeoutSeconds > 86400) {
            *error = QStringLiteral("--timeout takes a number of seconds from 1 to 86400");
            return false;
        }
    }
    if (parser.isSet(rateOption)) {
        bandwidthLimit = parseRate(parser.value(rateOption));
        if (bandwidthLimit < 1024) {
            *error =
                QStringLiteral("--bwlimit takes a rate of at least 1k bytes per second, such as 500k or 5M");
            return false;
        }
    }
    includes = parser.values(includeOption);
    excludes = parser.values(excludeOption);
    if (includes.contains(QString()) || excludes.contains(QString())) {
        *error = QStringLiteral("--include and --exclude need a pattern");
        return false;
    }
    if (parser.isSet(newerOption)) {
        newerThan = parseDate(parser.value(newerOption));
        if (!newerThan.isValid()) {
            *error = QStringLiteral("--newer-than takes a date such as 2026-05-01 or 2026-05-01T18:30");
            return false;
        }
    }
    watch = parser.isSet(watchOption);
    if (parser.isSet(settleOption)) {
        bool ok = false;
        settleSeconds = parser.value(settleOption).toInt(&ok);
        if (!ok || settleSeconds < 0 || settleSeconds > 86400 || !watch) {
            *error = QStringLiteral("--settle takes a number of seconds from 0 to 86400, with --watch");
            return false;
        }
    }
    if (watch && (parser.isSet(dryRunOption) || parser.isSet(noSkipOption))) {
        *error = QStringLiteral("--watch cannot be combined with --dry-run or --no-skip-uploaded");
        return false;
    }
    dryRun = parser.isSet(dryRunOption);
    saveOptions = parser.isSet(saveOption);
    askPassword = parser.isSet(askPasswordOption);
    for (const QString& path : parser.positionalArguments())
        paths.append(QDir::cleanPath(QDir::current().absoluteFilePath(path)));
    if (paths.isEmpty()) {
        *error = QStringLiteral("no PATH to upload");
        return false;
    }
    return true;
}

bool ConsoleOptions::parseProfile(const QStringList& arguments, QString* error)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption hostOption = valued(QStringLiteral("host"), {}, QStringLiteral("host"));
    const QCommandLineOption portOption = valued(QStringLiteral("port"), {}, QStringLiteral("port"));
    const QCommandLineOption httpsOption = flag(QStringLiteral("https"), {});
    const QCommandLineOption noHttpsOption = flag(QStringLiteral("no-https"), {});
    const QCommandLineOption userOption = valued(QStringLiteral("user"), {}, QStringLiteral("account"));
    const QCommandLineOption personalOption = flag(QStringLiteral("personal"), {});
    const QCommandLineOption personalUserOption =
        valued(QStringLiteral("personal-user"), {}, QStringLiteral("owner"));
    const QCommandLineOption noPersonalOption = flag(QStringLiteral("no-personal"), {});
    const QCommandLineOption albumOption = valued(QStringLiteral("album"), {}, QStringLiteral("path"));
    const QCommandLineOption rememberOption = flag(QStringLiteral("remember-password"), {});
    const QCommandLineOption noRememberOption = flag(QStringLiteral("no-remember-password"), {});
    const QCommandLineOption stdinOption = flag(QStringLiteral("password-stdin"), {});
    const QCommandLineOption noCheckOption = flag(QStringLiteral("no-check"), {});
    const QCommandLineOption renameOption = valued(QStringLiteral("rename"), {}, QStringLiteral("name"));
    const QCommandLineOption jsonOption = flag(QStringLiteral("json"), {});
    const QCommandLineOption namesOption = flag(QStringLiteral("names"), {});
    const QCommandLineOption yesOption = flag(QStringLiteral("yes"), {});
    const QCommandLineOption verboseOption = shortFlag(QStringLiteral("v"), QStringLiteral("verbose"));
    parser.addOptions({help, hostOption, portOption, httpsOption, noHttpsOption, userOption, personalOption,
                       personalUserOption, noPersonalOption, albumOption, rememberOption, noRememberOption,
                       stdinOption, noCheckOption, renameOption, jsonOption, namesOption, yesOption,
                       verboseOption});
    if (!parser.parse(arguments)) {
        *error = parser.errorText();
        return false;
    }
    verbose = parser.isSet(verboseOption);
    if (parser.isSet(help)) {
        command = Command::Help;
        profileHelp = true;
        return true;
    }
    const QStringList words = parser.positionalArguments();
    const QString action = words.value(0);
    const QList<QPair<QString, Command>> actions = {{QStringLiteral("add"), Command::ProfileAdd},
                                                    {QStringLiteral("list"), Command::ProfileList},
                                                    {QStringLiteral("show"), Command::ProfileShow},
                                                    {QStringLiteral("edit"), Command::ProfileEdit},
                                                    {QStringLiteral("remove"), Command::ProfileRemove},
                                                    {QStringLiteral("password"), Command::ProfilePassword}};
    const auto found =
        std::find_if(actions.begin(), actions.end(),
                     [&action](const QPair<QString, Command>& entry) { return entry.first == action; });
    if (found == actions.end()) {
        *error = action.isEmpty()
                     ? QStringLiteral("profile needs one of add, list, show, edit, remove, password")
                     : QStringLiteral("unknown profile command '%1' (add, list, show, edit, remove, "
                                      "password)")
                           .arg(action);
        return false;
    }
    command = found->second;

    // Which options each command takes; any other one is a mistake worth reporting.
    const QList<QCommandLineOption> settings = {
        hostOption,  portOption,     httpsOption,      userOption,  personalOption, personalUserOption,
        albumOption, rememberOption, noRememberOption, stdinOption, noCheckOption};
    QList<QCommandLineOption> allowed;
    int nameCount = 1;
    switch (command) {
    case Command::ProfileAdd:
        allowed = settings;
        break;
    case Command::ProfileEdit:
        allowed = settings + QList<QCommandLineOption>{noHttpsOption, noPersonalOption, renameOption};
        break;
    case Command::ProfileList:
        allowed = {jsonOption, namesOption};
        nameCount = 0;
        break;
    case Command::ProfileShow:
        allowed = {jsonOption};
        break;
    case Command::ProfileRemove:
        allowed = {yesOption};
        break;
    default:
        allowed = {stdinOption, noCheckOption};
        break;
    }
    allowed += {help, verboseOption};
    for (const QString& name : parser.optionNames()) {
        const bool known =
            std::any_of(allowed.begin(), allowed.end(),
                        [&name](const QCommandLineOption& option) { return option.names().contains(name); });
        if (!known) {
            *error = QStringLiteral("--%1 does not apply to 'profile %2'").arg(name, action);
            return false;
        }
    }
    if (words.size() - 1 != nameCount) {
        *error = nameCount == 0 ? QStringLiteral("'profile %1' takes no NAME").arg(action)
                                : QStringLiteral("'profile %1' needs one profile NAME").arg(action);
        return false;
    }
    profile = words.value(1);
    json = parser.isSet(jsonOption);
    namesOnly = parser.isSet(namesOption);
    assumeYes = parser.isSet(yesOption);
    passwordStdin = parser.isSet(stdinOption);
    if (json && namesOnly) {
        *error = QStringLiteral("--json and --names exclude each other");
        return false;
    }

    const auto exclusive = [&](const QCommandLineOption& on, const QCommandLineOption& off) {
        if (parser.isSet(on) && parser.isSet(off)) {
            *error = QStringLiteral("--%1 and --%2 exclude each other")
                         .arg(on.names().constLast(), off.names().constLast());
            return false;
        }
        return true;
    };
    if (!exclusive(httpsOption, noHttpsOption) || !exclusive(rememberOption, noRememberOption) ||
        !exclusive(personalOption, noPersonalOption) || !exclusive(personalUserOption, noPersonalOption))
        return false;
    if (parser.isSet(hostOption))
        entries.host = parser.value(hostOption).trimmed();
    if (parser.isSet(portOption))
        entries.port = parser.value(portOption).trimmed();
    if (parser.isSet(httpsOption) || parser.isSet(noHttpsOption))
        entries.https = parser.isSet(httpsOption);
    if (parser.isSet(userOption))
        entries.account = parser.value(userOption);
    if (parser.isSet(personalUserOption)) {
        entries.personal = true;
        entries.personalName = parser.value(personalUserOption);
    } else if (parser.isSet(personalOption)) {
        entries.personal = true;
    } else if (parser.isSet(noPersonalOption)) {
        entries.personal = false;
    }
    if (parser.isSet(rememberOption) || parser.isSet(noRememberOption))
        entries.rememberPassword = parser.isSet(rememberOption);
    entries.check = !parser.isSet(noCheckOption);
    entries.rename = parser.value(renameOption);
    if (parser.isSet(renameOption) && entries.rename.isEmpty()) {
        *error = QStringLiteral("--rename needs the new NAME");
        return false;
    }
    if (parser.isSet(albumOption)) {
        entries.album = normalisedAlbum(parser.value(albumOption));
        if (entries.album.isEmpty()) {
            *error = kAlbumError;
            return false;
        }
    }
    if (command == Command::ProfileAdd && !entries.host) {
        *error = QStringLiteral(
            "'profile add' needs --host HOST (lumio-upload discover lists the servers nearby)");
        return false;
    }
    if (command == Command::ProfileAdd && !entries.account) {
        *error = QStringLiteral("'profile add' needs --user ACCOUNT");
        return false;
    }
    return true;
}

bool ConsoleOptions::parseDiscover(const QStringList& arguments, QString* error)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption jsonOption = flag(QStringLiteral("json"), {});
    const QCommandLineOption secondsOption = valued(QStringLiteral("seconds"), {}, QStringLiteral("seconds"));
    const QCommandLineOption verboseOption = shortFlag(QStringLiteral("v"), QStringLiteral("verbose"));
    parser.addOptions({help, jsonOption, secondsOption, verboseOption});
    if (!parser.parse(arguments)) {
        *error = parser.errorText();
        return false;
    }
    if (parser.isSet(help)) {
        command = Command::Help;
        return true;
    }
    if (!parser.positionalArguments().isEmpty()) {
        *error = QStringLiteral("discover takes no argument '%1'").arg(parser.positionalArguments().first());
        return false;
    }
    command = Command::Discover;
    json = parser.isSet(jsonOption);
    verbose = parser.isSet(verboseOption);
    if (parser.isSet(secondsOption)) {
        bool ok = false;
        discoverSeconds = parser.value(secondsOption).toInt(&ok);
        if (!ok || discoverSeconds < 1 || discoverSeconds > 60) {
            *error = QStringLiteral("--seconds takes a number from 1 to 60");
            return false;
        }
    }
    return true;
}

void ConsoleOptions::applyTo(ServerProfile* profile) const
{
    const QString stored = normalisedAlbum(profile->serverdst);
    if (!album.isEmpty())
        profile->serverdst = album;
    else
        profile->serverdst = stored.isEmpty() ? kPhotoRoot : stored;
    if (keepStructure)
        profile->keepFolderStructure = *keepStructure;
    if (skipUploaded)
        profile->incbackup = *skipUploaded;
    if (supportedOnly)
        profile->idxonly = *supportedOnly;
    if (renameByDate)
        profile->daterename = *renameByDate;
    if (!duplicates.isEmpty())
        profile->duphandler = duplicates;
    if (qualities)
        profile->qualities = *qualities;
    else if (profile->qualities.isEmpty())
        profile->qualities = {1}; // the quality page's default: medium
}
