#pragma once

#include "UploadWizard.h"

// The upload wizard with its page checks waved through, so that every page can be shown without a
// server; the upload itself is never started.
class ScreenshotUploadWizard : public UploadWizard
{
    Q_OBJECT

public:
    ScreenshotUploadWizard(QNetworkAccessManager* manager, QStringList* sources, ServerProfile* profile);

    bool validateCurrentPage() override { return true; }
};
