#pragma once

#include <QString>
#include <QStringList>

// Where a program's diagnostics (qDebug, qWarning ...) go. Debug lines reach standard error only when
// the user asked for them with --verbose, or with LUMIO_VERBOSE set for programs that file managers
// and other programs start; warnings always do. A log file, when set, receives every
// line with a time stamp. Registered secrets (a password) are blanked out everywhere.
class Diagnostics
{
public:
    // Removes "--verbose" from the arguments before a "--" and tells whether it was there.
    static bool takeVerbose(QStringList* arguments);
    // Installs the message handler; call once, early in main(). LUMIO_VERBOSE counts as verbose.
    static void setUp(bool verbose);
    // Appends every diagnostic to the file as well. False with *error set when it cannot be opened.
    static bool setLogFile(const QString& path, QString* error);
    static void addSecret(const QString& secret);
    // A line as the log file holds it: local time to the millisecond, the kind, the text.
    static QString logLine(QtMsgType type, const QString& message);
};
