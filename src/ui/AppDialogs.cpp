#include "AppDialogs.h"

#include "CreateWizard.h"
#include "ProfileEditor.h"
#include "UploadWizard.h"

#include <QDebug>
#include <QDialog>
#include <QTimer>

void AppDialogs::runProfileEditor(int mode, QNetworkAccessManager* manager)
{
    qDebug() << "Profile editor (mode" << mode << ")";
    ProfileEditor editor(nullptr, mode, manager);
    if (qEnvironmentVariableIsSet("LUMIO_CLOSE_DIALOGS_AT_ONCE"))
        return;
    // Tests keep the list open for a while to see what a second copy does meanwhile.
    const int closeAfterMs = qEnvironmentVariableIntValue("LUMIO_CLOSE_DIALOGS_AFTER_MS");
    if (closeAfterMs > 0)
        QTimer::singleShot(closeAfterMs, &editor, &QDialog::reject);
    editor.exec();
}

int AppDialogs::runCreateWizard(int mode, QNetworkAccessManager* manager, ServerProfile* profile)
{
    qDebug() << "Create-profile wizard (mode" << mode << ")";
    CreateWizard wizard(nullptr, mode, manager, profile);
    if (qEnvironmentVariableIsSet("LUMIO_CLOSE_DIALOGS_AT_ONCE"))
        return QDialog::Rejected;
    return wizard.exec();
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
