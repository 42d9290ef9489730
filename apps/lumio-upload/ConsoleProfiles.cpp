#include "ConsoleProfiles.h"

#include "ProfileStore.h"
#include "ServerProfile.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

namespace {

void printLine(const QString& line)
{
    fputs(line.toUtf8().constData(), stdout);
    fputc('\n', stdout);
}

} // namespace

void ConsoleProfiles::list(bool json)
{
    ProfileSummaryMap summaries;
    ProfileStore::loadProfileSummaries(&summaries);
    for (const ProfileSummary& summary : summaries) {
        ServerProfile profile;
        profile.setAll(summary.profname, summary.hostaddr, summary.port, summary.https, summary.account,
                       QString(), summary.savepass, summary.usrname, summary.personal, true, true, true,
                       QString(), QString(), {});
        if (json) {
            const QJsonObject object{{QStringLiteral("name"), summary.profname},
                                     {QStringLiteral("url"), profile.baseUrl},
                                     {QStringLiteral("account"), summary.account},
                                     {QStringLiteral("password_remembered"), summary.savepass}};
            printLine(QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)));
        } else {
            printLine(summary.profname + QLatin1Char('\t') + profile.baseUrl + QLatin1Char('\t') +
                      summary.account + QLatin1Char('\t') +
                      (summary.savepass ? QStringLiteral("password remembered")
                                        : QStringLiteral("password asked")));
        }
    }
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
    const ProfileSummary& stored = summaries.value(name);
    ServerProfile existing;
    existing.setAll(name, stored.hostaddr, stored.port, stored.https, stored.account, stored.password,
                    stored.savepass, stored.usrname, stored.personal, true, true, true, QString(), QString(),
                    {});
    printLine(existing.baseUrl);
    return existing.baseUrl == wanted.baseUrl;
}
