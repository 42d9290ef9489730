#pragma once

#include <QString>
#include <QStringList>

// The photo folder on disk. An original lies at <root>/<album path>/<name>; its renditions lie in
// <album folder>/.@__thumb/<name>/<TYPE>.jpg (thumbnails) or <TYPE>.mp4 (videos). Renditions arrive
// before their original and wait in <album folder>/.@__thumb/.incoming/<session>/<name>/ until the
// original is stored and its final name is known. Paths from clients are checked here so that nothing
// reaches outside the root.
class PhotoStore
{
public:
    static QString thumbFolderName();

    // One visible path component: not empty, not hidden (leading "."), no "/", "\", NUL or control
    // characters.
    static bool isLegalName(const QString& name);
    // A new folder name: a legal name without : * ? " < > | and not ending in a blank or a dot.
    static bool isLegalFolderName(const QString& name);
    // "" (the root) or legal names joined by single slashes.
    static bool isLegalPath(const QString& path);

    // The absolute folder for an album path, or an empty string when the path is illegal, the folder is
    // missing, or a link leads it outside the root.
    static QString existingFolder(const QString& root, const QString& path);
    // Visible sub-folder names of a folder, sorted.
    static QStringList subFolders(const QString& folder);
    // Album paths of the visible folders down to the given depth, sorted.
    static QStringList albumPaths(const QString& root, int depth);

    // "THUM_B.jpg" for a thumbnail type, "MP4_HIGH.mp4" for a video type, empty for anything else.
    static QString renditionFileName(const QString& uploadType);
    static QString renditionFolder(const QString& folder, const QString& name);
    static QString stagingFolder(const QString& folder, const QString& session, const QString& name);
    // Makes the staged renditions those of the stored original, dropping renditions it had before.
    static bool adoptRenditions(const QString& staging, const QString& target);
    // "IMG.jpg", 2 -> "IMG_2.jpg"; "README", 1 -> "README_1".
    static QString numberedName(const QString& name, int number);
};
