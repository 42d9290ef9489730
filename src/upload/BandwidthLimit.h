#pragma once

#include <QElapsedTimer>
#include <QtGlobal>

// A token bucket shared by the upload bodies of one uploader: on average no more than the rate goes
// out per second, in bursts of at most a tenth of a second's worth (16 KiB at least). Used on the
// uploader's thread only.
class BandwidthLimit
{
public:
    explicit BandwidthLimit(qint64 bytesPerSecond);

    qint64 bytesPerSecond() const { return m_rate; }
    // How many of wanted bytes may go out now.
    qint64 allowance(qint64 wanted);
    // Takes bytes that went out from the bucket.
    void spend(qint64 bytes);
    // Milliseconds until a worthwhile share of wanted bytes may go out (at least 1).
    int msUntilMore(qint64 wanted);

private:
    void refill();

    qint64 m_rate;
    qint64 m_burst;
    double m_tokens;
    qint64 m_lastNs = 0;
    QElapsedTimer m_clock;
};
