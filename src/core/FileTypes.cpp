#include "FileTypes.h"

#include <QSet>
#include <QStringList>

namespace {

struct SuffixSets
{
    QSet<QString> raw;
    QSet<QString> uploadImage;
    QSet<QString> uploadVideo;
    QSet<QString> conversionImage;
    QSet<QString> conversionVideo;

    SuffixSets()
    {
        const QStringList rawList = {
            QStringLiteral("arw"), QStringLiteral("srf"), QStringLiteral("sr2"), QStringLiteral("dcr"),
            QStringLiteral("k25"), QStringLiteral("kdc"), QStringLiteral("cr2"), QStringLiteral("crw"),
            QStringLiteral("nef"), QStringLiteral("mrw"), QStringLiteral("ptx"), QStringLiteral("pef"),
            QStringLiteral("raf"), QStringLiteral("3fr"), QStringLiteral("erf"), QStringLiteral("mef"),
            QStringLiteral("mos"), QStringLiteral("orf"), QStringLiteral("rw2"), QStringLiteral("dng"),
            QStringLiteral("x3f"), QStringLiteral("raw")};
        raw = QSet<QString>(rawList.begin(), rawList.end());

        const QStringList common = {QStringLiteral("jpg"), QStringLiteral("jpeg"), QStringLiteral("jpe"),
                                    QStringLiteral("bmp"), QStringLiteral("png"),  QStringLiteral("tiff"),
                                    QStringLiteral("tif")};
        // What phones save today; ImageMagick reads them through libheif and libwebp.
        const QStringList modern = {QStringLiteral("heic"), QStringLiteral("heif"), QStringLiteral("avif"),
                                    QStringLiteral("webp")};
        conversionImage =
            QSet<QString>(common.begin(), common.end()) + raw + QSet<QString>(modern.begin(), modern.end());
        uploadImage = conversionImage;
        uploadImage.insert(QStringLiteral("gif"));

        const QStringList video = {
            QStringLiteral("mpg"),    QStringLiteral("mpeg"), QStringLiteral("avi"),  QStringLiteral("asf"),
            QStringLiteral("wmv"),    QStringLiteral("mov"),  QStringLiteral("flv"),  QStringLiteral("dat"),
            QStringLiteral("rmvb"),   QStringLiteral("mp4"),  QStringLiteral("divx"), QStringLiteral("xvid"),
            QStringLiteral("vob"),    QStringLiteral("mkv"),  QStringLiteral("m2ts"), QStringLiteral("m2t"),
            QStringLiteral("mts"),    QStringLiteral("m4v"),  QStringLiteral("rm"),   QStringLiteral("ts"),
            QStringLiteral("3gp"),    QStringLiteral("3g2"),  QStringLiteral("qt"),   QStringLiteral("swf"),
            QStringLiteral("dvr-ms"), QStringLiteral("iso"),  QStringLiteral("ifo"),  QStringLiteral("srt"),
            QStringLiteral("ass"),    QStringLiteral("ssa"),  QStringLiteral("idx"),  QStringLiteral("sub"),
            QStringLiteral("smi"),    QStringLiteral("psb"),  QStringLiteral("trp"),  QStringLiteral("tp")};
        uploadVideo = QSet<QString>(video.begin(), video.end());

        const QStringList convVideo = {
            QStringLiteral("mpg"),  QStringLiteral("mpeg"), QStringLiteral("avi"), QStringLiteral("wmv"),
            QStringLiteral("asf"),  QStringLiteral("mov"),  QStringLiteral("flv"), QStringLiteral("3gp"),
            QStringLiteral("3g2"),  QStringLiteral("mp4"),  QStringLiteral("m4v"), QStringLiteral("qt"),
            QStringLiteral("divx"), QStringLiteral("xvid"), QStringLiteral("dat"), QStringLiteral("m2ts"),
            QStringLiteral("m2t"),  QStringLiteral("mts"),  QStringLiteral("mkv")};
        conversionVideo = QSet<QString>(convVideo.begin(), convVideo.end());
    }
};

const SuffixSets& sets()
{
    static const SuffixSets s;
    return s;
}

} // namespace

bool FileTypes::isRawSuffix(const QString& suffix)
{
    return sets().raw.contains(suffix.toLower());
}

FileTypes::ConversionClass FileTypes::conversionClass(const QString& suffix)
{
    const QString s = suffix.toLower();
    if (sets().conversionImage.contains(s))
        return ConvertImage;
    if (sets().conversionVideo.contains(s))
        return ConvertVideo;
    return ConvertOther;
}

FileTypes::UploadClass FileTypes::uploadClass(const QString& suffix)
{
    const QString s = suffix.toLower();
    if (sets().uploadImage.contains(s))
        return UploadImage;
    if (sets().uploadVideo.contains(s))
        return UploadVideo;
    return UploadUnsupported;
}
