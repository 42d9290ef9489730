#include "DngWriter.h"

#include <QFile>
#include <QList>
#include <QtEndian>

#include <algorithm>

namespace {

template <typename T> void put(QByteArray* bytes, T value)
{
    const T little = qToLittleEndian(value);
    bytes->append(reinterpret_cast<const char*>(&little), sizeof(T));
}

// One image file directory; values longer than four bytes are stored right behind it.
class Directory
{
public:
    void shorts(quint16 tag, const QList<quint16>& values)
    {
        QByteArray data;
        for (quint16 value : values)
            put(&data, value);
        m_entries.append({tag, 3, quint32(values.size()), data});
    }
    void longValue(quint16 tag, quint32 value)
    {
        QByteArray data;
        put(&data, value);
        m_entries.append({tag, 4, 1, data});
    }
    void ascii(quint16 tag, const QByteArray& text)
    {
        m_entries.append({tag, 2, quint32(text.size() + 1), text + '\0'});
    }
    void bytes(quint16 tag, const QByteArray& data)
    {
        m_entries.append({tag, 1, quint32(data.size()), data});
    }

    // The directory as it is written at file offset `at`.
    QByteArray bytesAt(quint32 at) const
    {
        QList<Entry> sorted = m_entries;
        std::sort(sorted.begin(), sorted.end(), [](const Entry& a, const Entry& b) { return a.tag < b.tag; });
        QByteArray head;
        QByteArray tail;
        const quint32 tailAt = at + 2 + 12 * quint32(sorted.size()) + 4;
        put<quint16>(&head, quint16(sorted.size()));
        for (const Entry& entry : sorted) {
            put<quint16>(&head, entry.tag);
            put<quint16>(&head, entry.type);
            put<quint32>(&head, entry.count);
            if (entry.data.size() <= 4) {
                head.append(entry.data.leftJustified(4, '\0'));
                continue;
            }
            put<quint32>(&head, tailAt + quint32(tail.size()));
            tail.append(entry.data);
            if (tail.size() % 2)
                tail.append('\0');
        }
        put<quint32>(&head, 0);
        return head + tail;
    }

private:
    struct Entry
    {
        quint16 tag;
        quint16 type;
        quint32 count;
        QByteArray data;
    };
    QList<Entry> m_entries;
};

} // namespace

bool DngWriter::write(const QString& path, const QByteArray& previewJpeg, const QSize& previewSize,
                      const QSize& mosaicSize)
{
    QByteArray preview = previewJpeg;
    if (preview.size() % 2)
        preview.append('\0');
    // Diagonal bands of light, so the developed picture is not flat.
    QByteArray mosaic;
    mosaic.reserve(mosaicSize.width() * mosaicSize.height() * 2);
    for (int y = 0; y < mosaicSize.height(); ++y) {
        for (int x = 0; x < mosaicSize.width(); ++x)
            put<quint16>(&mosaic,
                         quint16(2000 + ((x + y) * 40000 / (mosaicSize.width() + mosaicSize.height()))));
    }

    auto main = [&](quint32 subAt, quint32 previewAt) {
        Directory d;
        d.longValue(254, 1); // reduced-resolution image
        d.longValue(256, quint32(previewSize.width()));
        d.longValue(257, quint32(previewSize.height()));
        d.shorts(258, {8, 8, 8});
        d.shorts(259, {7}); // JPEG
        d.shorts(262, {6}); // YCbCr
        d.ascii(271, "Vexalon");
        d.ascii(272, "Sample Camera");
        d.longValue(273, previewAt);
        d.shorts(277, {3});
        d.longValue(278, quint32(previewSize.height()));
        d.longValue(279, quint32(previewJpeg.size()));
        d.longValue(330, subAt);
        d.bytes(50706, QByteArray("\x01\x04\x00\x00", 4)); // DNG 1.4
        d.ascii(50708, "Vexalon Sample Camera");
        return d;
    };
    auto raw = [&](quint32 mosaicAt) {
        Directory d;
        d.longValue(254, 0);
        d.longValue(256, quint32(mosaicSize.width()));
        d.longValue(257, quint32(mosaicSize.height()));
        d.shorts(258, {16});
        d.shorts(259, {1});     // uncompressed
        d.shorts(262, {32803}); // colour filter array
        d.longValue(273, mosaicAt);
        d.shorts(277, {1});
        d.longValue(278, quint32(mosaicSize.height()));
        d.longValue(279, quint32(mosaic.size()));
        d.shorts(33421, {2, 2});
        d.bytes(33422, QByteArray("\x00\x01\x01\x02", 4)); // RGGB
        d.longValue(50717, 65535);                         // white level
        return d;
    };

    const quint32 mainAt = 8;
    const quint32 subAt = mainAt + quint32(main(0, 0).bytesAt(mainAt).size());
    const quint32 previewAt = subAt + quint32(raw(0).bytesAt(subAt).size());
    const quint32 mosaicAt = previewAt + quint32(preview.size());

    QByteArray file("II*\0", 4);
    put<quint32>(&file, mainAt);
    file += main(subAt, previewAt).bytesAt(mainAt);
    file += raw(mosaicAt).bytesAt(subAt);
    file += preview;
    file += mosaic;

    QFile out(path);
    return out.open(QIODevice::WriteOnly) && out.write(file) == file.size();
}
