#pragma once

#include "log.h"

#include <QMutex>
#include <QStringList>

// A discovery logger that keeps every line of both levels, for tests that check log texts. Safe to
// write from the listener thread while the test reads.
class LogCapture
{
public:
    LogCapture();
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    const FhostLogger* logger() const { return &m_logger; }
    // Captures the program's own discovery logger too until destroyed.
    void attachToProgramLogger();
    ~LogCapture();

    QStringList lines() const;
    bool contains(const QString& fragment) const;
    void clear();

private:
    static void sink(void* context, const char* text);

    FhostLogger m_logger{};
    FhostLogger m_savedProgramLogger{};
    bool m_attached = false;
    mutable QMutex m_mutex;
    QStringList m_lines;
};
