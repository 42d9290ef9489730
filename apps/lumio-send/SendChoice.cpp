#include "SendChoice.h"

#include "HandOver.h"
#include "Prompter.h"
#include "VexaLocale.h"

QStringList SendChoice::menuEntries()
{
    QStringList entries = HandOver::shortcutNames();
    entries << tx(TextId::cxt_new_profile) << tx(TextId::cxt_manage_profile);
    return entries;
}

int SendChoice::rowOfProfile(const QString& name)
{
    return name.isEmpty() ? -1 : static_cast<int>(HandOver::shortcutNames().indexOf(name));
}

int SendChoice::askRow(const QStringList& entries)
{
    const int chosen = Prompter::instance()->showMessage(nullptr, Prompter::Icon::Question,
                                                         VexaLocale::applicationTitle(), tx(TextId::cxt_menu),
                                                         entries + QStringList{tx(TextId::btn_cancel)}, 0);
    return chosen >= 0 && chosen < entries.size() ? chosen : -1;
}

QStringList SendChoice::uploaderArguments(int row, int profileCount)
{
    if (row >= 0 && row < profileCount)
        return {QStringLiteral("2"), QString::number(row)};
    if (row == profileCount)
        return {QStringLiteral("1")};
    if (row == profileCount + 1)
        return {QStringLiteral("0")};
    return {};
}

bool SendChoice::needsFileList(int row, int profileCount)
{
    return row >= 0 && row <= profileCount;
}
