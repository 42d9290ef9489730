#include "TransferEstimate.h"

#include <QString>

namespace {

const qint64 kSpeedWindowMs = 3000;

} // namespace

void TransferEstimate::addSample(qint64 elapsedMs, qint64 bytes, int percent)
{
    m_samples.enqueue({elapsedMs, bytes});
    while (m_samples.size() > 1 && elapsedMs - m_samples.head().first > kSpeedWindowMs)
        m_samples.dequeue();
    const qint64 span = elapsedMs - m_samples.head().first;
    m_bytesPerSecond = span > 0 ? (bytes - m_samples.head().second) * 1000.0 / span : 0;

    int left = -1;
    if (percent >= 100)
        left = 0;
    else if (percent > 0)
        left = static_cast<int>(elapsedMs * (100 - percent) / percent / 1000);
    const bool stalled = bytes == m_lastBytes;
    if (stalled && m_secondsLeft >= 0 && (left < 0 || left > m_secondsLeft))
        left = m_secondsLeft;
    m_secondsLeft = left;
    m_lastBytes = bytes;
}

QString TransferEstimate::durationText(int seconds)
{
    const int hours = seconds / 3600;
    const int minutes = seconds / 60 % 60;
    const QString secs = QStringLiteral("%1").arg(seconds % 60, 2, 10, QLatin1Char('0'));
    if (hours > 0)
        return QStringLiteral("%1:%2:%3").arg(hours).arg(minutes, 2, 10, QLatin1Char('0')).arg(secs);
    return QStringLiteral("%1:%2").arg(minutes).arg(secs);
}
