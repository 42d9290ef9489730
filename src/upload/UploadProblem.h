#pragma once

#include "UploadOutcome.h"

#include <QDateTime>
#include <QList>
#include <QString>

// One row of a run's error report: a file that failed (an error), or one that reached the server but
// with something missing (a warning).
struct UploadProblem
{
    enum class Kind
    {
        Error,
        Warning
    };

    QString path;         // the local file or folder as chosen; may be only a name
    QString targetFolder; // relative to the photo root
    QString text;         // the catalogue text shown to the user
    QDateTime time;
    Kind kind = Kind::Error;
    bool onServer = false; // the file went up; sending it again would only duplicate it

    // The one place an outcome becomes report rows: the error of a failed file; for a file the server
    // holds, its warning and, when the upload could not be recorded, an error.
    static QList<UploadProblem> fromOutcome(const UploadOutcome& outcome);
    QString fileName() const;
    // "/photo" or "/photo/<target folder>", as the server names the album.
    QString album() const;
};
