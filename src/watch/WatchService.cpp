#include "WatchService.h"

#include "WatchConfig.h"

#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace {

// systemctl answers at once unless systemd itself hangs; starting a unit waits for it to start.
const int kSystemctlTimeoutMs = 60000;

} // namespace

WatchService::WatchService(QObject* parent) : QObject(parent)
{
    m_timeout.setSingleShot(true);
    m_timeout.setInterval(kSystemctlTimeoutMs);
    connect(&m_timeout, &QTimer::timeout, this, &WatchService::slotTimeout);
}

WatchService::~WatchService()
{
    if (m_process) {
        m_process->disconnect(this);
        m_process->kill();
        m_process->waitForFinished();
    }
}

QString WatchService::instanceName(const QString& profile)
{
    const QByteArray bytes = profile.toUtf8();
    QString name;
    for (int i = 0; i < bytes.size(); ++i) {
        const char c = bytes.at(i);
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                           c == ':' || c == '_' || (c == '.' && i > 0);
        if (c == '/')
            name += QLatin1Char('-');
        else if (plain)
            name += QLatin1Char(c);
        else
            name += QString::asprintf("\\x%02x", static_cast<unsigned char>(c));
    }
    return name;
}

QString WatchService::unitName(const QString& profile)
{
    return QStringLiteral("lumio-upload-watch@") + instanceName(profile) + QStringLiteral(".service");
}

QString WatchService::systemctlProgram()
{
    const QString named = qEnvironmentVariable("LUMIO_SYSTEMCTL");
    const QString program = named.isEmpty() ? QStringLiteral("systemctl") : named;
    if (!QFileInfo(program).isAbsolute())
        return QStandardPaths::findExecutable(program);
    const QFileInfo info(program);
    return info.isFile() && info.isExecutable() ? program : QString();
}

void WatchService::enable(const QString& profile)
{
    const QString unit = unitName(profile);
    start(profile, {{QStringLiteral("enable"), unit}, {QStringLiteral("restart"), unit}}, false);
}

void WatchService::disable(const QString& profile)
{
    start(profile, {{QStringLiteral("disable"), QStringLiteral("--now"), unitName(profile)}}, true);
}

void WatchService::rename(const QString& from, const QString& to)
{
    if (m_busy)
        return;
    // The folders go with the profile whatever systemd answers; a config already under the new name
    // belongs to no profile (names are unique), so it gives way.
    const QString oldPath = WatchConfig::pathFor(from);
    const QString newPath = WatchConfig::pathFor(to);
    if (QFileInfo::exists(newPath))
        QFile::remove(newPath);
    if (!QFile::rename(oldPath, newPath)) {
        m_busy = true;
        m_profile = to;
        const QString error = QStringLiteral("cannot move %1 to %2").arg(oldPath, newPath);
        QTimer::singleShot(0, this, [this, error] { finish(Outcome::Failed, error); });
        return;
    }
    const QString oldUnit = unitName(from);
    const QString newUnit = unitName(to);
    start(to,
          {{QStringLiteral("disable"), QStringLiteral("--now"), oldUnit},
           {QStringLiteral("enable"), newUnit},
           {QStringLiteral("restart"), newUnit}},
          false);
}

void WatchService::start(const QString& profile, const QList<QStringList>& steps, bool removeConfig)
{
    if (m_busy)
        return;
    m_busy = true;
    m_profile = profile;
    m_removeConfig = removeConfig;
    m_error.clear();
    m_steps = systemctlProgram().isEmpty() ? QList<QStringList>() : steps;
    // Answer from the event loop, as a request to systemctl would.
    QTimer::singleShot(0, this, &WatchService::nextStep);
}

void WatchService::nextStep()
{
    if (m_steps.isEmpty()) {
        const Outcome done = systemctlProgram().isEmpty() ? Outcome::NoSystemctl : Outcome::Done;
        const QString path = WatchConfig::pathFor(m_profile);
        if (m_removeConfig && QFileInfo::exists(path) && !QFile::remove(path)) {
            finish(Outcome::Failed, QStringLiteral("cannot remove %1").arg(path));
            return;
        }
        finish(done, QString());
        return;
    }
    m_current = m_steps.takeFirst();
    m_process = std::make_unique<QProcess>();
    m_process->setProcessChannelMode(QProcess::MergedChannels);
    connect(m_process.get(), &QProcess::finished, this, &WatchService::slotStepFinished);
    connect(m_process.get(), &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            slotStepFinished();
    });
    m_timeout.start();
    m_process->start(systemctlProgram(), QStringList{QStringLiteral("--user")} + m_current);
}

void WatchService::slotStepFinished()
{
    m_timeout.stop();
    // The process is still emitting this signal: it goes once back in the event loop.
    QProcess* process = m_process.release();
    process->disconnect(this);
    process->deleteLater();
    const QString command = QStringLiteral("systemctl --user ") + m_current.join(QLatin1Char(' '));
    if (process->error() == QProcess::FailedToStart) {
        finish(Outcome::Failed, QStringLiteral("%1 failed: %2").arg(command, process->errorString()));
        return;
    }
    if (process->exitStatus() != QProcess::NormalExit || process->exitCode() != 0) {
        finish(Outcome::Failed, QStringLiteral("%1 failed: %2")
                                    .arg(command, QString::fromLocal8Bit(process->readAll()).trimmed()));
        return;
    }
    nextStep();
}

void WatchService::slotTimeout()
{
    std::unique_ptr<QProcess> process = std::move(m_process);
    if (!process)
        return;
    process->disconnect(this);
    process->kill();
    process->waitForFinished();
    finish(Outcome::Failed, QStringLiteral("systemctl --user %1 did not finish within %2 s")
                                .arg(m_current.join(QLatin1Char(' ')))
                                .arg(kSystemctlTimeoutMs / 1000));
}

void WatchService::finish(Outcome outcome, const QString& error)
{
    m_steps.clear();
    m_busy = false;
    m_outcome = outcome;
    m_error = error;
    emit signalFinished(outcome, error);
}

WatchService::Outcome WatchService::waitForFinished()
{
    if (m_busy) {
        QEventLoop loop;
        connect(this, &WatchService::signalFinished, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return m_outcome;
}
