#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>

#include <atomic>

// Runs one external conversion tool to its end in the calling thread. The command is a single text
// split at blanks outside double quotes; while the tool runs, a stop flag is looked at every 100 ms
// and a set flag kills the tool at once.
class ToolProcess
{
public:
    enum class Outcome
    {
        Finished,
        Stopped,
        NotStarted
    };

    explicit ToolProcess(const std::atomic<int>& stopFlag);

    // Keeps the tool's own worker threads (ImageMagick's OpenMP) to one: the program already runs one
    // converter per core, and more threads would only compete with the other converters' tools.
    void keepToOneCore();
    // What the tool is started with.
    const QProcessEnvironment& environment() const { return m_environment; }

    // Runs the command; workingFolder empty keeps the caller's working directory.
    Outcome run(const QString& commandLine, const QString& workingFolder = QString());

    // The tool's exit code; -1 when it crashed, was killed or never started.
    int exitCode() const { return m_exitCode; }
    const QByteArray& standardOutput() const { return m_standardOutput; }
    // What the tool wrote to standard error; why it could not be started when it never ran.
    const QByteArray& standardError() const { return m_standardError; }
    // The line of standard error that says why the tool failed: its first or its last one that is not
    // blank, without ImageMagick's " @ source-position" tail. Empty when the tool said nothing.
    QString errorLine(bool last) const;

    // One token of a command text: the text in double quotes, with any double quote inside it
    // written as three, so the split gives back exactly the text whatever it holds.
    static QString quoted(const QString& text);
    // quoted() of a path in the platform's native separators.
    static QString quotedPath(const QString& path);

    // A tool that ships in a folder beside the program (for example "ImageMagick/convert", with
    // ".exe" on Windows). When it is not there, the same name is taken from the system's program
    // folder or the search path; when it is nowhere, the path beside the program is returned and
    // running it fails.
    static QString locate(const QString& folder, const QString& relativePath);

private:
    const std::atomic<int>& m_stopFlag;
    QProcessEnvironment m_environment;
    int m_exitCode = -1;
    QByteArray m_standardOutput;
    QByteArray m_standardError;
};
