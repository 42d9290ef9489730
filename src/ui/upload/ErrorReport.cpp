#include "ErrorReport.h"

#include "ErrorTableModel.h"
#include "UploadQueue.h"
#include "VexaLocale.h"
#include "ui_ErrorReport.h"

#include <QHeaderView>

ErrorReport::ErrorReport(QWidget* parent, const UploadQueue* queue)
    : QDialog(parent), m_ui(std::make_unique<Ui::ErrorReport>())
{
    m_ui->setupUi(this);
    setWindowTitle(VexaLocale::applicationTitle());
    // Files that went up with a warning are listed after the ones that failed.
    m_model = new ErrorTableModel(queue->failures() + queue->warnings(), this);
    m_ui->m_ptblErrorReport->horizontalHeader()->setStretchLastSection(true);
    m_ui->m_ptblErrorReport->setModel(m_model);
    m_ui->m_ptblErrorReport->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_ui->m_ptblErrorReport->resizeColumnToContents(0);
}

ErrorReport::~ErrorReport() = default;
