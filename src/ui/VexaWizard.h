#pragma once

#include <QWizard>

// Common base of the program's wizards: title, button texts, options and the fixed 520 x 355 size.
class VexaWizard : public QWizard
{
    Q_OBJECT

public:
    explicit VexaWizard(QWidget* parent = nullptr);
    ~VexaWizard() override = 0;

    bool validateCurrentPage() override = 0;
    void accept() override;
};
