#include "AppDialogs.h"

#include "ProfileEditor.h"
#include "UploadWizard.h"

#include <QDebug>
#include <QDialog>

void AppDialogs::runProfileEditor(int mode, QNetworkAccessManager* manager)
{
    qDebug() << "Profile editor (mode" << mode << ")";
    ProfileEditor editor(nullptr, mode, manager);
    if (qEnvironmentVariableIsSet("LUMIO_CLOSE_DIALOGS_AT_ONCE"))
        return;
    editor.exec();
}

// The create-profile wizard is not part of this build yet: it reports that it was not shown and closes
// at once.
int AppDialogs::runCreateWizard(int mode, QNetworkAccessManager*, ServerProfile*)
{
    qDebug() << "Create-profile wizard (mode" << mode << ") is not available in this build";
    return QDialog::Rejected;
}

void AppDialogs::runUploadWizard(int mode, QNetworkAccessManager* manager, const QStringList& files,
                                 ServerProfile* profile)
{
    qDebug() << "Upload wizard (mode" << mode << "," << files.size() << "files)";
    QStringList sources = files;
    UploadWizard wizard(nullptr, mode, manager, &sources, profile);
    if (qEnvironmentVariableIsSet("LUMIO_CLOSE_DIALOGS_AT_ONCE"))
        return;
    wizard.exec();
}
