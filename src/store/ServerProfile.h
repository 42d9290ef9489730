#pragma once

#include <QList>
#include <QString>

// The one server profile of a run: where the server is, how to log in, where and how to upload.
// Passed by pointer to every dialog and worker that needs it; workers only read it.
class ServerProfile
{
public:
    bool https = false;
    bool savepass = false;
    bool personal = false;
    bool idxonly = true;
    bool incbackup = true;
    bool daterename = true;
    bool keepFolderStructure = true; // never stored
    int port = 0;
    QString profname;
    QString hostaddr;
    QString usrname;
    QString account;
    QString password;
    QString baseUrl; // derived by setAll()
    QString duphandler;
    QString serverdst;
    QList<int> qualities; // 0 high, 1 medium, 2 low, 3 mobile
    // SHA-256 of the server certificate trusted for this profile ("AB:CD:…"); empty while none is.
    QString certpin;
    // A profile stored before certificates were pinned: its first certificate is trusted with a notice.
    bool pinOnFirstUse = false;

    // Assigns every stored field (keepFolderStructure keeps its value) and recomputes baseUrl.
    void setAll(const QString& profname, const QString& hostaddr, int port, bool https,
                const QString& account, const QString& password, bool savepass, const QString& usrname,
                bool personal, bool idxonly, bool incbackup, bool daterename, const QString& duphandler,
                const QString& serverdst, const QList<int>& qualities);

    // "http(s)://host:port", plus "/~" and the percent-encoded user for a personal Lumio.
    static QString computeBaseUrl(const ServerProfile& profile);
};
