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
    // The shell hand-over file: runtime folder + "/FileList".
    static QString fileListPath();

    // This user's folder for the lock, the hand-over files and the work files:
    // $XDG_RUNTIME_DIR/lumio-uploader, else $TMPDIR (or /tmp) + "/lumio-uploader-<uid>".
    static QString runtimeFolder();
    // Creates the runtime folder (mode 0700) or checks the one there: a real folder, owned by this
    // user, closed to group and others. Otherwise false, with the reason in *reason.
    static bool ensureRuntimeFolder(QString* reason);

    static QString defaultTempRootFolder();
    static QString tempRootFolder();
    static QString autoPlayFolder();
    // Makes the temporary root and its AutoPlay folder (mode 0700) inside a sound runtime folder.
    static bool ensureAutoPlayFolder();
    // Empties the temporary root (or creates it, mode 0700) and makes its absolute path the
    // process-wide one. Work files of other copies of the program that are still running are left
    // alone. False when the runtime folder is refused or the root cannot be made.
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
