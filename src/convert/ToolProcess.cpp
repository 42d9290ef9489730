#include "ToolProcess.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

constexpr int kPollMilliseconds = 100;

} // namespace

ToolProcess::ToolProcess(const std::atomic<int>& stopFlag)
    : m_stopFlag(stopFlag), m_environment(QProcessEnvironment::systemEnvironment())
{
    // The console uploader may be given the login password in its environment; no tool needs it.
    m_environment.remove(QStringLiteral("LUMIO_PASSWORD"));
    // The tools fill picture and frame buffers of tens of megabytes, and free and take them again from
    // one step to the next. Backed by huge pages, and kept in the heap for the next step instead of
    // going back to the system (a short-lived tool gives everything back when it ends), they cost a
    // few hundred page faults instead of tens of thousands: a third of a thumbnail run's time on a
    // virtual machine. glibc ignores the huge pages where they are off.
    const QString tunables = m_environment.value(QStringLiteral("GLIBC_TUNABLES"));
    m_environment.insert(QStringLiteral("GLIBC_TUNABLES"),
                         (tunables.isEmpty() ? QString() : tunables + QLatin1Char(':')) +
                             QLatin1String("glibc.malloc.hugetlb=1:glibc.malloc.mmap_threshold=33554432:"
                                           "glibc.malloc.trim_threshold=1073741824"));
}

void ToolProcess::keepToOneCore()
{
    m_environment.insert(QStringLiteral("MAGICK_THREAD_LIMIT"), QStringLiteral("1"));
    m_environment.insert(QStringLiteral("OMP_NUM_THREADS"), QStringLiteral("1"));
}

ToolProcess::Outcome ToolProcess::run(const QString& commandLine, const QString& workingFolder)
{
    m_exitCode = -1;
    m_standardOutput.clear();
    m_standardError.clear();

    QStringList arguments = QProcess::splitCommand(commandLine);
    if (arguments.isEmpty())
        return Outcome::NotStarted;
    const QString program = arguments.takeFirst();

    QProcess process;
    if (!workingFolder.isEmpty())
        process.setWorkingDirectory(workingFolder);
    process.setProcessEnvironment(m_environment);
    process.start(program, arguments, QIODevice::ReadWrite);
    if (!process.waitForStarted(-1)) {
        qDebug("Cannot start %s: %s", qUtf8Printable(program), qUtf8Printable(process.errorString()));
        m_standardError = (program + QLatin1String(": ") + process.errorString()).toUtf8();
        return Outcome::NotStarted;
    }

    while (process.state() != QProcess::NotRunning) {
        if (m_stopFlag.load() != 0) {
            process.kill();
            process.waitForFinished(-1);
            return Outcome::Stopped;
        }
        process.waitForFinished(kPollMilliseconds);
    }

    m_standardOutput = process.readAllStandardOutput();
    m_standardError = process.readAllStandardError();
    if (process.exitStatus() == QProcess::NormalExit)
        m_exitCode = process.exitCode();
    return Outcome::Finished;
}

QString ToolProcess::errorLine(bool last) const
{
    const QStringList lines = QString::fromUtf8(m_standardError)
                                  .split(QRegularExpression(QStringLiteral("[\r\n]")), Qt::SkipEmptyParts);
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines.at(last ? lines.size() - 1 - i : i).trimmed();
        const int position = line.lastIndexOf(QLatin1String(" @ "));
        if (position > 0)
            line.truncate(position);
        if (!line.isEmpty())
            return line;
    }
    return QString();
}

QString ToolProcess::quoted(const QString& text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('"'), QLatin1String("\"\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

QString ToolProcess::quotedPath(const QString& path)
{
    return quoted(QDir::toNativeSeparators(path));
}

QString ToolProcess::locate(const QString& folder, const QString& relativePath)
{
#ifdef Q_OS_WIN
    const QString beside = folder + QLatin1Char('/') + relativePath + QLatin1String(".exe");
#else
    const QString beside = folder + QLatin1Char('/') + relativePath;
#endif
    const QFileInfo besideInfo(beside);
    if (besideInfo.isFile() && besideInfo.isExecutable())
        return beside;

    // The system's own program folder comes first: wrappers placed earlier on the search path under
    // the same name are not the tools the command lines are written for.
    const QString name = QFileInfo(relativePath).fileName();
    QString found = QStandardPaths::findExecutable(name, {QStringLiteral("/usr/bin")});
    if (found.isEmpty())
        found = QStandardPaths::findExecutable(name);
    return found.isEmpty() ? beside : found;
}
