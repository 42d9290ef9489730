#include "ScriptedPrompter.h"

ScriptedPrompter::ScriptedPrompter()
{
    Prompter::setInstance(this);
}

ScriptedPrompter::~ScriptedPrompter()
{
    Prompter::setInstance(nullptr);
}

int ScriptedPrompter::showMessage(QObject* parent, Icon icon, const QString& title, const QString& text,
                                  const QStringList& buttons, int defaultButton)
{
    Shown record;
    record.kind = Shown::Message;
    record.icon = icon;
    record.title = title;
    record.text = text;
    record.buttons = buttons;
    record.parent = parent;
    shown.append(record);
    if (onShown)
        onShown(record);
    return m_messageAnswers.isEmpty() ? defaultButton : m_messageAnswers.dequeue();
}

bool ScriptedPrompter::askText(QObject* parent, const QString& title, const QString& label, bool password,
                               const QString& okText, const QString& cancelText, QString* answer)
{
    Shown record;
    record.kind = Shown::Text;
    record.title = title;
    record.text = label;
    record.buttons = {okText, cancelText};
    record.password = password;
    record.parent = parent;
    shown.append(record);
    if (onShown)
        onShown(record);
    if (m_textAnswers.isEmpty())
        return false;
    const QString next = m_textAnswers.dequeue();
    if (next.isNull())
        return false;
    *answer = next;
    return true;
}

QString ScriptedPrompter::askSaveFile(QObject* parent, const QString& caption, const QString& suggestedPath,
                                      const QString& filter)
{
    Shown record;
    record.kind = Shown::SaveFile;
    record.title = caption;
    record.text = suggestedPath;
    record.buttons = QStringList{filter};
    record.parent = parent;
    shown.append(record);
    if (onShown)
        onShown(record);
    return m_saveAnswers.isEmpty() ? QString() : m_saveAnswers.dequeue();
}

QString ScriptedPrompter::askDirectory(QObject* parent, const QString& caption, const QString& startFolder)
{
    Shown record;
    record.kind = Shown::Directory;
    record.title = caption;
    record.text = startFolder;
    record.parent = parent;
    shown.append(record);
    if (onShown)
        onShown(record);
    return m_directoryAnswers.isEmpty() ? QString() : m_directoryAnswers.dequeue();
}

QStringList ScriptedPrompter::messageTexts() const
{
    QStringList texts;
    for (const Shown& s : shown) {
        if (s.kind == Shown::Message)
            texts.append(s.text);
    }
    return texts;
}
