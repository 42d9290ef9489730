#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>

// A request body on its way to disk: a hidden temporary file in the destination folder, filled chunk by
// chunk and moved to its final name in one rename, so a half-received file never appears under a real
// name. The file is removed unless it was moved.
class TempUpload
{
public:
    enum class Placement
    {
        Replace,
        KeepExisting
    };

    explicit TempUpload(const QString& folder);
    ~TempUpload();
    TempUpload(const TempUpload&) = delete;
    TempUpload& operator=(const TempUpload&) = delete;

    bool isOpen() const { return m_fd >= 0; }
    bool write(const char* data, size_t size);
    // Sets access and modification time to secondsSinceEpoch and closes the file.
    bool finish(qint64 secondsSinceEpoch, bool setTime);
    // False with errno EEXIST when Placement::KeepExisting finds the name taken.
    bool moveTo(const QString& path, Placement placement);

private:
    int m_fd = -1;
    QByteArray m_path;
    bool m_moved = false;
};
