#pragma once

#include <QStringList>

// The UTF-16 text files exchanged with companion programs. Readers accept files with or without a
// byte-order mark and with LF or CRLF line ends; the writer puts a byte-order mark first.
class Utf16File
{
public:
    // Reads every line; false when the file cannot be opened.
    static bool readLines(const QString& path, QStringList* lines);
    // Replaces the file at once with one holding each line followed by "\n": a reader finds the old
    // file or the new one, never a missing or partly written one. False when it cannot be written.
    static bool writeLines(const QString& path, const QStringList& lines);
    // A count line followed by up to that many lines; a count that is not a number counts as 0.
    static QStringList countedLines(const QStringList& lines);
};
