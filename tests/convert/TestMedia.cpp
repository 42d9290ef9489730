#include "TestMedia.h"

#include "TestEnvironment.h"
#include "ToolProcess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>

#include <unistd.h>

QString TestMedia::ffmpeg()
{
    return ToolProcess::locate(TestEnvironment::binDir(), QStringLiteral("ffmpeg/ffmpeg"));
}

QString TestMedia::ffprobe()
{
    return ToolProcess::locate(TestEnvironment::binDir(), QStringLiteral("ffmpeg/ffprobe"));
}

QString TestMedia::convert()
{
    return ToolProcess::locate(TestEnvironment::binDir(), QStringLiteral("ImageMagick/convert"));
}

bool TestMedia::run(const QString& program, const QStringList& arguments, QByteArray* output,
                    QByteArray* errors)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted(-1) || !process.waitForFinished(-1))
        return false;
    if (output)
        *output = process.readAllStandardOutput();
    const QByteArray messages = process.readAllStandardError();
    if (errors)
        *errors = messages;
    const bool ok = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    if (!ok && !errors)
        qWarning("%s failed: %s", qUtf8Printable(program), messages.right(2000).constData());
    return ok;
}

bool TestMedia::makeJpeg(const QString& path, const QSize& size)
{
    const QString source = QStringLiteral("testsrc2=size=%1x%2").arg(size.width()).arg(size.height());
    return run(ffmpeg(),
               {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-y"), QStringLiteral("-f"),
                QStringLiteral("lavfi"), QStringLiteral("-i"), source, QStringLiteral("-frames:v"),
                QStringLiteral("1"), QStringLiteral("-q:v"), QStringLiteral("3"), path});
}

namespace {

// A little-endian TIFF directory under construction: entries are collected, then laid out with
// their out-of-line values right behind the directory.
class TiffDirectory
{
public:
    enum Type : quint16
    {
        Byte = 1,
        Ascii = 2,
        Short = 3,
        Long = 4
    };

    void add(quint16 tag, Type type, const QByteArray& value, quint32 count)
    {
        m_entries.append({tag, type, count, value});
    }
    void addShorts(quint16 tag, const QList<quint16>& values)
    {
        QByteArray bytes;
        for (quint16 v : values) {
            const quint16 le = qToLittleEndian(v);
            bytes.append(reinterpret_cast<const char*>(&le), 2);
        }
        add(tag, Short, bytes, quint32(values.size()));
    }
    void addLong(quint16 tag, quint32 value)
    {
        const quint32 le = qToLittleEndian(value);
        add(tag, Long, QByteArray(reinterpret_cast<const char*>(&le), 4), 1);
    }
    void addText(quint16 tag, const QByteArray& text)
    {
        add(tag, Ascii, text + '\0', quint32(text.size() + 1));
    }
    void addBytes(quint16 tag, const QByteArray& bytes) { add(tag, Byte, bytes, quint32(bytes.size())); }

    int byteSize() const { return layout(0).size(); }

    QByteArray layout(quint32 offset) const
    {
        QList<Entry> entries = m_entries;
        std::sort(entries.begin(), entries.end(),
                  [](const Entry& a, const Entry& b) { return a.tag < b.tag; });
        QByteArray head;
        QByteArray extra;
        const quint32 extraAt = offset + 2 + 12 * quint32(entries.size()) + 4;
        appendLe<quint16>(&head, quint16(entries.size()));
        for (const Entry& e : entries) {
            appendLe<quint16>(&head, e.tag);
            appendLe<quint16>(&head, e.type);
            appendLe<quint32>(&head, e.count);
            if (e.value.size() <= 4) {
                head.append(e.value.leftJustified(4, '\0'));
            } else {
                appendLe<quint32>(&head, extraAt + quint32(extra.size()));
                extra.append(e.value);
                if (extra.size() % 2)
                    extra.append('\0');
            }
        }
        appendLe<quint32>(&head, 0);
        return head + extra;
    }

    template <typename T> static void appendLe(QByteArray* bytes, T value)
    {
        const T le = qToLittleEndian(value);
        bytes->append(reinterpret_cast<const char*>(&le), sizeof(T));
    }

private:
    struct Entry
    {
        quint16 tag;
        quint16 type;
        quint32 count;
        QByteArray value;
    };
    QList<Entry> m_entries;
};

} // namespace

bool TestMedia::makeDng(const QString& path, const QSize& previewSize, const QSize& rawSize)
{
    QTemporaryDir scratch;
    const QString previewPath = scratch.filePath(QStringLiteral("preview.jpg"));
    if (!makeJpeg(previewPath, previewSize))
        return false;
    QFile previewFile(previewPath);
    if (!previewFile.open(QIODevice::ReadOnly))
        return false;
    QByteArray preview = previewFile.readAll();
    if (preview.size() % 2)
        preview.append('\0');

    // A horizontal ramp in every colour of the mosaic: enough for dcraw to develop a picture.
    QByteArray mosaic;
    mosaic.reserve(rawSize.width() * rawSize.height() * 2);
    for (int y = 0; y < rawSize.height(); ++y) {
        for (int x = 0; x < rawSize.width(); ++x)
            TiffDirectory::appendLe<quint16>(&mosaic, quint16(1000 + x * 30000 / rawSize.width()));
    }

    // Header, the preview's directory (IFD0, as in camera DNGs), the mosaic's sub-directory, then data.
    auto previewDirectory = [&](quint32 subAt, quint32 previewAt) {
        TiffDirectory d;
        d.addLong(254, 1);
        d.addLong(256, quint32(previewSize.width()));
        d.addLong(257, quint32(previewSize.height()));
        d.addShorts(258, {8, 8, 8});
        d.addShorts(259, {7});
        d.addShorts(262, {6});
        d.addText(271, "Lumio");
        d.addText(272, "Test");
        d.addLong(273, previewAt);
        d.addShorts(277, {3});
        d.addLong(278, quint32(previewSize.height()));
        d.addLong(279, quint32(previewFile.size()));
        d.addLong(330, subAt);
        d.addBytes(50706, QByteArray("\x01\x04\x00\x00", 4));
        d.addText(50708, "Lumio Test");
        return d;
    };
    auto mosaicDirectory = [&](quint32 mosaicAt) {
        TiffDirectory d;
        d.addLong(254, 0);
        d.addLong(256, quint32(rawSize.width()));
        d.addLong(257, quint32(rawSize.height()));
        d.addShorts(258, {16});
        d.addShorts(259, {1});
        d.addShorts(262, {32803});
        d.addLong(273, mosaicAt);
        d.addShorts(277, {1});
        d.addLong(278, quint32(rawSize.height()));
        d.addLong(279, quint32(mosaic.size()));
        d.addShorts(33421, {2, 2});
        d.addBytes(33422, QByteArray("\x00\x01\x01\x02", 4));
        d.addLong(50717, 65535);
        return d;
    };

    const quint32 ifd0At = 8;
    const quint32 subAt = ifd0At + quint32(previewDirectory(0, 0).byteSize());
    const quint32 previewAt = subAt + quint32(mosaicDirectory(0).byteSize());
    const quint32 mosaicAt = previewAt + quint32(preview.size());

    QByteArray file("II*\0", 4);
    TiffDirectory::appendLe<quint32>(&file, ifd0At);
    file += previewDirectory(subAt, previewAt).layout(ifd0At);
    file += mosaicDirectory(mosaicAt).layout(subAt);
    file += preview;
    file += mosaic;

    QFile out(path);
    return out.open(QIODevice::WriteOnly) && out.write(file) == file.size();
}

bool TestMedia::makeClip(const QString& path, const QStringList& arguments)
{
    return run(ffmpeg(), QStringList{QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-y")} +
                             arguments + QStringList{path});
}

QSize TestMedia::pictureSize(const QString& path)
{
    return QImageReader(path).size();
}

QStringList TestMedia::streams(const QString& path)
{
    QByteArray output;
    run(ffprobe(),
        {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-show_entries"),
         QStringLiteral("stream=codec_type,codec_name,width,height,pix_fmt"), QStringLiteral("-of"),
         QStringLiteral("csv=p=0"), path},
        &output);
    return QString::fromUtf8(output).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

bool TestMedia::hasDisplayMatrix(const QString& path)
{
    QByteArray output;
    run(ffprobe(), {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-show_streams"), path},
        &output);
    return output.contains("Display Matrix");
}

bool TestMedia::firstFrame(const QString& videoPath, const QString& picturePath)
{
    return run(ffmpeg(),
               {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-y"), QStringLiteral("-i"),
                videoPath, QStringLiteral("-frames:v"), QStringLiteral("1"), picturePath});
}

bool TestMedia::indexInFront(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // Walk the top-level boxes: 32-bit size, 4-letter type.
    while (!file.atEnd()) {
        const QByteArray head = file.read(8);
        if (head.size() < 8)
            return false;
        const quint32 size = qFromBigEndian<quint32>(head.constData());
        const QByteArray type = head.mid(4, 4);
        if (type == "moov")
            return true;
        if (type == "mdat" || size < 8)
            return false;
        file.seek(file.pos() + size - 8);
    }
    return false;
}

QList<int> TestMedia::childProcesses()
{
    QList<int> children;
    const int self = int(getpid());
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        bool isPid = false;
        const int pid = entry.toInt(&isPid);
        if (!isPid)
            continue;
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        // "pid (name) state ppid ...": the name may hold blanks and brackets, so read from the last ")".
        const QByteArray text = stat.readAll();
        const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 1 && fields.at(1).toInt() == self)
            children.append(pid);
    }
    return children;
}

QString TestMedia::commandLineOf(int pid)
{
    QFile file(QStringLiteral("/proc/%1/cmdline").arg(pid));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QByteArray text = file.readAll();
    text.replace('\0', ' ');
    return QString::fromUtf8(text);
}

bool TestMedia::writeScript(const QString& path, const QString& body)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write("#!/bin/sh\n" + body.toUtf8() + '\n');
    file.close();
    return file.setPermissions(file.permissions() | QFile::ExeOwner | QFile::ExeUser);
}
