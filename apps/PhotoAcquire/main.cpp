// Device-import companion on libgphoto2. "0" lists the attached cameras in "DeviceList", "1" port
// lists a camera's pictures and videos in "ContentList", "2" port copies the items named in
// "ImportList" into the AutoPlay folder. With no camera attached the lists are simply empty.
#include "AppPaths.h"
#include "Diagnostics.h"
#include "GPhotoDevice.h"
#include "Utf16File.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QSet>

namespace {

QString dataFile(const char* name)
{
    return AppPaths::dataFile(QString::fromLatin1(name));
}

int writeDeviceList()
{
    const QList<GPhotoDevice::Detected> cameras = GPhotoDevice::detect();
    QStringList lines{QString::number(cameras.size())};
    for (const GPhotoDevice::Detected& camera : cameras)
        lines << camera.port << camera.model << (camera.portName.isEmpty() ? camera.port : camera.portName);
    return Utf16File::writeLines(dataFile("DeviceList"), lines) ? 0 : 1;
}

int writeContentList(const QString& port)
{
    GPhotoDevice device(port);
    QStringList lines;
    if (device.open()) {
        for (const CameraItem& item : device.items())
            lines << item.name << item.size << item.modified;
    }
    return Utf16File::writeLines(dataFile("ContentList"), lines) ? 0 : 1;
}

int importItems(const QString& port)
{
    QStringList wanted;
    Utf16File::readLines(dataFile("ImportList"), &wanted);
    const QSet<QString> names(wanted.cbegin(), wanted.cend());
    GPhotoDevice device(port);
    if (!device.open())
        return 1;
    const QString target = AppPaths::autoPlayFolder();
    if (!AppPaths::ensureAutoPlayFolder())
        return 1;
    int failures = 0;
    // Only names the camera itself offers are copied, so a name can never lead outside the folder;
    // an entry of that name already there goes first, so a link cannot redirect the copy.
    for (const CameraItem& item : device.items()) {
        if (!names.contains(item.name))
            continue;
        const QString path = target + QLatin1Char('/') + item.name;
        QFile::remove(path);
        if (!device.copy(item, path))
            ++failures;
    }
    return failures == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Vexalon"));
    QCoreApplication::setApplicationName(QStringLiteral("Lumio Uploader"));
    QStringList args = QCoreApplication::arguments();
    Diagnostics::setUp(Diagnostics::takeVerbose(&args));
    QDir().mkpath(AppPaths::dataFolder());
    const QString call = args.value(1);
    if (call == QLatin1String("0"))
        return writeDeviceList();
    if (call == QLatin1String("1") && args.size() > 2)
        return writeContentList(args.at(2));
    if (call == QLatin1String("2") && args.size() > 2)
        return importItems(args.at(2));
    return 2;
}
