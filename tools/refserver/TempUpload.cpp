#include "TempUpload.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

TempUpload::TempUpload(const QString& folder)
{
    m_path = QFile::encodeName(folder) + "/.lumio-upload-XXXXXX";
    m_fd = mkostemp(m_path.data(), O_CLOEXEC);
    if (m_fd >= 0)
        fchmod(m_fd, 0644);
}

TempUpload::~TempUpload()
{
    if (m_fd >= 0)
        ::close(m_fd);
    if (!m_moved && !m_path.isEmpty())
        unlink(m_path.constData());
}

bool TempUpload::write(const char* data, size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(m_fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= size_t(n);
    }
    return true;
}

bool TempUpload::finish(qint64 secondsSinceEpoch, bool setTime)
{
    bool ok = true;
    if (setTime) {
        const timespec times[2] = {{time_t(secondsSinceEpoch), 0}, {time_t(secondsSinceEpoch), 0}};
        ok = futimens(m_fd, times) == 0;
    }
    ok = ::close(m_fd) == 0 && ok;
    m_fd = -1;
    return ok;
}

bool TempUpload::moveTo(const QString& path, Placement placement)
{
    const QByteArray target = QFile::encodeName(path);
    if (placement == Placement::Replace) {
        m_moved = rename(m_path.constData(), target.constData()) == 0;
        return m_moved;
    }
    m_moved = renameat2(AT_FDCWD, m_path.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0;
    if (!m_moved && (errno == EINVAL || errno == ENOSYS)) {
        // File systems without RENAME_NOREPLACE: a hard link fails just as atomically on a taken name.
        if (link(m_path.constData(), target.constData()) != 0)
            return false;
        unlink(m_path.constData());
        m_moved = true;
    }
    return m_moved;
}
