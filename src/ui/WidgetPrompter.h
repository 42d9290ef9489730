#pragma once

#include "Prompter.h"

// Shows the program's prompts as modal Qt dialogs.
class WidgetPrompter : public Prompter
{
public:
    int showMessage(QObject* parent, Icon icon, const QString& title, const QString& text,
                    const QStringList& buttons, int defaultButton) override;
    bool askText(QObject* parent, const QString& title, const QString& label, bool password,
                 const QString& okText, const QString& cancelText, QString* answer) override;
    QString askDirectory(QObject* parent, const QString& caption, const QString& startFolder) override;
    QString askSaveFile(QObject* parent, const QString& caption, const QString& suggestedPath,
                        const QString& filter) override;
};
