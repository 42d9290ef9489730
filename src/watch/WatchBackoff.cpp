#include "WatchBackoff.h"

#include <algorithm>

WatchBackoff::WatchBackoff(int firstMs, int longestMs)
    : m_firstMs(std::max(1, firstMs)), m_longestMs(std::max(m_firstMs, longestMs))
{
}

int WatchBackoff::nextPauseMs()
{
    long long pause = m_firstMs;
    for (int i = 0; i < m_failures && pause < m_longestMs; ++i)
        pause *= 2;
    ++m_failures;
    return static_cast<int>(std::min<long long>(pause, m_longestMs));
}
