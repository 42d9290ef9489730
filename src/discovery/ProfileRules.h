#pragma once

#include "CFindHostUDP.h"

#include <QString>

class QObject;

// The checks a profile's connection entries pass before they are stored, shared by the create-profile
// wizard, the server settings dialog and the console. Refusals are told through Prompter.
class ProfileRules
{
public:
    // The entry that a refusal asks the user to correct.
    enum class Field
    {
        None,
        Server,
        Port,
        Name,
        PersonalName,
        Account
    };

    struct Entries
    {
        QString name;
        QString host;
        QString port;
        bool personal = false;
        QString personalName;
        QString account;
    };

    // Longest profile name and password the dialogs accept.
    static constexpr int kProfileNameLength = 32;
    static constexpr int kPasswordLength = 254;

    // An IPv4 address that names one host: at most 223.255.255.255, above 0.255.255.255, not loopback.
    static bool isUsableIPv4(const QString& text);
    // A decimal number from 1 to 65535.
    static bool isValidPort(const QString& text);
    // An address, or a name the resolver turns into at least one address.
    static bool isReachableName(const QString& text);
    // The server a typed entry names: by address when it is a usable IPv4 address, else by name.
    static const NASINFO* findServer(const NasInfoMap& serverMap, const QString& text);
    // Refuses a server that cannot take uploads and asks about one that is not set up. False stays.
    static bool confirmServer(QObject* parent, const NASINFO& server);

    // Every check of the server settings dialog in its order: the discovered server (when a map is
    // given), port, server name, a profile name taken by another profile (any letter case; currentName
    // is the profile being edited, empty for a new one), then the empty entries.
    static Field check(QObject* parent, const Entries& entries, const QString& currentName,
                       const NasInfoMap* servers);
};
