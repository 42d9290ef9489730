#pragma once

#include <QStringList>

// Writes the per-user "Upload to Lumio" menus of the file managers, one entry per saved profile in
// shortcut order, then "Create new profile" and "Manage profiles". Dolphin, Nemo and Nautilus read
// these files whenever they show a menu, so rewriting them after a profile change is all it takes.
class MenuWriter
{
public:
    enum FileManager
    {
        Dolphin = 1,
        Nemo = 2,
        Nautilus = 4
    };

    // The file managers found on the search path, as FileManager flags.
    static int installedFileManagers();
    // Rewrites the menus below a data home (~/.local/share) for the given file managers, removing the
    // entries of profiles that are gone. sendCommand is the absolute path of lumio-send.
    static bool write(const QString& dataHome, const QStringList& profiles, const QString& sendCommand,
                      int fileManagers);

    // A profile name as the menus pass it on the command line: hexadecimal UTF-8, which needs no
    // quoting in any of the menu formats.
    static QString profileKey(const QString& profileName);
    static QString profileName(const QString& profileKey);

private:
    static bool writeDolphin(const QString& dataHome, const QStringList& profiles,
                             const QString& sendCommand);
    static bool writeNemo(const QString& dataHome, const QStringList& profiles, const QString& sendCommand);
    static bool writeNautilus(const QString& dataHome, const QStringList& profiles,
                              const QString& sendCommand);
};
