#include "RequestLog.h"

#include <QFile>
#include <QJsonDocument>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

RequestLog::~RequestLog()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool RequestLog::open(const QString& path, QString* error)
{
    m_fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (m_fd < 0) {
        *error = QStringLiteral("cannot open the request log %1: %2")
                     .arg(path, QString::fromLocal8Bit(strerror(errno)));
        return false;
    }
    return true;
}

void RequestLog::write(QJsonObject entry)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_fd < 0)
        return;
    entry.insert(QStringLiteral("seq"), ++m_sequence);
    const QByteArray line = QJsonDocument(entry).toJson(QJsonDocument::Compact) + '\n';
    // O_APPEND keeps whole lines even when a reader truncates the file between two entries.
    ssize_t written = 0;
    while (written < line.size()) {
        const ssize_t n = ::write(m_fd, line.constData() + written, size_t(line.size() - written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        written += n;
    }
}
