#include "FolderWatcher.h"

#include <QFile>
#include <QSocketNotifier>

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const quint32 kFolderEvents = IN_CREATE | IN_CLOSE_WRITE | IN_MOVED_TO | IN_MOVED_FROM | IN_DELETE_SELF |
                              IN_MOVE_SELF | IN_ONLYDIR | IN_DONT_FOLLOW | IN_EXCL_UNLINK;
const int kDefaultRescanMs = 60000;

enum class Kind
{
    File,
    Folder,
    Link,
    Other
};

Kind kindOf(const QString& path)
{
    struct stat st = {};
    if (lstat(QFile::encodeName(path).constData(), &st) != 0)
        return Kind::Other;
    if (S_ISLNK(st.st_mode))
        return Kind::Link;
    if (S_ISDIR(st.st_mode))
        return Kind::Folder;
    return S_ISREG(st.st_mode) ? Kind::File : Kind::Other;
}

// Entries of a folder without "." and hidden names (the planner leaves hidden entries out too).
bool listFolder(const QString& folder, QList<QPair<QString, Kind>>* entries)
{
    DIR* dir = opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return false;
    while (const dirent* entry = readdir(dir)) {
        if (entry->d_name[0] == '.')
            continue;
        const QString path = folder + QLatin1Char('/') + QFile::decodeName(entry->d_name);
        Kind kind = Kind::Other;
        switch (entry->d_type) {
        case DT_REG:
            kind = Kind::File;
            break;
        case DT_DIR:
            kind = Kind::Folder;
            break;
        case DT_LNK:
            kind = Kind::Link;
            break;
        case DT_UNKNOWN:
            kind = kindOf(path);
            break;
        default:
            break;
        }
        entries->append({path, kind});
    }
    closedir(dir);
    return true;
}

bool isBelow(const QString& path, const QString& folder)
{
    return path == folder || path.startsWith(folder + QLatin1Char('/'));
}

} // namespace

FolderWatcher::FolderWatcher(QObject* parent) : QObject(parent)
{
    m_fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (m_fd < 0) {
        m_error = QString::fromLocal8Bit(strerror(errno));
        return;
    }
    m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &FolderWatcher::slotReadable);
    m_rescan.setInterval(kDefaultRescanMs);
    connect(&m_rescan, &QTimer::timeout, this, &FolderWatcher::slotRescan);
}

FolderWatcher::~FolderWatcher()
{
    if (m_fd >= 0)
        close(m_fd);
}

QString FolderWatcher::kernelWatchLimitFile()
{
    return QStringLiteral("/proc/sys/fs/inotify/max_user_watches");
}

int FolderWatcher::kernelWatchLimit()
{
    QFile file(kernelWatchLimitFile());
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    bool ok = false;
    const int limit = file.readAll().trimmed().toInt(&ok);
    return ok ? limit : -1;
}

void FolderWatcher::setRescanInterval(int ms)
{
    m_rescan.setInterval(ms);
}

void FolderWatcher::addRoot(const QString& root)
{
    m_roots.append(root);
    addTree(root, false);
}

bool FolderWatcher::addWatch(const QString& folder)
{
    if (m_fd < 0)
        return false;
    int wd = -1;
    if (m_watchCap <= 0 || m_pathOfWatch.size() < m_watchCap) {
        wd = inotify_add_watch(m_fd, QFile::encodeName(folder).constData(), kFolderEvents);
        // A folder that cannot be watched for another reason cannot be listed either; the listing
        // reports it.
        if (wd < 0 && errno != ENOSPC)
            return true;
    }
    if (wd < 0) {
        if (!m_limitReported) {
            m_limitReported = true;
            emit signalWatchLimitReached(m_pathOfWatch.size());
        }
        if (!m_rescan.isActive())
            m_rescan.start();
        return false;
    }
    const auto old = m_pathOfWatch.constFind(wd);
    if (old != m_pathOfWatch.constEnd())
        m_watchOfPath.remove(*old);
    m_pathOfWatch.insert(wd, folder);
    m_watchOfPath.insert(folder, wd);
    return true;
}

void FolderWatcher::addTree(const QString& folder, bool reportFiles)
{
    QStringList stack{folder};
    while (!stack.isEmpty()) {
        const QString current = stack.takeLast();
        if (!addWatch(current)) {
            if (!m_unwatched.contains(current))
                m_unwatched.insert(current, {});
            scanUnwatched(current, reportFiles);
            // The scan itself found the folders below.
            continue;
        }
        QList<QPair<QString, Kind>> entries;
        if (!listFolder(current, &entries)) {
            if (QFile::exists(current))
                emit signalNotice(Notice::FolderUnreadable, current);
            continue;
        }
        for (const auto& entry : std::as_const(entries)) {
            if (entry.second == Kind::Folder)
                stack.append(entry.first);
            else if (entry.second == Kind::Link)
                reportSymlink(entry.first);
            else if (entry.second == Kind::File && reportFiles)
                emit signalFileTouched(entry.first);
        }
    }
}

void FolderWatcher::scanUnwatched(const QString& folder, bool reportChanges)
{
    QList<QPair<QString, Kind>> entries;
    if (!listFolder(folder, &entries)) {
        m_unwatched.remove(folder);
        if (m_roots.contains(folder))
            emit signalNotice(Notice::FolderGone, folder);
        return;
    }
    const QHash<QString, Stamp> before = m_unwatched.value(folder);
    QHash<QString, Stamp> now;
    for (const auto& entry : std::as_const(entries)) {
        if (entry.second == Kind::Link) {
            reportSymlink(entry.first);
        } else if (entry.second == Kind::Folder) {
            if (!m_watchOfPath.contains(entry.first) && !m_unwatched.contains(entry.first))
                addTree(entry.first, reportChanges);
        } else if (entry.second == Kind::File) {
            struct stat st = {};
            if (stat(QFile::encodeName(entry.first).constData(), &st) != 0)
                continue;
            const Stamp stamp{st.st_size, st.st_mtim.tv_sec * 1000 + st.st_mtim.tv_nsec / 1000000};
            now.insert(entry.first, stamp);
            const auto old = before.constFind(entry.first);
            if (reportChanges &&
                (old == before.constEnd() || old->size != stamp.size || old->mtimeMs != stamp.mtimeMs))
                emit signalFileTouched(entry.first);
        }
    }
    m_unwatched.insert(folder, now);
}

void FolderWatcher::slotRescan()
{
    const QStringList folders = m_unwatched.keys();
    for (const QString& folder : folders) {
        if (m_unwatched.contains(folder))
            scanUnwatched(folder, true);
    }
}

void FolderWatcher::reportSymlink(const QString& path)
{
    if (m_reportedLinks.contains(path))
        return;
    m_reportedLinks.insert(path);
    emit signalNotice(Notice::SymlinkSkipped, path);
}

void FolderWatcher::forgetTree(const QString& folder)
{
    for (auto it = m_watchOfPath.begin(); it != m_watchOfPath.end();) {
        if (isBelow(it.key(), folder)) {
            inotify_rm_watch(m_fd, it.value());
            m_pathOfWatch.remove(it.value());
            it = m_watchOfPath.erase(it);
        } else {
            ++it;
        }
    }
    for (auto it = m_unwatched.begin(); it != m_unwatched.end();) {
        if (isBelow(it.key(), folder))
            it = m_unwatched.erase(it);
        else
            ++it;
    }
}

void FolderWatcher::slotReadable()
{
    alignas(inotify_event) char buffer[64 * 1024];
    for (;;) {
        const ssize_t got = read(m_fd, buffer, sizeof buffer);
        if (got <= 0)
            return;
        for (ssize_t offset = 0; offset < got;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + offset);
            const QString name = event->len > 0 ? QFile::decodeName(event->name) : QString();
            handleEvent(event->wd, event->mask, name);
            offset += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
}

void FolderWatcher::handleEvent(int wd, quint32 mask, const QString& name)
{
    if (mask & IN_Q_OVERFLOW) {
        // Events were dropped: every file of the trees is a candidate again.
        emit signalNotice(Notice::EventsLost, QString());
        for (const QString& root : std::as_const(m_roots))
            addTree(root, true);
        return;
    }
    const auto found = m_pathOfWatch.constFind(wd);
    if (found == m_pathOfWatch.constEnd())
        return;
    const QString folder = *found;
    if (mask & IN_IGNORED) {
        m_pathOfWatch.remove(wd);
        if (m_watchOfPath.value(folder, -1) == wd)
            m_watchOfPath.remove(folder);
        return;
    }
    if (mask & (IN_DELETE_SELF | IN_MOVE_SELF)) {
        if (m_roots.contains(folder))
            emit signalNotice(Notice::FolderGone, folder);
        forgetTree(folder);
        return;
    }
    if (name.isEmpty() || name.startsWith(QLatin1Char('.')))
        return;
    const QString path = folder + QLatin1Char('/') + name;
    if (mask & IN_ISDIR) {
        if (mask & (IN_CREATE | IN_MOVED_TO))
            addTree(path, true);
        else if (mask & IN_MOVED_FROM)
            forgetTree(path);
        return;
    }
    if (!(mask & (IN_CREATE | IN_CLOSE_WRITE | IN_MOVED_TO)))
        return;
    const Kind kind = kindOf(path);
    if (kind == Kind::Link)
        reportSymlink(path);
    else if (kind == Kind::File)
        emit signalFileTouched(path);
}
