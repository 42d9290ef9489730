#pragma once

#include <QStringList>

class DialogFactory;
class QNetworkAccessManager;
class ServerProfile;

// One run of the program: start-up, the command mode's dialogs and the end-of-run duties.
class StartUp
{
public:
    // Runs after the application object exists; returns the process exit status.
    static int run(const QStringList& arguments, DialogFactory* dialogs);

    // C atoi semantics: optional blanks and sign, then leading decimal digits; anything else gives 0.
    static int parseNumber(const QString& text);

    static constexpr int kProfileEditorProbeMs = 100;

private:
    static void dispatch(int mode, const QStringList& arguments, DialogFactory* dialogs,
                         QNetworkAccessManager* manager, ServerProfile* profile);
    static void runProfileEditor(int mode, DialogFactory* dialogs, QNetworkAccessManager* manager);
};
