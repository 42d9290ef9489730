#include "UploadProblem.h"

#include <QFileInfo>

QList<UploadProblem> UploadProblem::fromOutcome(const UploadOutcome& outcome)
{
    UploadProblem problem;
    problem.path = outcome.localPath;
    problem.targetFolder = outcome.targetFolder;
    problem.time = QDateTime::currentDateTime();
    QList<UploadProblem> rows;
    if (!outcome.success) {
        problem.text = outcome.errorText;
        rows.append(problem);
        return rows;
    }
    problem.onServer = true;
    if (!outcome.warning.isEmpty()) {
        problem.kind = Kind::Warning;
        problem.text = outcome.warning;
        rows.append(problem);
    }
    if (!outcome.recordError.isEmpty()) {
        problem.kind = Kind::Error;
        problem.text = outcome.recordError;
        rows.append(problem);
    }
    return rows;
}

QString UploadProblem::fileName() const
{
    return QFileInfo(path).fileName();
}

QString UploadProblem::album() const
{
    const QString root = QStringLiteral("/photo");
    return targetFolder.isEmpty() ? root : root + QLatin1Char('/') + targetFolder;
}
