#include "VideoConverter.h"

#include "AppPaths.h"
#include "ToolProcess.h"
#include "VexaLocale.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cmath>

namespace {

const QLatin1String kFirstSeek("00:00:03");
const QLatin1String kStartSeek("00:00:00");

bool nonEmptyFile(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() && info.size() > 0;
}

int normalisedDegrees(int degrees)
{
    return ((degrees % 360) + 360) % 360;
}

bool isQuarterTurn(int rotation)
{
    return rotation == 90 || rotation == 270;
}

QString swappedSize(const QString& size)
{
    const QStringList parts = size.split(QLatin1Char('x'));
    return parts.size() == 2 ? parts.at(1) + QLatin1Char('x') + parts.at(0) : size;
}

QString aspectOf(const QString& size)
{
    QString aspect = size;
    return aspect.replace(QLatin1Char('x'), QLatin1Char(':'));
}

QString transposeFilter(int rotation)
{
    switch (rotation) {
    case 90:
        return QStringLiteral("transpose=1");
    case 180:
        return QStringLiteral("hflip,vflip");
    case 270:
        return QStringLiteral("transpose=2");
    default:
        return QString();
    }
}

// HDR pictures are made for displays far brighter than an ordinary screen. Their reference white
// (203 cd/m², ITU-R BT.2408) becomes the SDR white, the mobius curve keeps everything below 30 % of
// it as it is and compresses the highlights up to the 1000 cd/m² that phones master for.
const QLatin1String kReferenceWhite("203");
const QLatin1String kHdrPeak("4.926");

// The matrix, primaries and transfer of "yuv420p10le(tv, bt2020nc/bt2020/smpte2084, progressive)", or the
// one name given when all three are the same; empty texts when the line names none.
QStringList coloursOf(const QString& line)
{
    static const QRegularExpression colours(QStringLiteral(", \\w+\\((?:(?:tv|pc), )?([^,)]+)"));
    const QRegularExpressionMatch match = colours.match(line);
    if (!match.hasMatch())
        return {QString(), QString(), QString()};
    const QString named = match.captured(1).trimmed();
    // Without colours the first word after the range is the field order.
    if (named == QLatin1String("progressive") || named.startsWith(QLatin1String("top ")) ||
        named.startsWith(QLatin1String("bottom ")))
        return {QString(), QString(), QString()};
    const QStringList parts = named.split(QLatin1Char('/'));
    return parts.size() == 3 ? parts : QStringList{parts.first(), parts.first(), parts.first()};
}

// "2024-05-01T10:15:00.000000Z" (UTC) or Apple's "2024-05-01T12:15:00+0200" (local, with its offset).
QDateTime metadataTime(const QString& line)
{
    const int colon = line.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return QDateTime();
    const QString text = line.mid(colon + 1).trimmed();
    static const QRegularExpression stamp(QStringLiteral(
        "^(\\d{4}-\\d{2}-\\d{2})[T ](\\d{2}:\\d{2}:\\d{2})(?:\\.\\d+)?(Z|[+-]\\d{2}:?\\d{2})?"));
    const QRegularExpressionMatch match = stamp.match(text);
    if (!match.hasMatch())
        return QDateTime();
    const QDateTime wall =
        QDateTime::fromString(match.captured(1) + QLatin1Char('T') + match.captured(2), Qt::ISODate);
    // Cameras without a set clock write the epoch of their format (1904 or 1970).
    if (!wall.isValid() || wall.date().year() <= 1970)
        return QDateTime();
    if (match.captured(3) == QLatin1String("Z"))
        return QDateTime(wall.date(), wall.time(), Qt::UTC).toLocalTime();
    // A stated offset means the time is already the one on the clock where the clip was taken.
    return QDateTime(wall.date(), wall.time(), Qt::LocalTime);
}

QString dropTrailingComma(const QString& token)
{
    return token.endsWith(QLatin1Char(',')) ? token.left(token.size() - 1) : token;
}

// The number in front of a "kb/s" token, when the line has one.
bool bitrateBefore(const QStringList& tokens, int* bitrate)
{
    bool found = false;
    for (int i = 1; i < tokens.size(); ++i) {
        if (!tokens.at(i).startsWith(QLatin1String("kb/s")))
            continue;
        bool ok = false;
        const int value = tokens.at(i - 1).toInt(&ok);
        if (ok) {
            *bitrate = value;
            found = true;
        }
    }
    return found;
}

QStringList encoderArguments(int quality, int bitrate, VideoConverter::Pass pass)
{
    const bool high = quality == VideoConverter::High;
    const bool medium = quality == VideoConverter::Medium;
    const bool first = pass == VideoConverter::FirstPass;
    const QString rate = QString::number(bitrate) + QLatin1Char('k');

    // ffmpeg 5 has no "libvo_aacenc" (its own "aac" takes the same options), libx264 knows no "epzs"
    // ("dia" is the same diamond search), and 4:4:4 sources would stay 4:4:4, which the baseline
    // profile refuses and players cannot show.
    QStringList arguments{QStringLiteral("-y"),
                          QStringLiteral("-acodec"),
                          QStringLiteral("aac"),
                          QStringLiteral("-ar"),
                          QStringLiteral("44100"),
                          QStringLiteral("-b:a"),
                          quality == VideoConverter::Mobile ? QStringLiteral("64k") : QStringLiteral("96k"),
                          QStringLiteral("-ac"),
                          QStringLiteral("2"),
                          QStringLiteral("-pass"),
                          first ? QStringLiteral("1") : QStringLiteral("2"),
                          QStringLiteral("-vcodec"),
                          QStringLiteral("libx264"),
                          QStringLiteral("-pix_fmt"),
                          QStringLiteral("yuv420p"),
                          QStringLiteral("-b:v"),
                          rate,
                          QStringLiteral("-bt"),
                          rate,
                          QStringLiteral("-flags"),
                          QStringLiteral("+loop"),
                          QStringLiteral("-mixed-refs"),
                          QStringLiteral("1"),
                          QStringLiteral("-me_range"),
                          QStringLiteral("16"),
                          QStringLiteral("-cmp"),
                          QStringLiteral("chroma"),
                          QStringLiteral("-chromaoffset"),
                          QStringLiteral("0"),
                          QStringLiteral("-g"),
                          QStringLiteral("60"),
                          QStringLiteral("-keyint_min"),
                          QStringLiteral("25"),
                          QStringLiteral("-sc_threshold"),
                          QStringLiteral("40"),
                          QStringLiteral("-rc_eq"),
                          QStringLiteral("'blurCplx^(1-qComp)'"),
                          QStringLiteral("-qcomp"),
                          QStringLiteral("0.60"),
                          QStringLiteral("-qmin"),
                          QStringLiteral("10"),
                          QStringLiteral("-qmax"),
                          QStringLiteral("51"),
                          QStringLiteral("-qdiff"),
                          QStringLiteral("4"),
                          QStringLiteral("-cplxblur"),
                          QStringLiteral("20.0"),
                          QStringLiteral("-qblur"),
                          QStringLiteral("0.5"),
                          QStringLiteral("-i_qfactor"),
                          QStringLiteral("0.71"),
                          QStringLiteral("-8x8dct"),
                          high ? QStringLiteral("1") : QStringLiteral("0")};
    if (!high && !medium)
        arguments << QStringLiteral("-vprofile") << QStringLiteral("baseline");
    arguments << QStringLiteral("-vsync") << QStringLiteral("2");
    arguments << QStringLiteral("-level")
              << (high     ? QStringLiteral("41")
                  : medium ? QStringLiteral("31")
                           : QStringLiteral("13"));
    arguments << QStringLiteral("-coder") << (high ? QStringLiteral("1") : QStringLiteral("0"));
    arguments << QStringLiteral("-refs")
              << (high     ? QStringLiteral("3")
                  : medium ? QStringLiteral("4")
                           : QStringLiteral("1"));
    arguments << QStringLiteral("-bf") << (high || medium ? QStringLiteral("2") : QStringLiteral("0"));
    if (high || medium) {
        arguments << QStringLiteral("-b_qfactor") << QStringLiteral("1.30") << QStringLiteral("-b-pyramid")
                  << QStringLiteral("none") << QStringLiteral("-b_strategy") << QStringLiteral("1")
                  << QStringLiteral("-b-bias") << QStringLiteral("0") << QStringLiteral("-direct-pred")
                  << QStringLiteral("1") << QStringLiteral("-weightb") << QStringLiteral("1");
    }
    arguments << QStringLiteral("-subq") << (first ? QStringLiteral("1") : QStringLiteral("5"));
    arguments << QStringLiteral("-trellis") << (high && !first ? QStringLiteral("1") : QStringLiteral("0"));
    arguments << QStringLiteral("-me_method") << (first ? QStringLiteral("dia") : QStringLiteral("hex"));
    arguments << QStringLiteral("-partitions")
              << (first ? QStringLiteral("0")
                        : QStringLiteral("+parti4x4+parti8x8+partp4x4+partp8x8+partb8x8"));
    arguments << QStringLiteral("-f") << QStringLiteral("mp4");
    return arguments;
}

} // namespace

VideoConverter::VideoConverter(const QList<int>& qualities)
    : m_qualities(qualities), m_thumbnailSizes{1280, 640, 800, 320, 120},
      m_thumbnailFiles{{1280, QStringLiteral("THUMB_XL.jpg")},
                       {640, QStringLiteral("THUMB_B.jpg")},
                       {800, QStringLiteral("THUMB_L.jpg")},
                       {320, QStringLiteral("THUMB_M.jpg")},
                       {120, QStringLiteral("THUMB_S.jpg")}},
      m_bitrates{{High, 2000}, {Medium, 1000}, {Low, 256}, {Mobile, 256}},
      m_boxes{{High, QStringLiteral("1920x1080")},
              {Medium, QStringLiteral("1280x720")},
              {Low, QStringLiteral("640x360")},
              {Mobile, QStringLiteral("320x240")}},
      m_suffixes{{High, QStringLiteral("FILM_H.mp4")},
                 {Medium, QStringLiteral("FILM_M.mp4")},
                 {Low, QStringLiteral("FILM_L.mp4")},
                 {Mobile, QStringLiteral("FILM_MOBILE.mp4")}}
{
    const QString folder = QCoreApplication::applicationDirPath();
    m_ffmpegPath = ToolProcess::locate(folder, QStringLiteral("ffmpeg/ffmpeg"));
    m_fastStartPath = ToolProcess::locate(folder, QStringLiteral("ffmpeg/qt-faststart"));
    m_convertPath = ToolProcess::locate(folder, QStringLiteral("ImageMagick/convert"));
    for (auto it = m_bitrates.cbegin(); it != m_bitrates.cend(); ++it) {
        m_firstPassArguments.insert(it.key(), encoderArguments(it.key(), it.value(), FirstPass));
        m_secondPassArguments.insert(it.key(), encoderArguments(it.key(), it.value(), SecondPass));
    }
}

void VideoConverter::setStopFlag(int value)
{
    m_stopFlag.store(value);
}

void VideoConverter::clearProbe()
{
    m_totalBitrate = 0;
    m_videoBitrate = 0;
    m_audioBitrate = 0;
    m_resolution.clear();
    m_pixelAspect.clear();
    m_rotation = 0;
    m_rotationFromMatrix = false;
    m_creationTime = QDateTime();
    m_colourTransfer.clear();
    m_colourPrimaries.clear();
    m_colourMatrix.clear();
}

void VideoConverter::parseProbe(const QString& ffmpegStandardError)
{
    clearProbe();
    const QStringList lines = ffmpegStandardError.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QDateTime appleCreation;
    bool videoSeen = false;
    for (const QString& line : lines) {
        // The container's own time comes first; a stream's may follow and is the same or later.
        if (line.contains(QLatin1String("com.apple.quicktime.creationdate")) && !appleCreation.isValid())
            appleCreation = metadataTime(line);
        else if (line.trimmed().startsWith(QLatin1String("creation_time")) && !m_creationTime.isValid())
            m_creationTime = metadataTime(line);
        const QStringList tokens = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (line.contains(QLatin1String("Duration:")) && line.contains(QLatin1String("bitrate:"))) {
            if (bitrateBefore(tokens, &m_totalBitrate))
                qDebug("iInputVideoTotalBitRate = %d", m_totalBitrate);
        }
        // Cover art shows up as a one-picture video stream; its size is not the video's.
        if (line.contains(QLatin1String("Stream #")) && line.contains(QLatin1String("Video:")) &&
            !line.contains(QLatin1String("(attached pic)"))) {
            if (!videoSeen) {
                const QStringList colours = coloursOf(line);
                m_colourMatrix = colours.at(0);
                m_colourPrimaries = colours.at(1);
                m_colourTransfer = colours.at(2);
            }
            videoSeen = true;
            if (bitrateBefore(tokens, &m_videoBitrate))
                qDebug("iInputVideoBitRate = %d", m_videoBitrate);
            for (int i = 1; i < tokens.size(); ++i) {
                const QString& token = tokens.at(i);
                if (token.contains(QLatin1Char('x'))) {
                    const QString size = dropTrailingComma(token);
                    const QStringList parts = size.split(QLatin1Char('x'));
                    bool widthOk = false;
                    bool heightOk = false;
                    if (parts.size() == 2 && parts.at(0).toInt(&widthOk) > 0 && widthOk &&
                        parts.at(1).toInt(&heightOk) > 0 && heightOk) {
                        m_resolution = size;
                        qDebug("strInputVideoResolution = %s", qUtf8Printable(m_resolution));
                    }
                }
                if ((token == QLatin1String("PAR") || token == QLatin1String("[PAR") ||
                     token == QLatin1String("SAR") || token == QLatin1String("[SAR")) &&
                    i + 1 < tokens.size()) {
                    const QString aspect = dropTrailingComma(tokens.at(i + 1));
                    const QStringList parts = aspect.split(QLatin1Char(':'));
                    bool numOk = false;
                    bool denOk = false;
                    if (parts.size() == 2 && parts.at(0).toUInt(&numOk) != 0 && numOk &&
                        parts.at(1).toUInt(&denOk) != 0 && denOk) {
                        m_pixelAspect = aspect;
                        qDebug("strInputVideoPAR = %s", qUtf8Printable(m_pixelAspect));
                    }
                }
            }
        }
        if (line.contains(QLatin1String("Stream #")) && line.contains(QLatin1String("Audio:"))) {
            if (bitrateBefore(tokens, &m_audioBitrate))
                qDebug("iInputAudioBitRate = %d", m_audioBitrate);
        }
        if (line.contains(QLatin1String("rotate"))) {
            const QStringList parts = line.split(QLatin1Char(':'), Qt::SkipEmptyParts);
            bool ok = false;
            const int degrees = parts.size() >= 2 ? parts.at(1).trimmed().toInt(&ok) : 0;
            if (ok && !m_rotationFromMatrix)
                m_rotation = normalisedDegrees(degrees);
        }
        // Current ffmpeg reports the turn as a display matrix, counter-clockwise: "rotation of -90.00
        // degrees" is the clockwise quarter turn that the "rotate" tag calls 90.
        const int matrixAt = line.indexOf(QLatin1String("displaymatrix: rotation of"));
        if (matrixAt >= 0) {
            const QStringList words = line.mid(matrixAt).split(QLatin1Char(' '), Qt::SkipEmptyParts);
            bool ok = false;
            const double degrees = words.size() > 3 ? words.at(3).toDouble(&ok) : 0.0;
            if (ok) {
                m_rotation = normalisedDegrees(-static_cast<int>(std::lround(degrees)));
                m_rotationFromMatrix = true;
            }
        }
    }
    if (appleCreation.isValid())
        m_creationTime = appleCreation;
}

bool VideoConverter::isHdr() const
{
    return m_colourTransfer == QLatin1String("smpte2084") ||
           m_colourTransfer == QLatin1String("arib-std-b67");
}

bool VideoConverter::hasUnknownTransfer() const
{
    // ffmpeg's names of the SDR camera and display curves, which all look right on an ordinary screen;
    // "unknown" is what it says for a stream that names none.
    static const QStringList shownAsTheyAre{
        QStringLiteral("unknown"),      QStringLiteral("bt709"),     QStringLiteral("smpte170m"),
        QStringLiteral("bt470m"),       QStringLiteral("bt470bg"),   QStringLiteral("gamma22"),
        QStringLiteral("gamma28"),      QStringLiteral("smpte240m"), QStringLiteral("iec61966-2-1"),
        QStringLiteral("iec61966-2-4"), QStringLiteral("bt1361e"),   QStringLiteral("bt1361"),
        QStringLiteral("bt2020-10"),    QStringLiteral("bt2020-12")};
    return !m_colourTransfer.isEmpty() && !isHdr() && !shownAsTheyAre.contains(m_colourTransfer);
}

QString VideoConverter::videoFilter(const QString& outputSize, Target target) const
{
    // The chain sees the picture before the turn filter at its end, but after the turn ffmpeg makes
    // by itself for a display matrix.
    const QString uprightSize =
        isQuarterTurn(m_rotation) && !m_rotationFromMatrix ? swappedSize(outputSize) : outputSize;
    QStringList filters;
    if (isHdr()) {
        // The first zscale also scales, so the float stages below work on the small picture.
        QString linear = QStringLiteral("zscale=");
        const QStringList size = uprightSize.split(QLatin1Char('x'));
        if (size.size() == 2)
            linear += QStringLiteral("w=%1:h=%2:").arg(size.at(0), size.at(1));
        // An HDR transfer with untagged colours is BT.2020, as every HDR format has it; zscale would
        // otherwise find no way from unknown colours to BT.709.
        if (m_colourPrimaries.isEmpty() || m_colourPrimaries == QLatin1String("unknown"))
            linear += QLatin1String("pin=bt2020:p=bt2020:");
        if (m_colourMatrix.isEmpty() || m_colourMatrix == QLatin1String("unknown"))
            linear += QLatin1String("min=bt2020nc:m=bt2020nc:");
        filters << linear + QLatin1String("t=linear:npl=") + kReferenceWhite
                << QStringLiteral("format=gbrpf32le") << QStringLiteral("zscale=p=bt709")
                << QLatin1String("tonemap=tonemap=mobius:param=0.3:desat=0:peak=") + kHdrPeak
                << (target == Picture
                        // JPEG readers take the samples as full-range BT.601 (JFIF), whatever the video had.
                        ? QStringLiteral("zscale=t=bt709:m=bt470bg:r=pc,format=yuvj420p")
                        : QStringLiteral("zscale=t=bt709:m=bt709:r=tv,format=yuv420p"));
    }
    const QString turn = turnFilter();
    if (!turn.isEmpty())
        filters << turn;
    return filters.join(QLatin1Char(','));
}

int VideoConverter::inputBitrate() const
{
    if (m_videoBitrate < 1 && m_totalBitrate > 0 && m_audioBitrate >= 0)
        return m_totalBitrate - m_audioBitrate;
    return m_videoBitrate;
}

QString VideoConverter::targetSize(int quality, int rotation) const
{
    qint64 boxWidth = 1;
    qint64 boxHeight = 1;
    const QStringList box = m_boxes.value(quality).split(QLatin1Char('x'));
    if (box.size() == 2) {
        bool widthOk = false;
        bool heightOk = false;
        const int w = box.at(0).toInt(&widthOk);
        const int h = box.at(1).toInt(&heightOk);
        if (widthOk && heightOk) {
            boxWidth = w;
            boxHeight = h;
        }
    }

    const QStringList size = m_resolution.split(QLatin1Char('x'));
    qint64 width = 0;
    qint64 height = 0;
    if (size.size() == 2) {
        width = size.at(0).toLongLong();
        height = size.at(1).toLongLong();
    }
    if (width <= 0 || height <= 0) {
        if (quality != Mobile)
            return QString();
        return isQuarterTurn(rotation) ? swappedSize(m_boxes.value(Mobile)) : m_boxes.value(Mobile);
    }

    const QStringList aspect = m_pixelAspect.split(QLatin1Char(':'));
    if (aspect.size() == 2) {
        const qint64 numerator = aspect.at(0).toLongLong();
        const qint64 denominator = aspect.at(1).toLongLong();
        if (numerator > 0 && denominator > 0)
            width = numerator * width / denominator;
    }

    // Only ever shrink to the box, keeping the picture's shape; all in integers so that exact
    // ratios such as 16:15 of 720 give 768 and not 767.
    qint64 fitWidth = width;
    qint64 fitHeight = height;
    if (width > boxWidth) {
        if (boxHeight >= height || width * boxHeight > height * boxWidth) {
            fitWidth = boxWidth;
            fitHeight = boxWidth * height / width;
        } else {
            fitWidth = boxHeight * width / height;
            fitHeight = boxHeight;
        }
    } else if (boxHeight < height) {
        fitWidth = boxHeight * width / height;
        fitHeight = boxHeight;
    }
    fitWidth &= ~qint64(1);
    fitHeight &= ~qint64(1);

    if (isQuarterTurn(rotation))
        std::swap(fitWidth, fitHeight);
    return QString::number(fitWidth) + QLatin1Char('x') + QString::number(fitHeight);
}

QString VideoConverter::probeCommand(const QString& localPath) const
{
    return ToolProcess::quotedPath(m_ffmpegPath) + QLatin1String(" -i ") + ToolProcess::quotedPath(localPath);
}

QString VideoConverter::turnFilter() const
{
    // ffmpeg itself turns a picture upright by its display matrix and then writes no matrix; turning
    // it here as well would turn it twice. Only a turn known from a tag alone is left to the filter.
    return m_rotationFromMatrix ? QString() : transposeFilter(m_rotation);
}

QString VideoConverter::frameCommand(const QString& localPath, const QString& framePath,
                                     const QString& seekTime) const
{
    QString command = probeCommand(localPath) + QLatin1String(" -y") + QLatin1String(" -vframes 1") +
                      QLatin1String(" -ss ") + seekTime + QLatin1String(" -an") +
                      QLatin1String(" -qscale 0") + QLatin1String(" -f mjpeg");
    const QString size = m_resolution.isEmpty() ? QString() : targetSize(High, m_rotation);
    if (!size.isEmpty())
        command += QLatin1String(" -s ") + size + QLatin1String(" -aspect ") + aspectOf(size);
    QString filter = videoFilter(size, Picture);
    // ffmpeg drops the frames before an output seek only at the end of the chain; the tone mapping in
    // floating point would otherwise be worked out for each of them in vain.
    const QTime seek = QTime::fromString(seekTime, QStringLiteral("hh:mm:ss"));
    if (isHdr() && seek.isValid() && seek.msecsSinceStartOfDay() > 0)
        filter.prepend(QStringLiteral("trim=start=%1,").arg(seek.msecsSinceStartOfDay() / 1000));
    if (!filter.isEmpty())
        command += QLatin1String(" -vf ") + filter;
    return command + QLatin1Char(' ') + ToolProcess::quotedPath(framePath);
}

QString VideoConverter::thumbnailCommand(const QString& framePath, const QString& prefix) const
{
    QString command =
        ToolProcess::quotedPath(m_convertPath) + QLatin1Char(' ') + ToolProcess::quotedPath(framePath);
    const int count = m_thumbnailSizes.size();
    for (int i = 0; i < count; ++i) {
        const int size = m_thumbnailSizes.at(i);
        const QString box =
            QString::number(size) + QLatin1Char('x') + QString::number(size) + QLatin1Char('>');
        const QString output = ToolProcess::quotedPath(prefix + m_thumbnailFiles.value(size));
        const bool last = i == count - 1;
        if (i == 0)
            command += QLatin1String(" ( -clone 0");
        else if (!last)
            command += QLatin1String(" ( +clone");
        command += QLatin1String(" -define ") + ToolProcess::quoted(QLatin1String("jpeg:size=") + box);
        command += QLatin1String(" -thumbnail ") + ToolProcess::quoted(box);
        command += QLatin1String(" -quality 70 -type truecolor");
        if (i == 0)
            command += QLatin1String(" -write ") + output + QLatin1String(" ) -delete 0");
        else if (!last)
            command += QLatin1String(" -write ") + output + QLatin1String(" +delete )");
        else
            command += QLatin1Char(' ') + output;
    }
    return command;
}

QString VideoConverter::passSize(int quality) const
{
    if (!m_resolution.isEmpty())
        return targetSize(quality, m_rotation);
    if (quality == Mobile)
        return isQuarterTurn(m_rotation) ? swappedSize(m_boxes.value(Mobile)) : m_boxes.value(Mobile);
    return QString();
}

QStringList VideoConverter::passArguments(int quality, Pass pass, const QString& localPath,
                                          const QString& outputPath) const
{
    QStringList arguments{QStringLiteral("-i"), ToolProcess::quotedPath(localPath)};
    arguments +=
        pass == FirstPass ? m_firstPassArguments.value(quality) : m_secondPassArguments.value(quality);
    const QString size = passSize(quality);
    if (!size.isEmpty())
        arguments << QStringLiteral("-s") << size << QStringLiteral("-aspect") << aspectOf(size);
    const QString filter = videoFilter(size, Video);
    if (!filter.isEmpty())
        arguments << QStringLiteral("-vf") << filter;
    // Players take untagged H.264 for BT.709 anyway; a tone-mapped picture says so outright.
    if (isHdr())
        arguments << QStringLiteral("-color_primaries") << QStringLiteral("bt709")
                  << QStringLiteral("-color_trc") << QStringLiteral("bt709") << QStringLiteral("-colorspace")
                  << QStringLiteral("bt709");
    arguments << ToolProcess::quotedPath(outputPath);

    // Never more bits than the source has.
    const int input = inputBitrate();
    if (input > 0 && input < m_bitrates.value(quality)) {
        const QString rate = QString::number(input) + QLatin1Char('k');
        for (int i = 0; i + 1 < arguments.size(); ++i) {
            if (arguments.at(i) == QLatin1String("-b:v") || arguments.at(i) == QLatin1String("-bt"))
                arguments[i + 1] = rate;
        }
    }
    return arguments;
}

QString VideoConverter::ffmpegCommand(const QStringList& arguments) const
{
    QString command = ToolProcess::quotedPath(m_ffmpegPath) + QLatin1Char(' ');
    for (const QString& argument : arguments)
        command += argument + QLatin1Char(' ');
    return command;
}

QString VideoConverter::fastStartCommand(const QString& inputPath, const QString& outputPath) const
{
    return ToolProcess::quotedPath(m_fastStartPath) + QLatin1Char(' ') + ToolProcess::quotedPath(inputPath) +
           QLatin1Char(' ') + ToolProcess::quotedPath(outputPath);
}

int VideoConverter::convert(const QString& localPath, int sequenceNumber)
{
    m_failureReason.clear();
    // Nothing of the previous file may stand for this one, its creation time least of all.
    clearProbe();
    if (!QFileInfo::exists(localPath)) {
        m_failureReason = tx(TextId::err_file_missing).arg(QDir::toNativeSeparators(localPath));
        return -1;
    }
    // The work folder is named by the work prefix itself; the pass logs of ffmpeg land in it.
    const QString prefix = AppPaths::workPrefix(sequenceNumber);
    if (!QDir().mkpath(prefix)) {
        m_failureReason =
            tx(TextId::err_temp_folder_write).arg(QDir::toNativeSeparators(AppPaths::tempRootFolder()));
        return -1;
    }
    const int result = convertInWorkFolder(localPath, prefix);
    QDir(prefix).removeRecursively();
    // A stopped or failed encoder leaves a partial file, and the grabbed frame may still be there; the
    // temporary folder is often in memory, so they go now rather than at the end of the run.
    QFile::remove(prefix + QLatin1String("TEMP.jpg"));
    for (const QString& suffix : std::as_const(m_suffixes))
        QFile::remove(prefix + QLatin1String("tmp") + suffix);
    if (m_stopFlag.load() != 0)
        m_failureReason.clear();
    return result;
}

void VideoConverter::setFailureReason(const ToolProcess& tool, const QString& localPath)
{
    m_failureReason =
        tool.errorLine(true).replace(QDir::toNativeSeparators(localPath), QFileInfo(localPath).fileName());
}

bool VideoConverter::runTool(ToolProcess* tool, const QString& command, const QString& workFolder)
{
    if (tool->run(command, workFolder) != ToolProcess::Outcome::Stopped)
        return true;
    qDebug("kill video convert process");
    m_failureReason = QStringLiteral("stopped");
    return false;
}

int VideoConverter::convertInWorkFolder(const QString& localPath, const QString& prefix)
{
    const QString& workFolder = prefix;
    ToolProcess tool(m_stopFlag);

    const QString probe = probeCommand(localPath);
    qDebug("Get Video Info: %s", qUtf8Printable(probe));
    if (!runTool(&tool, probe, workFolder))
        return -1;
    const QString description = QString::fromUtf8(tool.standardError());
    qDebug("Out %s", qUtf8Printable(description));
    parseProbe(description);
    qDebug("Input file bitrate = %d", inputBitrate());
    if (hasUnknownTransfer()) {
        // Converted as it is, its colours would come out wrong on every screen; the original still
        // goes up, and the user learns why it has no thumbnails.
        m_failureReason =
            QStringLiteral("%1: colour transfer \"%2\" is neither SDR nor HDR (PQ, HLG); not converted")
                .arg(QFileInfo(localPath).fileName(), m_colourTransfer);
        return -1;
    }

    const QString frame = prefix + QLatin1String("TEMP.jpg");
    QString grab = frameCommand(localPath, frame, kFirstSeek);
    qDebug("Make Thumbnail image: %s", qUtf8Printable(grab));
    if (!runTool(&tool, grab, workFolder))
        return -1;
    if (!nonEmptyFile(frame)) {
        // Shorter than the first seek: take the very first frame.
        grab = frameCommand(localPath, frame, kStartSeek);
        qDebug("Make Thumbnail image: %s", qUtf8Printable(grab));
        if (!runTool(&tool, grab, workFolder))
            return -1;
        if (!nonEmptyFile(frame)) {
            setFailureReason(tool, localPath);
            if (m_failureReason.isEmpty())
                m_failureReason = QStringLiteral("no picture could be taken from the video");
            return -1;
        }
    }

    const QString thumbnails = thumbnailCommand(frame, prefix);
    qDebug("Video Thumb Convert: %s", qUtf8Printable(thumbnails));
    ToolProcess magick(m_stopFlag);
    magick.keepToOneCore();
    if (!runTool(&magick, thumbnails, workFolder))
        return -1;
    qDebug("VdoConvert Out %s", magick.standardOutput().constData());
    QFile::remove(frame);

    for (const int quality : std::as_const(m_qualities)) {
        qDebug("iVideoConvertQty = %d", quality);
        if (!m_suffixes.contains(quality))
            continue;
        const QString suffix = m_suffixes.value(quality);
        const QString size = passSize(quality);
        const QString aspect = size.isEmpty() ? QString() : aspectOf(size);
        qDebug("Target mobile video resolution = %s aspect ratio = %s", qUtf8Printable(size),
               qUtf8Printable(aspect));

        const QString encoded = prefix + QLatin1String("tmp") + suffix;
        const QString rendition = prefix + suffix;

        if (m_passStarted)
            m_passStarted(quality, FirstPass);
        QStringList firstArguments = passArguments(quality, FirstPass, localPath, encoded);
        const QString firstPass = ffmpegCommand(firstArguments);
        qDebug("Convert video to H264: %s", qUtf8Printable(firstPass));
        if (!runTool(&tool, firstPass, workFolder))
            return -1;
        qDebug("Out %s", tool.standardOutput().constData());
        const bool firstPassFailed = tool.exitCode() != 0;

        if (m_passStarted)
            m_passStarted(quality, SecondPass);
        QStringList secondArguments = passArguments(quality, SecondPass, localPath, encoded);
        const QString secondPass = ffmpegCommand(secondArguments);
        qDebug("Convert video to H264 Pass2: %s", qUtf8Printable(secondPass));
        if (!runTool(&tool, secondPass, workFolder))
            return -1;
        qDebug("Out %s", tool.standardOutput().constData());
        if (tool.exitCode() != 0) {
            qDebug("pass 2 error, delete file:%s", qUtf8Printable(encoded));
            QFile::remove(encoded);
        }

        if (!nonEmptyFile(encoded)) {
            qDebug("Disable Audio Encoding!! Program: %s", qUtf8Printable(m_ffmpegPath));
            // Audio that cannot be encoded stops the first pass as well, and then there is no pass
            // log for the second one to read: that pass is repeated without audio first.
            if (firstPassFailed) {
                firstArguments.insert(2, QStringLiteral("-an"));
                const QString silentFirstPass = ffmpegCommand(firstArguments);
                qDebug("Disable Audio Encoding: %s", qUtf8Printable(silentFirstPass));
                if (!runTool(&tool, silentFirstPass, workFolder))
                    return -1;
            }
            secondArguments.insert(2, QStringLiteral("-an"));
            const QString silentPass = ffmpegCommand(secondArguments);
            qDebug("Disable Audio Encoding: %s", qUtf8Printable(silentPass));
            if (!runTool(&tool, silentPass, workFolder))
                return -1;
            if (tool.exitCode() != 0) {
                qDebug("video convert still error with disable audio, delete file:%s",
                       qUtf8Printable(encoded));
                QFile::remove(encoded);
                continue;
            }
        }

        const QString fastStart = fastStartCommand(encoded, rendition);
        qDebug("Move moov atom %s", qUtf8Printable(fastStart));
        if (!runTool(&tool, fastStart, workFolder))
            return -1;
        qDebug("Out %s", tool.standardOutput().constData());
        // The rendition is a complete copy; the encoder's own file is of no further use.
        QFile::remove(encoded);
        if (!nonEmptyFile(rendition)) {
            setFailureReason(tool, rendition);
            if (m_failureReason.isEmpty())
                m_failureReason = QFileInfo(m_fastStartPath).fileName() + QLatin1String(": exit code ") +
                                  QString::number(tool.exitCode());
            return -1;
        }
    }
    return 0;
}
