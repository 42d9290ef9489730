#include "ConsolePrompter.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <cstdio>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace {

void writeError(const QString& text)
{
    fputs(text.toLocal8Bit().constData(), stderr);
    fflush(stderr);
}

} // namespace

ConsolePrompter::ConsolePrompter(int cancelFd) : m_cancelFd(cancelFd) {}

bool ConsolePrompter::readLine(const QString& prompt, bool hidden, QString* line) const
{
    if (!isatty(STDIN_FILENO))
        return false;
    termios saved{};
    const bool echoOff = hidden && tcgetattr(STDIN_FILENO, &saved) == 0;
    if (echoOff) {
        termios quiet = saved;
        quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        quiet.c_lflag |= ECHONL;
        // Anything typed before the prompt was echoed on the screen: it is dropped, not taken as input.
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
    }
    writeError(prompt);

    QByteArray bytes;
    bool complete = false;
    for (;;) {
        pollfd fds[2] = {{STDIN_FILENO, POLLIN, 0}, {m_cancelFd, POLLIN, 0}};
        const int ready = poll(fds, m_cancelFd >= 0 ? 2 : 1, -1);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready < 0 || (m_cancelFd >= 0 && (fds[1].revents & POLLIN)))
            break;
        char chunk[256];
        const ssize_t got = read(STDIN_FILENO, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        bytes.append(chunk, got);
        const int end = bytes.indexOf('\n');
        if (end >= 0) {
            bytes.truncate(end);
            complete = true;
            break;
        }
    }

    if (echoOff) {
        tcsetattr(STDIN_FILENO, TCSANOW, &saved);
        // The typed line end was not shown when the line was not finished.
        if (!complete)
            writeError(QStringLiteral("\n"));
    }
    if (!complete)
        return false;
    if (bytes.endsWith('\r'))
        bytes.chop(1);
    *line = QString::fromLocal8Bit(bytes);
    return true;
}

QString ConsolePrompter::plainText(const QString& text)
{
    // Some catalogue texts are rich text for the message boxes; a terminal shows them as lines.
    QString plain = text;
    plain.replace(QRegularExpression(QStringLiteral("<li>"), QRegularExpression::CaseInsensitiveOption),
                  QStringLiteral("\n  - "));
    plain.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    plain.replace(QLatin1String("&lt;"), QLatin1String("<"));
    plain.replace(QLatin1String("&gt;"), QLatin1String(">"));
    plain.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return plain.trimmed();
}

int ConsolePrompter::showMessage(QObject*, Icon, const QString& title, const QString& text,
                                 const QStringList& buttons, int defaultButton)
{
    writeError(title + QStringLiteral(": ") + plainText(text) + QLatin1Char('\n'));
    if (buttons.size() <= 1)
        return buttons.isEmpty() ? -1 : 0;
    QString answer;
    if (!readLine(QLatin1Char('[') + buttons.join(QLatin1Char('/')) + QStringLiteral("] "), false, &answer))
        return -1;
    answer = answer.trimmed();
    if (answer.isEmpty())
        return defaultButton;
    for (int i = 0; i < buttons.size(); ++i) {
        if (buttons.at(i).startsWith(answer, Qt::CaseInsensitive))
            return i;
    }
    return -1;
}

bool ConsolePrompter::askText(QObject*, const QString&, const QString& label, bool password, const QString&,
                              const QString&, QString* answer)
{
    return readLine(label + QLatin1Char(' '), password, answer);
}

QString ConsolePrompter::askDirectory(QObject*, const QString& caption, const QString& startFolder)
{
    QString answer;
    if (!readLine(caption + QStringLiteral(" [") + QDir::toNativeSeparators(startFolder) +
                      QStringLiteral("] "),
                  false, &answer))
        return QString();
    const QString folder =
        answer.trimmed().isEmpty() ? startFolder : QDir(startFolder).filePath(answer.trimmed());
    const QFileInfo info(folder);
    return info.isDir() ? info.absoluteFilePath() : QString();
}
