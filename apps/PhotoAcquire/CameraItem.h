#pragma once

#include <QString>

// One picture or video on a camera: the name it is offered and copied under, and where it lies.
struct CameraItem
{
    QString name;
    QString folder;
    QString fileName;
    QString size;
    QString modified;
};
