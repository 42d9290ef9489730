#include "AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QMutex>
#include <QStandardPaths>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::atomic<int> g_fileSequence{0};

QMutex g_tempMutex;
QString g_tempRoot;

} // namespace

QString AppPaths::dataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QLatin1String("//Vexalon//Lumio Uploader");
}

QString AppPaths::dataFile(const QString& name)
{
    return dataFolder() + QLatin1String("//") + name;
}

QString AppPaths::fileListPath()
{
    return runtimeFolder() + QLatin1String("/FileList");
}

QString AppPaths::runtimeFolder()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (QDir::isAbsolutePath(runtime))
        return QDir::cleanPath(runtime) + QLatin1String("/lumio-uploader");
    QString temp = qEnvironmentVariable("TMPDIR");
    if (!QDir::isAbsolutePath(temp))
        temp = QStringLiteral("/tmp");
    return QDir::cleanPath(temp) + QLatin1String("/lumio-uploader-") + QString::number(::geteuid());
}

namespace {

// The folder must be ours alone: in a shared temporary folder anyone may have made it first.
bool isPrivateFolder(const QByteArray& path, QString* reason)
{
    struct stat info;
    if (::lstat(path.constData(), &info) != 0)
        *reason = QString::fromLocal8Bit(std::strerror(errno));
    else if (S_ISLNK(info.st_mode))
        *reason = QStringLiteral("it is a symbolic link");
    else if (!S_ISDIR(info.st_mode))
        *reason = QStringLiteral("it is not a folder");
    else if (info.st_uid != ::geteuid())
        *reason = QStringLiteral("it belongs to another user");
    else if ((info.st_mode & 077) != 0)
        *reason = QStringLiteral("other users have access to it");
    else
        return true;
    return false;
}

// Makes a folder inside the runtime folder, or takes the one there when it is a real folder; a link
// or file in its place is removed so that nothing written later can be led elsewhere.
bool makeInnerFolder(const QString& folder)
{
    const QByteArray path = QFile::encodeName(folder);
    if (::mkdir(path.constData(), 0700) == 0)
        return true;
    if (errno != EEXIST)
        return false;
    struct stat info;
    if (::lstat(path.constData(), &info) != 0)
        return false;
    if (S_ISDIR(info.st_mode))
        return true;
    return ::unlink(path.constData()) == 0 && ::mkdir(path.constData(), 0700) == 0;
}

} // namespace

bool AppPaths::ensureRuntimeFolder(QString* reason)
{
    const QByteArray path = QFile::encodeName(runtimeFolder());
    if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST) {
        *reason = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    return isPrivateFolder(path, reason);
}

bool AppPaths::ensureAutoPlayFolder()
{
    QString reason;
    if (!ensureRuntimeFolder(&reason)) {
        qWarning("Runtime folder %s refused: %s", qPrintable(runtimeFolder()), qPrintable(reason));
        return false;
    }
    return makeInnerFolder(tempRootFolder()) && makeInnerFolder(autoPlayFolder());
}

QString AppPaths::defaultTempRootFolder()
{
    return runtimeFolder() + QLatin1String("/ZUL_PHOTO_TEMP");
}

QString AppPaths::tempRootFolder()
{
    QMutexLocker lock(&g_tempMutex);
    return g_tempRoot.isEmpty() ? defaultTempRootFolder() : g_tempRoot;
}

QString AppPaths::autoPlayFolder()
{
    return tempRootFolder() + QLatin1String("/AUTOPLAY");
}

bool AppPaths::prepareTempRootFolder()
{
    const QString folder = defaultTempRootFolder();
    {
        QMutexLocker lock(&g_tempMutex);
        g_tempRoot = QFileInfo(folder).absoluteFilePath();
    }
    QString reason;
    if (!ensureRuntimeFolder(&reason)) {
        qWarning("Runtime folder %s refused: %s", qPrintable(runtimeFolder()), qPrintable(reason));
        return false;
    }
    return makeInnerFolder(folder) && removeWorkFiles();
}

namespace {

// Work files are named "<process id>_<sequence>…"; those of another live copy are still in use.
bool belongsToOtherLiveCopy(const QString& name)
{
    const int underscore = name.indexOf(QLatin1Char('_'));
    if (underscore <= 0)
        return false;
    bool isNumber = false;
    const qint64 pid = name.left(underscore).toLongLong(&isNumber);
    if (!isNumber || pid == QCoreApplication::applicationPid())
        return false;
    return QFileInfo::exists(QStringLiteral("/proc/%1").arg(pid));
}

} // namespace

bool AppPaths::removeWorkFiles()
{
    const QString folder = tempRootFolder();
    QDir dir(folder);
    const QFileInfoList entries =
        dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    bool otherCopies = false;
    for (const QFileInfo& entry : entries)
        otherCopies = otherCopies || belongsToOtherLiveCopy(entry.fileName());
    for (const QFileInfo& entry : entries) {
        if (belongsToOtherLiveCopy(entry.fileName()))
            continue;
        // A device import of another running copy may still be reading the AutoPlay folder.
        if (otherCopies && entry.fileName() == QLatin1String("AUTOPLAY"))
            continue;
        if (!removeEntry(&dir, entry))
            return false;
    }
    return true;
}

bool AppPaths::removeEntry(QDir* dir, const QFileInfo& entry)
{
    if (entry.isDir() && !entry.isSymLink())
        return removeFolderContents(entry.absoluteFilePath()) && dir->rmdir(entry.fileName());
    QFile file(entry.absoluteFilePath());
    // Permissions set on a link would change whatever it points at.
    if (!entry.isSymLink())
        file.setPermissions(file.permissions() | QFile::WriteOwner | QFile::ReadOwner);
    return file.remove();
}

bool AppPaths::removeFolderContents(const QString& folder)
{
    QDir dir(folder);
    const QFileInfoList entries = dir.entryInfoList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::DirsFirst);
    for (const QFileInfo& entry : entries) {
        if (!removeEntry(&dir, entry))
            return false;
    }
    return true;
}

int AppPaths::nextFileSequence()
{
    int current = g_fileSequence.load();
    int next;
    do {
        next = current + 1;
        if (next == -1)
            next = 0;
    } while (!g_fileSequence.compare_exchange_weak(current, next));
    return next;
}

void AppPaths::resetFileSequence()
{
    g_fileSequence.store(0);
}

QString AppPaths::workPrefix(int sequence)
{
    return tempRootFolder() + QLatin1Char('/') + QString::number(QCoreApplication::applicationPid()) +
           QLatin1Char('_') + QString::number(sequence);
}
