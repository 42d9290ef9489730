#pragma once

#include <QStringList>

// What the file-manager menu offers under "Upload to Lumio": the saved profiles in shortcut order,
// then "Create new profile" and "Manage profiles", and the uploader command line each entry starts.
class SendChoice
{
public:
    // Menu texts, one per row: the profile names of "ShortCutList", then the two fixed entries.
    static QStringList menuEntries();
    // The menu row of a saved profile; -1 when no profile has that name.
    static int rowOfProfile(const QString& name);
    // Asks which menu entry to use, one button per entry and a cancel button; -1 when cancelled.
    static int askRow(const QStringList& entries);
    // Uploader arguments for a menu row; empty when the row is not on the menu.
    static QStringList uploaderArguments(int row, int profileCount);
    // Whether a menu row needs the selected files handed over first.
    static bool needsFileList(int row, int profileCount);
};
