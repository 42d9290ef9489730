#include "ConsoleOptions.h"

#include "CertificateTrust.h"
#include "ServerProfile.h"

#include <QCommandLineParser>
#include <QDir>

#include <algorithm>

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

} // namespace

QString ConsoleOptions::usage()
{
    return QStringLiteral(
        "Usage: lumio-upload --profile NAME [options] PATH...\n"
        "       lumio-upload --list-profiles [--json]\n"
        "       lumio-upload --profile NAME --watch [--settle SECONDS] [options] FOLDER...\n"
        "       lumio-upload watch enable PROFILE FOLDER... [options] | disable PROFILE | status [PROFILE]\n"
        "\n"
        "Uploads files and folders to Lumio with a stored server profile, as the upload wizard does.\n"
        "Options not given come from the profile's stored upload options.\n"
        "\n"
        "  --profile NAME           the server profile to use\n"
        "  --album /photo/PATH      destination album (default: the profile's, else /photo)\n"
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
        "  --dry-run                log in and ask the server, but send no file\n"
        "  --json                   one JSON object per file and a summary, one per line\n"
        "  --save-options           store the options of this run in the profile\n"
        "  --trust-certificate SHA256\n"
        "                           trust (and pin for the profile) the server certificate with this\n"
        "                           SHA-256 fingerprint, also in place of a changed one\n"
        "  --verbose                show the engine's diagnostics on standard error\n"
        "  --list-profiles          list the stored profiles\n"
        "  --watch                  after uploading the folders, keep watching them and upload new\n"
        "                           and changed files once complete (see README: watch folders)\n"
        "  --settle SECONDS         a watched file is complete once unchanged for this long (default 10)\n"
        "  -h, --help               show this help\n"
        "\n"
        "The password comes from the profile when it is remembered, else from LUMIO_PASSWORD, else it\n"
        "is asked on the terminal.\n"
        "A server certificate that the system cannot verify is shown with its fingerprint and asked\n"
        "about on the terminal; without one the run stops until --trust-certificate vouches for it.\n"
        "Exit status: 0 every file uploaded or skipped as uploaded, 1 a file failed, an upload could\n"
        "not be recorded, the session was lost or the run was cancelled, 2 usage, profile or login\n"
        "error (a server that does not answer the login, or an untrusted certificate, included).\n"
        "With --watch: 0 stopped by SIGTERM or SIGINT, 1 every watched folder gone, 2 usage, profile or\n"
        "certificate error, 4 the server refused the login.\n");
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
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help."));
    const QCommandLineOption profileOption = valued(QStringLiteral("profile"), {}, QStringLiteral("name"));
    const QCommandLineOption albumOption = valued(QStringLiteral("album"), {}, QStringLiteral("path"));
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
    const QCommandLineOption dryRunOption = flag(QStringLiteral("dry-run"), {});
    const QCommandLineOption jsonOption = flag(QStringLiteral("json"), {});
    const QCommandLineOption saveOption = flag(QStringLiteral("save-options"), {});
    const QCommandLineOption verboseOption = flag(QStringLiteral("verbose"), {});
    const QCommandLineOption trustOption =
        valued(QStringLiteral("trust-certificate"), {}, QStringLiteral("sha256"));
    const QCommandLineOption listOption = flag(QStringLiteral("list-profiles"), {});
    // Used by scripts/run.sh to set up the demonstration.
    const QCommandLineOption seedOption =
        valued(QStringLiteral("seed-demo-profile"), {}, QStringLiteral("port"));
    parser.addOptions({help,           profileOption, albumOption,      keepStructureOption,
                       flatOption,     qualityOption, duplicatesOption, noSkipOption,
                       allFilesOption, renameOption,  keepNamesOption,  retriesOption,
                       timeoutOption,  dryRunOption,  jsonOption,       saveOption,
                       verboseOption,  listOption,    seedOption,       trustOption});
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
    if (parser.isSet(help)) {
        command = Command::Help;
        return true;
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
        *error = QStringLiteral("--profile NAME is required");
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
            *error =
                QStringLiteral("--album must be /photo or an album path below it, such as /photo/2026/trip");
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
    for (const QString& path : parser.positionalArguments())
        paths.append(QDir::cleanPath(QDir::current().absoluteFilePath(path)));
    if (paths.isEmpty()) {
        *error = QStringLiteral("no PATH to upload");
        return false;
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
