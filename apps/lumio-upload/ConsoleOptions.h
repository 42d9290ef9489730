#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class ServerProfile;

// The command line of lumio-upload. Upload options that are not given stay unset and come from the
// profile's stored options.
class ConsoleOptions
{
public:
    enum class Command
    {
        Upload,
        ListProfiles,
        SeedDemoProfile,
        Help,
        Version,
        ProfileAdd,
        ProfileList,
        ProfileShow,
        ProfileEdit,
        ProfileRemove,
        ProfilePassword,
        Discover
    };

    // Exit statuses of every lumio-upload command, for scripts.
    enum ExitStatus
    {
        ExitSuccess = 0,     // every file uploaded or skipped as uploaded; the command did its work
        ExitFailure = 1,     // a file failed or was refused, an upload was not recorded, the session was lost
        ExitUsage = 2,       // the command line, an unknown profile, a refused profile entry, no password
        ExitUnreachable = 3, // no answer: connection refused, host not found, time-out, TLS, no server found
        ExitLoginRefused = 4,  // the server answered but did not let the account in
        ExitStore = 5,         // the profile store cannot be opened or written
        ExitInterrupted = 130, // SIGINT (Ctrl-C)
        ExitTerminated = 143   // SIGTERM
    };

    // The settings of profile add and profile edit; unset ones are left as they are (edit) or take
    // the create-profile wizard's defaults (add).
    struct ProfileEntries
    {
        std::optional<QString> host;
        std::optional<QString> port;
        std::optional<bool> https;
        std::optional<QString> account;
        std::optional<bool> personal;
        std::optional<QString> personalName;
        std::optional<bool> rememberPassword;
        QString rename;
        QString album;
        bool check = true;
    };

    // Parses the arguments (the program name first). False with *error set on a usage error.
    bool parse(const QStringList& arguments, QString* error);
    static QString usage();
    static QString profileUsage();
    static QString version();
    // The word the JSON summary gives an exit status: "failed", "usage", "unreachable",
    // "login_refused", "store", "interrupted"; empty for success.
    static QString errorClass(int status);
    // 130 for SIGINT, 143 for SIGTERM (128 + the signal's number).
    static int interruptStatus(int signalNumber);

    // Writes the given options over the profile's stored ones. The destination album also gives the
    // target folder relative to the photo root.
    void applyTo(ServerProfile* profile) const;
    // "/photo" or "/photo/…" without a trailing slash; empty when the text names no album.
    static QString normalisedAlbum(const QString& text);
    // Low, medium, high, mobile codes from "low,medium,…" in the quality page's fixed order; "none" is
    // the empty list. False for an unknown word.
    static bool parseQualities(const QString& text, QList<int>* qualities);
    // Bytes per second from "500000", "500k", "5M" or "1.5G" (binary multiples); -1 when not a rate.
    static qint64 parseRate(const QString& text);
    // An ISO date ("2026-05-01", the start of that day in local time) or date-time; invalid otherwise.
    static QDateTime parseDate(const QString& text);

    static constexpr int kDefaultDiscoverSeconds = 5;

    Command command = Command::Upload;
    QString profile;
    QString album;
    std::optional<bool> keepStructure;
    std::optional<bool> skipUploaded;
    std::optional<bool> supportedOnly;
    std::optional<bool> renameByDate;
    std::optional<QList<int>> qualities;
    QString duplicates; // "RENAME", "OVERWRITE", "SKIP" or empty
    bool dryRun = false;
    bool json = false;
    bool saveOptions = false;
    bool verbose = false;
    bool profileHelp = false;
    bool quiet = false;
    // The password is asked on the terminal for this run, whatever the profile remembers.
    bool askPassword = false;
    // The password is the first line of standard input.
    bool passwordStdin = false;
    // profile list --names: the names alone, one a line (for shell completion).
    bool namesOnly = false;
    // profile remove --yes: no confirmation question.
    bool assumeYes = false;
    int discoverSeconds = kDefaultDiscoverSeconds;
    ProfileEntries entries;
    int demoPort = 0;
    int retries = -1;        // resends after connection failures; -1: the uploader's default
    int timeoutSeconds = -1; // request inactivity limit; -1: the default
    // SHA-256 fingerprint ("AB:CD:…") of a server certificate the user vouches for.
    QString trustCertificate;
    QString logFile;           // the engine's diagnostics go here as well, with time stamps
    qint64 bandwidthLimit = 0; // body bytes per second; 0: as fast as the network goes
    QStringList includes;      // globs a file must match (any of them) when given
    QStringList excludes;      // globs that leave a file or folder out
    QDateTime newerThan;       // only files modified after this; invalid: no limit
    QStringList paths;
    // Keep uploading what appears in the paths; files count once unchanged for settleSeconds.
    bool watch = false;
    int settleSeconds = 10;

private:
    bool parseProfile(const QStringList& arguments, QString* error);
    bool parseDiscover(const QStringList& arguments, QString* error);
};
