#include "UploadBody.h"

UploadBody::UploadBody(const QString& path, QObject* parent) : QIODevice(parent), m_file(path) {}

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
    return m_file.read(data, maxSize);
}

qint64 UploadBody::writeData(const char*, qint64)
{
    return -1;
}
