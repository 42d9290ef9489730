#pragma once

#include <QString>

// Remembered passwords in the desktop keyring (the Secret Service: GNOME Keyring, KWallet,
// KeePassXC), one entry per profile name under the service "Lumio Uploader". Every call waits for the
// keyring at most kTimeoutMs; a keyring that does not answer counts as absent for the rest of the run.
class PasswordVault
{
public:
    // True when a keyring answered; asked once per run.
    static bool isAvailable();
    // True with the password when the profile has an entry.
    static bool read(const QString& profileName, QString* password);
    static bool write(const QString& profileName, const QString& password);
    // True when no entry is left (also when there was none).
    static bool remove(const QString& profileName);

    static constexpr int kTimeoutMs = 5000;

private:
    enum class Result
    {
        Done,
        NotFound,
        Failed
    };
    enum class Action
    {
        Read,
        Write,
        Remove
    };
    static Result run(Action action, const QString& key, QString* text);
};
