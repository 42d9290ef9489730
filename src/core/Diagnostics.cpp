#include "Diagnostics.h"

#include <QDateTime>
#include <QFile>
#include <QLoggingCategory>
#include <QMutex>
#include <QUrl>

#include <memory>

namespace {

const QString kBlank = QStringLiteral("********");

struct State
{
    QMutex lock;
    bool verbose = false;
    std::unique_ptr<QFile> log;
    QStringList secrets;
    QtMessageHandler standardHandler = nullptr;
};

State& state()
{
    static State instance;
    return instance;
}

QString withoutSecrets(QString text, const QStringList& secrets)
{
    for (const QString& secret : secrets) {
        text.replace(secret, kBlank);
        // As it would stand in a form body or a URL.
        text.replace(QString::fromLatin1(QUrl::toPercentEncoding(secret)), kBlank);
    }
    return text;
}

// Debug lines that go nowhere are not even formatted: the uploader writes several per file.
void applyDebugRule(const State& s)
{
    QLoggingCategory::setFilterRules(s.verbose || s.log ? QString() : QStringLiteral("default.debug=false"));
}

void handleMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    State& s = state();
    QMutexLocker locker(&s.lock);
    const bool quietDebug = type == QtDebugMsg || type == QtInfoMsg;
    if (quietDebug && !s.verbose && !s.log)
        return;
    const QString text = withoutSecrets(message, s.secrets);
    if (s.log) {
        s.log->write((Diagnostics::logLine(type, text) + QLatin1Char('\n')).toUtf8());
        s.log->flush();
    }
    if (!quietDebug || s.verbose)
        s.standardHandler(type, context, text);
}

} // namespace

bool Diagnostics::takeVerbose(QStringList* arguments)
{
    const qsizetype end = arguments->indexOf(QStringLiteral("--"));
    const qsizetype at = arguments->indexOf(QStringLiteral("--verbose"));
    if (at < 0 || (end >= 0 && at > end))
        return false;
    arguments->removeAt(at);
    return true;
}

void Diagnostics::setUp(bool verbose)
{
    State& s = state();
    QMutexLocker locker(&s.lock);
    s.verbose = verbose || !qEnvironmentVariableIsEmpty("LUMIO_VERBOSE");
    if (!s.standardHandler)
        s.standardHandler = qInstallMessageHandler(handleMessage);
    applyDebugRule(s);
}

bool Diagnostics::setLogFile(const QString& path, QString* error)
{
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) {
        *error = file->errorString();
        return false;
    }
    State& s = state();
    QMutexLocker locker(&s.lock);
    s.log = std::move(file);
    applyDebugRule(s);
    return true;
}

void Diagnostics::addSecret(const QString& secret)
{
    if (secret.isEmpty())
        return;
    State& s = state();
    QMutexLocker locker(&s.lock);
    if (!s.secrets.contains(secret))
        s.secrets.append(secret);
}

QString Diagnostics::logLine(QtMsgType type, const QString& message)
{
    const char* kind = "debug";
    switch (type) {
    case QtDebugMsg:
        break;
    case QtInfoMsg:
        kind = "info";
        break;
    case QtWarningMsg:
        kind = "warning";
        break;
    case QtCriticalMsg:
        kind = "critical";
        break;
    case QtFatalMsg:
        kind = "fatal";
        break;
    }
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz")) +
           QLatin1Char(' ') + QLatin1String(kind) + QLatin1String(": ") + message;
}
