#pragma once

#include <QNetworkAccessManager>
#include <QStringList>

class QPixmap;
class QWidget;

// Renders the program's dialogs and wizard pages, filled with made-up data, into PNG files in one
// folder, and says on standard error ("cut text: ...") where a translation does not fit. Expects an isolated
// data and temporary folder and discovery kept on loopback.
class ScreenshotSession
{
public:
    explicit ScreenshotSession(const QString& folder);

    // Renders everything; false when a picture could not be written.
    bool run();
    QStringList savedFiles() const { return m_saved; }

    // Every file a complete run writes, without folder.
    static QStringList expectedFiles();

private:
    void storeProfiles();
    void profileList();
    void createWizard();
    void createWizardBusy();
    void serverSettings();
    void uploadWizard();
    void albumBrowser();
    void save(QWidget* widget, const QString& name);
    // Reports on standard error every label and button of the window whose text does not fit.
    void reportCutTexts(QWidget* window, const QString& name);
    void savePopup(QWidget* window, QWidget* popup, const QString& name);
    void savePicture(const QPixmap& picture, const QString& name);

    QString m_folder;
    QStringList m_saved;
    bool m_ok = true;
    QNetworkAccessManager m_manager;
};
