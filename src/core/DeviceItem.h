#pragma once

#include <QHash>
#include <QString>

// What a camera listing says of one item; the uploader records it for the device-import mode.
struct DeviceItem
{
    QString size;
    QString modified;
    QString deviceId;
};

// Item name -> listing values, filled by the device import and read by the uploader.
using DeviceImportMap = QHash<QString, DeviceItem>;
