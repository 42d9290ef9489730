#include "BandwidthLimit.h"

#include <cmath>

namespace {

const qint64 kSmallestBurst = 16 * 1024;

} // namespace

BandwidthLimit::BandwidthLimit(qint64 bytesPerSecond)
    : m_rate(qMax<qint64>(1, bytesPerSecond)), m_burst(qMax(kSmallestBurst, m_rate / 10)),
      m_tokens(static_cast<double>(m_burst))
{
    m_clock.start();
}

void BandwidthLimit::refill()
{
    const qint64 now = m_clock.nsecsElapsed();
    m_tokens = qMin(static_cast<double>(m_burst), m_tokens + (now - m_lastNs) * 1e-9 * m_rate);
    m_lastNs = now;
}

qint64 BandwidthLimit::allowance(qint64 wanted)
{
    refill();
    return qBound<qint64>(0, static_cast<qint64>(m_tokens), wanted);
}

void BandwidthLimit::spend(qint64 bytes)
{
    m_tokens -= static_cast<double>(bytes);
}

int BandwidthLimit::msUntilMore(qint64 wanted)
{
    refill();
    // Waking for every few bytes would cost more than it sends: wait for half a burst.
    const double missing = qMin(wanted, m_burst / 2) - m_tokens;
    return qMax(1, static_cast<int>(std::ceil(missing * 1000.0 / m_rate)));
}
