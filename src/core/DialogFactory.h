#pragma once

#include <QStringList>

class QNetworkAccessManager;
class ServerProfile;

// The dialogs a run can open, each shown modally and destroyed when it returns.
class DialogFactory
{
public:
    virtual ~DialogFactory();
    virtual void runProfileEditor(int mode, QNetworkAccessManager* manager) = 0;
    // Returns the dialog's result; QDialog::Accepted (1) means a profile was created into profile.
    virtual int runCreateWizard(int mode, QNetworkAccessManager* manager, ServerProfile* profile) = 0;
    virtual void runUploadWizard(int mode, QNetworkAccessManager* manager, const QStringList& files,
                                 ServerProfile* profile) = 0;
};
