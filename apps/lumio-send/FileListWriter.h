#pragma once

#include <QStringList>

// Writes the shell hand-over file "FileList": a count line, then one absolute path per line.
class FileListWriter
{
public:
    // Paths are made absolute. A path holding a line break cannot be told apart from two paths in the
    // file, so it is left out and reported in rejected. False when the file cannot be written.
    static bool write(const QStringList& paths, QStringList* rejected);
};
