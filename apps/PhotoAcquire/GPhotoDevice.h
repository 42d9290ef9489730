#pragma once

#include "CameraItem.h"

#include <QList>
#include <QString>

struct _Camera;
struct _GPContext;

// A camera reached through libgphoto2, identified by its port ("usb:001,004", "disk:/media/card").
class GPhotoDevice
{
public:
    struct Detected
    {
        QString port;
        QString model;
        QString portName;
    };
    // The cameras attached now; empty when there are none or libgphoto2 finds no drivers.
    static QList<Detected> detect();

    explicit GPhotoDevice(const QString& port);
    ~GPhotoDevice();
    GPhotoDevice(const GPhotoDevice&) = delete;
    GPhotoDevice& operator=(const GPhotoDevice&) = delete;

    bool open();
    // Every picture and video below the root, folders in the camera's order. A file name met a second
    // time gets its folder path put in front, so that every item name is unique and can be copied into
    // one folder.
    QList<CameraItem> items();
    bool copy(const CameraItem& item, const QString& targetPath);

private:
    void collect(const QString& folder, QList<CameraItem>* items);

    QString m_port;
    _Camera* m_camera = nullptr;
    _GPContext* m_context = nullptr;
};
