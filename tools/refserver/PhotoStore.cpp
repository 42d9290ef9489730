#include "PhotoStore.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

QString PhotoStore::thumbFolderName()
{
    return QStringLiteral(".@__thumb");
}

bool PhotoStore::isLegalName(const QString& name)
{
    if (name.isEmpty() || name.startsWith(QLatin1Char('.')))
        return false;
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f || c == QLatin1Char('/') || c == QLatin1Char('\\'))
            return false;
    }
    return true;
}

bool PhotoStore::isLegalFolderName(const QString& name)
{
    static const QString forbidden = QStringLiteral(":*?\"<>|");
    if (!isLegalName(name) || name.endsWith(QLatin1Char(' ')) || name.endsWith(QLatin1Char('.')))
        return false;
    for (const QChar c : name) {
        if (forbidden.contains(c))
            return false;
    }
    return true;
}

bool PhotoStore::isLegalPath(const QString& path)
{
    if (path.isEmpty())
        return true;
    const QStringList parts = path.split(QLatin1Char('/'));
    return std::all_of(parts.begin(), parts.end(), isLegalName);
}

QString PhotoStore::existingFolder(const QString& root, const QString& path)
{
    if (!isLegalPath(path))
        return QString();
    const QString canonicalRoot = QFileInfo(root).canonicalFilePath();
    const QFileInfo folder(path.isEmpty() ? root : root + QLatin1Char('/') + path);
    const QString canonical = folder.canonicalFilePath();
    if (canonicalRoot.isEmpty() || !folder.isDir() ||
        (canonical != canonicalRoot && !canonical.startsWith(canonicalRoot + QLatin1Char('/'))))
        return QString();
    return folder.absoluteFilePath();
}

QStringList PhotoStore::subFolders(const QString& folder)
{
    QStringList names = QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    names.removeIf([](const QString& name) { return !isLegalName(name); });
    return names;
}

QStringList PhotoStore::albumPaths(const QString& root, int depth)
{
    QStringList paths;
    QStringList level = {QString()};
    for (int d = 0; d < depth; ++d) {
        QStringList next;
        for (const QString& parent : level) {
            const QString folder = parent.isEmpty() ? root : root + QLatin1Char('/') + parent;
            for (const QString& name : subFolders(folder))
                next.append(parent.isEmpty() ? name : parent + QLatin1Char('/') + name);
        }
        paths += next;
        level = next;
    }
    paths.sort();
    return paths;
}

QString PhotoStore::renditionFileName(const QString& uploadType)
{
    static const QStringList thumbnails = {QStringLiteral("THUM_B"), QStringLiteral("THUM_L"),
                                           QStringLiteral("THUM_M"), QStringLiteral("THUM_S"),
                                           QStringLiteral("THUM_XL")};
    static const QStringList videos = {QStringLiteral("MP4_HIGH"), QStringLiteral("MP4_MEDIUM"),
                                       QStringLiteral("MP4_LOW"), QStringLiteral("MP4_MOBILE")};
    if (thumbnails.contains(uploadType))
        return uploadType + QLatin1String(".jpg");
    if (videos.contains(uploadType))
        return uploadType + QLatin1String(".mp4");
    return QString();
}

QString PhotoStore::renditionFolder(const QString& folder, const QString& name)
{
    return folder + QLatin1Char('/') + thumbFolderName() + QLatin1Char('/') + name;
}

QString PhotoStore::stagingFolder(const QString& folder, const QString& session, const QString& name)
{
    return folder + QLatin1Char('/') + thumbFolderName() + QLatin1String("/.incoming/") + session +
           QLatin1Char('/') + name;
}

bool PhotoStore::adoptRenditions(const QString& staging, const QString& target)
{
    QDir old(target);
    if (old.exists() && !old.removeRecursively())
        return false;
    if (!QFileInfo(staging).isDir())
        return true;
    const bool moved = QDir().rename(staging, target);
    // Leave no empty session folder behind; rmdir fails harmlessly while other uploads still use it.
    QDir().rmdir(QFileInfo(staging).absolutePath());
    return moved;
}

QString PhotoStore::numberedName(const QString& name, int number)
{
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    const QString suffix = QLatin1Char('_') + QString::number(number);
    if (dot <= 0)
        return name + suffix;
    return name.left(dot) + suffix + name.mid(dot);
}
