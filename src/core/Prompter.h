#pragma once

#include <QString>
#include <QStringList>

class QObject;

// The one way the program asks the user something modally: message boxes, text input and folder
// choice. The program installs the widget implementation; tests install a scripted one; the console
// uploader installs one that talks on the terminal.
class Prompter
{
public:
    enum class Icon
    {
        Information,
        Warning,
        Critical,
        Question
    };

    virtual ~Prompter();

    // Shows a message with the given buttons (texts, first is leftmost). Returns the index of the
    // button chosen, or -1 when the box was closed without one.
    virtual int showMessage(QObject* parent, Icon icon, const QString& title, const QString& text,
                            const QStringList& buttons, int defaultButton) = 0;
    // Asks for one line of text. Returns false when the user cancelled.
    virtual bool askText(QObject* parent, const QString& title, const QString& label, bool password,
                         const QString& okText, const QString& cancelText, QString* answer) = 0;
    // Asks for an existing folder. Returns an empty text when the user cancelled.
    virtual QString askDirectory(QObject* parent, const QString& caption, const QString& startFolder) = 0;
    // Asks where to save a file; filter as in a file dialog ("CSV files (*.csv)"). Returns an empty
    // text when the user cancelled, which is all a prompter without file dialogs can do.
    virtual QString askSaveFile(QObject* parent, const QString& caption, const QString& suggestedPath,
                                const QString& filter);

    static Prompter* instance();
    // Does not take ownership; null restores the default, which answers every question with "cancel".
    static void setInstance(Prompter* prompter);

    // A box with one "OK" button from the catalogue.
    static void inform(QObject* parent, Icon icon, const QString& title, const QString& text);
    // A Yes/No question with catalogue buttons; true for Yes.
    static bool askYesNo(QObject* parent, Icon icon, const QString& title, const QString& text);
};
