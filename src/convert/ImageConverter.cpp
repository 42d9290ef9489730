#include "ImageConverter.h"

#include "AppPaths.h"
#include "FileTypes.h"
#include "ToolProcess.h"
#include "VexaLocale.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QStorageInfo>

#include <algorithm>

namespace {

QSize pictureSize(const QString& path)
{
    const QSize size = QImageReader(path).size();
    return size.isValid() ? size : QSize(0, 0);
}

// QFile::copy does not overwrite, and a leftover of an earlier run must not stand in for this file.
bool copyFresh(const QString& from, const QString& to, QString* failureReason)
{
    QFile::remove(to);
    QFile source(from);
    if (source.copy(to))
        return true;
    const QString folder = QFileInfo(to).absolutePath();
    const QStorageInfo storage(folder);
    if (storage.isValid() && storage.bytesAvailable() < source.size())
        *failureReason = tx(TextId::err_temp_folder_full).arg(QDir::toNativeSeparators(folder));
    else if (!QFileInfo::exists(from))
        *failureReason = from + QLatin1String(": ") + source.errorString();
    else
        *failureReason = tx(TextId::err_temp_folder_write).arg(QDir::toNativeSeparators(folder));
    return false;
}

// Animations and picture sequences have no one picture to stand for them: ImageMagick would read every
// frame and write numbered thumbnails beside the expected ones. Empty for a still picture.
QString sequenceReason(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    const QByteArray head = file.read(64);
    // WebP: "RIFF" size "WEBP", then an extended header "VP8X" whose flags carry the animation bit.
    if (head.size() >= 21 && head.startsWith("RIFF") && head.mid(8, 4) == "WEBP" &&
        head.mid(12, 4) == "VP8X" && (static_cast<quint8>(head.at(20)) & 0x02) != 0)
        return QStringLiteral("animated WebP: no still picture to make thumbnails from");
    // ISO media file: "ftyp" and a major brand that names an image sequence rather than still items.
    if (head.size() >= 12 && head.mid(4, 4) == "ftyp") {
        const QByteArray brand = head.mid(8, 4);
        if (brand == "avis" || brand == "msf1" || brand == "hevc" || brand == "hevs")
            return QStringLiteral("picture sequence (brand %1): no still picture to make thumbnails from")
                .arg(QString::fromLatin1(brand));
    }
    return QString();
}

// The first line of what convert wrote about its failure. Some of its readers (HEIC among them) fail
// without a word, and then only the options complain that there is no picture to work on.
QString convertFailure(const QString& line)
{
    if (line.contains(QLatin1String("image sequence is required")) ||
        line.contains(QLatin1String("no images defined")))
        return QStringLiteral("convert could not read a picture from the file (") + line + QLatin1Char(')');
    return line;
}

// HEIC, HEIF and AVIF photos: libheif reads them, and they are coded pictures that no decoder
// shrinks while reading, so the project's own reader does it before convert sees them.
bool isHeifSuffix(const QString& suffix)
{
    const QString lower = suffix.toLower();
    return lower == QLatin1String("heic") || lower == QLatin1String("heif") || lower == QLatin1String("avif");
}

QString geometry(int size)
{
    return QString::number(size) + QLatin1Char('x') + QString::number(size) + QLatin1Char('>');
}

} // namespace

ImageConverter::ImageConverter()
    : m_sizes{1280, 640, 800, 320, 120}, m_sizeFiles{{1280, QStringLiteral("THUMB_XL.jpg")},
                                                     {640, QStringLiteral("THUMB_B.jpg")},
                                                     {800, QStringLiteral("THUMB_L.jpg")},
                                                     {320, QStringLiteral("THUMB_M.jpg")},
                                                     {120, QStringLiteral("THUMB_S.jpg")}}
{
    const QString folder = QCoreApplication::applicationDirPath();
    m_convertPath = ToolProcess::locate(folder, QStringLiteral("ImageMagick/convert"));
    m_dcrawPath = ToolProcess::locate(folder, QStringLiteral("ImageMagick/dcraw"));
    m_heifDecoderPath = ToolProcess::locate(folder, QStringLiteral("lumio-heif-decode"));
}

void ImageConverter::setStopFlag(int value)
{
    m_stopFlag.store(value);
}

QString ImageConverter::readHint(const QSize& sourceSize) const
{
    // Given before the source, the hint lets the JPEG decoder scale down while reading instead of
    // decoding every pixel; the per-thumbnail hints come too late to have that effect. The decoder
    // picks the smallest scale that still covers the hint on both sides, so the hint is exactly the
    // largest thumbnail of this picture (rounded as the tool rounds it): a square box would keep the
    // short side of a wide picture needlessly large. The decoder also scales up, so a picture whose
    // long side is below the box is read as it is.
    const int largest = *std::max_element(m_sizes.begin(), m_sizes.end());
    const int longSide = std::max(sourceSize.width(), sourceSize.height());
    const int shortSide = std::min(sourceSize.width(), sourceSize.height());
    if (longSide < largest || shortSide <= 0)
        return QString();
    const int needed = std::max(1, qRound(double(largest) * shortSide / longSide));
    const bool landscape = sourceSize.width() >= sourceSize.height();
    return QStringLiteral("%1x%2").arg(landscape ? largest : needed).arg(landscape ? needed : largest);
}

QString ImageConverter::thumbnailCommand(const QString& sourcePath, const QSize& sourceSize) const
{
    const QString prefix = AppPaths::workPrefix(m_sequenceNumber);
    // "-strip" drops the orientation tag, so every picture is turned upright first, whatever its shape;
    // an untagged one is left as it is.
    const QString orientation = QStringLiteral("-auto-orient");
    QString command = ToolProcess::quotedPath(m_convertPath);
    const QString hint = readHint(sourceSize);
    if (!hint.isEmpty())
        command += QLatin1String(" -define ") + ToolProcess::quoted(QStringLiteral("jpeg:size=") + hint);
    command += QLatin1Char(' ') + ToolProcess::quotedPath(sourcePath);
    const int count = m_sizes.size();
    for (int i = 0; i < count; ++i) {
        const int size = m_sizes.at(i);
        const QString box = geometry(size);
        const QString output = ToolProcess::quotedPath(prefix + m_sizeFiles.value(size));
        const bool last = i == count - 1;
        if (i == 0)
            command += QLatin1String(" ( -clone 0");
        else if (!last)
            command += QLatin1String(" ( +clone");
        command += QLatin1String(" -define ") + ToolProcess::quoted(QLatin1String("jpeg:size=") + box);
        command += QLatin1String(" -thumbnail ") + ToolProcess::quoted(box);
        command += QLatin1String(" -strip -flatten");
        command += QLatin1String(" -quality ") + QString::number(m_quality);
        command += QLatin1Char(' ') + orientation;
        command += QLatin1String(" -colorspace ") + QLatin1String("RGB") + QLatin1String(" -unsharp ") +
                   QLatin1String("0.5x0.5+1.25+0.0") + QLatin1String(" -colorspace ") + QLatin1String("sRGB");
        if (i == 0)
            command += QLatin1String(" -write ") + output + QLatin1String(" ) -delete 0");
        else if (!last)
            command += QLatin1String(" -write ") + output + QLatin1String(" +delete )");
        else
            command += QLatin1Char(' ') + output;
    }
    return command;
}

int ImageConverter::convert(const QString& localPath, int sequenceNumber)
{
    m_sequenceNumber = sequenceNumber;
    m_failureReason.clear();
    const QFileInfo info(localPath);
    if (!info.exists()) {
        m_failureReason = tx(TextId::err_file_missing).arg(QDir::toNativeSeparators(localPath));
        return -1;
    }
    if (!QDir().mkpath(AppPaths::tempRootFolder())) {
        m_failureReason = tx(TextId::err_temp_folder_write).arg(AppPaths::tempRootFolder());
        return -1;
    }
    m_failureReason = sequenceReason(localPath);
    if (!m_failureReason.isEmpty()) {
        qDebug("Not converted: %s", qUtf8Printable(m_failureReason));
        return -1;
    }

    const QString prefix = AppPaths::workPrefix(sequenceNumber);
    const QString sourceCopy = prefix + QLatin1String("WinSourceTemp");
    const int result = convertSource(info, sourceCopy);
    // A RAW file's developed picture is as large as the photo itself, and the temporary folder is
    // often in memory: it goes as soon as the thumbnails are made.
    QFile::remove(sourceCopy);
    for (const char* workFile : {"RAWJpgSrc.jpg", "RAWPPMSrc.ppm", "WinRAWTemp", "HEIFSrc.pnm"})
        QFile::remove(prefix + QLatin1String(workFile));
    if (m_stopFlag.load() != 0)
        m_failureReason.clear();
    return result;
}

int ImageConverter::convertSource(const QFileInfo& info, const QString& sourceCopy)
{
    const QString localPath = info.filePath();
    QString source;
    if (FileTypes::isRawSuffix(info.suffix())) {
        source = rawSource(localPath);
    } else if (copyFresh(localPath, sourceCopy, &m_failureReason)) {
        source = isHeifSuffix(info.suffix()) ? heifSource(sourceCopy, info.fileName()) : sourceCopy;
    } else {
        qDebug("Cannot copy %s to %s", qUtf8Printable(localPath), qUtf8Printable(sourceCopy));
    }
    if (source.isEmpty() || m_stopFlag.load() != 0)
        return -1;

    const QString command = thumbnailCommand(source, pictureSize(source));
    qDebug("Image Thumb Process: %s", qUtf8Printable(command));

    ToolProcess tool(m_stopFlag);
    tool.keepToOneCore();
    const ToolProcess::Outcome outcome = tool.run(command);
    if (outcome == ToolProcess::Outcome::Stopped) {
        qDebug("kill convert process");
        return -1;
    }
    // The tool's messages are text; anything after a zero byte is not.
    qDebug("Out %s", tool.standardOutput().constData());
    if (tool.exitCode() == 0)
        return 0;
    const QString prefix = AppPaths::workPrefix(m_sequenceNumber);
    const QString lastOutput = prefix + m_sizeFiles.value(m_sizes.last());
    qDebug("convert thumb error. delete %s", qUtf8Printable(lastOutput));
    QFile::remove(lastOutput);
    // dcraw's word on a RAW file it could not develop says more than convert's on the missing bitmap.
    if (m_failureReason.isEmpty()) {
        // The tool only ever saw the work copy; the user knows the file by its own name.
        m_failureReason =
            convertFailure(tool.errorLine(false)).replace(QDir::toNativeSeparators(source), info.fileName());
    }
    if (m_failureReason.isEmpty())
        m_failureReason = QFileInfo(m_convertPath).fileName() + QLatin1String(": exit code ") +
                          QString::number(tool.exitCode());
    return -1;
}

QString ImageConverter::heifSource(const QString& copy, const QString& fileName)
{
    const QString bitmap = AppPaths::workPrefix(m_sequenceNumber) + QLatin1String("HEIFSrc.pnm");
    const int largest = *std::max_element(m_sizes.begin(), m_sizes.end());
    const QString command = ToolProcess::quotedPath(m_heifDecoderPath) + QLatin1Char(' ') +
                            ToolProcess::quotedPath(copy) + QLatin1Char(' ') +
                            ToolProcess::quotedPath(bitmap) + QLatin1Char(' ') + QString::number(largest);
    qDebug("Decode HEIF Image %s", qUtf8Printable(command));
    ToolProcess tool(m_stopFlag);
    switch (tool.run(command)) {
    case ToolProcess::Outcome::Stopped:
        qDebug("kill HEIF decoder process");
        return QString();
    case ToolProcess::Outcome::NotStarted:
        // convert reads HEIF through libheif as well, only slower.
        return copy;
    case ToolProcess::Outcome::Finished:
        break;
    }
    if (tool.exitCode() == 0)
        return bitmap;
    m_failureReason = tool.errorLine(true).replace(QDir::toNativeSeparators(copy), fileName);
    if (m_failureReason.isEmpty())
        m_failureReason = QFileInfo(m_heifDecoderPath).fileName() + QLatin1String(": exit code ") +
                          QString::number(tool.exitCode());
    return QString();
}

QString ImageConverter::rawSource(const QString& localPath)
{
    const QString prefix = AppPaths::workPrefix(m_sequenceNumber);
    const QString preview = prefix + QLatin1String("RAWJpgSrc.jpg");
    const QString bitmap = prefix + QLatin1String("RAWPPMSrc.ppm");
    const QString copy = prefix + QLatin1String("WinRAWTemp");
    QString result;

    if (!copyFresh(localPath, copy, &m_failureReason)) {
        qDebug("Cannot copy %s to %s", qUtf8Printable(localPath), qUtf8Printable(copy));
        return result;
    }

    ToolProcess tool(m_stopFlag);
    const QString extract =
        ToolProcess::quotedPath(m_dcrawPath) + QLatin1String(" -e -c ") + ToolProcess::quotedPath(copy);
    qDebug("Extract Raw Image %s", qUtf8Printable(extract));
    if (tool.run(extract) == ToolProcess::Outcome::Stopped) {
        qDebug("kill dcraw process");
        QFile::remove(copy);
        return result;
    }
    if (tool.exitCode() != 0)
        qDebug("Out %s", tool.standardOutput().constData());
    else
        QImage::fromData(tool.standardOutput(), "JPG").save(preview, "JPG");

    const QSize previewSize = pictureSize(preview);
    const int largest = *std::max_element(m_sizes.begin(), m_sizes.end());
    if (std::max(previewSize.width(), previewSize.height()) >= largest) {
        result = preview;
    } else {
        const QString develop =
            ToolProcess::quotedPath(m_dcrawPath) + QLatin1String(" -w -c ") + ToolProcess::quotedPath(copy);
        qDebug("Convert Raw Image %s", qUtf8Printable(develop));
        if (tool.run(develop) == ToolProcess::Outcome::Stopped) {
            qDebug("kill dcraw process");
            QFile::remove(copy);
            return result;
        }
        if (tool.exitCode() == 0) {
            // dcraw already writes a PPM: once its header reads as one, the bytes are the bitmap itself,
            // without decoding a picture that may be larger than an in-memory image is allowed to be.
            QByteArray developed = tool.standardOutput();
            QBuffer buffer(&developed);
            QImageReader reader(&buffer, "PPM");
            QFile file(bitmap);
            if (reader.size().isValid() && file.open(QIODevice::WriteOnly))
                file.write(developed);
        } else {
            qDebug("Out %s", tool.standardOutput().constData());
            m_failureReason =
                tool.errorLine(true).replace(QDir::toNativeSeparators(copy), QFileInfo(localPath).fileName());
        }
        result = bitmap;
    }
    QFile::remove(copy);
    return result;
}
