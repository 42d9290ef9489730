#include "WidgetPrompter.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

QWidget* asWidget(QObject* parent)
{
    return qobject_cast<QWidget*>(parent);
}

QMessageBox::Icon boxIcon(Prompter::Icon icon)
{
    switch (icon) {
    case Prompter::Icon::Information:
        return QMessageBox::Information;
    case Prompter::Icon::Warning:
        return QMessageBox::Warning;
    case Prompter::Icon::Critical:
        return QMessageBox::Critical;
    case Prompter::Icon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

} // namespace

int WidgetPrompter::showMessage(QObject* parent, Icon icon, const QString& title, const QString& text,
                                const QStringList& buttons, int defaultButton)
{
    QMessageBox box(boxIcon(icon), title, text, QMessageBox::NoButton, asWidget(parent));
    QList<QPushButton*> pushButtons;
    for (int i = 0; i < buttons.size(); ++i) {
        // The first button accepts, the others reject, so Escape picks the last one as a "No".
        const auto role = i == 0 ? QMessageBox::AcceptRole : QMessageBox::RejectRole;
        pushButtons.append(box.addButton(buttons.at(i), role));
    }
    if (defaultButton >= 0 && defaultButton < pushButtons.size())
        box.setDefaultButton(pushButtons.at(defaultButton));
    box.exec();
    return pushButtons.indexOf(qobject_cast<QPushButton*>(box.clickedButton()));
}

bool WidgetPrompter::askText(QObject* parent, const QString& title, const QString& label, bool password,
                             const QString& okText, const QString& cancelText, QString* answer)
{
    QInputDialog dialog(asWidget(parent));
    dialog.setWindowTitle(title);
    dialog.setLabelText(label);
    dialog.setTextEchoMode(password ? QLineEdit::Password : QLineEdit::Normal);
    dialog.setOkButtonText(okText);
    dialog.setCancelButtonText(cancelText);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    *answer = dialog.textValue();
    return true;
}

QString WidgetPrompter::askDirectory(QObject* parent, const QString& caption, const QString& startFolder)
{
    return QFileDialog::getExistingDirectory(asWidget(parent), caption, startFolder,
                                             QFileDialog::ShowDirsOnly);
}

QString WidgetPrompter::askSaveFile(QObject* parent, const QString& caption, const QString& suggestedPath,
                                    const QString& filter)
{
    return QFileDialog::getSaveFileName(asWidget(parent), caption, suggestedPath, filter);
}
