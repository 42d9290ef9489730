#include "Utf16File.h"

#include <QFile>
#include <QSaveFile>
#include <QTextStream>

bool Utf16File::readLines(const QString& path, QStringList* lines)
{
    lines->clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    QTextStream stream(&file);
    stream.setEncoding(QStringConverter::Utf16);
    stream.setAutoDetectUnicode(true);
    QString line;
    while (stream.readLineInto(&line)) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        lines->append(line);
    }
    return true;
}

bool Utf16File::writeLines(const QString& path, const QStringList& lines)
{
    // Other programs read these files at any time: they must find the old or the new list, whole.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    QTextStream stream(&file);
    stream.setEncoding(QStringConverter::Utf16);
    stream.setGenerateByteOrderMark(true);
    for (const QString& line : lines)
        stream << line << '\n';
    stream.flush();
    return file.error() == QFile::NoError && file.commit();
}

QStringList Utf16File::countedLines(const QStringList& lines)
{
    if (lines.isEmpty())
        return {};
    const int count = lines.first().trimmed().toInt();
    return lines.mid(1, qMax(0, count));
}
