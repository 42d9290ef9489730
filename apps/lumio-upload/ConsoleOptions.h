#pragma once

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
        Help
    };

    // Exit statuses: every file uploaded or skipped as uploaded; a file failed, an upload could not be
    // recorded or the run was cancelled; usage, profile or login errors.
    enum ExitStatus
    {
        ExitSuccess = 0,
        ExitFailure = 1,
        ExitUsage = 2,
        ExitUnreachable = 3,
        ExitLoginRefused = 4
    };

    // Parses the arguments (the program name first). False with *error set on a usage error.
    bool parse(const QStringList& arguments, QString* error);
    static QString usage();

    // Writes the given options over the profile's stored ones. The destination album also gives the
    // target folder relative to the photo root.
    void applyTo(ServerProfile* profile) const;
    // "/photo" or "/photo/…" without a trailing slash; empty when the text names no album.
    static QString normalisedAlbum(const QString& text);
    // Low, medium, high, mobile codes from "low,medium,…" in the quality page's fixed order; "none" is
    // the empty list. False for an unknown word.
    static bool parseQualities(const QString& text, QList<int>* qualities);

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
    int demoPort = 0;
    int retries = -1;        // resends after connection failures; -1: the uploader's default
    int timeoutSeconds = -1; // request inactivity limit; -1: the default
    // SHA-256 fingerprint ("AB:CD:…") of a server certificate the user vouches for.
    QString trustCertificate;
    QStringList paths;
    // Keep uploading what appears in the paths; files count once unchanged for settleSeconds.
    bool watch = false;
    int settleSeconds = 10;
};
