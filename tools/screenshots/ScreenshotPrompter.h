#pragma once

#include "Prompter.h"

#include <QStringList>

// Notes every prompt on the error output and answers with the default button; text and folder
// questions are cancelled. A screenshot run expects no prompt, so the run reports any that came.
class ScreenshotPrompter : public Prompter
{
public:
    ScreenshotPrompter();
    ~ScreenshotPrompter() override;

    int showMessage(QObject* parent, Icon icon, const QString& title, const QString& text,
                    const QStringList& buttons, int defaultButton) override;
    bool askText(QObject* parent, const QString& title, const QString& label, bool password,
                 const QString& okText, const QString& cancelText, QString* answer) override;
    QString askDirectory(QObject* parent, const QString& caption, const QString& startFolder) override;

    QStringList prompts() const { return m_prompts; }

private:
    QStringList m_prompts;
};
