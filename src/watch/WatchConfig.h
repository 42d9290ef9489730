#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// The folders and upload options a background watcher of one profile uses, kept in
// <config folder>/Vexalon/lumio-upload/<profile>.conf as key=value lines: "path" once per folder, the
// others named after lumio-upload's long options ("settle=30", "album=/photo/phone", "flat=yes").
// Lines starting with "#" and blank lines are ignored.
class WatchConfig
{
public:
    // The options a config may carry; flags take yes or no.
    static const QStringList& valuedKeys();
    static const QStringList& flagKeys();

    static QString folder();
    static QString pathFor(const QString& profile);
    // Profiles with a config file, by the file names.
    static QStringList profiles();

    // False with *error naming the file and line at fault.
    bool read(const QString& path, QString* error);
    bool write(const QString& path, QString* error) const;

    // Sets a known option; false for an unknown key or a flag value other than yes/no.
    bool setOption(const QString& key, const QString& value);
    // The command line of the watcher: --profile, --watch, the options and the paths.
    QStringList arguments(const QString& profile) const;

    QStringList paths;
    QList<QPair<QString, QString>> options;
};
