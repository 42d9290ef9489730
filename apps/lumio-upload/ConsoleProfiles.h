#pragma once

#include <QString>

// The profile commands of lumio-upload: listing the stored profiles and setting up the demonstration
// profile for scripts/run.sh. The profile store must be open.
class ConsoleProfiles
{
public:
    static constexpr const char* kDemoProfile = "Demo";

    // One line per profile (name, server address, account, whether the password is remembered), or
    // one JSON object per profile.
    static void list(bool json);
    // Creates the profile "Demo" for the reference server's demo account on 127.0.0.1:port when no
    // profile of that name exists. Prints the base URL the profile points at. False when the existing
    // profile points elsewhere.
    static bool seedDemo(int port);
};
