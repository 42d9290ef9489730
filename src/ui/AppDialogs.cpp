#include "AppDialogs.h"

#include "CreateWizard.h"
#include "ProfileEditor.h"
#include "UploadWizard.h"

#include <QDebug>
#include <QDialog>
#include <QTimer>

namespace {

// The command mode of files handed over by the shell.
const int kSelectionMode = 2;

} // namespace

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
    QStringList sources = files;
    int runMode = mode;
    // Each run may end with the user asking to send its failed files again: a new run of those only,
    // handed over like a selection of files.
    for (bool first = true; first || !sources.isEmpty(); first = false) {
        qDebug() << "Upload wizard (mode" << runMode << "," << sources.size() << "files)";
        UploadWizard wizard(nullptr, runMode, manager, &sources, profile);
        if (qEnvironmentVariableIsSet("LUMIO_CLOSE_DIALOGS_AT_ONCE"))
            return;
        wizard.exec();
        sources = wizard.retrySources();
        runMode = kSelectionMode;
    }
}
