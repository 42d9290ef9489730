#pragma once

#include <QMetaType>
#include <QString>

// What became of one source file of an upload run, as the uploader recorded it.
struct UploadOutcome
{
    QString localPath;
    QString targetFolder; // relative to the photo root
    QString serverName;
    bool isFolder = false;
    bool success = false;
    QString errorKey;  // the server's "err_msg"; empty on success and for local failures
    QString errorText; // the catalogue text shown to the user
    qint64 size = 0;
    QString recordError; // uploaded, but the upload record could not be written: the text to show
    // Uploaded, but not as the user would want it (for example "no thumbnails: …"); empty otherwise.
    QString warning;
};

Q_DECLARE_METATYPE(UploadOutcome)
