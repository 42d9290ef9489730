#pragma once

#include <QByteArray>
#include <QList>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// Runs a console program as a child process of the test and collects what it printed.
class ConsoleRun
{
public:
    struct Result
    {
        bool finished = false;
        int exitCode = -1;
        QByteArray out;
        QByteArray err;
        bool terminalEchoes = false; // the terminal's echo flag when the program had ended
        QStringList outLines() const;
    };

    static QString uploader();

    // `input` is what the program reads on standard input before its end.
    static Result run(const QString& program, const QStringList& arguments,
                      const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
                      int timeoutMs = 180000, const QByteArray& input = QByteArray());
    // With a new pseudo terminal as the controlling terminal and as standard input, output and error
    // (so everything arrives in `out`). `typed` is written once `prompt` has appeared in the output.
    static Result runOnTerminal(const QString& program, const QStringList& arguments,
                                const QProcessEnvironment& environment, const QByteArray& prompt,
                                const QByteArray& typed, int timeoutMs = 180000);

    // Living (not zombie) processes whose parent is pid.
    static QList<int> childrenOf(int pid);
    static bool isAlive(int pid);
    static QString commandName(int pid);
};
