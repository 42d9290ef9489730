#pragma once

#include <QPair>
#include <QQueue>
#include <QtGlobal>

// Speed and time left of a running upload, from samples taken every few hundred milliseconds: the speed
// over the last three seconds, the time left from the elapsed time and the share done. While no byte
// moves the time left may fall but never rises, so a long conversion does not make it climb.
class TransferEstimate
{
public:
    // elapsedMs since the run started, body bytes sent so far, percent of the run done (0 to 100).
    void addSample(qint64 elapsedMs, qint64 bytes, int percent);

    double bytesPerSecond() const { return m_bytesPerSecond; }
    // -1 while unknown (nothing done yet).
    int secondsLeft() const { return m_secondsLeft; }

    // "0:42", "12:05", "1:02:03".
    static QString durationText(int seconds);

private:
    QQueue<QPair<qint64, qint64>> m_samples; // (ms, bytes)
    qint64 m_lastBytes = -1;
    double m_bytesPerSecond = 0;
    int m_secondsLeft = -1;
};
