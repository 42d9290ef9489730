#include "VexaLocale.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QHash>
#include <QLocale>
#include <QSettings>

namespace {

// English texts in position order; the English text is also the translation key.
const char* const kCatalogue[] = {
    QT_TRANSLATE_NOOP("global", "Select a folder to upload files to"),
    QT_TRANSLATE_NOOP("global", "Create folder:"),
    QT_TRANSLATE_NOOP("global", "Back"),
    QT_TRANSLATE_NOOP("global", "Browse"),
    QT_TRANSLATE_NOOP("global", "Cancel"),
    QT_TRANSLATE_NOOP("global", "Close"),
    QT_TRANSLATE_NOOP("global", "Create"),
    QT_TRANSLATE_NOOP("global", "Create Profile"),
    QT_TRANSLATE_NOOP("global", "Done"),
    QT_TRANSLATE_NOOP("global", "See Error Report"),
    QT_TRANSLATE_NOOP("global", "Finish"),
    QT_TRANSLATE_NOOP("global", "Next"),
    QT_TRANSLATE_NOOP("global", "No"),
    QT_TRANSLATE_NOOP("global", "OK"),
    QT_TRANSLATE_NOOP("global", "Save"),
    QT_TRANSLATE_NOOP("global", "Start Uploading"),
    QT_TRANSLATE_NOOP("global", "Upload Later"),
    QT_TRANSLATE_NOOP("global", "Yes"),
    QT_TRANSLATE_NOOP("global", "Choose the type of accounts you wish to upload your files to."),
    QT_TRANSLATE_NOOP("global", "Lumio"),
    QT_TRANSLATE_NOOP("global", "Personal Lumio"),
    QT_TRANSLATE_NOOP("global", "There are two types of accounts you can upload to: standard Lumio accounts, "
                                "and Personal Lumio accounts. To upload to the latter, you must activate "
                                "Personal Lumio in Lumio. Please see Help for more details."),
    QT_TRANSLATE_NOOP("global", "Upload to"),
    QT_TRANSLATE_NOOP("global", "User name"),
    QT_TRANSLATE_NOOP("global", "Account"),
    QT_TRANSLATE_NOOP("global", "Enter the login and password of the account."),
    QT_TRANSLATE_NOOP("global", "Password"),
    QT_TRANSLATE_NOOP("global", "Remember password"),
    QT_TRANSLATE_NOOP(
        "global", "Enter a profile name and fill in server information. Then edit port number if necessary."),
    QT_TRANSLATE_NOOP("global", "Server Name/IP"),
    QT_TRANSLATE_NOOP("global", "Port number"),
    QT_TRANSLATE_NOOP("global", "Profile Name"),
    QT_TRANSLATE_NOOP(
        "global",
        "Profiles allow you to customize and save your settings, so you don't need to modify them each time "
        "you upload photos. The profile name will be your Korvat name by default if left blank."),
    QT_TRANSLATE_NOOP("global", "Manage profiles"),
    QT_TRANSLATE_NOOP("global", "Upload to Lumio"),
    QT_TRANSLATE_NOOP("global", "Create new profile"),
    QT_TRANSLATE_NOOP("global", "IP address"),
    QT_TRANSLATE_NOOP("global", "No profiles have been created"),
    QT_TRANSLATE_NOOP("global", "The user account has been disabled."),
    QT_TRANSLATE_NOOP("global", "%1 is not a valid Lumio user account."),
    QT_TRANSLATE_NOOP("global", "The account or password is invalid. Please try again."),
    QT_TRANSLATE_NOOP("global", "Invalid folder name: %1"),
    QT_TRANSLATE_NOOP("global", "The port number must be between 1 and 65535."),
    QT_TRANSLATE_NOOP("global", "Connection error. (Error Code: %1)"),
    QT_TRANSLATE_NOOP("global", "Failed to convert %1."),
    QT_TRANSLATE_NOOP("global", "Database error (%1)"),
    QT_TRANSLATE_NOOP("global", "This function is not available in the demo mode."),
    QT_TRANSLATE_NOOP("global", "This function is not supported by the connected server."),
    QT_TRANSLATE_NOOP("global", "The folder name already exists. Please use another name."),
    QT_TRANSLATE_NOOP("global", "Error"),
    QT_TRANSLATE_NOOP("global", "Please enter a valid hostname or IP address."),
    QT_TRANSLATE_NOOP("global", "Incorrect password."),
    QT_TRANSLATE_NOOP("global", "You are not authorized to use this service."),
    QT_TRANSLATE_NOOP("global", "Failed to establish the connection. Please check the hostname/IP address or "
                                "make sure Lumio is working properly, and then try again."),
    QT_TRANSLATE_NOOP("global",
                      "Vexalon Korvat is not ready. To upload photos to [%1], please make sure the Korvat "
                      "Manager is installed on the server and configurations are set up correctly."),
    QT_TRANSLATE_NOOP(
        "global",
        "To upload photos to [%1], please make sure the server is installed and configured correctly."),
    QT_TRANSLATE_NOOP("global", "Please upload from a non-empty folder."),
    QT_TRANSLATE_NOOP("global", "Please select a destination before uploading."),
    QT_TRANSLATE_NOOP("global", "Please select at least one video conversion quality before uploading."),
    QT_TRANSLATE_NOOP("global", "Please enter the name of a Personal Lumio account."),
    QT_TRANSLATE_NOOP("global", "Lumio is disabled. Please log in to NXM as admin (or a user belonging to "
                                "the administrators group) to enable Lumio."),
    QT_TRANSLATE_NOOP("global",
                      "Lumio is not installed. Please install the package at Modepot to upload photos."),
    QT_TRANSLATE_NOOP(
        "global", "Requested Personal Lumio is disabled. Please log in to NXM to enable the Personal Lumio."),
    QT_TRANSLATE_NOOP("global", "The photo shared folder is not found. Please make sure the photo shared "
                                "folder exists before uploading."),
    QT_TRANSLATE_NOOP("global", "Please enter the port number."),
    QT_TRANSLATE_NOOP("global", "Profile name [%1] already exists."),
    QT_TRANSLATE_NOOP("global", "Please enter a profile name for this server."),
    QT_TRANSLATE_NOOP("global", "No %1 was found on the local network."),
    QT_TRANSLATE_NOOP("global", "The connection is lost. Please log in to Korvat Manager again."),
    QT_TRANSLATE_NOOP("global", "Unknown server error. (Error Code:%1)"),
    QT_TRANSLATE_NOOP("global", "Skip duplicate file"),
    QT_TRANSLATE_NOOP("global", "You have no privileges to either create new albums or upload files."),
    QT_TRANSLATE_NOOP("global", "The destination folder is not found: %1"),
    QT_TRANSLATE_NOOP("global", "Enter a Lumio account"),
    QT_TRANSLATE_NOOP("global", "Warning"),
    QT_TRANSLATE_NOOP("global",
                      "You can upload photos or videos with Lumio Uploader by right-clicking on items."),
    QT_TRANSLATE_NOOP("global", "Lumio Uploader installation completed"),
    QT_TRANSLATE_NOOP("global", "Lumio Uploader allows you to upload photo and video files to the Lumio "
                                "library of your Vexalon Korvat."),
    QT_TRANSLATE_NOOP("global", "Choose Install Location"),
    QT_TRANSLATE_NOOP("global", "Welcome to the Lumio Uploader"),
    QT_TRANSLATE_NOOP("global", "Lumio Uploader is being installed now, please wait..."),
    QT_TRANSLATE_NOOP("global", "Installing Lumio Uploader"),
    QT_TRANSLATE_NOOP("global", "Are you sure you want to cancel?"),
    QT_TRANSLATE_NOOP("global", "Are you sure you want to continue?"),
    QT_TRANSLATE_NOOP("global", "Are you sure you want to remove all configurations of Lumio Uploader?"),
    QT_TRANSLATE_NOOP("global", "Are you sure you want to delete the profile [%1]?"),
    QT_TRANSLATE_NOOP("global", "Please enter the %1's password."),
    QT_TRANSLATE_NOOP(
        "global", "Please make sure: <p><ul><li>Vexalon Lumio Uploader is not blocked by the firewall of "
                  "your computer OS or anti-virus applications.</li> <li>%1 and your computer are both "
                  "connected to the network.</li> <li>You have switched on the power of %1.</li></ul></p>"),
    QT_TRANSLATE_NOOP("global", "Upload Photos"),
    QT_TRANSLATE_NOOP("global", "Vexalon Korvat"),
    QT_TRANSLATE_NOOP("global", "Upload file count"),
    QT_TRANSLATE_NOOP("global", "Unsupported file count"),
    QT_TRANSLATE_NOOP("global", "Rename files with taken time"),
    QT_TRANSLATE_NOOP("global", "Destination Folder"),
    QT_TRANSLATE_NOOP("global", "If the file already exists"),
    QT_TRANSLATE_NOOP("global", "Failed to upload"),
    QT_TRANSLATE_NOOP("global", "Successfully uploaded"),
    QT_TRANSLATE_NOOP("global", "Upload finished"),
    QT_TRANSLATE_NOOP("global", "%1 files"),
    QT_TRANSLATE_NOOP("global", "Upload supported files only"),
    QT_TRANSLATE_NOOP("global", "Keep the folder structure when uploading files"),
    QT_TRANSLATE_NOOP("global", "Skip files that have been uploaded"),
    QT_TRANSLATE_NOOP("global", "Overwrite"),
    QT_TRANSLATE_NOOP("global", "Uploaded files"),
    QT_TRANSLATE_NOOP("global", "Uploading files to [%1]..."),
    QT_TRANSLATE_NOOP("global", "Rename"),
    QT_TRANSLATE_NOOP("global", "Skip"),
    QT_TRANSLATE_NOOP("global", "Source Folder"),
    QT_TRANSLATE_NOOP("global", "Select conversion qualities for videos to be played in Lumio. Uploading "
                                "will take longer when you select multiple and/or higher quality levels."),
    QT_TRANSLATE_NOOP("global", "High (1080p HD, 2Mbp/s)"),
    QT_TRANSLATE_NOOP("global", "Low (360p, 256kbp/s)"),
    QT_TRANSLATE_NOOP("global", "Medium (720p HD, 1Mbp/s)"),
    QT_TRANSLATE_NOOP("global", "Mobile (240p, 256kbp/s)"),
    QT_TRANSLATE_NOOP(
        "global", "Please note that to play videos in Lumio, you must choose at least one quality setting."),
    QT_TRANSLATE_NOOP("global", "No file is available for upload. This is because the selected items have "
                                "already been uploaded to the destination folder in Lumio, and your account "
                                "does not have permission to upload the selected items to Lumio."),
    QT_TRANSLATE_NOOP("global",
                      "Your account does not have permission to upload the selected items to Lumio."),
    QT_TRANSLATE_NOOP("global", "The selected items have already been uploaded to the destination folder in "
                                "Lumio. No file is available for upload."),
    QT_TRANSLATE_NOOP("global", "%1 no longer exists or cannot be read."),
    QT_TRANSLATE_NOOP("global", "The server answered %1."),
    QT_TRANSLATE_NOOP("global", "Uploaded, but could not be recorded: %1"),
    QT_TRANSLATE_NOOP("global", "Connection error: %1 did not answer for %2 seconds."),
    QT_TRANSLATE_NOOP("global", "The profile store %1 cannot be read: %2"),
    QT_TRANSLATE_NOOP("global", "The temporary folder %1 is full."),
    QT_TRANSLATE_NOOP("global", "The temporary folder %1 cannot be written."),
    QT_TRANSLATE_NOOP("global", "no thumbnails: %1"),
    QT_TRANSLATE_NOOP("global",
                      "WARNING: the certificate of %1 has changed since it was trusted for the profile "
                      "[%2]. Someone may be intercepting the connection, or the server's certificate "
                      "was renewed.\n\nTrusted SHA-256 fingerprint:\n%3\n\nPresented certificate:\n%4"
                      "\n\nThe connection was refused. Replace the trusted certificate?"),
    QT_TRANSLATE_NOOP("global", "Certificate changed"),
    QT_TRANSLATE_NOOP("global", "SHA-256 fingerprint:\n%1\nSubject: %2\nValid from %3 to %4"),
    QT_TRANSLATE_NOOP("global",
                      "The certificate of %1 is now trusted for the profile [%2]; you will be warned "
                      "if it changes.\n\n%3"),
    QT_TRANSLATE_NOOP("global",
                      "Replace the trusted certificate only when you know that the certificate of %1 "
                      "was renewed. Trust the presented certificate for the profile [%2] from now "
                      "on?"),
    QT_TRANSLATE_NOOP("global",
                      "This computer cannot verify the certificate of %1. If it is your Korvat's own "
                      "certificate, compare its fingerprint and trust it for the profile [%2].\n\n%3"
                      "\n\nTrust this certificate?"),
    QT_TRANSLATE_NOOP("global", "Unverified certificate"),
    QT_TRANSLATE_NOOP("global",
                      "The folder for this program's runtime files cannot be used:\n%1\nIt must be a "
                      "folder of your own that no other user can open. Remove it and try again."),
    QT_TRANSLATE_NOOP("global", "No desktop keyring is available: the remembered password is kept in the "
                                "profile database, which only your account can read."),
    QT_TRANSLATE_NOOP("global", "Upload"),
    QT_TRANSLATE_NOOP("global", "Edit"),
    QT_TRANSLATE_NOOP("global", "Delete"),
    QT_TRANSLATE_NOOP("global", "Copy"),
    QT_TRANSLATE_NOOP("global", "Save..."),
    QT_TRANSLATE_NOOP("global", "Retry failed files"),
    QT_TRANSLATE_NOOP("global", "%1:"),
    QT_TRANSLATE_NOOP("global", "%n file(s)"),
    QT_TRANSLATE_NOOP("global", "Converting %1"),
    QT_TRANSLATE_NOOP("global", "Converting %1 - %2"),
    QT_TRANSLATE_NOOP("global", "Uploading %1"),
    QT_TRANSLATE_NOOP("global", "%1 of %2 sent"),
    QT_TRANSLATE_NOOP("global", "%1/s"),
    QT_TRANSLATE_NOOP("global", "%1 left"),
    QT_TRANSLATE_NOOP("global", "Failed: %1"),
    QT_TRANSLATE_NOOP("global", "Skipped: %1"),
    QT_TRANSLATE_NOOP("global", "high quality"),
    QT_TRANSLATE_NOOP("global", "medium quality"),
    QT_TRANSLATE_NOOP("global", "low quality"),
    QT_TRANSLATE_NOOP("global", "mobile quality"),
    QT_TRANSLATE_NOOP("global", "Logging in..."),
    QT_TRANSLATE_NOOP("global", "Checking %Ln file(s)..."),
    QT_TRANSLATE_NOOP("global", "CSV files (*.csv)"),
    QT_TRANSLATE_NOOP("global", "Could not save %1: %2"),
    QT_TRANSLATE_NOOP("global", "No supported photo or video among the %n file(s) given (use --all-files to "
                                "send them anyway)"),
    QT_TRANSLATE_NOOP("global", "Refused before upload: %1"),
    QT_TRANSLATE_NOOP("global", "Sent %1 in %2."),
    QT_TRANSLATE_NOOP("global", "Cancelled."),
    QT_TRANSLATE_NOOP("global", "Dry run, nothing was sent: %1 to upload, %2 skipped, %3 refused."),
    QT_TRANSLATE_NOOP("global", "%n album(s) created"),
    QT_TRANSLATE_NOOP("global", "%n album(s) to create"),
    QT_TRANSLATE_NOOP("global", "Converting %1 (%2, pass %3/%4)"),
    QT_TRANSLATE_NOOP("global", "Uploading %1 as %2"),
    QT_TRANSLATE_NOOP("global", "Keep folder uploaded..."),
    QT_TRANSLATE_NOOP("global", "Stop keeping uploaded"),
    QT_TRANSLATE_NOOP("global", "Choose the folder to keep uploaded with [%1]"),
    QT_TRANSLATE_NOOP("global", "The profile [%1] does not remember its password, and the background service "
                                "cannot ask for one. Set it up anyway?"),
    QT_TRANSLATE_NOOP("global", "This folder cannot be read: %1"),
    QT_TRANSLATE_NOOP(
        "global", "New photos and videos in %1 are now uploaded in the background with the profile [%2]."),
    QT_TRANSLATE_NOOP("global", "systemd is not available, so nothing keeps the folder uploaded in the "
                                "background. The settings are saved: start the watcher yourself with %1"),
    QT_TRANSLATE_NOOP("global", "The background upload of [%1] could not be changed: %2"),
    QT_TRANSLATE_NOOP("global", "Watching"),
    QT_TRANSLATE_NOOP("global", "Uploading %n file(s)"),
    QT_TRANSLATE_NOOP("global", "Server unreachable since %1"),
    QT_TRANSLATE_NOOP("global", "Not running"),
    QT_TRANSLATE_NOOP("global", "Folders: %1"),
    QT_TRANSLATE_NOOP("global", "Last run: %1, %2"),
    QT_TRANSLATE_NOOP("global", "Last error: %1"),
};
static_assert(sizeof(kCatalogue) / sizeof(kCatalogue[0]) == static_cast<int>(TextId::count),
              "the catalogue and its ids must stay in step");

const char kContext[] = "global";

} // namespace

QString VexaLocale::englishText(TextId id)
{
    return QString::fromLatin1(kCatalogue[static_cast<int>(id)]);
}

QString VexaLocale::text(TextId id)
{
    return text(id, -1);
}

QString VexaLocale::text(TextId id, int count)
{
    QString result = QCoreApplication::translate(kContext, kCatalogue[static_cast<int>(id)], nullptr, count);
    result.replace(QLatin1String("\\n"), QLatin1String("\n"));
    result.replace(QLatin1String("\\t"), QLatin1String("\t"));
    return result;
}

QString VexaLocale::applicationTitle()
{
    return QStringLiteral("Vexalon Lumio Uploader");
}

QString VexaLocale::translationFileFor(const QString& code)
{
    return QLatin1String(":/") + code + QLatin1String(".qm");
}

QString VexaLocale::languageCodeForLocale(const QString& localeName)
{
    const QString code = tableCodeForLocale(localeName);
    return QFile::exists(translationFileFor(code)) ? code : QStringLiteral("enu");
}

QString VexaLocale::tableCodeForLocale(const QString& localeName)
{
    static const QHash<QString, QString> table = {
        {QStringLiteral("en"), QStringLiteral("enu")}, {QStringLiteral("zh"), QStringLiteral("chs")},
        {QStringLiteral("ja"), QStringLiteral("jpn")}, {QStringLiteral("de"), QStringLiteral("deu")},
        {QStringLiteral("ko"), QStringLiteral("krn")}, {QStringLiteral("fr"), QStringLiteral("fra")},
        {QStringLiteral("it"), QStringLiteral("ita")}, {QStringLiteral("es"), QStringLiteral("esn")},
        {QStringLiteral("pt"), QStringLiteral("ptb")}, {QStringLiteral("ru"), QStringLiteral("rus")},
        {QStringLiteral("da"), QStringLiteral("dan")}, {QStringLiteral("no"), QStringLiteral("nor")},
        {QStringLiteral("nb"), QStringLiteral("nor")}, {QStringLiteral("nn"), QStringLiteral("nor")},
        {QStringLiteral("sv"), QStringLiteral("sve")}, {QStringLiteral("nl"), QStringLiteral("nld")},
        {QStringLiteral("pl"), QStringLiteral("plk")}, {QStringLiteral("hu"), QStringLiteral("hun")},
        {QStringLiteral("tr"), QStringLiteral("trk")}, {QStringLiteral("cs"), QStringLiteral("csy")},
    };
    const QString name = localeName.toLower();
    const QString language = name.section(QLatin1Char('_'), 0, 0);
    QString code;
    if (name == QLatin1String("zh_tw") || name == QLatin1String("zh_hk") || name == QLatin1String("zh_mo"))
        code = QStringLiteral("cht");
    else if (name == QLatin1String("pt") || name == QLatin1String("pt_pt"))
        code = QStringLiteral("ptg");
    else
        code = table.value(language, QStringLiteral("enu"));
    return code;
}

QString VexaLocale::systemLanguageCode()
{
    const QString name = QLocale::system().name().toLower();
    qDebug() << "System locale:" << name;
    const QString code = languageCodeForLocale(name);
    qDebug() << "UI language:" << code;
    return code;
}

QString VexaLocale::uiLanguageCode()
{
    QString value = QSettings().value(QStringLiteral("Global/UILanguage")).toString();
    if (value.isEmpty() || !QFile::exists(translationFileFor(value)))
        value = QStringLiteral("def");
    else
        qDebug() << "UI language file:" << translationFileFor(value);
    return value == QLatin1String("def") ? systemLanguageCode() : value;
}
