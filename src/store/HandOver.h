#pragma once

#include "DeviceItem.h"

#include <QStringList>

// The hand-over files shared with companion programs, and the device import through the
// companion executable "PhotoAcquire".
class HandOver
{
public:
    // The profile name at a shortcut index; the last name when the index is past the end.
    static QString shortcutEntry(int index);
    static QStringList shortcutNames();
    // The paths of "FileList"; warns and gives an empty list when it cannot be opened.
    static QStringList readFileList();
    // Every file below an absolute folder, sub-folders before a folder's own files, hidden ones left out.
    static QStringList collectFolderFiles(const QString& folder);

    static QString photoAcquirePath();
    // Replaces the companion beside the executable (tests use a scripted stand-in); empty restores it.
    static void setPhotoAcquirePath(const QString& path);
    // Runs the companion with "0" and reads "DeviceList": ids and display texts of equal length.
    static void listDevices(QStringList* ids, QStringList* displayTexts);
    // Imports a device's items into the AutoPlay folder; items lists the imported names. Returns true
    // when some item was skipped as uploaded before.
    static bool importDeviceItems(const QString& profileName, const QString& deviceId, bool skipUploaded,
                                  QStringList* items, DeviceImportMap* map);

private:
    enum class Wait
    {
        Blocking,
        Responsive
    };
    static void runCompanion(const QStringList& arguments, Wait wait);
};
