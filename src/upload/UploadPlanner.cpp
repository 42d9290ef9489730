#include "UploadPlanner.h"

#include "FileTypes.h"
#include "ProfileStore.h"
#include "ServerReply.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QNetworkReply>

#include <algorithm>

void UploadPlanner::addPath(const QString& path, const QString& targetFolder, const Options& options,
                            QList<ConversionEntry>* list, bool* hasVideo, QStringList* unsupported)
{
    const QFileInfo info(path);
    if (!info.exists() || info.isHidden())
        return;
    const FileTypes::UploadClass kind = FileTypes::uploadClass(info.suffix());
    if (kind == FileTypes::UploadVideo)
        *hasVideo = true;
    if (!info.isDir()) {
        if (kind != FileTypes::UploadUnsupported || !options.supportedOnly)
            list->append({{UploadQueue::LocalPath, info.absoluteFilePath()},
                          {UploadQueue::TargetFolder, targetFolder}});
        else if (unsupported)
            unsupported->append(info.absoluteFilePath());
        return;
    }
    QString inner = targetFolder;
    if (options.keepFolderStructure) {
        list->append(
            {{UploadQueue::LocalPath, info.absoluteFilePath()}, {UploadQueue::TargetFolder, targetFolder}});
        inner = targetFolder.isEmpty() ? info.fileName() : targetFolder + QLatin1Char('/') + info.fileName();
    }
    const QFileInfoList entries =
        QDir(info.absoluteFilePath())
            .entryInfoList(QDir::Dirs | QDir::Files | QDir::Drives | QDir::NoSymLinks | QDir::NoDotAndDotDot,
                           QDir::Name | QDir::DirsFirst);
    for (const QFileInfo& entry : entries)
        addPath(entry.absoluteFilePath(), inner, options, list, hasVideo, unsupported);
}

QList<ConversionEntry> UploadPlanner::buildList(const QStringList& sources, const Options& options,
                                                bool* hasVideo, QStringList* unsupported)
{
    QList<ConversionEntry> list;
    *hasVideo = false;
    for (const QString& source : sources)
        addPath(source, options.targetFolder, options, &list, hasVideo, unsupported);
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
    for (const QString& file : files) {
        const QString relative = rootDir.relativeFilePath(file);
        QStringList parts = relative.split(QLatin1Char('/'));
        const bool outside = relative.startsWith(QLatin1String("..")) || QDir::isAbsolutePath(relative);
        const bool hidden = std::any_of(parts.begin(), parts.end(), [](const QString& part) {
            return part.startsWith(QLatin1Char('.'));
        });
        if (outside || hidden)
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
        bool video = false;
        addPath(file, target, options, &list, &video, unsupported);
        *hasVideo = *hasVideo || video;
    }
    return list;
}

bool UploadPlanner::dropUploaded(QList<ConversionEntry>* list, const QString& profileName,
                                 const std::function<bool()>& betweenFiles, QList<ConversionEntry>* dropped)
{
    ProfileStore::ensurePhotoRecordsIndex();
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
                ProfileStore::uploadedFingerprints(info.fileName(), profileName, info.size(),
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
