#include "AppDialogs.h"

#include <QDebug>
#include <QDialog>

// The profile editor, the create-profile wizard and the upload wizard are not part of this build yet:
// each reports that it was not shown and closes at once.
void AppDialogs::runProfileEditor(int mode, QNetworkAccessManager*)
{
    qDebug() << "Profile editor (mode" << mode << ") is not available in this build";
}

int AppDialogs::runCreateWizard(int mode, QNetworkAccessManager*, ServerProfile*)
{
    qDebug() << "Create-profile wizard (mode" << mode << ") is not available in this build";
    return QDialog::Rejected;
}

void AppDialogs::runUploadWizard(int mode, QNetworkAccessManager*, const QStringList& files, ServerProfile*)
{
    qDebug() << "Upload wizard (mode" << mode << "," << files.size()
             << "files) is not available in this build";
}
