#include "MenuWriter.h"

#include "VexaLocale.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

// Files that carry this line were written here and may be replaced; anything else is the user's.
const char marker[] = "Written by lumio-send --update-menus";

const char mediaTypes[] = "image/*;video/*;";

bool writeText(const QString& path, const QString& text, bool executable)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QByteArray bytes = text.toUtf8();
    if (file.write(bytes) != bytes.size())
        return false;
    file.close();
    if (executable)
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeGroup |
                            QFileDevice::ExeOther);
    return true;
}

bool isOurs(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(4096).contains(marker);
}

void removeOurs(const QString& folder, const QStringList& patterns)
{
    const QDir dir(folder);
    for (const QString& name : dir.entryList(patterns, QDir::Files | QDir::Hidden)) {
        if (isOurs(dir.filePath(name)))
            QFile::remove(dir.filePath(name));
    }
}

// A menu text kept on one line of a key file.
QString oneLine(QString text)
{
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return text;
}

// A program path on an Exec line of a key file: quoted for the command line, then escaped for the
// key file itself.
QString execProgram(const QString& path)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9/._+-]+$"));
    if (plain.match(path).hasMatch())
        return path;
    QString quoted = path;
    for (const QChar special : {QLatin1Char('\\'), QLatin1Char('"'), QLatin1Char('`'), QLatin1Char('$')})
        quoted.replace(special, QStringLiteral("\\") + special);
    quoted = QLatin1Char('"') + quoted + QLatin1Char('"');
    quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    quoted.replace(QLatin1Char('%'), QStringLiteral("%%"));
    return quoted;
}

struct Entry
{
    QString title;
    QString arguments;
    bool withFiles;
};

QList<Entry> entries(const QStringList& profiles)
{
    QList<Entry> result;
    for (const QString& profile : profiles)
        result.append({profile, QStringLiteral("--profile-key ") + MenuWriter::profileKey(profile), true});
    result.append({tx(TextId::cxt_new_profile), QStringLiteral("--new"), true});
    result.append({tx(TextId::cxt_manage_profile), QStringLiteral("--manage"), false});
    return result;
}

} // namespace

int MenuWriter::installedFileManagers()
{
    int found = 0;
    if (!QStandardPaths::findExecutable(QStringLiteral("dolphin")).isEmpty())
        found |= Dolphin;
    if (!QStandardPaths::findExecutable(QStringLiteral("nemo")).isEmpty())
        found |= Nemo;
    if (!QStandardPaths::findExecutable(QStringLiteral("nautilus")).isEmpty())
        found |= Nautilus;
    return found;
}

bool MenuWriter::write(const QString& dataHome, const QStringList& profiles, const QString& sendCommand,
                       int fileManagers)
{
    bool ok = true;
    if (fileManagers & Dolphin)
        ok = writeDolphin(dataHome, profiles, sendCommand) && ok;
    if (fileManagers & Nemo)
        ok = writeNemo(dataHome, profiles, sendCommand) && ok;
    if (fileManagers & Nautilus)
        ok = writeNautilus(dataHome, profiles, sendCommand) && ok;
    return ok;
}

QString MenuWriter::profileKey(const QString& profileName)
{
    return QString::fromLatin1(profileName.toUtf8().toHex());
}

QString MenuWriter::profileName(const QString& profileKey)
{
    return QString::fromUtf8(QByteArray::fromHex(profileKey.toLatin1()));
}

bool MenuWriter::writeDolphin(const QString& dataHome, const QStringList& profiles,
                              const QString& sendCommand)
{
    const QString folder = dataHome + QStringLiteral("/kio/servicemenus");
    if (!QDir().mkpath(folder))
        return false;
    const QString path = folder + QStringLiteral("/lumio-upload-profiles.desktop");
    if (QFile::exists(path) && !isOurs(path))
        return false;
    const QList<Entry> menu = entries(profiles);
    QString actions;
    QString sections;
    for (int i = 0; i < menu.size(); ++i) {
        const Entry& entry = menu.at(i);
        const QString action = QStringLiteral("entry%1").arg(i);
        actions += action + QLatin1Char(';');
        sections += QStringLiteral("\n[Desktop Action %1]\nName=%2\nExec=%3 %4%5\n")
                        .arg(action, oneLine(entry.title), execProgram(sendCommand), entry.arguments,
                             entry.withFiles ? QStringLiteral(" -- %F") : QString());
    }
    const QString text =
        QStringLiteral("# %1\n[Desktop Entry]\nType=Service\nX-KDE-ServiceTypes=KonqPopupMenu/Plugin\n"
                       "MimeType=%2\nActions=%3\nX-KDE-Submenu=%4\nIcon=lumio-uploader\n")
            .arg(QString::fromLatin1(marker), QString::fromLatin1(mediaTypes), actions,
                 oneLine(tx(TextId::cxt_menu))) +
        sections;
    // Dolphin runs menus from the user's folder only when they are marked executable.
    return writeText(path, text, true);
}

bool MenuWriter::writeNemo(const QString& dataHome, const QStringList& profiles, const QString& sendCommand)
{
    const QString folder = dataHome + QStringLiteral("/nemo/actions");
    if (!QDir().mkpath(folder))
        return false;
    removeOurs(folder, {QStringLiteral("lumio-upload-*.nemo_action")});
    const QList<Entry> menu = entries(profiles);
    bool ok = true;
    for (int i = 0; i < menu.size(); ++i) {
        const Entry& entry = menu.at(i);
        // Nemo has no submenus for actions; the menu name leads every entry instead.
        const QString text =
            QStringLiteral(
                "# %1\n[Nemo Action]\nActive=true\nName=%2: %3\nExec=%4 %5%6\nIcon-Name=lumio-uploader\n"
                "Selection=%7\n%8\n")
                .arg(QString::fromLatin1(marker), oneLine(tx(TextId::cxt_menu)),
                     oneLine(entry.title).replace(QLatin1Char('%'), QStringLiteral("%%")),
                     execProgram(sendCommand), entry.arguments,
                     entry.withFiles ? QStringLiteral(" -- %F") : QString(),
                     entry.withFiles ? QStringLiteral("notnone") : QStringLiteral("any"),
                     entry.withFiles ? QStringLiteral("Mimetypes=") + QString::fromLatin1(mediaTypes)
                                     : QStringLiteral("Extensions=any;"));
        ok =
            writeText(folder + QStringLiteral("/lumio-upload-%1.nemo_action").arg(i, 3, 10, QLatin1Char('0')),
                      text, false) &&
            ok;
    }
    return ok;
}

bool MenuWriter::writeNautilus(const QString& dataHome, const QStringList& profiles,
                               const QString& sendCommand)
{
    // Nautilus shows a folder of its scripts folder as a submenu and each script by its file name.
    const QString folder = dataHome + QStringLiteral("/nautilus/scripts/") + oneLine(tx(TextId::cxt_menu));
    if (!QDir().mkpath(folder))
        return false;
    removeOurs(folder, {QStringLiteral("*")});
    const QList<Entry> menu = entries(profiles);
    bool ok = true;
    QStringList used;
    for (const Entry& entry : menu) {
        QString name = oneLine(entry.title);
        name.replace(QLatin1Char('/'), QChar(0x2215));
        if (name.startsWith(QLatin1Char('.')))
            name.prepend(QChar(0x2024));
        if (name.isEmpty() || used.contains(name) || QFile::exists(folder + QLatin1Char('/') + name))
            continue;
        used.append(name);
        QString quoted = sendCommand;
        quoted.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
        const QString text = QStringLiteral("#!/bin/sh\n# %1\nexec '%2' %3%4\n")
                                 .arg(QString::fromLatin1(marker), quoted, entry.arguments,
                                      entry.withFiles ? QStringLiteral(" -- \"$@\"") : QString());
        ok = writeText(folder + QLatin1Char('/') + name, text, true) && ok;
    }
    return ok;
}
