#pragma once

#include <QString>

class QDir;
class QFileInfo;

// The folders and work-file names the program uses. The temporary root is fixed when the upload wizard
// prepares it; until then it is the default below the system temporary folder.
class AppPaths
{
public:
    // Per-user data folder: generic data location + "//Vexalon//Lumio Uploader".
    static QString dataFolder();
    // A file in the data folder, joined with "//".
    static QString dataFile(const QString& name);
    // The shell hand-over file: system temporary folder + "//FileList".
    static QString fileListPath();

    static QString defaultTempRootFolder();
    static QString tempRootFolder();
    static QString autoPlayFolder();
    // Empties the temporary root (or creates it) and makes its absolute path the process-wide one.
    // Work files of other copies of the program that are still running are left alone.
    static bool prepareTempRootFolder();
    // Removes this run's work files, and those of copies that are no longer running, from the
    // temporary root.
    static bool removeWorkFiles();

    // Deletes everything inside a folder, depth first, hidden files included; stops at the first entry
    // that cannot be removed. The folder itself stays. Returns false when something was left behind.
    static bool removeFolderContents(const QString& folder);

    // Process-wide file sequence: 1, 2, 3, ... drawn atomically by the converter threads.
    static int nextFileSequence();
    static void resetFileSequence();
    // temporary root + "/" + process id + "_" + sequence number
    static QString workPrefix(int sequence);

private:
    // Deletes one entry of dir: a file, or a folder after emptying it.
    static bool removeEntry(QDir* dir, const QFileInfo& entry);
};
