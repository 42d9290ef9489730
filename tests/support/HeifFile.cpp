#include "HeifFile.h"

#include <QFile>
#include <QList>
#include <QMap>
#include <QtEndian>

namespace {

QByteArray be16(quint16 value)
{
    QByteArray bytes(2, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

QByteArray be32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

quint32 readBe32(const QByteArray& bytes, int at)
{
    return qFromBigEndian<quint32>(bytes.constData() + at);
}

QByteArray box(const char* type, const QByteArray& payload)
{
    return be32(static_cast<quint32>(8 + payload.size())) + QByteArray(type, 4) + payload;
}

QByteArray fullBox(const char* type, quint8 version, const QByteArray& payload)
{
    return box(type, QByteArray(1, static_cast<char>(version)) + QByteArray(3, '\0') + payload);
}

// The child boxes of a payload by type; false when a size runs past the end.
bool children(const QByteArray& payload, QMap<QByteArray, QByteArray>* out)
{
    int at = 0;
    while (at + 8 <= payload.size()) {
        const quint32 size = readBe32(payload, at);
        if (size < 8 || at + static_cast<qint64>(size) > payload.size())
            return false;
        out->insert(payload.mid(at + 4, 4), payload.mid(at + 8, size - 8));
        at += size;
    }
    return at == payload.size();
}

QByteArray ifdEntry(quint16 tag, quint16 type, quint32 count, quint32 value)
{
    return be16(tag) + be16(type) + be32(count) + be32(value);
}

// A big-endian TIFF block with the orientation in IFD0 and the capture time in the EXIF IFD.
QByteArray exifBlock(int orientation, const QByteArray& taken)
{
    const QByteArray header = QByteArray("MM\x00\x2a", 4) + be32(8);
    const quint32 exifIfd = 8 + 2 + 2 * 12 + 4;
    const QByteArray ifd0 = be16(2) + ifdEntry(0x0112, 3, 1, static_cast<quint32>(orientation) << 16) +
                            ifdEntry(0x8769, 4, 1, exifIfd) + be32(0);
    QByteArray sub;
    if (taken.isEmpty()) {
        sub = be16(0) + be32(0);
    } else {
        const QByteArray text = taken + '\0';
        const quint32 textAt = exifIfd + 2 + 12 + 4;
        sub = be16(1) + ifdEntry(0x9003, 2, static_cast<quint32>(text.size()), textAt) + be32(0) + text;
    }
    // The item starts with the offset of the TIFF header behind the "Exif\0\0" marker.
    return be32(6) + QByteArray("Exif\0\0", 6) + header + ifd0 + sub;
}

} // namespace

bool HeifFile::rewrite(const QString& plainHeic, const QString& path, const Options& options)
{
    QFile in(plainHeic);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    const QByteArray source = in.readAll();
    QMap<QByteArray, QByteArray> top;
    QMap<QByteArray, QByteArray> meta;
    QMap<QByteArray, QByteArray> iprp;
    QMap<QByteArray, QByteArray> ipco;
    if (!children(source, &top) || !children(top.value("meta").mid(4), &meta) ||
        !children(meta.value("iprp"), &iprp) || !children(iprp.value("ipco"), &ipco))
        return false;

    // ImageMagick's one extent: version/flags, sizes 4/4/4, one item with a base offset and one extent.
    const QByteArray iloc = meta.value("iloc");
    if (iloc.size() < 26 || !ipco.contains("hvcC") || !ipco.contains("ispe"))
        return false;
    const quint32 base = readBe32(iloc, 12);
    const quint32 length = readBe32(iloc, 22);
    const QByteArray coded =
        source.mid(static_cast<int>(base + readBe32(iloc, 18)), static_cast<int>(length));
    if (coded.size() != static_cast<int>(length))
        return false;

    QByteArray properties = box("hvcC", ipco.value("hvcC")) + box("ispe", ipco.value("ispe"));
    QByteArray associations{"\x81\x02", 2};
    int count = 2;
    if (options.quarterTurns >= 0) {
        properties += box("irot", QByteArray(1, static_cast<char>(options.quarterTurns & 3)));
        associations += static_cast<char>(0x80 | ++count);
    }
    if (options.mirrorAxis >= 0) {
        properties += box("imir", QByteArray(1, static_cast<char>(options.mirrorAxis & 1)));
        associations += static_cast<char>(0x80 | ++count);
    }
    const QByteArray ipma = fullBox(
        "ipma", 0, be32(1) + be16(1) + QByteArray(1, static_cast<char>(associations.size())) + associations);
    const QByteArray itemProperties = box("iprp", box("ipco", properties) + ipma);

    const bool withExif = options.exifOrientation > 0;
    const QByteArray exif =
        withExif ? exifBlock(options.exifOrientation, options.dateTimeOriginal) : QByteArray();
    QByteArray infos = fullBox("infe", 2, be16(1) + be16(0) + "hvc1" + QByteArray(1, '\0'));
    if (withExif)
        infos += fullBox("infe", 2, be16(2) + be16(0) + "Exif" + QByteArray(1, '\0'));
    const QByteArray iinf = fullBox("iinf", 0, be16(withExif ? 2 : 1) + infos);
    const QByteArray iref =
        withExif ? fullBox("iref", 0, box("cdsc", be16(2) + be16(1) + be16(1))) : QByteArray();
    const QByteArray hdlr = fullBox("hdlr", 0, QByteArray(4, '\0') + "pict" + QByteArray(13, '\0'));
    const QByteArray pitm = options.primaryItem ? fullBox("pitm", 0, be16(1)) : QByteArray();
    const QByteArray ftyp = box("ftyp", QByteArray("heic") + be32(0) + "mif1heicmiaf");

    const auto locations = [&](quint32 dataStart) {
        QByteArray entries = be16(1) + be16(0) + be16(1) + be32(dataStart) + be32(length);
        if (withExif)
            entries += be16(2) + be16(0) + be16(1) + be32(dataStart + length) + be32(exif.size());
        return fullBox("iloc", 0, QByteArray("\x44\x00", 2) + be16(withExif ? 2 : 1) + entries);
    };
    const auto metaBox = [&](quint32 dataStart) {
        return fullBox("meta", 0, hdlr + pitm + iinf + iref + itemProperties + locations(dataStart));
    };
    const quint32 dataStart = static_cast<quint32>(ftyp.size() + metaBox(0).size() + 8);
    const QByteArray file = ftyp + metaBox(dataStart) + box("mdat", coded + exif);

    QFile out(path);
    return out.open(QIODevice::WriteOnly) && out.write(file) == file.size();
}
