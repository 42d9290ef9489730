#pragma once

#include "FaultRule.h"

#include <QJsonObject>
#include <QMap>
#include <QString>
#include <QStringList>

// Everything the server pretends to be: accounts, service switches, folders, albums and injected faults.
// Read from a JSON file, changed by command-line flags and at run time by the control endpoint.
class ServerConfig
{
public:
    class Account
    {
    public:
        QString password;
        bool admin = false;
        bool disabled = false;
        bool photoUser = true;
        bool loginNoPrivilege = false;
        bool personal = false; // has a personal Lumio under "/~" + name
    };

    QString root;  // photo shared folder on disk
    QString homes; // personal Lumio folders: homes/<account>
    bool runPhoto = true;
    bool hasPhotoRootPath = true;
    bool secureCookie = false; // the session cookie carries "Secure"
    QMap<QString, Account> accounts;
    QStringList rootUploaders;         // accounts that may upload anywhere in the photo root
    QMap<QString, QStringList> albums; // album path -> accounts that may upload into it ("*": all)
    QMap<QString, FaultRule> faults;   // endpoint name -> rule

    static const QStringList& endpointNames();
    // One account "demo" (password "demo", personal Lumio on) who may upload anywhere, and the album "Demo".
    static ServerConfig demo();

    // Replaces the settings present in json, leaving the others; relative folders are taken from baseDir.
    bool merge(const QJsonObject& json, const QString& baseDir, QString* error);
    // "endpoint.key=value" from the command line.
    bool applyFaultFlag(const QString& flag, QString* error);
    QJsonObject toJson() const;

    // Folder paths (relative to the site's root, "" = root) the account may upload into: its own
    // albums and the root for root uploaders; everything below a granted folder is granted too.
    QStringList grantsOf(const QString& account) const;
};
