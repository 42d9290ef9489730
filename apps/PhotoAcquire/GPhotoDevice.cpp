#include "GPhotoDevice.h"

#include "FileTypes.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <gphoto2/gphoto2.h>

namespace {

// libgphoto2 lists a memory card mounted as a folder with the "Directory Browse" driver.
const char directoryBrowseModel[] = "Directory Browse";

QString modelForPort(const QString& port)
{
    for (const GPhotoDevice::Detected& camera : GPhotoDevice::detect()) {
        if (camera.port == port)
            return camera.model;
    }
    if (port.startsWith(QLatin1String("disk:")))
        return QString::fromLatin1(directoryBrowseModel);
    return QString();
}

bool isPictureOrVideo(const QString& fileName, const CameraFileInfo& info)
{
    if (info.file.fields & GP_FILE_INFO_TYPE) {
        const QString type = QString::fromLatin1(info.file.type);
        if (type.startsWith(QLatin1String("image/")) || type.startsWith(QLatin1String("video/")))
            return true;
    }
    return FileTypes::uploadClass(QFileInfo(fileName).suffix()) != FileTypes::UploadUnsupported;
}

} // namespace

QList<GPhotoDevice::Detected> GPhotoDevice::detect()
{
    QList<Detected> result;
    GPContext* context = gp_context_new();
    CameraList* list = nullptr;
    GPPortInfoList* ports = nullptr;
    if (gp_list_new(&list) == GP_OK && gp_camera_autodetect(list, context) >= GP_OK &&
        gp_port_info_list_new(&ports) == GP_OK && gp_port_info_list_load(ports) >= GP_OK) {
        for (int i = 0; i < gp_list_count(list); ++i) {
            const char* model = nullptr;
            const char* port = nullptr;
            gp_list_get_name(list, i, &model);
            gp_list_get_value(list, i, &port);
            Detected camera{QString::fromUtf8(port), QString::fromUtf8(model), QString()};
            GPPortInfo info;
            const int index = gp_port_info_list_lookup_path(ports, port);
            char* name = nullptr;
            if (index >= 0 && gp_port_info_list_get_info(ports, index, &info) == GP_OK &&
                gp_port_info_get_name(info, &name) == GP_OK)
                camera.portName = QString::fromUtf8(name);
            result.append(camera);
        }
    }
    if (ports)
        gp_port_info_list_free(ports);
    if (list)
        gp_list_free(list);
    gp_context_unref(context);
    return result;
}

GPhotoDevice::GPhotoDevice(const QString& port) : m_port(port), m_context(gp_context_new()) {}

GPhotoDevice::~GPhotoDevice()
{
    if (m_camera) {
        gp_camera_exit(m_camera, m_context);
        gp_camera_unref(m_camera);
    }
    gp_context_unref(m_context);
}

bool GPhotoDevice::open()
{
    const QString model = modelForPort(m_port);
    if (model.isEmpty() || gp_camera_new(&m_camera) != GP_OK)
        return false;

    CameraAbilitiesList* abilitiesList = nullptr;
    CameraAbilities abilities;
    bool ready = gp_abilities_list_new(&abilitiesList) == GP_OK &&
                 gp_abilities_list_load(abilitiesList, m_context) >= GP_OK;
    const int modelIndex =
        ready ? gp_abilities_list_lookup_model(abilitiesList, model.toUtf8().constData()) : -1;
    ready = modelIndex >= 0 &&
            gp_abilities_list_get_abilities(abilitiesList, modelIndex, &abilities) == GP_OK &&
            gp_camera_set_abilities(m_camera, abilities) == GP_OK;
    if (abilitiesList)
        gp_abilities_list_free(abilitiesList);

    GPPortInfoList* ports = nullptr;
    if (ready)
        ready = gp_port_info_list_new(&ports) == GP_OK && gp_port_info_list_load(ports) >= GP_OK;
    if (ready) {
        const int portIndex = gp_port_info_list_lookup_path(ports, m_port.toUtf8().constData());
        GPPortInfo info;
        ready = portIndex >= 0 && gp_port_info_list_get_info(ports, portIndex, &info) == GP_OK &&
                gp_camera_set_port_info(m_camera, info) == GP_OK;
    }
    if (ports)
        gp_port_info_list_free(ports);

    if (!ready || gp_camera_init(m_camera, m_context) < GP_OK) {
        gp_camera_unref(m_camera);
        m_camera = nullptr;
        return false;
    }
    return true;
}

QList<CameraItem> GPhotoDevice::items()
{
    QList<CameraItem> result;
    if (!m_camera)
        return result;
    collect(QStringLiteral("/"), &result);
    QSet<QString> taken;
    for (CameraItem& item : result) {
        item.name = item.fileName;
        if (taken.contains(item.name)) {
            QString prefix = item.folder.mid(1);
            prefix.replace(QLatin1Char('/'), QLatin1Char('_'));
            item.name = prefix + QLatin1Char('_') + item.fileName;
        }
        taken.insert(item.name);
    }
    return result;
}

void GPhotoDevice::collect(const QString& folder, QList<CameraItem>* items)
{
    const QByteArray folderPath = folder.toUtf8();
    CameraList* list = nullptr;
    if (gp_list_new(&list) != GP_OK)
        return;
    if (gp_camera_folder_list_files(m_camera, folderPath.constData(), list, m_context) >= GP_OK) {
        for (int i = 0; i < gp_list_count(list); ++i) {
            const char* name = nullptr;
            gp_list_get_name(list, i, &name);
            CameraFileInfo info;
            if (gp_camera_file_get_info(m_camera, folderPath.constData(), name, &info, m_context) < GP_OK)
                info.file.fields = GP_FILE_INFO_NONE;
            const QString fileName = QString::fromUtf8(name);
            if (!isPictureOrVideo(fileName, info))
                continue;
            CameraItem item;
            item.folder = folder;
            item.fileName = fileName;
            if (info.file.fields & GP_FILE_INFO_SIZE)
                item.size = QString::number(info.file.size);
            if (info.file.fields & GP_FILE_INFO_MTIME)
                item.modified = QDateTime::fromSecsSinceEpoch(info.file.mtime, Qt::UTC).toString(Qt::ISODate);
            items->append(item);
        }
    }
    gp_list_reset(list);
    QStringList subfolders;
    if (gp_camera_folder_list_folders(m_camera, folderPath.constData(), list, m_context) >= GP_OK) {
        for (int i = 0; i < gp_list_count(list); ++i) {
            const char* name = nullptr;
            gp_list_get_name(list, i, &name);
            subfolders.append(QString::fromUtf8(name));
        }
    }
    gp_list_free(list);
    const QString parent = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    for (const QString& name : subfolders)
        collect(parent + name, items);
}

bool GPhotoDevice::copy(const CameraItem& item, const QString& targetPath)
{
    CameraFile* file = nullptr;
    if (!m_camera || gp_file_new(&file) != GP_OK)
        return false;
    const bool copied =
        gp_camera_file_get(m_camera, item.folder.toUtf8().constData(), item.fileName.toUtf8().constData(),
                           GP_FILE_TYPE_NORMAL, file, m_context) >= GP_OK &&
        gp_file_save(file, QFile::encodeName(targetPath).constData()) >= GP_OK;
    gp_file_unref(file);
    return copied;
}
