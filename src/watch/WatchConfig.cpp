#include "WatchConfig.h"

#include "WatchState.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>

namespace {

const QString kSuffix = QStringLiteral(".conf");

bool isYes(const QString& value)
{
    return value == QLatin1String("yes") || value == QLatin1String("true") || value == QLatin1String("1");
}

bool isNo(const QString& value)
{
    return value == QLatin1String("no") || value == QLatin1String("false") || value == QLatin1String("0");
}

} // namespace

const QStringList& WatchConfig::valuedKeys()
{
    static const QStringList keys{QStringLiteral("settle"),           QStringLiteral("album"),
                                  QStringLiteral("video-quality"),    QStringLiteral("duplicates"),
                                  QStringLiteral("retries"),          QStringLiteral("timeout"),
                                  QStringLiteral("trust-certificate")};
    return keys;
}

const QStringList& WatchConfig::flagKeys()
{
    static const QStringList keys{QStringLiteral("keep-structure"), QStringLiteral("flat"),
                                  QStringLiteral("rename-by-date"), QStringLiteral("keep-names"),
                                  QStringLiteral("all-files"),      QStringLiteral("verbose")};
    return keys;
}

QString WatchConfig::folder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Vexalon/lumio-upload");
}

QString WatchConfig::pathFor(const QString& profile)
{
    return folder() + QLatin1Char('/') + WatchState::fileNamePart(profile) + kSuffix;
}

QStringList WatchConfig::profiles()
{
    QStringList names;
    const QStringList files = QDir(folder()).entryList({QLatin1Char('*') + kSuffix}, QDir::Files, QDir::Name);
    for (const QString& file : files)
        names.append(QUrl::fromPercentEncoding(file.chopped(kSuffix.size()).toLatin1()));
    return names;
}

bool WatchConfig::setOption(const QString& key, const QString& value)
{
    if (flagKeys().contains(key)) {
        if (!isYes(value) && !isNo(value))
            return false;
    } else if (!valuedKeys().contains(key)) {
        return false;
    }
    for (auto& option : options) {
        if (option.first == key) {
            option.second = value;
            return true;
        }
    }
    options.append({key, value});
    return true;
}

bool WatchConfig::read(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    paths.clear();
    options.clear();
    int number = 0;
    while (!file.atEnd()) {
        ++number;
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const int equals = line.indexOf(QLatin1Char('='));
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        if (equals > 0 && key == QLatin1String("path") && !value.isEmpty()) {
            paths.append(value);
        } else if (equals <= 0 || !setOption(key, value)) {
            *error = QStringLiteral("%1:%2: not a known setting: %3").arg(path).arg(number).arg(line);
            return false;
        }
    }
    if (paths.isEmpty()) {
        *error = QStringLiteral("%1: no path= line names a folder to watch").arg(path);
        return false;
    }
    return true;
}

bool WatchConfig::write(const QString& path, QString* error) const
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        *error = QStringLiteral("cannot create the folder %1").arg(QFileInfo(path).absolutePath());
        return false;
    }
    QByteArray text = "# lumio-upload watch: one key=value a line; path= once per folder.\n";
    for (const QString& folder : paths)
        text += "path=" + folder.toUtf8() + '\n';
    for (const auto& option : options)
        text += option.first.toUtf8() + '=' + option.second.toUtf8() + '\n';
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

QStringList WatchConfig::arguments(const QString& profile) const
{
    QStringList arguments{QStringLiteral("--profile"), profile, QStringLiteral("--watch")};
    for (const auto& option : options) {
        if (flagKeys().contains(option.first)) {
            if (isYes(option.second))
                arguments.append(QStringLiteral("--") + option.first);
        } else {
            arguments << QStringLiteral("--") + option.first << option.second;
        }
    }
    // Paths after "--" stay paths whatever their names.
    arguments.append(QStringLiteral("--"));
    arguments.append(paths);
    return arguments;
}
