#include "ConsoleRun.h"

#include "TestEnvironment.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace {

// Fields of /proc/<pid>/stat after the command name: state, then the parent's id.
bool readStat(int pid, char* state, int* parent)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray text = stat.readAll();
    const int close = text.lastIndexOf(')');
    if (close < 0)
        return false;
    const QList<QByteArray> fields = text.mid(close + 2).split(' ');
    if (fields.size() < 2 || fields.at(0).isEmpty())
        return false;
    *state = fields.at(0).at(0);
    *parent = fields.at(1).toInt();
    return true;
}

} // namespace

QStringList ConsoleRun::Result::outLines() const
{
    return QString::fromUtf8(out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QString ConsoleRun::uploader()
{
    return TestEnvironment::binDir() + QStringLiteral("/lumio-upload");
}

ConsoleRun::Result ConsoleRun::run(const QString& program, const QStringList& arguments,
                                   const QProcessEnvironment& environment, int timeoutMs,
                                   const QByteArray& input)
{
    Result result;
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForStarted(-1))
        return result;
    process.write(input);
    process.closeWriteChannel();
    result.finished = process.waitForFinished(timeoutMs);
    if (!result.finished) {
        process.kill();
        process.waitForFinished(-1);
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

ConsoleRun::Result ConsoleRun::runOnTerminal(const QString& program, const QStringList& arguments,
                                             const QProcessEnvironment& environment, const QByteArray& prompt,
                                             const QByteArray& typed, int timeoutMs)
{
    Result result;
    int master = -1;
    int slave = -1;
    winsize size{};
    size.ws_col = 100;
    size.ws_row = 30;
    if (openpty(&master, &slave, nullptr, nullptr, &size) != 0)
        return result;
    fcntl(master, F_SETFD, FD_CLOEXEC);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setChildProcessModifier([slave] {
        setsid();
        ioctl(slave, TIOCSCTTY, 0);
        dup2(slave, STDIN_FILENO);
        dup2(slave, STDOUT_FILENO);
        dup2(slave, STDERR_FILENO);
        if (slave > STDERR_FILENO)
            close(slave);
    });
    process.start(program, arguments);
    const bool started = process.waitForStarted(-1);
    close(slave);
    if (!started) {
        close(master);
        return result;
    }

    bool typedIn = prompt.isEmpty() && typed.isEmpty();
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        pollfd fd{master, POLLIN, 0};
        if (poll(&fd, 1, 50) > 0) {
            char chunk[4096];
            const ssize_t got = read(master, chunk, sizeof chunk);
            if (got > 0) {
                result.out.append(chunk, got);
            } else if (got < 0 && errno != EINTR && errno != EAGAIN) {
                // EIO: every holder of the terminal has gone, so the program is ending.
                result.finished = process.waitForFinished(int(qMax<qint64>(0, deadline.remainingTime())));
                break;
            }
        }
        if (!typedIn && result.out.contains(prompt)) {
            [[maybe_unused]] const ssize_t written = write(master, typed.constData(), size_t(typed.size()));
            typedIn = true;
        }
        if (deadline.hasExpired())
            break;
    }
    if (!result.finished) {
        process.kill();
        process.waitForFinished(-1);
    }
    termios settings{};
    result.terminalEchoes = tcgetattr(master, &settings) == 0 && (settings.c_lflag & ECHO) != 0;
    close(master);
    result.exitCode =
        result.finished && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return result;
}

QList<int> ConsoleRun::childrenOf(int pid)
{
    QList<int> children;
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        bool numeric = false;
        const int candidate = entry.toInt(&numeric);
        char state = 0;
        int parent = 0;
        if (numeric && readStat(candidate, &state, &parent) && parent == pid && state != 'Z')
            children.append(candidate);
    }
    return children;
}

bool ConsoleRun::isAlive(int pid)
{
    char state = 0;
    int parent = 0;
    return readStat(pid, &state, &parent) && state != 'Z' && state != 'X';
}

QString ConsoleRun::commandName(int pid)
{
    QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
    if (!comm.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLocal8Bit(comm.readAll()).trimmed();
}
