#include "UploadProblem.h"

#include <QFileInfo>

UploadProblem UploadProblem::fromOutcome(const UploadOutcome& outcome)
{
    UploadProblem problem;
    problem.path = outcome.localPath;
    problem.targetFolder = outcome.targetFolder;
    problem.text = outcome.errorText;
    problem.time = QDateTime::currentDateTime();
    problem.kind = outcome.success ? Kind::Warning : Kind::Error;
    return problem;
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
