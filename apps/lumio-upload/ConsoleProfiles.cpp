#include "ConsoleProfiles.h"

#include "CertificateTrust.h"
#include "ConsoleOptions.h"
#include "ProfileRules.h"
#include "ProfileStore.h"
#include "Prompter.h"
#include "SecurityConfirm.h"
#include "ServerProfile.h"
#include "VexaLocale.h"
#include "WatchConfig.h"
#include "WatchService.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QTextStream>

#include <cstdio>

namespace {

const QString kPhotoRoot = QStringLiteral("/photo");

void printLine(const QString& line)
{
    fputs(line.toUtf8().constData(), stdout);
    fputc('\n', stdout);
    fflush(stdout);
}

void printError(const QString& message)
{
    fputs((QStringLiteral("lumio-upload: ") + message + QLatin1Char('\n')).toLocal8Bit().constData(), stderr);
    fflush(stderr);
}

int failWith(int status, const QString& message)
{
    printError(message);
    return status;
}

QString baseUrlOf(const ProfileSummary& summary)
{
    ServerProfile profile;
    profile.setAll(summary.profname, summary.hostaddr, summary.port, summary.https, summary.account,
                   QString(), summary.savepass, summary.usrname, summary.personal, true, true, true,
                   QString(), QString(), {});
    return profile.baseUrl;
}

// The password of a profile command: standard input's first line, LUMIO_PASSWORD, or the terminal
// without echo. Never a command-line argument, where other users could read it.
bool readPassword(const ConsoleOptions& options, const QString& account, QString* password, QString* error)
{
    if (options.passwordStdin) {
        QTextStream in(stdin);
        const QString line = in.readLine();
        if (line.isNull()) {
            *error = QStringLiteral("--password-stdin: standard input holds no line");
            return false;
        }
        *password = line;
    } else if (qEnvironmentVariableIsSet("LUMIO_PASSWORD")) {
        *password = qEnvironmentVariable("LUMIO_PASSWORD");
    } else if (!Prompter::instance()->askText(nullptr, VexaLocale::applicationTitle(),
                                              tx(TextId::msg_enter_pass).arg(account), true,
                                              tx(TextId::btn_ok), tx(TextId::btn_cancel), password)) {
        *error = QStringLiteral("no password: give it on standard input with --password-stdin or in "
                                "LUMIO_PASSWORD, or run on a terminal to be asked");
        return false;
    }
    if (password->size() > ProfileRules::kPasswordLength) {
        *error =
            QStringLiteral("the password is longer than %1 characters").arg(ProfileRules::kPasswordLength);
        return false;
    }
    return true;
}

// Logs in as the create-profile wizard does before it stores a remembered password.
int checkLogin(ServerProfile* profile, bool storedProfile, QString* message)
{
    QNetworkAccessManager manager;
    SecurityConfirm login;
    login.setInformOnFailure(false);
    QEventLoop loop;
    bool succeeded = false;
    QObject::connect(&login, &SecurityConfirm::signalLoginFinish, &loop, [&](bool success) {
        succeeded = success;
        loop.quit();
    });
    if (!login.prepareLogin(&manager, profile, false, false)) {
        *message = QStringLiteral("no password to check");
        return ConsoleOptions::ExitUsage;
    }
    login.start();
    login.wait();
    loop.exec();
    if (succeeded)
        return ConsoleOptions::ExitSuccess;
    return ConsoleProfiles::loginFailure(login, *profile, storedProfile, message);
}

// A write the store did not keep must not pass for done.
int storeFailure(const QString& what)
{
    return failWith(ConsoleOptions::ExitStore,
                    QStringLiteral("cannot %1 in the profile store %2: %3")
                        .arg(what, ProfileStore::databasePath(), ProfileStore::lastErrorText()));
}

bool nameExists(const QString& name)
{
    return ProfileStore::profileNamesDescending().contains(name);
}

// A background watcher follows its profile: renamed with it, stopped when it goes. Says what happened;
// false after a systemctl failure.
bool followWatch(const QString& profile, const QString& renamedTo)
{
    if (!QFileInfo::exists(WatchConfig::pathFor(profile)))
        return true;
    WatchService service;
    if (renamedTo.isEmpty())
        service.disable(profile);
    else
        service.rename(profile, renamedTo);
    const WatchService::Outcome outcome = service.waitForFinished();
    if (outcome == WatchService::Outcome::Failed) {
        printError(service.errorString());
        return false;
    }
    if (!renamedTo.isEmpty())
        printLine(QStringLiteral("Folders kept uploaded moved to %1.").arg(WatchConfig::pathFor(renamedTo)));
    if (outcome == WatchService::Outcome::Done)
        printLine(renamedTo.isEmpty()
                      ? QStringLiteral("Stopped and disabled %1.").arg(WatchService::unitName(profile))
                      : QStringLiteral("Stopped %1, enabled and started %2.")
                            .arg(WatchService::unitName(profile), WatchService::unitName(renamedTo)));
    return true;
}

int checkEntries(const ProfileRules::Entries& entries, const QString& currentName)
{
    if (entries.name.size() > ProfileRules::kProfileNameLength)
        return failWith(
            ConsoleOptions::ExitUsage,
            QStringLiteral("a profile name has at most %1 characters").arg(ProfileRules::kProfileNameLength));
    // The refusals are the dialogs' own texts, shown by the console prompter.
    if (ProfileRules::check(nullptr, entries, currentName, nullptr) != ProfileRules::Field::None)
        return ConsoleOptions::ExitUsage;
    return ConsoleOptions::ExitSuccess;
}

// An existing profile by its exact name; the status says why not, after saying it.
int loadNamed(const QString& name, ServerProfile* profile)
{
    QString message;
    if (!ConsoleProfiles::resolveName(name, &message))
        return failWith(ConsoleOptions::ExitUsage, message);
    if (!ProfileStore::loadProfile(name, profile))
        return storeFailure(QStringLiteral("read profile \"%1\"").arg(name));
    return ConsoleOptions::ExitSuccess;
}

} // namespace

bool ConsoleProfiles::resolveName(const QString& name, QString* message)
{
    const QStringList names = ProfileStore::profileNamesDescending();
    if (names.contains(name))
        return true;
    QStringList known = names;
    std::sort(known.begin(), known.end());
    *message = QStringLiteral("no profile named \"%1\"").arg(name);
    for (const QString& candidate : known) {
        if (candidate.compare(name, Qt::CaseInsensitive) == 0) {
            *message += QStringLiteral(" (did you mean \"%1\"? Names are matched exactly)").arg(candidate);
            break;
        }
    }
    *message += known.isEmpty()
                    ? QStringLiteral("; there is no profile yet: make one with lumio-upload profile add")
                    : QStringLiteral("; the profiles are: %1").arg(known.join(QStringLiteral(", ")));
    return false;
}

int ConsoleProfiles::loginFailure(const SecurityConfirm& login, const ServerProfile& profile,
                                  bool rememberedPassword, QString* message)
{
    switch (login.failure()) {
    case SecurityConfirm::Failure::Unreachable:
        *message =
            QStringLiteral("Cannot reach %1 (%2). Check that the server is on and that the address and "
                           "port are right; lumio-upload discover lists the servers on the local network.")
                .arg(profile.baseUrl, login.failureCause());
        return ConsoleOptions::ExitUnreachable;
    case SecurityConfirm::Failure::Untrusted: {
        const CertificateTrust::Refusal refusal = CertificateTrust::lastRefusal();
        if (refusal.outcome == CertificateTrust::Outcome::Changed)
            *message =
                QStringLiteral("the certificate of %1 has changed: profile \"%2\" trusts SHA-256 %3, the "
                               "server presented %4. Someone may be intercepting the connection; only when "
                               "the certificate was renewed, run again with --trust-certificate %4")
                    .arg(refusal.server, profile.profname, refusal.pinned, refusal.fingerprint);
        else
            *message =
                QStringLiteral("the certificate of %1 is not trusted (SHA-256 %2); after checking it, run "
                               "again with --trust-certificate %2")
                    .arg(refusal.server, refusal.fingerprint);
        return ConsoleOptions::ExitUnreachable;
    }
    case SecurityConfirm::Failure::Refused:
    case SecurityConfirm::Failure::None:
        break;
    }
    *message = QStringLiteral("Login refused for account \"%1\" on %2: %3")
                   .arg(profile.account, profile.baseUrl, login.failureText());
    if (rememberedPassword)
        *message += QStringLiteral(" If the password remembered in profile \"%1\" is wrong, run again with "
                                   "--ask-password (or LUMIO_PASSWORD) to use another one for this run, or "
                                   "change it with: lumio-upload profile password \"%1\"")
                        .arg(profile.profname);
    return ConsoleOptions::ExitLoginRefused;
}

int ConsoleProfiles::list(const ConsoleOptions& options)
{
    ProfileSummaryMap summaries;
    ProfileStore::loadProfileSummaries(&summaries);
    for (const ProfileSummary& summary : summaries) {
        if (options.namesOnly) {
            printLine(summary.profname);
        } else if (options.json) {
            const QJsonObject object{{QStringLiteral("name"), summary.profname},
                                     {QStringLiteral("url"), baseUrlOf(summary)},
                                     {QStringLiteral("account"), summary.account},
                                     {QStringLiteral("password_remembered"), summary.savepass}};
            printLine(QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)));
        } else {
            printLine(summary.profname + QLatin1Char('\t') + baseUrlOf(summary) + QLatin1Char('\t') +
                      summary.account + QLatin1Char('\t') +
                      (summary.savepass ? QStringLiteral("password remembered")
                                        : QStringLiteral("password asked")));
        }
    }
    return ConsoleOptions::ExitSuccess;
}

int ConsoleProfiles::show(const ConsoleOptions& options)
{
    ServerProfile profile;
    if (const int status = loadNamed(options.profile, &profile); status != ConsoleOptions::ExitSuccess)
        return status;
    const QString album = ConsoleOptions::normalisedAlbum(profile.serverdst);
    const QJsonObject object{{QStringLiteral("name"), profile.profname},
                             {QStringLiteral("url"), profile.baseUrl},
                             {QStringLiteral("host"), profile.hostaddr},
                             {QStringLiteral("port"), profile.port},
                             {QStringLiteral("https"), profile.https},
                             {QStringLiteral("account"), profile.account},
                             {QStringLiteral("personal"), profile.personal},
                             {QStringLiteral("personal_user"), profile.usrname},
                             {QStringLiteral("password_remembered"), profile.savepass},
                             {QStringLiteral("album"), album.isEmpty() ? kPhotoRoot : album},
                             {QStringLiteral("duplicates"), profile.duphandler.toLower()},
                             {QStringLiteral("skip_uploaded"), profile.incbackup},
                             {QStringLiteral("supported_only"), profile.idxonly},
                             {QStringLiteral("rename_by_date"), profile.daterename},
                             {QStringLiteral("certificate"), profile.certpin}};
    if (options.json) {
        printLine(QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)));
        return ConsoleOptions::ExitSuccess;
    }
    const auto yesNo = [](bool value) { return value ? QStringLiteral("yes") : QStringLiteral("no"); };
    printLine(QStringLiteral("Name:       ") + profile.profname);
    printLine(QStringLiteral("Server:     ") + profile.baseUrl);
    printLine(QStringLiteral("Account:    ") + profile.account);
    printLine(QStringLiteral("Upload to:  ") +
              (profile.personal ? QStringLiteral("personal Lumio of %1").arg(profile.usrname)
                                : QStringLiteral("Lumio")));
    printLine(QStringLiteral("Password:   ") +
              (profile.savepass ? QStringLiteral("remembered") : QStringLiteral("asked at every upload")));
    printLine(QStringLiteral("Album:      ") + object.value(QStringLiteral("album")).toString());
    printLine(QStringLiteral("Duplicates: ") + profile.duphandler.toLower());
    printLine(QStringLiteral("Skip files uploaded before: ") + yesNo(profile.incbackup));
    printLine(QStringLiteral("Supported files only:       ") + yesNo(profile.idxonly));
    printLine(QStringLiteral("Rename by capture time:     ") + yesNo(profile.daterename));
    if (!profile.certpin.isEmpty())
        printLine(QStringLiteral("Certificate: SHA-256 ") + profile.certpin);
    return ConsoleOptions::ExitSuccess;
}

int ConsoleProfiles::add(const ConsoleOptions& options)
{
    const ConsoleOptions::ProfileEntries& wanted = options.entries;
    const bool https = wanted.https.value_or(false);
    ProfileRules::Entries entries;
    entries.name = options.profile;
    entries.host = wanted.host.value_or(QString());
    // The wizard's port follows the HTTPS box.
    entries.port = wanted.port.value_or(https ? QStringLiteral("443") : QStringLiteral("80"));
    entries.personal = wanted.personal.value_or(false);
    entries.account = wanted.account.value_or(QString());
    entries.personalName = wanted.personalName.value_or(entries.personal ? entries.account : QString());
    const int status = checkEntries(entries, QString());
    if (status != ConsoleOptions::ExitSuccess)
        return status;

    const bool remember = wanted.rememberPassword.value_or(true);
    QString password;
    QString error;
    if (remember && !readPassword(options, entries.account, &password, &error))
        return failWith(ConsoleOptions::ExitUsage, error);

    ServerProfile profile;
    profile.setAll(entries.name, entries.host, entries.port.toInt(), https, entries.account, password,
                   remember, entries.personal ? entries.personalName : QString(), entries.personal, true,
                   true, true, QStringLiteral("RENAME"), QString(), {});
    // As the wizard: a remembered password is checked by logging in; an asked one is checked at use.
    if (remember && wanted.check) {
        QString message;
        const int login = checkLogin(&profile, false, &message);
        if (login != ConsoleOptions::ExitSuccess)
            return failWith(login, message + QStringLiteral(" The profile was not stored."));
    }
    ProfileStore::createProfile(profile);
    if (!nameExists(profile.profname))
        return storeFailure(QStringLiteral("store profile \"%1\"").arg(profile.profname));
    if (!wanted.album.isEmpty())
        ProfileStore::setProfileColumn(QStringLiteral("ServerProfiles"), profile.profname,
                                       QStringLiteral("serverdst"), wanted.album);
    printLine(QStringLiteral("Profile \"%1\" stored: %2, account %3.")
                  .arg(profile.profname, profile.baseUrl, profile.account));
    return ConsoleOptions::ExitSuccess;
}

int ConsoleProfiles::edit(const ConsoleOptions& options)
{
    QString message;
    if (!resolveName(options.profile, &message))
        return failWith(ConsoleOptions::ExitUsage, message);
    ProfileSummaryMap summaries;
    ProfileStore::loadProfileSummaries(&summaries);
    const ProfileSummary old = summaries.value(options.profile);
    const ConsoleOptions::ProfileEntries& wanted = options.entries;

    ProfileRules::Entries entries;
    entries.name = wanted.rename.isEmpty() ? old.profname : wanted.rename;
    entries.host = wanted.host.value_or(old.hostaddr);
    const bool https = wanted.https.value_or(old.https);
    // Like the settings dialog, HTTPS alone keeps the port.
    entries.port = wanted.port.value_or(QString::number(old.port));
    entries.personal = wanted.personal.value_or(old.personal);
    entries.account = wanted.account.value_or(old.account);
    entries.personalName = wanted.personalName.value_or(
        entries.personal ? (old.personal ? old.usrname : entries.account) : QString());
    const int status = checkEntries(entries, old.profname);
    if (status != ConsoleOptions::ExitSuccess)
        return status;

    ProfileSummary summary = old;
    summary.profname = entries.name;
    summary.hostaddr = entries.host;
    summary.port = entries.port.toInt();
    summary.https = https;
    summary.personal = entries.personal;
    summary.usrname = entries.personalName;
    summary.account = entries.account;
    summary.savepass = wanted.rememberPassword.value_or(old.savepass);
    const bool connectionChanged = summary.hostaddr != old.hostaddr || summary.port != old.port ||
                                   summary.https != old.https || summary.personal != old.personal ||
                                   summary.usrname != old.usrname || summary.account != old.account;
    QString error;
    if (!summary.savepass) {
        summary.password.clear();
    } else if (options.passwordStdin || !old.savepass) {
        if (!readPassword(options, summary.account, &summary.password, &error))
            return failWith(ConsoleOptions::ExitUsage, error);
    }
    if (summary.savepass && wanted.check && (connectionChanged || summary.password != old.password)) {
        ServerProfile profile;
        ProfileStore::loadProfile(old.profname, &profile);
        profile.setAll(summary.profname, summary.hostaddr, summary.port, summary.https, summary.account,
                       summary.password, true, summary.usrname, summary.personal, profile.idxonly,
                       profile.incbackup, profile.daterename, profile.duphandler, profile.serverdst,
                       profile.qualities);
        QString failure;
        const int login = checkLogin(&profile, false, &failure);
        if (login != ConsoleOptions::ExitSuccess)
            return failWith(login, failure + QStringLiteral(" The profile was not changed."));
    }

    // The destination album belongs to one site, as in the settings dialog.
    const QString site = summary.personal ? summary.usrname : QString();
    const QString oldSite = old.personal ? old.usrname : QString();
    if (summary.hostaddr != old.hostaddr || summary.personal != old.personal || site != oldSite)
        ProfileStore::setProfileColumn(QStringLiteral("ServerProfiles"), old.profname,
                                       QStringLiteral("serverdst"), kPhotoRoot);
    ProfileStore::updateProfileSummary(old.profname, summary);
    if (!nameExists(summary.profname))
        return storeFailure(QStringLiteral("change profile \"%1\"").arg(old.profname));
    if (!wanted.album.isEmpty())
        ProfileStore::setProfileColumn(QStringLiteral("ServerProfiles"), summary.profname,
                                       QStringLiteral("serverdst"), wanted.album);
    printLine(QStringLiteral("Profile \"%1\" changed: %2, account %3.")
                  .arg(summary.profname, baseUrlOf(summary), summary.account));
    if (summary.profname != old.profname && !followWatch(old.profname, summary.profname))
        return ConsoleOptions::ExitFailure;
    return ConsoleOptions::ExitSuccess;
}

int ConsoleProfiles::remove(const ConsoleOptions& options)
{
    QString message;
    if (!resolveName(options.profile, &message))
        return failWith(ConsoleOptions::ExitUsage, message);
    if (!options.assumeYes) {
        const int answer =
            Prompter::instance()->showMessage(nullptr, Prompter::Icon::Warning, tx(TextId::err_warning),
                                              tx(TextId::msg_cfrm_remove_prof).arg(options.profile),
                                              {tx(TextId::btn_yes), tx(TextId::btn_no)}, 1);
        if (answer < 0)
            return failWith(
                ConsoleOptions::ExitUsage,
                QStringLiteral("profile \"%1\" was not removed: confirm on a terminal, or give --yes")
                    .arg(options.profile));
        if (answer != 0)
            return failWith(ConsoleOptions::ExitFailure,
                            QStringLiteral("profile \"%1\" was not removed").arg(options.profile));
    }
    ProfileStore::removeProfile(options.profile);
    if (nameExists(options.profile))
        return storeFailure(QStringLiteral("remove profile \"%1\"").arg(options.profile));
    printLine(QStringLiteral("Profile \"%1\" removed, with its upload records.").arg(options.profile));
    if (!followWatch(options.profile, QString()))
        return ConsoleOptions::ExitFailure;
    return ConsoleOptions::ExitSuccess;
}

int ConsoleProfiles::password(const ConsoleOptions& options)
{
    ServerProfile profile;
    if (const int status = loadNamed(options.profile, &profile); status != ConsoleOptions::ExitSuccess)
        return status;
    QString message;
    QString password;
    if (!readPassword(options, profile.account, &password, &message))
        return failWith(ConsoleOptions::ExitUsage, message);
    profile.password = password;
    profile.savepass = true;
    if (options.entries.check) {
        const int login = checkLogin(&profile, false, &message);
        if (login != ConsoleOptions::ExitSuccess)
            return failWith(login, message + QStringLiteral(" The password was not changed."));
    }
    ProfileSummaryMap summaries;
    ProfileStore::loadProfileSummaries(&summaries);
    ProfileSummary summary = summaries.value(options.profile);
    summary.password = password;
    summary.savepass = true;
    ProfileStore::updateProfileSummary(options.profile, summary);
    ProfileSummaryMap after;
    ProfileStore::loadProfileSummaries(&after);
    if (!after.value(options.profile).savepass || after.value(options.profile).password != password)
        return storeFailure(QStringLiteral("change the password of profile \"%1\"").arg(options.profile));
    printLine(QStringLiteral("The password of profile \"%1\" is remembered.").arg(options.profile));
    return ConsoleOptions::ExitSuccess;
}

bool ConsoleProfiles::seedDemo(int port)
{
    const QString name = QLatin1String(kDemoProfile);
    ServerProfile wanted;
    wanted.setAll(name, QStringLiteral("127.0.0.1"), port, false, QStringLiteral("demo"),
                  QStringLiteral("demo"), true, QString(), false, true, true, true, QStringLiteral("RENAME"),
                  QString(), {1});
    ProfileSummaryMap summaries;
    ProfileStore::loadProfileSummaries(&summaries);
    if (!summaries.contains(name)) {
        ProfileStore::createProfile(wanted);
        printLine(wanted.baseUrl);
        return true;
    }
    printLine(baseUrlOf(summaries.value(name)));
    return baseUrlOf(summaries.value(name)) == wanted.baseUrl;
}
