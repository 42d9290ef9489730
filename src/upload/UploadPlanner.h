#pragma once

#include "UploadQueue.h"

#include <QDateTime>
#include <QSet>

#include <functional>

class QNetworkReply;

// Turns a selection into the list of entries to upload and reduces it to what still needs sending:
// shared by the upload wizard and the console uploader.
class UploadPlanner
{
public:
    struct Options
    {
        bool supportedOnly = true;
        bool keepFolderStructure = true;
        QString targetFolder; // relative to the photo root, "" for the root
        // Globs matched, ignoring case, against a file's name and its path below the selected folder
        // ("Inner/a.jpg"); "*" and "?" do not match "/". With includes a file must match one of them;
        // an exclude leaves out a file, or a folder with everything below it.
        QStringList includes;
        QStringList excludes;
        QDateTime newerThan; // files modified at or before it are left out; invalid: no limit
    };

    // What the server said of the item keys it was shown.
    struct InitReply
    {
        QSet<QString> duplicated;
        QSet<QString> noPrivilege;
        QString errorText; // empty on success; only ever logged
    };

    // Files and folders of the selection in order; folders are scanned recursively, hidden entries
    // skipped. hasVideo is set when any video was met. Unsupported files left out (supportedOnly) are
    // added to *unsupported, files the filters leave out to *filtered, when given. With filters, a
    // folder left with no file below it is not listed either: it would become an empty album.
    static QList<ConversionEntry> buildList(const QStringList& sources, const Options& options,
                                            bool* hasVideo, QStringList* unsupported = nullptr,
                                            QStringList* filtered = nullptr);

    // Some files below one selected folder, entered as buildList({root}) enters them: with the folder
    // structure kept, the folders on their way (root included) come first, each once. Files not below
    // root or below a hidden folder are left out.
    static QList<ConversionEntry> buildListBelow(const QString& root, const QStringList& files,
                                                 const Options& options, bool* hasVideo,
                                                 QStringList* unsupported = nullptr);

    // Drops files whose fingerprint is recorded as uploaded with this profile; folders stay.
    // betweenFiles runs before each file (the wizard keeps its window responsive with it); when it
    // answers false the scan ends there and the list stays as it was. The dropped entries are added to
    // *dropped when given.
    static bool dropUploaded(QList<ConversionEntry>* list, const QString& profileName,
                             const std::function<bool()>& betweenFiles = {},
                             QList<ConversionEntry>* dropped = nullptr);

    // "/" + target folder + "/" + the entry's file or folder name, in form C.
    static QString itemKey(const ConversionEntry& entry);
    static QString boundary(const QDateTime& now);
    static QByteArray initBody(const QList<ConversionEntry>& list, const QString& boundary);
    static QByteArray initBodyForKeys(const QStringList& keys, const QString& boundary);
    static QByteArray initContentType(const QString& boundary);
    static InitReply evaluateInitReply(QNetworkReply* reply);

    // Drops refused items, and folders the server has already; files it has stay (the server applies
    // the duplicate handling to them). The dropped entries are added to *refused and *present when given.
    static void dropRefused(QList<ConversionEntry>* list, const InitReply& reply, bool* noPrivilegeDropped,
                            bool* presentDropped, QList<ConversionEntry>* refused = nullptr,
                            QList<ConversionEntry>* present = nullptr);
};
