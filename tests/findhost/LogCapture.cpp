#include "LogCapture.h"

#include <QMutexLocker>

LogCapture::LogCapture()
{
    m_logger.sinks[0] = sink;
    m_logger.sinks[1] = sink;
    m_logger.sinkContext = this;
}

LogCapture::~LogCapture()
{
    if (m_attached)
        *fhost_logger() = m_savedProgramLogger;
}

void LogCapture::attachToProgramLogger()
{
    if (!m_attached)
        m_savedProgramLogger = *fhost_logger();
    m_attached = true;
    *fhost_logger() = m_logger;
}

void LogCapture::sink(void* context, const char* text)
{
    auto* self = static_cast<LogCapture*>(context);
    QMutexLocker lock(&self->m_mutex);
    self->m_lines.append(QString::fromUtf8(text));
}

QStringList LogCapture::lines() const
{
    QMutexLocker lock(&m_mutex);
    return m_lines;
}

bool LogCapture::contains(const QString& fragment) const
{
    QMutexLocker lock(&m_mutex);
    for (const QString& line : m_lines) {
        if (line.contains(fragment))
            return true;
    }
    return false;
}

void LogCapture::clear()
{
    QMutexLocker lock(&m_mutex);
    m_lines.clear();
}
