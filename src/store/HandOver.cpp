#include "HandOver.h"

#include "AppPaths.h"
#include "ProfileStore.h"
#include "Prompter.h"
#include "Utf16File.h"
#include "VexaLocale.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

QString HandOver::shortcutEntry(int index)
{
    QStringList lines;
    if (!Utf16File::readLines(AppPaths::dataFile(QStringLiteral("ShortCutList")), &lines))
        return QString();
    const QStringList names = Utf16File::countedLines(lines);
    QString result;
    for (int i = 0; i < names.size(); ++i) {
        result = names.at(i);
        if (i == index)
            break;
    }
    return result;
}

QStringList HandOver::shortcutNames()
{
    QStringList lines;
    Utf16File::readLines(AppPaths::dataFile(QStringLiteral("ShortCutList")), &lines);
    return Utf16File::countedLines(lines);
}

QStringList HandOver::readFileList()
{
    QStringList lines;
    if (!Utf16File::readLines(AppPaths::fileListPath(), &lines)) {
        Prompter::inform(nullptr, Prompter::Icon::Warning, tx(TextId::err_warning),
                         tx(TextId::err_none_sel_file));
        return {};
    }
    return Utf16File::countedLines(lines);
}

QStringList HandOver::collectFolderFiles(const QString& folder)
{
    QStringList result;
    const QFileInfo info(folder);
    if (folder.isEmpty() || info.isRelative() || !info.isDir())
        return result;
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::Dirs | QDir::Files | QDir::Drives |
                                                                 QDir::NoSymLinks | QDir::NoDotAndDotDot,
                                                             QDir::Name | QDir::DirsFirst);
    for (const QFileInfo& entry : entries) {
        if (!entry.exists())
            continue;
        if (entry.isDir())
            result += collectFolderFiles(entry.absoluteFilePath());
        else
            result.append(entry.absoluteFilePath());
    }
    return result;
}

namespace {
QString g_companionOverride;
}

void HandOver::setPhotoAcquirePath(const QString& path)
{
    g_companionOverride = path;
}

QString HandOver::photoAcquirePath()
{
    if (!g_companionOverride.isEmpty())
        return g_companionOverride;
#ifdef Q_OS_WIN
    return QCoreApplication::applicationDirPath() + QLatin1String("/PhotoAcquire.exe");
#else
    return QCoreApplication::applicationDirPath() + QLatin1String("/PhotoAcquire");
#endif
}

void HandOver::runCompanion(const QStringList& arguments, Wait wait)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(photoAcquirePath(), arguments, QIODevice::ReadWrite);
    if (!process.waitForStarted())
        return;
    while (!process.waitForFinished(100)) {
        if (process.state() == QProcess::NotRunning)
            break;
        if (wait == Wait::Responsive)
            QCoreApplication::processEvents();
    }
}

void HandOver::listDevices(QStringList* ids, QStringList* displayTexts)
{
    ids->clear();
    displayTexts->clear();
    runCompanion({QStringLiteral("0")}, Wait::Blocking);
    QStringList lines;
    if (!Utf16File::readLines(AppPaths::dataFile(QStringLiteral("DeviceList")), &lines) || lines.isEmpty())
        return;
    const int count = lines.first().trimmed().toInt();
    for (int i = 0; i < count && 1 + 3 * i + 2 < lines.size(); ++i) {
        const int at = 1 + 3 * i;
        ids->append(lines.at(at));
        displayTexts->append(lines.at(at + 1) + QLatin1String(" ( ") + lines.at(at + 2) +
                             QLatin1String(" )"));
    }
}

bool HandOver::importDeviceItems(const QString& profileName, const QString& deviceId, bool skipUploaded,
                                 QStringList* items, DeviceImportMap* map)
{
    items->clear();
    bool skipped = false;
    runCompanion({QStringLiteral("1"), deviceId}, Wait::Blocking);

    const QString contentList = AppPaths::dataFile(QStringLiteral("ContentList"));
    QStringList lines;
    if (!Utf16File::readLines(contentList, &lines)) {
        Prompter::inform(nullptr, Prompter::Icon::Warning, tx(TextId::err_warning),
                         tx(TextId::err_none_sel_file));
    } else {
        for (int at = 0; at + 2 < lines.size(); at += 3) {
            QCoreApplication::processEvents();
            const QString& name = lines.at(at);
            const QString& size = lines.at(at + 1);
            const QString& modified = lines.at(at + 2);
            if (skipUploaded &&
                ProfileStore::deviceRecordExists(name, profileName, size, modified, deviceId)) {
                skipped = true;
                continue;
            }
            map->insert(name, DeviceItem{size, modified, deviceId});
            items->append(name);
        }
    }

    const QString importList = AppPaths::dataFile(QStringLiteral("ImportList"));
    Utf16File::writeLines(importList, *items);
    runCompanion({QStringLiteral("2"), deviceId}, Wait::Responsive);

    for (const QString& path : {importList, contentList}) {
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        QFile::remove(path);
    }
    return skipped;
}
