#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class ErrorReport;
}
class ErrorTableModel;
class UploadQueue;

// Lists every file of the run that failed or went up with a warning, and why.
class ErrorReport : public QDialog
{
    Q_OBJECT

public:
    ErrorReport(QWidget* parent, const UploadQueue* queue);
    ~ErrorReport() override;

    ErrorTableModel* model() const { return m_model; }

private:
    std::unique_ptr<Ui::ErrorReport> m_ui;
    ErrorTableModel* m_model;
};
