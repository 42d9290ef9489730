#pragma once

#include <QString>

// An advisory lock on a file (flock) that only one process holds at a time. The kernel drops it when
// the holder ends, however it ends, so a crashed copy never locks the next one out.
class SingleInstanceLock
{
public:
    explicit SingleInstanceLock(const QString& path);
    ~SingleInstanceLock();
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

    // Takes the lock without waiting; false when another process holds it or the file cannot be
    // opened (errorString() tells which).
    bool tryLock();
    bool isLocked() const { return m_fd >= 0; }
    QString errorString() const { return m_error; }

private:
    QString m_path;
    QString m_error;
    int m_fd = -1;
};
