#include "UploadPlanner.h"

#include "FileTypes.h"
#include "ProfileStore.h"
#include "ServerReply.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QNetworkReply>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSqlDatabase>

#include <algorithm>

namespace {

// One scan of a selection: the options, their compiled globs and what the scan gathers.
struct Scan
{
    const UploadPlanner::Options& options;
    QList<QRegularExpression> includes;
    QList<QRegularExpression> excludes;
    QList<ConversionEntry>* list;
    bool* hasVideo;
    QStringList* unsupported;
    QStringList* filtered;

    bool filters() const { return !includes.isEmpty() || !excludes.isEmpty() || options.newerThan.isValid(); }
};

QList<QRegularExpression> compiled(const QStringList& globs)
{
    QList<QRegularExpression> patterns;
    for (const QString& glob : globs)
        patterns.append(QRegularExpression::fromWildcard(glob, Qt::CaseInsensitive));
    return patterns;
}

bool matchesAny(const QList<QRegularExpression>& patterns, const QString& name, const QString& relative)
{
    return std::any_of(patterns.begin(), patterns.end(), [&](const QRegularExpression& pattern) {
        return pattern.match(name).hasMatch() || pattern.match(relative).hasMatch();
    });
}

bool keptByFilters(const Scan& scan, const QFileInfo& info, const QString& relative)
{
    if (matchesAny(scan.excludes, info.fileName(), relative))
        return false;
    if (info.isDir())
        return true;
    if (!scan.includes.isEmpty() && !matchesAny(scan.includes, info.fileName(), relative))
        return false;
    return !scan.options.newerThan.isValid() || info.lastModified() > scan.options.newerThan;
}

// relative: the path below the selected folder; empty for a selected entry itself.
void addPath(Scan* scan, const QFileInfo& info, const QString& targetFolder, const QString& relative)
{
    if (!info.exists() || info.isHidden())
        return;
    if (!keptByFilters(*scan, info, relative.isEmpty() ? info.fileName() : relative)) {
        if (scan->filtered && !info.isDir())
            scan->filtered->append(info.absoluteFilePath());
        return;
    }
    const FileTypes::UploadClass kind = FileTypes::uploadClass(info.suffix());
    if (kind == FileTypes::UploadVideo)
        *scan->hasVideo = true;
    if (!info.isDir()) {
        if (kind != FileTypes::UploadUnsupported || !scan->options.supportedOnly)
            scan->list->append({{UploadQueue::LocalPath, info.absoluteFilePath()},
                                {UploadQueue::TargetFolder, targetFolder}});
        else if (scan->unsupported)
            scan->unsupported->append(info.absoluteFilePath());
        return;
    }
    const qsizetype folderAt = scan->list->size();
    QString inner = targetFolder;
    if (scan->options.keepFolderStructure) {
        scan->list->append(
            {{UploadQueue::LocalPath, info.absoluteFilePath()}, {UploadQueue::TargetFolder, targetFolder}});
        inner = targetFolder.isEmpty() ? info.fileName() : targetFolder + QLatin1Char('/') + info.fileName();
    }
    const QFileInfoList entries =
        QDir(info.absoluteFilePath())
            .entryInfoList(QDir::Dirs | QDir::Files | QDir::Drives | QDir::NoSymLinks | QDir::NoDotAndDotDot,
                           QDir::Name | QDir::DirsFirst);
    const QString prefix = relative.isEmpty() ? QString() : relative + QLatin1Char('/');
    for (const QFileInfo& entry : entries)
        addPath(scan, entry, inner, prefix + entry.fileName());
    if (scan->filters() && scan->options.keepFolderStructure && scan->list->size() == folderAt + 1)
        scan->list->removeLast();
}

} // namespace

QList<ConversionEntry> UploadPlanner::buildList(const QStringList& sources, const Options& options,
                                                bool* hasVideo, QStringList* unsupported,
                                                QStringList* filtered)
{
    QList<ConversionEntry> list;
    *hasVideo = false;
    Scan scan{options, compiled(options.includes), compiled(options.excludes), &list, hasVideo, unsupported,
              filtered};
    for (const QString& source : sources)
        addPath(&scan, QFileInfo(source), options.targetFolder, QString());
    return list;
}

QList<ConversionEntry> UploadPlanner::buildListBelow(const QString& root, const QStringList& files,
                                                     const Options& options, bool* hasVideo,
                                                     QStringList* unsupported)
{
    const auto joined = [](const QString& folder, const QString& name) {
        return folder.isEmpty() ? name : folder + QLatin1Char('/') + name;
    };
    QList<ConversionEntry> list;
    QSet<QString> folders;
    *hasVideo = false;
    const QDir rootDir(root);
    bool video = false;
    Scan scan{options, compiled(options.includes), compiled(options.excludes), &list, &video, unsupported,
              nullptr};
    for (const QString& file : files) {
        const QString relative = rootDir.relativeFilePath(file);
        QStringList parts = relative.split(QLatin1Char('/'));
        const bool outside = relative.startsWith(QLatin1String("..")) || QDir::isAbsolutePath(relative);
        const bool hidden = std::any_of(parts.begin(), parts.end(), [](const QString& part) {
            return part.startsWith(QLatin1Char('.'));
        });
        // Checked before its folders are entered, which would otherwise become empty albums.
        if (outside || hidden || !keptByFilters(scan, QFileInfo(file), relative))
            continue;
        parts.removeLast();
        QString target = options.targetFolder;
        if (options.keepFolderStructure) {
            QString local = rootDir.absolutePath();
            QString parentTarget = options.targetFolder;
            parts.prepend(QString());
            for (const QString& part : std::as_const(parts)) {
                if (!part.isEmpty())
                    local += QLatin1Char('/') + part;
                if (!folders.contains(local)) {
                    folders.insert(local);
                    list.append({{UploadQueue::LocalPath, local}, {UploadQueue::TargetFolder, parentTarget}});
                }
                parentTarget = joined(parentTarget, QFileInfo(local).fileName());
            }
            target = parentTarget;
        }
        addPath(&scan, QFileInfo(file), target, relative);
    }
    *hasVideo = video;
    return list;
}

bool UploadPlanner::dropUploaded(QList<ConversionEntry>* list, const QString& profileName,
                                 const std::function<bool()>& betweenFiles, QList<ConversionEntry>* dropped)
{
    ProfileStore::ensurePhotoRecordsIndex();
    // One read transaction for all the look-ups, instead of taking and dropping the file's lock and
    // checking it for changes around each.
    QSqlDatabase store = ProfileStore::connection();
    const bool reading = store.transaction();
    const auto finishReading = qScopeGuard([&] {
        if (reading)
            store.commit();
    });
    QSqlQuery lookup = ProfileStore::uploadedLookup();
    QList<ConversionEntry> kept;
    QList<ConversionEntry> droppedHere;
    kept.reserve(list->size());
    for (const ConversionEntry& entry : std::as_const(*list)) {
        const QFileInfo info(entry.value(UploadQueue::LocalPath));
        if (!info.isDir()) {
            // A false answer stops the check; the list stays as it was.
            if (betweenFiles && !betweenFiles())
                return false;
            const QStringList recorded =
                ProfileStore::uploadedFingerprints(lookup, info.fileName(), profileName, info.size(),
                                                   QString::number(info.lastModified().toSecsSinceEpoch()));
            if (!recorded.isEmpty() &&
                recorded.contains(ProfileStore::fileFingerprint(info.absoluteFilePath()))) {
                droppedHere.append(entry);
                continue;
            }
        }
        kept.append(entry);
    }
    if (dropped)
        dropped->append(droppedHere);
    *list = kept;
    return !droppedHere.isEmpty();
}

QString UploadPlanner::itemKey(const ConversionEntry& entry)
{
    const QString name = QFileInfo(entry.value(UploadQueue::LocalPath)).fileName();
    const QString key = QLatin1Char('/') + entry.value(UploadQueue::TargetFolder) + QLatin1Char('/') + name;
    return key.normalized(QString::NormalizationForm_C);
}

QString UploadPlanner::boundary(const QDateTime& now)
{
    return QStringLiteral("updbdry--") + now.toString(Qt::ISODate) + QStringLiteral("------------------");
}

QByteArray UploadPlanner::initContentType(const QString& boundary)
{
    return "multipart/form-data, boundary=" + boundary.toUtf8();
}

QByteArray UploadPlanner::initBody(const QList<ConversionEntry>& list, const QString& boundary)
{
    QStringList keys;
    for (const ConversionEntry& entry : list) {
        if (QFileInfo::exists(entry.value(UploadQueue::LocalPath)))
            keys.append(itemKey(entry));
    }
    return initBodyForKeys(keys, boundary);
}

QByteArray UploadPlanner::initBodyForKeys(const QStringList& keys, const QString& boundary)
{
    const QByteArray b = boundary.toUtf8();
    QByteArray body;
    body += "--" + b + "\r\n";
    body += "content-disposition: form-data; name=\"filelist\"\r\n";
    body += "\r\n";
    body += keys.join(QLatin1String("/FolderDelimiter/")).toUtf8();
    body += "\r\n";
    body += "--" + b + "\r\n";
    return body;
}

UploadPlanner::InitReply UploadPlanner::evaluateInitReply(QNetworkReply* reply)
{
    InitReply result;
    if (reply->error() != QNetworkReply::NoError) {
        result.errorText = reply->errorString();
    } else {
        const ServerReply parsed(reply->readAll());
        if (!parsed.isJson()) {
            result.errorText = QStringLiteral("server unknown errror");
        } else if (parsed.success()) {
            for (const QString& key : parsed.stringList(QStringLiteral("duplicated_files"))) {
                if (key.isEmpty())
                    continue;
                qDebug() << "duplicated:" << key;
                result.duplicated.insert(key.normalized(QString::NormalizationForm_C));
            }
            for (const QString& key : parsed.stringList(QStringLiteral("no_privilege_files"))) {
                if (key.isEmpty())
                    continue;
                qDebug() << "no privilege:" << key;
                result.noPrivilege.insert(key.normalized(QString::NormalizationForm_C));
            }
        } else {
            result.errorText = parsed.errorKey();
        }
    }
    if (!result.errorText.isEmpty())
        qDebug("init upload error:%s", qUtf8Printable(result.errorText));
    return result;
}

void UploadPlanner::dropRefused(QList<ConversionEntry>* list, const InitReply& reply,
                                bool* noPrivilegeDropped, bool* presentDropped,
                                QList<ConversionEntry>* refused, QList<ConversionEntry>* present)
{
    QList<ConversionEntry> kept;
    kept.reserve(list->size());
    for (const ConversionEntry& entry : std::as_const(*list)) {
        const QString key = itemKey(entry);
        const QFileInfo info(entry.value(UploadQueue::LocalPath));
        if (reply.noPrivilege.contains(key)) {
            if (refused)
                refused->append(entry);
            *noPrivilegeDropped = true;
        } else if (reply.duplicated.contains(key) && info.isDir()) {
            qDebug("SKIP %s", qUtf8Printable(info.fileName()));
            if (present)
                present->append(entry);
            *presentDropped = true;
        } else {
            kept.append(entry);
        }
    }
    *list = kept;
}
