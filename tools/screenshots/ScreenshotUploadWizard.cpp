#include "ScreenshotUploadWizard.h"

ScreenshotUploadWizard::ScreenshotUploadWizard(QNetworkAccessManager* manager, QStringList* sources,
                                               ServerProfile* profile)
    : UploadWizard(nullptr, 8, manager, sources, profile)
{
    disconnect(this, &QWizard::currentIdChanged, this, &UploadWizard::slotPageComplete);
}
