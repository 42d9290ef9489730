#include "AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QMutex>
#include <QStandardPaths>

#include <atomic>

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
    return QDir::tempPath() + QLatin1String("//FileList");
}

QString AppPaths::defaultTempRootFolder()
{
    return QDir::tempPath() + QLatin1String("/ZUL_PHOTO_TEMP");
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
    return QDir(folder).exists() ? removeWorkFiles() : QDir().mkpath(folder);
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
