#include "ServerProfile.h"

#include <QUrl>

void ServerProfile::setAll(const QString& profname_, const QString& hostaddr_, int port_, bool https_,
                           const QString& account_, const QString& password_, bool savepass_,
                           const QString& usrname_, bool personal_, bool idxonly_, bool incbackup_,
                           bool daterename_, const QString& duphandler_, const QString& serverdst_,
                           const QList<int>& qualities_)
{
    profname = profname_;
    hostaddr = hostaddr_;
    port = port_;
    https = https_;
    account = account_;
    password = password_;
    savepass = savepass_;
    usrname = usrname_;
    personal = personal_;
    idxonly = idxonly_;
    incbackup = incbackup_;
    daterename = daterename_;
    duphandler = duphandler_;
    serverdst = serverdst_;
    qualities = qualities_;
    baseUrl = computeBaseUrl(*this);
}

QString ServerProfile::computeBaseUrl(const ServerProfile& profile)
{
    const QString scheme = profile.https ? QStringLiteral("https://") : QStringLiteral("http://");
    if (!profile.personal)
        return scheme + QStringLiteral("%1:%2").arg(profile.hostaddr).arg(profile.port);
    return scheme + QStringLiteral("%1:%2/~%3")
                        .arg(profile.hostaddr)
                        .arg(profile.port)
                        .arg(QString::fromLatin1(QUrl::toPercentEncoding(profile.usrname)));
}
