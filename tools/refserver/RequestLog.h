#pragma once

#include <QJsonObject>
#include <QString>

#include <mutex>

// Appends one JSON object per line to a file; entries never interleave, and a line is complete before
// the reply of its request is sent. Without a file nothing is written. This class is thread safe.
class RequestLog
{
public:
    RequestLog() = default;
    ~RequestLog();
    RequestLog(const RequestLog&) = delete;
    RequestLog& operator=(const RequestLog&) = delete;

    bool open(const QString& path, QString* error);
    void write(QJsonObject entry);

private:
    std::mutex m_mutex;
    int m_fd = -1;
    qint64 m_sequence = 0;
};
