#include "ErrorReport.h"

#include "ErrorTableModel.h"
#include "Prompter.h"
#include "UploadQueue.h"
#include "VexaLocale.h"
#include "ui_ErrorReport.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QHeaderView>
#include <QSaveFile>

#include <algorithm>

ErrorReport::ErrorReport(QWidget* parent, const UploadQueue* queue)
    : QDialog(parent), m_ui(std::make_unique<Ui::ErrorReport>())
{
    m_ui->setupUi(this);
    setWindowTitle(VexaLocale::applicationTitle());
    m_model = new ErrorTableModel(queue->problems(), this);
    QTableView* table = m_ui->m_ptblErrorReport;
    table->horizontalHeader()->setStretchLastSection(true);
    table->setModel(m_model);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setTextElideMode(Qt::ElideMiddle);
    table->setWordWrap(false);
    table->resizeColumnToContents(0);
    // A very long name is elided rather than pushing the error text out of sight.
    table->setColumnWidth(0, qMin(table->columnWidth(0), 260));

    m_ui->m_pbtnCopy->setText(tx(TextId::btn_copy));
    m_ui->m_pbtnSave->setText(tx(TextId::btn_save_as));
    m_ui->m_pbtnRetry->setText(tx(TextId::btn_retry_failed));
    m_ui->m_pbtnClose->setText(tx(TextId::btn_close));
    m_ui->m_pbtnRetry->setEnabled(!m_model->retryPaths().isEmpty());
    connect(m_ui->m_pbtnCopy, &QPushButton::clicked, this, &ErrorReport::slotCopy);
    connect(m_ui->m_pbtnSave, &QPushButton::clicked, this, &ErrorReport::slotSave);
    connect(m_ui->m_pbtnRetry, &QPushButton::clicked, this, &ErrorReport::slotRetry);
    connect(m_ui->m_pbtnClose, &QPushButton::clicked, this, &QDialog::accept);
}

ErrorReport::~ErrorReport() = default;

QList<int> ErrorReport::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex& index : m_ui->m_ptblErrorReport->selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void ErrorReport::slotCopy()
{
    QGuiApplication::clipboard()->setText(m_model->tsvText(selectedRows()));
}

void ErrorReport::slotSave()
{
    const QString suggested = QDir::home().filePath(QStringLiteral("lumio-upload-errors.csv"));
    const QString path = Prompter::instance()->askSaveFile(this, VexaLocale::applicationTitle(), suggested,
                                                           tx(TextId::file_filter_csv));
    if (path.isEmpty())
        return;
    // Written whole or not at all: a failed save leaves an older file as it was.
    QSaveFile file(path);
    const QByteArray bytes = m_model->csvText().toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        Prompter::inform(this, Prompter::Icon::Warning, tx(TextId::err_error),
                         tx(TextId::err_save_file).arg(QDir::toNativeSeparators(path), file.errorString()));
}

void ErrorReport::slotRetry()
{
    done(RetryResult);
}
