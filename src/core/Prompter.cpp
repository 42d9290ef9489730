#include "Prompter.h"

#include "VexaLocale.h"

#include <QDebug>

namespace {

// Used when nothing else is installed: logs and declines, so engine code never blocks on a prompt.
class DecliningPrompter : public Prompter
{
public:
    int showMessage(QObject*, Icon, const QString& title, const QString& text, const QStringList&,
                    int) override
    {
        qWarning().noquote() << title << ":" << text;
        return -1;
    }
    bool askText(QObject*, const QString&, const QString&, bool, const QString&, const QString&,
                 QString*) override
    {
        return false;
    }
    QString askDirectory(QObject*, const QString&, const QString&) override { return QString(); }
};

DecliningPrompter g_declining;
Prompter* g_instance = nullptr;

} // namespace

QString Prompter::askSaveFile(QObject*, const QString&, const QString&, const QString&)
{
    return QString();
}

Prompter::~Prompter() = default;

Prompter* Prompter::instance()
{
    return g_instance ? g_instance : &g_declining;
}

void Prompter::setInstance(Prompter* prompter)
{
    g_instance = prompter;
}

void Prompter::inform(QObject* parent, Icon icon, const QString& title, const QString& text)
{
    instance()->showMessage(parent, icon, title, text, {tx(TextId::btn_ok)}, 0);
}

bool Prompter::askYesNo(QObject* parent, Icon icon, const QString& title, const QString& text)
{
    return instance()->showMessage(parent, icon, title, text, {tx(TextId::btn_yes), tx(TextId::btn_no)}, 0) ==
           0;
}
