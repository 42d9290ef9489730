#pragma once

#include <QString>

class ConsoleOptions;
class SecurityConfirm;
class ServerProfile;

// The profile commands of lumio-upload (add, list, show, edit, remove, password) on the store the
// program's window uses, under the same rules, and the demonstration profile of scripts/run.sh. The
// profile store must be open. Each command returns its exit status.
class ConsoleProfiles
{
public:
    static constexpr const char* kDemoProfile = "Demo";

    // One line per profile (name, server address, account, whether the password is remembered), one
    // JSON object per profile, or with --names the names alone.
    static int list(const ConsoleOptions& options);
    static int show(const ConsoleOptions& options);
    static int add(const ConsoleOptions& options);
    static int edit(const ConsoleOptions& options);
    static int remove(const ConsoleOptions& options);
    static int password(const ConsoleOptions& options);
    // Creates the profile "Demo" for the reference server's demo account on 127.0.0.1:port when no
    // profile of that name exists. Prints the base URL the profile points at. False when the existing
    // profile points elsewhere.
    static bool seedDemo(int port);

    // True when a profile has exactly this name; else *message names the profiles there are and one
    // that differs only in letter case.
    static bool resolveName(const QString& name, QString* message);
    // The exit status and the console's message for a failed login: what failed, where, and what to do.
    static int loginFailure(const SecurityConfirm& login, const ServerProfile& profile,
                            bool rememberedPassword, QString* message);
};
