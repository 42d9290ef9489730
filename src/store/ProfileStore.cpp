#include "ProfileStore.h"

#include "AppPaths.h"
#include "PasswordVault.h"
#include "Prompter.h"
#include "ServerProfile.h"
#include "Utf16File.h"
#include "VexaLocale.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QMutex>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QThread>
#include <QThreadStorage>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Another copy of the program may hold the file's lock for a moment; wait rather than lose a write.
const char kConnectOptions[] = "QSQLITE_BUSY_TIMEOUT=5000";

QMutex g_pathMutex;
QString g_path;
QString g_openError;
QThread* g_ownerThread = nullptr;

QString storePath()
{
    QMutexLocker lock(&g_pathMutex);
    return g_path;
}

// Removes a worker thread's connection when the thread ends.
class ThreadConnection
{
public:
    explicit ThreadConnection(const QString& name) : m_name(name) {}
    ~ThreadConnection()
    {
        QSqlDatabase::database(m_name, false).close();
        QSqlDatabase::removeDatabase(m_name);
    }
    QString name() const { return m_name; }

private:
    QString m_name;
};

QThreadStorage<ThreadConnection*> g_threadConnections;

// A write-ahead log lets an upload record commit without forcing the disk at every file, and readers
// (another copy of the program, the GUI thread) do not block the uploader's writes. The mode is kept
// in the file, so it is asked for once; a file system that cannot share the log's memory map keeps
// the classic journal, which works as before. "synchronous=NORMAL" is per connection: a power cut may
// forget the last records (those files are offered again), but never keeps a record of a file the
// server did not confirm, and the file itself stays whole.
void tuneConnection(const QSqlDatabase& db, bool chooseJournal)
{
    QSqlQuery query(db);
    if (chooseJournal && !query.exec(QStringLiteral("PRAGMA journal_mode=WAL")))
        qDebug() << "ProfileStore: keeps its journal:" << query.lastError().text();
    if (!query.exec(QStringLiteral("PRAGMA synchronous=NORMAL")))
        qDebug() << "ProfileStore:" << query.lastError().text();
}

QSqlQuery prepared(const QString& statement, const QVariantList& values = {})
{
    QSqlQuery query(ProfileStore::connection());
    query.prepare(statement);
    for (const QVariant& value : values)
        query.addBindValue(value);
    return query;
}

bool run(const QString& statement, const QVariantList& values = {})
{
    QSqlQuery query = prepared(statement, values);
    if (!query.exec()) {
        qDebug() << "ProfileStore:" << statement << query.lastError().text();
        return false;
    }
    return true;
}

int boolValue(bool value)
{
    return value ? 1 : 0;
}

QByteArray sampleUpToZero(int descriptor, qint64 offset)
{
    QByteArray bytes(512, Qt::Uninitialized);
    const ssize_t count = ::pread(descriptor, bytes.data(), size_t(bytes.size()), offset);
    bytes.truncate(count > 0 ? qsizetype(count) : 0);
    const qsizetype zero = bytes.indexOf('\0');
    if (zero >= 0)
        bytes.truncate(zero);
    return bytes;
}

// What the password column holds: a password is kept only when the user asked to remember it, and
// then in the desktop keyring when there is one; the column is the fallback.
QString storedPassword(const QString& profileName, const QString& password, bool savepass)
{
    const QString empty(QLatin1String(""));
    if (!savepass) {
        PasswordVault::remove(profileName);
        return empty;
    }
    if (PasswordVault::write(profileName, password))
        return empty;
    return password.isNull() ? empty : password;
}

// Pins live in a table of their own so that older copies of the program, which insert profile rows
// by position, keep working with the same file.
void ensurePinTable()
{
    run(QStringLiteral("CREATE TABLE IF NOT EXISTS CertificatePins (profname varchar(100) PRIMARY KEY, "
                       "fingerprint varchar(100))"));
}

const QString kFirstRowOfProfile =
    QStringLiteral("rowid = (SELECT rowid FROM ServerProfiles WHERE profname = ? LIMIT 1)");

} // namespace

bool ProfileStore::open(const QString& path)
{
    {
        QMutexLocker lock(&g_pathMutex);
        g_path = path;
        g_ownerThread = QThread::currentThread();
    }
    if (!QFile::exists(path)) {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.close();
    }
    if (QFile::exists(path))
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    QSqlDatabase db = QSqlDatabase::contains(QLatin1String(QSqlDatabase::defaultConnection))
                          ? QSqlDatabase::database(QLatin1String(QSqlDatabase::defaultConnection), false)
                          : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    db.setDatabaseName(path);
    db.setConnectOptions(QLatin1String(kConnectOptions));
    // SQLite opens any file and only complains at the first statement: a damaged or foreign file is
    // found here, not later as an empty profile list or a blank "Database error ()".
    bool opened = db.open();
    QSqlError error = db.lastError();
    if (opened) {
        QSqlQuery probe(db);
        opened = probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"));
        error = probe.lastError();
        // The probe's open read would keep the journal from changing.
        probe.finish();
        if (opened)
            tuneConnection(db, true);
    }
    QMutexLocker lock(&g_pathMutex);
    if (opened) {
        g_openError.clear();
        return true;
    }
    db.close();
    const QString reason = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    g_openError =
        tx(TextId::err_store_unreadable).arg(QDir::toNativeSeparators(QDir::cleanPath(path)), reason);
    return false;
}

QString ProfileStore::openErrorText()
{
    QMutexLocker lock(&g_pathMutex);
    return g_openError;
}

bool ProfileStore::open()
{
    return open(AppPaths::dataFile(QStringLiteral("ZULDatabase")));
}

QString ProfileStore::lastErrorText()
{
    return connection().lastError().text();
}

void ProfileStore::close()
{
    QSqlDatabase::database(QLatin1String(QSqlDatabase::defaultConnection), false).close();
}

QString ProfileStore::databasePath()
{
    return storePath();
}

QSqlDatabase ProfileStore::connection()
{
    QThread* owner;
    {
        QMutexLocker lock(&g_pathMutex);
        owner = g_ownerThread;
    }
    if (!owner || QThread::currentThread() == owner)
        return QSqlDatabase::database(QLatin1String(QSqlDatabase::defaultConnection), false);
    if (!g_threadConnections.hasLocalData()) {
        const QString name = QStringLiteral("lumio-thread-%1")
                                 .arg(reinterpret_cast<quintptr>(QThread::currentThread()), 0, 16);
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(storePath());
        db.setConnectOptions(QLatin1String(kConnectOptions));
        if (!db.open())
            qDebug() << "ProfileStore: cannot open" << storePath() << db.lastError().text();
        else
            tuneConnection(db, false);
        g_threadConnections.setLocalData(new ThreadConnection(name));
    }
    return QSqlDatabase::database(g_threadConnections.localData()->name(), false);
}

bool ProfileStore::tableExists(const QString& table)
{
    QSqlQuery query =
        prepared(QStringLiteral("SELECT name FROM sqlite_master WHERE type='table'and name=?"), {table});
    return query.exec() && query.next();
}

bool ProfileStore::profilesTableExists()
{
    return tableExists(QStringLiteral("ServerProfiles"));
}

void ProfileStore::createProfilesTable()
{
    run(QStringLiteral(
        "create table ServerProfiles (profname varchar(100), hostaddr varchar(20), port int, https bool, "
        "personal bool, usrname varchar(100), account varchar(100), password varchar(100), savepass bool, "
        "highqual bool, medqual bool, lowqual bool, mobilequal bool, idxonly bool, incbackup bool, "
        "daterename bool,duphandler varchar(20), serverdst varchar(200), counter int)"));
}

bool ProfileStore::photoRecordsTableExists()
{
    return tableExists(QStringLiteral("PhotoRecords"));
}

void ProfileStore::createPhotoRecordsTable()
{
    run(QStringLiteral("create table PhotoRecords (name varchar(80), profname varchar(100), size int, "
                       "modified varchar(10), md5 varchar(32))"));
}

void ProfileStore::ensurePhotoRecordsIndex()
{
    if (photoRecordsTableExists())
        run(QStringLiteral("CREATE INDEX IF NOT EXISTS PhotoRecordsLookup ON PhotoRecords (name, profname)"));
}

bool ProfileStore::deviceRecordsTableExists()
{
    return tableExists(QStringLiteral("PTPPhotoRecords"));
}

void ProfileStore::createDeviceRecordsTable()
{
    run(QStringLiteral("create table PTPPhotoRecords (name varchar(80), profname varchar(100), size "
                       "varchar(100), modified varchar(10), deviceid varchar(100))"));
}

void ProfileStore::createProfile(const ServerProfile& p)
{
    run(QStringLiteral("insert into ServerProfiles values(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                       "?, ?, 0)"),
        {p.profname, p.hostaddr, p.port, boolValue(p.https), boolValue(p.personal), p.usrname, p.account,
         storedPassword(p.profname, p.password, p.savepass), boolValue(p.savepass),
         boolValue(p.qualities.contains(0)), boolValue(p.qualities.contains(1)),
         boolValue(p.qualities.contains(2)), boolValue(p.qualities.contains(3)), 1, 1, 1,
         QStringLiteral("RENAME"), QString(QLatin1String(""))});
    setCertificatePin(p.profname, p.certpin);
    writeShortcutList();
}

bool ProfileStore::loadProfile(const QString& name, ServerProfile* profile)
{
    QSqlQuery query = prepared(
        QStringLiteral("SELECT hostaddr, port, https, personal, usrname, account, password, savepass, "
                       "highqual, medqual, lowqual, mobilequal, idxonly, incbackup, daterename, duphandler, "
                       "serverdst FROM ServerProfiles WHERE profname = ?"),
        {name});
    if (!query.exec() || !query.next()) {
        Prompter::inform(nullptr, Prompter::Icon::Critical, tx(TextId::err_error),
                         tx(TextId::err_database).arg(connection().lastError().text()));
        return false;
    }
    auto flag = [&query](int column) { return query.value(column).toInt() != 0; };
    QList<int> qualities;
    if (flag(10))
        qualities.append(2);
    if (flag(9))
        qualities.append(1);
    if (flag(8))
        qualities.append(0);
    if (flag(11))
        qualities.append(3);
    profile->setAll(name, query.value(0).toString(), query.value(1).toInt(), flag(2),
                    query.value(5).toString(), query.value(6).toString(), flag(7), query.value(4).toString(),
                    flag(3), flag(12), flag(13), flag(14), query.value(15).toString(),
                    query.value(16).toString(), qualities);
    profile->certpin.clear();
    profile->pinOnFirstUse = !certificatePin(name, &profile->certpin);
    if (profile->savepass) {
        // A password of an older version moves to the keyring the first time one is there.
        if (!profile->password.isEmpty()) {
            if (PasswordVault::write(name, profile->password))
                setProfileColumn(QStringLiteral("ServerProfiles"), name, QStringLiteral("password"),
                                 QString(QLatin1String("")));
        } else {
            PasswordVault::read(name, &profile->password);
        }
    }
    return true;
}

void ProfileStore::storePassword(const QString& profileName, const QString& password)
{
    setProfileColumn(QStringLiteral("ServerProfiles"), profileName, QStringLiteral("password"),
                     storedPassword(profileName, password, true));
}

bool ProfileStore::certificatePin(const QString& profileName, QString* fingerprint)
{
    ensurePinTable();
    QSqlQuery query =
        prepared(QStringLiteral("SELECT fingerprint FROM CertificatePins WHERE profname = ?"), {profileName});
    if (!query.exec() || !query.next())
        return false;
    *fingerprint = query.value(0).toString();
    return true;
}

void ProfileStore::setCertificatePin(const QString& profileName, const QString& fingerprint)
{
    ensurePinTable();
    run(QStringLiteral("INSERT OR REPLACE INTO CertificatePins (profname, fingerprint) VALUES (?, ?)"),
        {profileName, QString(fingerprint.isNull() ? QLatin1String("") : fingerprint)});
}

void ProfileStore::loadProfileSummaries(ProfileSummaryMap* map)
{
    QSqlQuery query = prepared(QStringLiteral(
        "SELECT port, https, savepass, personal, profname, hostaddr, usrname, account, password FROM "
        "ServerProfiles"));
    if (!query.exec())
        return;
    while (query.next()) {
        ProfileSummary summary;
        summary.port = query.value(0).toInt();
        summary.https = query.value(1).toInt() != 0;
        summary.savepass = query.value(2).toInt() != 0;
        summary.personal = query.value(3).toInt() != 0;
        summary.profname = query.value(4).toString();
        summary.hostaddr = query.value(5).toString();
        summary.usrname = query.value(6).toString();
        summary.account = query.value(7).toString();
        summary.password = query.value(8).toString();
        if (summary.savepass && summary.password.isEmpty())
            PasswordVault::read(summary.profname, &summary.password);
        map->insert(summary.profname, summary);
    }
}

ProfileSummary* ProfileStore::summaryFor(ProfileSummaryMap* map, const QString& name)
{
    if (name.isEmpty())
        return nullptr;
    auto exact = map->find(name);
    if (exact != map->end())
        return &exact.value();
    for (auto it = map->begin(); it != map->end(); ++it) {
        if (it.value().profname.compare(name, Qt::CaseInsensitive) == 0)
            return &it.value();
    }
    return nullptr;
}

void ProfileStore::updateProfileSummary(const QString& oldName, const ProfileSummary& s)
{
    run(QStringLiteral("UPDATE ServerProfiles SET profname = ?, https = ?, personal = ?, savepass = ?, "
                       "port = ?, account = ?, hostaddr = ?, password = ?, usrname = ? WHERE ") +
            kFirstRowOfProfile,
        {s.profname, boolValue(s.https), boolValue(s.personal), boolValue(s.savepass), s.port, s.account,
         s.hostaddr, storedPassword(s.profname, s.password, s.savepass), s.usrname, oldName});
    if (s.profname != oldName) {
        PasswordVault::remove(oldName);
        ensurePinTable();
        run(QStringLiteral("UPDATE CertificatePins SET profname = ? WHERE profname = ?"),
            {s.profname, oldName});
    }
    writeShortcutList();
}

void ProfileStore::saveUploadOptions(const ServerProfile& p)
{
    run(QStringLiteral("UPDATE ServerProfiles SET idxonly = ?, incbackup = ?, serverdst = ?, daterename = ?, "
                       "duphandler = ? WHERE ") +
            kFirstRowOfProfile,
        {boolValue(p.idxonly), boolValue(p.incbackup), p.serverdst, boolValue(p.daterename), p.duphandler,
         p.profname});
}

void ProfileStore::setProfileColumn(const QString& table, const QString& profileName, const QString& column,
                                    const QString& value)
{
    // Table and column names cannot be bound; only the store's own names are accepted.
    static const QStringList tables = {QStringLiteral("ServerProfiles"), QStringLiteral("PhotoRecords"),
                                       QStringLiteral("PTPPhotoRecords")};
    static const QStringList columns = {
        QStringLiteral("profname"),   QStringLiteral("hostaddr"),   QStringLiteral("port"),
        QStringLiteral("https"),      QStringLiteral("personal"),   QStringLiteral("usrname"),
        QStringLiteral("account"),    QStringLiteral("password"),   QStringLiteral("savepass"),
        QStringLiteral("highqual"),   QStringLiteral("medqual"),    QStringLiteral("lowqual"),
        QStringLiteral("mobilequal"), QStringLiteral("idxonly"),    QStringLiteral("incbackup"),
        QStringLiteral("daterename"), QStringLiteral("duphandler"), QStringLiteral("serverdst"),
        QStringLiteral("counter"),    QStringLiteral("name"),       QStringLiteral("size"),
        QStringLiteral("modified"),   QStringLiteral("md5"),        QStringLiteral("deviceid")};
    if (!tables.contains(table) || !columns.contains(column))
        return;
    run(QStringLiteral("UPDATE %1 SET %2 = ? WHERE rowid = (SELECT rowid FROM %1 WHERE profname = ? LIMIT 1)")
            .arg(table, column),
        {value, profileName});
}

void ProfileStore::incrementUsageCounter(const QString& name)
{
    run(QStringLiteral("UPDATE ServerProfiles SET counter = counter + 1 WHERE ") + kFirstRowOfProfile,
        {name});
    writeShortcutList();
}

bool ProfileStore::profileExists(const QString& name)
{
    for (const QString& stored : profileNamesDescending()) {
        if (stored.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

QStringList ProfileStore::profileNamesDescending(bool* ok)
{
    QStringList names;
    QSqlQuery query = prepared(QStringLiteral("SELECT profname FROM ServerProfiles ORDER BY profname DESC"));
    const bool read = query.exec();
    if (read) {
        while (query.next())
            names.append(query.value(0).toString());
    }
    if (ok)
        *ok = read;
    return names;
}

int ProfileStore::shortcutIndexOf(const QString& name)
{
    const QStringList names = profileNamesDescending();
    for (int i = 0; i < names.size(); ++i) {
        if (names.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return 0;
}

void ProfileStore::removeProfile(const QString& name)
{
    QSqlQuery query =
        prepared(QStringLiteral("SELECT rowid FROM ServerProfiles WHERE profname = ? LIMIT 1"), {name});
    if (!query.exec() || !query.next())
        return;
    run(QStringLiteral("DELETE FROM ServerProfiles WHERE rowid = ?"), {query.value(0)});
    ensurePinTable();
    run(QStringLiteral("DELETE FROM CertificatePins WHERE profname = ?"), {name});
    PasswordVault::remove(name);
    if (photoRecordsTableExists())
        run(QStringLiteral("DELETE FROM PhotoRecords WHERE profname = ?"), {name});
    // The list's positions address profiles: a stale list would send a later upload elsewhere.
    writeShortcutList();
}

void ProfileStore::writeShortcutList()
{
    bool ok = false;
    const QStringList names = profileNamesDescending(&ok);
    if (!ok)
        return;
    QStringList lines{QString::number(names.size())};
    lines += names;
    Utf16File::writeLines(AppPaths::dataFile(QStringLiteral("ShortCutList")), lines);
}

bool ProfileStore::addUploadRecord(const QString& name, const QString& profileName, qint64 size,
                                   const QString& modified, const QString& md5, QString* error)
{
    QSqlQuery query = prepared(QStringLiteral("insert into PhotoRecords values(?, ?, ?, ?, ?)"),
                               {name, profileName, size, modified, md5});
    if (query.exec())
        return true;
    qDebug() << "ProfileStore: cannot record the upload of" << name << query.lastError().text();
    // SQLite's own message; Qt's driver text adds nothing a user could act on.
    if (error)
        *error = query.lastError().databaseText().isEmpty() ? query.lastError().text()
                                                            : query.lastError().databaseText();
    return false;
}

QSqlQuery ProfileStore::uploadedLookup()
{
    return prepared(QStringLiteral("SELECT md5 from PhotoRecords WHERE name=? and profname = ? and "
                                   "size=? and modified=?"));
}

QStringList ProfileStore::uploadedFingerprints(const QString& name, const QString& profileName, qint64 size,
                                               const QString& modified)
{
    QSqlQuery lookup = uploadedLookup();
    return uploadedFingerprints(lookup, name, profileName, size, modified);
}

QStringList ProfileStore::uploadedFingerprints(QSqlQuery& lookup, const QString& name,
                                               const QString& profileName, qint64 size,
                                               const QString& modified)
{
    QStringList result;
    lookup.bindValue(0, name);
    lookup.bindValue(1, profileName);
    lookup.bindValue(2, size);
    lookup.bindValue(3, modified);
    if (lookup.exec()) {
        while (lookup.next())
            result.append(lookup.value(0).toString());
    }
    lookup.finish();
    return result;
}

void ProfileStore::addDeviceRecord(const QString& name, const QString& profileName, const QString& size,
                                   const QString& modified, const QString& deviceId)
{
    run(QStringLiteral("insert into PTPPhotoRecords values(?, ?, ?, ?, ?)"),
        {name, profileName, size, modified, deviceId});
}

bool ProfileStore::deviceRecordExists(const QString& name, const QString& profileName, const QString& size,
                                      const QString& modified, const QString& deviceId)
{
    QSqlQuery query =
        prepared(QStringLiteral("SELECT name FROM PTPPhotoRecords WHERE name = ? and profname = ? "
                                "and size = ? and modified = ? and deviceid = ?"),
                 {name, profileName, size, modified, deviceId});
    return query.exec() && query.next();
}

QString ProfileStore::fileFingerprint(const QString& path)
{
    // Two reads at known places and nothing else: the skip check does this for every file of a
    // library, and a buffered file would add a read ahead, a seek and a status query to each sample.
    QByteArray samples;
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (descriptor >= 0) {
        struct stat status = {};
        if (::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode))
            samples = sampleUpToZero(descriptor, 0) + sampleUpToZero(descriptor, status.st_size / 2);
        ::close(descriptor);
    }
    return QString::fromLatin1(QCryptographicHash::hash(samples, QCryptographicHash::Md5).toHex());
}
