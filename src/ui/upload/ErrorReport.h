#pragma once

#include <QDialog>
#include <QStringList>

#include <memory>

namespace Ui {
class ErrorReport;
}
class ErrorTableModel;
class UploadQueue;

// Lists every file of the run that failed, and why, and every file uploaded with a warning. The list
// can be copied, saved as CSV, and the failed files sent again in a new run.
class ErrorReport : public QDialog
{
    Q_OBJECT

public:
    // The result when the user asked to send the failed files again.
    static const int RetryResult = 2;

    ErrorReport(QWidget* parent, const UploadQueue* queue);
    ~ErrorReport() override;

    ErrorTableModel* model() const { return m_model; }

public slots:
    // The selected rows, or all rows when none is selected, as tab-separated text on the clipboard.
    void slotCopy();
    void slotSave();
    void slotRetry();

private:
    QList<int> selectedRows() const;

    std::unique_ptr<Ui::ErrorReport> m_ui;
    ErrorTableModel* m_model;
};
