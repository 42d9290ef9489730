#pragma once

#include <QMutex>
#include <QStringList>
#include <QtGlobal>

// Collects every debug message of the process, from any thread, while it exists.
class LogCapture
{
public:
    LogCapture();
    ~LogCapture();
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    QStringList lines() const;
    // The lines that start with prefix, with the prefix removed.
    QStringList after(const QString& prefix) const;
    // Position of the first line containing text, -1 when there is none.
    int indexOf(const QString& text) const;
    void clear();

private:
    static void handler(QtMsgType type, const QMessageLogContext& context, const QString& message);

    mutable QMutex m_mutex;
    QStringList m_lines;
    QtMessageHandler m_previous = nullptr;
};
