#include "LogCapture.h"

namespace {

LogCapture* g_capture = nullptr;

} // namespace

LogCapture::LogCapture()
{
    g_capture = this;
    m_previous = qInstallMessageHandler(&LogCapture::handler);
}

LogCapture::~LogCapture()
{
    qInstallMessageHandler(m_previous);
    g_capture = nullptr;
}

void LogCapture::handler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (LogCapture* capture = g_capture) {
        {
            QMutexLocker lock(&capture->m_mutex);
            capture->m_lines.append(message);
        }
        // Keep test output readable: tool outputs are long, only the other messages are shown.
        if (capture->m_previous && !message.startsWith(QLatin1String("Out ")))
            capture->m_previous(type, context, message);
    }
}

QStringList LogCapture::lines() const
{
    QMutexLocker lock(&m_mutex);
    return m_lines;
}

QStringList LogCapture::after(const QString& prefix) const
{
    QStringList found;
    for (const QString& line : lines()) {
        if (line.startsWith(prefix))
            found.append(line.mid(prefix.size()));
    }
    return found;
}

int LogCapture::indexOf(const QString& text) const
{
    const QStringList all = lines();
    for (int i = 0; i < all.size(); ++i) {
        if (all.at(i).contains(text))
            return i;
    }
    return -1;
}

void LogCapture::clear()
{
    QMutexLocker lock(&m_mutex);
    m_lines.clear();
}
