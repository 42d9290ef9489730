#pragma once

#include <QMap>
#include <QString>

// The connection fields of one stored profile, as the profile list shows and edits them.
struct ProfileSummary
{
    int port = 0;
    bool https = false;
    bool savepass = false;
    bool personal = false;
    QString profname;
    QString hostaddr;
    QString usrname;
    QString account;
    QString password;
};

// Summaries by profile name, in ascending key order.
using ProfileSummaryMap = QMap<QString, ProfileSummary>;
