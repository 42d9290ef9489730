#include "FileConverter.h"

#include "AppPaths.h"
#include "ImageConverter.h"
#include "ServerProfile.h"
#include "UploadRun.h"
#include "VexaLocale.h"
#include "VideoConverter.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <mutex>

#include <exiv2/exiv2.hpp>

namespace {

const QString kTimeFormat = QStringLiteral("yyyyMMdd_hhmmss");

QString modifiedTimeName(const QFileInfo& info)
{
    return QStringLiteral("IMG_") + info.lastModified().toString(kTimeFormat);
}

// Exiv2 reads HEIC and AVIF (ISO base media files) only once asked to.
void enableIsoMediaMetadata()
{
    static std::once_flag once;
    std::call_once(once, [] { Exiv2::enableBMFF(true); });
}

} // namespace

FileConverter::FileConverter(UploadQueue* queue, const ServerProfile* profile, QObject* parent)
    : QThread(parent), m_queue(queue), m_imageConverter(std::make_unique<ImageConverter>()),
      m_videoConverter(std::make_unique<VideoConverter>(profile->qualities)),
      m_renameByDate(profile->daterename), m_qualities(profile->qualities)
{
    m_videoConverter->setPassStartedHandler([this](int quality, VideoConverter::Pass pass) {
        emit signalConversionStarted(QFileInfo(m_entry.value(UploadQueue::LocalPath)).fileName(), quality,
                                     pass);
    });
}

FileConverter::~FileConverter()
{
    stop(1);
    wait();
}

void FileConverter::stop(int value)
{
    m_stop.store(value);
    m_imageConverter->setStopFlag(1);
    m_videoConverter->setStopFlag(1);
}

void FileConverter::run()
{
    while (m_stop.load() == 0 && m_queue->takeConversionEntry(&m_entry)) {
        QElapsedTimer clock;
        clock.start();
        const int sequence = AppPaths::nextFileSequence();
        qDebug() << "FileConverter[" << QThread::currentThreadId() << "]: Convert file [" << sequence << "]";
        const QString localPath = m_entry.value(UploadQueue::LocalPath);
        const QString targetFolder = m_entry.value(UploadQueue::TargetFolder);
        const QFileInfo info(localPath);
        const QString suffix = info.suffix();

        const float next = m_queue->nextProgressStep(0.8f);
        m_queue->setCurrentFileSize(info.size());
        emit signalNextProgressChanged(static_cast<int>(next * 100) - 1);

        // A file that cannot be converted still goes up, but the user learns that it has no thumbnails.
        QString warning;
        const FileTypes::ConversionClass type = FileTypes::conversionClass(suffix);
        QString baseName = serverBaseName(localPath, m_renameByDate);
        if (type == FileTypes::ConvertImage || type == FileTypes::ConvertVideo)
            emit signalConversionStarted(info.fileName(), -1, 0);
        if (type == FileTypes::ConvertImage) {
            qDebug("FileConverter: Convert Image [%s]", qUtf8Printable(baseName));
            if (m_imageConverter->convert(localPath, sequence) == -1) {
                qDebug("Image convert error");
                warning = conversionWarning(m_imageConverter->failureReason());
            }
        } else if (type == FileTypes::ConvertVideo) {
            qDebug("FileConverter: Convert Video [%s]", qUtf8Printable(baseName));
            if (m_videoConverter->convert(localPath, sequence) == -1) {
                qDebug("Video convert error");
                warning = conversionWarning(m_videoConverter->failureReason());
            }
            // The clip's own time comes from the probe that the conversion has just run.
            baseName = serverBaseName(localPath, m_renameByDate, m_videoConverter->creationTime());
        }

        m_convertingNs.fetch_add(clock.nsecsElapsed());
        // A stopped conversion left the renditions unfinished: the file must not go up without them.
        if (m_stop.load() != 0)
            break;
        const bool isFolder = info.isDir();
        const QString serverName = isFolder ? info.fileName() : uniqueServerName(m_queue, baseName, suffix);
        m_queue->handOver(sequence, type, isFolder, localPath, targetFolder, serverName, m_qualities,
                          warning);

        const float complete = m_queue->completeProgressStep(0.8f);
        emit signalCompleteProgressChanged(static_cast<int>(complete * 100));
    }
    m_finishedAtNs.store(UploadRun::steadyNowNs());
    qDebug("FileConverter: End");
}

QString FileConverter::qualityName(int quality)
{
    switch (quality) {
    case 0:
        return tx(TextId::quality_high);
    case 2:
        return tx(TextId::quality_low);
    case 3:
        return tx(TextId::quality_mobile);
    default:
        return tx(TextId::quality_medium);
    }
}

QString FileConverter::conversionWarning(const QString& reason)
{
    // A stopped conversion has no reason: the run is ending, and there is nothing to warn about.
    return reason.isEmpty() ? QString() : tx(TextId::upload_warn_no_thumbnails).arg(reason);
}

QString FileConverter::serverBaseName(const QString& localPath, bool renameByDate,
                                      const QDateTime& videoTaken)
{
    const QFileInfo info(localPath);
    const FileTypes::ConversionClass type = FileTypes::conversionClass(info.suffix());
    if (renameByDate && type == FileTypes::ConvertImage)
        return captureTimeName(localPath);
    if (renameByDate && type == FileTypes::ConvertVideo) {
        // Both halves of a Live Photo are named by the still, so the pair stays recognisable.
        const QString still = livePhotoStill(localPath);
        if (!still.isEmpty())
            return captureTimeName(still);
        if (videoTaken.isValid())
            return QStringLiteral("IMG_") + videoTaken.toString(kTimeFormat);
        return modifiedTimeName(info);
    }
    return info.completeBaseName();
}

QString FileConverter::livePhotoStill(const QString& videoPath)
{
    const QFileInfo video(videoPath);
    const QStringList suffixes{QStringLiteral("heic"), QStringLiteral("heif"), QStringLiteral("jpg"),
                               QStringLiteral("jpeg")};
    // Listed unfiltered: a name filter would read brackets or stars in the base name as wildcards.
    const QFileInfoList siblings = video.dir().entryInfoList(QDir::Files, QDir::Name);
    for (const QString& suffix : suffixes) {
        for (const QFileInfo& sibling : siblings) {
            if (sibling.completeBaseName() == video.completeBaseName() &&
                sibling.suffix().compare(suffix, Qt::CaseInsensitive) == 0)
                return sibling.filePath();
        }
    }
    return QString();
}

QString FileConverter::uniqueServerName(UploadQueue* queue, const QString& baseName, const QString& suffix)
{
    QString base = baseName;
    for (;;) {
        const QString name = suffix.isEmpty() ? base : base + QLatin1Char('.') + suffix;
        const int count = queue->useName(name);
        if (count == 0)
            return name;
        base = base + QLatin1Char('_') + QString::number(count);
    }
}

QString FileConverter::captureTimeName(const QString& localPath)
{
    const QFileInfo info(localPath);
    if (!info.exists())
        return QString();
    const QString fallback = modifiedTimeName(info);
    enableIsoMediaMetadata();
    QFile file(localPath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return fallback;
    const qint64 size = file.size();
    uchar* mapped = size > 0 ? file.map(0, size) : nullptr;
    if (!mapped)
        return fallback;
    QString result = fallback;
    try {
        Exiv2::Image::AutoPtr image = Exiv2::ImageFactory::open(mapped, static_cast<long>(size));
        if (image.get()) {
            image->readMetadata();
            const Exiv2::ExifData& exif = image->exifData();
            const auto it = exif.findKey(Exiv2::ExifKey("Exif.Photo.DateTimeOriginal"));
            if (!exif.empty() && it != exif.end()) {
                const QString text = QString::fromStdString(it->toString());
                // "2012:05:01 10:15:00": the date's colons stand where ISO has dashes.
                QString iso = text.left(19);
                if (iso.size() == 19) {
                    iso[4] = QLatin1Char('-');
                    iso[7] = QLatin1Char('-');
                    iso[10] = QLatin1Char('T');
                }
                const QDateTime taken = QDateTime::fromString(iso, Qt::ISODate);
                if (taken.isValid())
                    result = QStringLiteral("IMG_") + taken.toString(kTimeFormat);
            }
        }
    } catch (const Exiv2::AnyError& error) {
        qDebug() << "Caught Exiv2 exception '" << error.what() << "'";
        result = fallback;
    }
    file.unmap(mapped);
    return result;
}
