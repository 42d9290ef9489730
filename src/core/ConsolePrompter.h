#pragma once

#include "Prompter.h"

// The prompts of the console uploader. Messages go to standard error as "Title: text". Questions, the
// password included, are asked only when standard input is a terminal; the password is read without
// echo. Anything else answers like a cancelled dialog.
class ConsolePrompter : public Prompter
{
public:
    // A question also ends as cancelled when cancelFd becomes readable (the interrupt pipe); -1 for none.
    explicit ConsolePrompter(int cancelFd = -1);

    int showMessage(QObject* parent, Icon icon, const QString& title, const QString& text,
                    const QStringList& buttons, int defaultButton) override;
    bool askText(QObject* parent, const QString& title, const QString& label, bool password,
                 const QString& okText, const QString& cancelText, QString* answer) override;
    QString askDirectory(QObject* parent, const QString& caption, const QString& startFolder) override;

    // A message's text without markup: list items on lines of their own, tags and entities gone.
    static QString plainText(const QString& text);

private:
    // Shows the prompt on standard error and reads one line from standard input (without its line
    // end); false at end of input, on cancel, or when standard input is not a terminal. For a hidden
    // line the echo goes off before the prompt shows, so nothing typed after it can appear.
    bool readLine(const QString& prompt, bool hidden, QString* line) const;

    int m_cancelFd;
};
