#include "FileListWriter.h"

#include "AppPaths.h"
#include "Utf16File.h"

#include <QFileInfo>

bool FileListWriter::write(const QStringList& paths, QStringList* rejected)
{
    rejected->clear();
    QStringList absolute;
    for (const QString& path : paths) {
        if (path.isEmpty() || path.contains(QLatin1Char('\n')) || path.contains(QLatin1Char('\r'))) {
            rejected->append(path);
            continue;
        }
        absolute.append(QFileInfo(path).absoluteFilePath());
    }
    QStringList lines{QString::number(absolute.size())};
    lines += absolute;
    QString reason;
    if (!AppPaths::ensureRuntimeFolder(&reason))
        return false;
    return Utf16File::writeLines(AppPaths::fileListPath(), lines);
}
