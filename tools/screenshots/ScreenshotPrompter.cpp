#include "ScreenshotPrompter.h"

#include <QDebug>

ScreenshotPrompter::ScreenshotPrompter()
{
    Prompter::setInstance(this);
}

ScreenshotPrompter::~ScreenshotPrompter()
{
    Prompter::setInstance(nullptr);
}

int ScreenshotPrompter::showMessage(QObject*, Icon, const QString& title, const QString& text,
                                    const QStringList&, int defaultButton)
{
    m_prompts.append(title + QStringLiteral(": ") + text);
    qWarning().noquote() << "prompt:" << m_prompts.last();
    return defaultButton;
}

bool ScreenshotPrompter::askText(QObject*, const QString& title, const QString& label, bool, const QString&,
                                 const QString&, QString*)
{
    m_prompts.append(title + QStringLiteral(": ") + label);
    qWarning().noquote() << "prompt:" << m_prompts.last();
    return false;
}

QString ScreenshotPrompter::askDirectory(QObject*, const QString& caption, const QString&)
{
    m_prompts.append(caption);
    qWarning().noquote() << "prompt:" << caption;
    return QString();
}
