#include "PasswordVault.h"

#include <QDebug>
#include <QEventLoop>
#include <QTimer>
#include <qt6keychain/keychain.h>

#include <atomic>
#include <memory>

namespace {

const char kService[] = "Lumio Uploader";
// A key nobody stores under: reading it tells whether a keyring answers at all.
const char kProbeKey[] = "lumio-uploader-keyring-probe";

enum class Availability
{
    Unknown,
    Present,
    Absent
};
std::atomic<Availability> g_availability{Availability::Unknown};

} // namespace

PasswordVault::Result PasswordVault::run(Action action, const QString& key, QString* text)
{
    std::unique_ptr<QKeychain::Job> job;
    const QString service = QLatin1String(kService);
    switch (action) {
    case Action::Read:
        job = std::make_unique<QKeychain::ReadPasswordJob>(service);
        break;
    case Action::Write: {
        auto write = std::make_unique<QKeychain::WritePasswordJob>(service);
        write->setTextData(*text);
        job = std::move(write);
        break;
    }
    case Action::Remove:
        job = std::make_unique<QKeychain::DeletePasswordJob>(service);
        break;
    }
    job->setAutoDelete(false);
    job->setInsecureFallback(false);
    job->setKey(key);

    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    bool finished = false;
    QObject::connect(job.get(), &QKeychain::Job::finished, &loop, [&] {
        finished = true;
        loop.quit();
    });
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    job->start();
    timer.start(kTimeoutMs);
    if (!finished)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (!finished) {
        qWarning("Keyring did not answer within %d ms; passwords stay in the profile database", kTimeoutMs);
        g_availability = Availability::Absent;
        // The job may still finish later; it must not outlive its receivers then.
        job.release()->deleteLater();
        return Result::Failed;
    }
    if (job->error() == QKeychain::NoError) {
        if (action == Action::Read)
            *text = static_cast<QKeychain::ReadPasswordJob*>(job.get())->textData();
        return Result::Done;
    }
    if (job->error() == QKeychain::EntryNotFound)
        return Result::NotFound;
    qDebug() << "Keyring:" << job->errorString();
    return Result::Failed;
}

bool PasswordVault::isAvailable()
{
    if (g_availability == Availability::Unknown) {
        QString ignored;
        const Result probe = run(Action::Read, QLatin1String(kProbeKey), &ignored);
        if (g_availability == Availability::Unknown)
            g_availability = probe == Result::Failed ? Availability::Absent : Availability::Present;
        if (g_availability == Availability::Absent)
            qDebug("No desktop keyring; remembered passwords are kept in the profile database");
    }
    return g_availability == Availability::Present;
}

bool PasswordVault::read(const QString& profileName, QString* password)
{
    if (!isAvailable())
        return false;
    QString text;
    if (run(Action::Read, profileName, &text) != Result::Done)
        return false;
    *password = text;
    return true;
}

bool PasswordVault::write(const QString& profileName, const QString& password)
{
    if (!isAvailable())
        return false;
    QString text = password;
    return run(Action::Write, profileName, &text) == Result::Done;
}

bool PasswordVault::remove(const QString& profileName)
{
    if (!isAvailable())
        return true;
    QString ignored;
    return run(Action::Remove, profileName, &ignored) != Result::Failed;
}
