#pragma once

// The pause before the next try while the server cannot be reached: it doubles from the first pause up
// to the longest and starts over after a success.
class WatchBackoff
{
public:
    explicit WatchBackoff(int firstMs = 5000, int longestMs = 300000);

    // The pause before the next try; each call makes the following one longer.
    int nextPauseMs();
    void reset() { m_failures = 0; }
    int failures() const { return m_failures; }

private:
    int m_firstMs;
    int m_longestMs;
    int m_failures = 0;
};
