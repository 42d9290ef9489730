#include "AppDialogs.h"
#include "Diagnostics.h"
#include "StartUp.h"
#include "WidgetPrompter.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Vexalon"));
    QCoreApplication::setApplicationName(QStringLiteral("Lumio Uploader"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/icon_64.png")));
    QStringList arguments = QCoreApplication::arguments();
    Diagnostics::setUp(Diagnostics::takeVerbose(&arguments));
    WidgetPrompter prompter;
    Prompter::setInstance(&prompter);
    AppDialogs dialogs;
    const int status = StartUp::run(arguments, &dialogs);
    Prompter::setInstance(nullptr);
    return status;
}
