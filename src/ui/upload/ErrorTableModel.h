#pragma once

#include "UploadQueue.h"

#include <QAbstractTableModel>

// The problem rows of a run: file name and error status. An error row is a file that failed; a warning
// row a file that was uploaded with something missing. The kind shows as an icon and a text colour.
class ErrorTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // UploadProblem::Kind of a row, on either column.
    static const int KindRole = Qt::UserRole + 1;

    explicit ErrorTableModel(const QList<UploadProblem>& rows, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    bool insertRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;
    bool removeRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;

    const QList<UploadProblem>& rows() const { return m_rows; }
    // Header "file,album,error,time", then one line per row (all rows when rows is empty), quoted where
    // a field needs it; the time in ISO 8601.
    QString csvText(const QList<int>& rows = {}) const;
    // The same fields separated by tabs, without header: what a spreadsheet takes from the clipboard.
    QString tsvText(const QList<int>& rows = {}) const;
    // Local files of the error rows that still exist, in row order, each once.
    QStringList retryPaths() const;

private:
    QList<QStringList> fields(const QList<int>& rows) const;

    QList<UploadProblem> m_rows;
};
