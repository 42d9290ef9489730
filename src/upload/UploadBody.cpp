#include "UploadBody.h"

#include "BandwidthLimit.h"

UploadBody::UploadBody(const QString& path, BandwidthLimit* limit, QObject* parent)
    : QIODevice(parent), m_file(path), m_limit(limit)
{
    m_wake.setSingleShot(true);
    m_wake.setTimerType(Qt::PreciseTimer);
    connect(&m_wake, &QTimer::timeout, this, &QIODevice::readyRead);
}

bool UploadBody::openFile()
{
    if (!m_file.open(QIODevice::ReadOnly))
        return false;
    m_size = m_file.size();
    return open(QIODevice::ReadOnly);
}

qint64 UploadBody::bytesAvailable() const
{
    return m_file.bytesAvailable() + QIODevice::bytesAvailable();
}

qint64 UploadBody::readData(char* data, qint64 maxSize)
{
    if (!m_limit || m_file.atEnd())
        return m_file.read(data, maxSize);
    const qint64 allowed = m_limit->allowance(maxSize);
    if (allowed == 0) {
        // Nothing now: the network stack waits for readyRead(), which the timer sends.
        if (!m_wake.isActive())
            m_wake.start(m_limit->msUntilMore(maxSize));
        return 0;
    }
    const qint64 read = m_file.read(data, allowed);
    if (read > 0)
        m_limit->spend(read);
    return read;
}

qint64 UploadBody::writeData(const char*, qint64)
{
    return -1;
}
