#pragma once

#include "DialogFactory.h"

// The dialogs of the desktop program.
class AppDialogs : public DialogFactory
{
public:
    void runProfileEditor(int mode, QNetworkAccessManager* manager) override;
    int runCreateWizard(int mode, QNetworkAccessManager* manager, ServerProfile* profile) override;
    void runUploadWizard(int mode, QNetworkAccessManager* manager, const QStringList& files,
                         ServerProfile* profile) override;
};
