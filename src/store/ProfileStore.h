#pragma once

#include "ProfileSummary.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>

class ServerProfile;

// The SQLite store of server profiles and upload records ("ZULDatabase" in the data folder).
// Every operation uses the calling thread's own connection to the one file: the default connection
// on the thread that opened the store, a private one on any other thread, dropped when it ends.
class ProfileStore
{
public:
    // Opens (creating when missing, readable by its owner only) the store file.
    static bool open(const QString& path);
    static bool open();
    // After a failed open(): "The profile store <path> cannot be read: <SQLite's message>".
    static QString openErrorText();
    static QString lastErrorText();
    static void close();
    static QString databasePath();

    static bool profilesTableExists();
    static void createProfilesTable();
    static bool photoRecordsTableExists();
    static void createPhotoRecordsTable();
    // Speeds up the skip-uploaded lookup; older files and older copies of the program work unchanged.
    static void ensurePhotoRecordsIndex();
    static bool deviceRecordsTableExists();
    static void createDeviceRecordsTable();

    // Inserts the profile with the default upload options and rewrites the shortcut list.
    static void createProfile(const ServerProfile& profile);
    // Fills the record from the row of that exact name; shows "Database error" and fails when none.
    static bool loadProfile(const QString& name, ServerProfile* profile);
    static void loadProfileSummaries(ProfileSummaryMap* map);
    // Exact key first, else the first name equal ignoring case; null for an empty or unknown name.
    static ProfileSummary* summaryFor(ProfileSummaryMap* map, const QString& name);
    static void updateProfileSummary(const QString& oldName, const ProfileSummary& summary);
    static void saveUploadOptions(const ServerProfile& profile);
    // Sets one column of the first row of a known table whose profname matches exactly.
    static void setProfileColumn(const QString& table, const QString& profileName, const QString& column,
                                 const QString& value);
    static void incrementUsageCounter(const QString& name);
    static bool profileExists(const QString& name);
    static int shortcutIndexOf(const QString& name);
    static void removeProfile(const QString& name);
    // Remembers a password for a stored profile: in the desktop keyring when there is one, else in
    // the password column.
    static void storePassword(const QString& profileName, const QString& password);
    // The certificate fingerprint pinned for a profile. False for a profile stored before pins were
    // kept (no entry at all); true with an empty text for a profile that has not pinned one yet.
    static bool certificatePin(const QString& profileName, QString* fingerprint);
    static void setCertificatePin(const QString& profileName, const QString& fingerprint);
    // Rewrites the shortcut list from the profile table; a list that cannot be read is left as it is.
    static void writeShortcutList();
    // *ok, when given, is false when the table could not be read.
    static QStringList profileNamesDescending(bool* ok = nullptr);

    // False with *error set (when given) to SQLite's message when the record could not be written.
    static bool addUploadRecord(const QString& name, const QString& profileName, qint64 size,
                                const QString& modified, const QString& md5, QString* error = nullptr);
    static QStringList uploadedFingerprints(const QString& name, const QString& profileName, qint64 size,
                                            const QString& modified);
    // The same look-up through a statement prepared once, for a check over many files.
    static QSqlQuery uploadedLookup();
    static QStringList uploadedFingerprints(QSqlQuery& lookup, const QString& name,
                                            const QString& profileName, qint64 size, const QString& modified);
    static void addDeviceRecord(const QString& name, const QString& profileName, const QString& size,
                                const QString& modified, const QString& deviceId);
    static bool deviceRecordExists(const QString& name, const QString& profileName, const QString& size,
                                   const QString& modified, const QString& deviceId);
    // MD5 of the head and middle samples of a file, each cut at its first zero byte.
    static QString fileFingerprint(const QString& path);

    // The calling thread's connection.
    static QSqlDatabase connection();

private:
    static bool tableExists(const QString& table);
};
