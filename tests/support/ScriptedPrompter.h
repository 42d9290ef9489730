#pragma once

#include "Prompter.h"

#include <QList>
#include <QQueue>

#include <functional>

// Records every prompt the code under test would show and answers from a script. Installed for its
// lifetime. Unscripted messages answer with their default button; unscripted text and folder
// questions are cancelled.
class ScriptedPrompter : public Prompter
{
public:
    struct Shown
    {
        enum Kind
        {
            Message,
            Text,
            Directory,
            SaveFile
        } kind = Message;
        Icon icon = Icon::Information;
        QString title;
        QString text;
        QStringList buttons;
        bool password = false;
        QObject* parent = nullptr;
    };

    ScriptedPrompter();
    ~ScriptedPrompter() override;

    void answerMessage(int buttonIndex) { m_messageAnswers.enqueue(buttonIndex); }
    void answerText(const QString& text) { m_textAnswers.enqueue(text); }
    // A null text cancels the question.
    void cancelText() { m_textAnswers.enqueue(QString()); }
    void answerDirectory(const QString& folder) { m_directoryAnswers.enqueue(folder); }
    void answerSaveFile(const QString& path) { m_saveAnswers.enqueue(path); }

    QList<Shown> shown;
    // Called after each prompt is recorded, before it is answered.
    std::function<void(const Shown&)> onShown;

    int showMessage(QObject* parent, Icon icon, const QString& title, const QString& text,
                    const QStringList& buttons, int defaultButton) override;
    bool askText(QObject* parent, const QString& title, const QString& label, bool password,
                 const QString& okText, const QString& cancelText, QString* answer) override;
    QString askDirectory(QObject* parent, const QString& caption, const QString& startFolder) override;
    // Recorded with the caption as title, the suggested path as text and the filter as its one button.
    QString askSaveFile(QObject* parent, const QString& caption, const QString& suggestedPath,
                        const QString& filter) override;

    QStringList messageTexts() const;

private:
    QQueue<int> m_messageAnswers;
    QQueue<QString> m_textAnswers;
    QQueue<QString> m_directoryAnswers;
    QQueue<QString> m_saveAnswers;
};
