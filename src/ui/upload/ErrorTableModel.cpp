#include "ErrorTableModel.h"

#include "VexaLocale.h"

#include <QApplication>
#include <QBrush>
#include <QColor>
#include <QFileInfo>
#include <QStyle>

namespace {

QString csvField(const QString& text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString tsvField(QString text)
{
    for (const QChar c : {QLatin1Char('\t'), QLatin1Char('\n'), QLatin1Char('\r')})
        text.replace(c, QLatin1Char(' '));
    return text;
}

} // namespace

ErrorTableModel::ErrorTableModel(const QList<UploadProblem>& rows, QObject* parent)
    : QAbstractTableModel(parent), m_rows(rows)
{
}

int ErrorTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int ErrorTableModel::columnCount(const QModelIndex&) const
{
    return 2;
}

QVariant ErrorTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() < 0 || index.row() >= m_rows.size() || index.column() > 1)
        return QVariant();
    const UploadProblem& row = m_rows.at(index.row());
    const bool warning = row.kind == UploadProblem::Kind::Warning;
    switch (role) {
    case Qt::DisplayRole:
        return index.column() == 0 ? row.fileName() : row.text;
    case Qt::ToolTipRole:
        if (index.column() == 0)
            return row.path;
        return QString(
            tx(TextId::label_with_colon).arg(tx(warning ? TextId::err_warning : TextId::err_error)) +
            QLatin1Char(' ') + row.text);
    case Qt::DecorationRole:
        if (index.column() != 0)
            return QVariant();
        return QApplication::style()->standardIcon(warning ? QStyle::SP_MessageBoxWarning
                                                           : QStyle::SP_MessageBoxCritical);
    case Qt::ForegroundRole:
        return QBrush(warning ? QColor(0x7a, 0x4f, 0x00) : QColor(0xa4, 0x1c, 0x1c));
    case KindRole:
        return static_cast<int>(row.kind);
    default:
        return QVariant();
    }
}

QVariant ErrorTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return QVariant();
    if (section == 0)
        return tr("File Name");
    if (section == 1)
        return tr("Error Status");
    return QVariant();
}

Qt::ItemFlags ErrorTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::ItemIsEnabled;
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

bool ErrorTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || index.row() >= m_rows.size())
        return false;
    UploadProblem& row = m_rows[index.row()];
    if (index.column() == 0)
        row.path = value.toString();
    else if (index.column() == 1)
        row.text = value.toString();
    else
        return false;
    emit dataChanged(index, index);
    return true;
}

bool ErrorTableModel::insertRows(int row, int count, const QModelIndex& parent)
{
    if (row < 0 || row > m_rows.size() || count < 1)
        return false;
    beginInsertRows(parent, row, row + count - 1);
    UploadProblem blank;
    blank.path = QStringLiteral(" ");
    blank.text = QStringLiteral(" ");
    for (int i = 0; i < count; ++i)
        m_rows.insert(row, blank);
    endInsertRows();
    return true;
}

bool ErrorTableModel::removeRows(int row, int count, const QModelIndex& parent)
{
    if (row < 0 || count < 1 || row + count > m_rows.size())
        return false;
    beginRemoveRows(parent, row, row + count - 1);
    m_rows.remove(row, count);
    endRemoveRows();
    return true;
}

QList<QStringList> ErrorTableModel::fields(const QList<int>& rows) const
{
    QList<int> chosen = rows;
    if (chosen.isEmpty())
        for (int row = 0; row < m_rows.size(); ++row)
            chosen.append(row);
    QList<QStringList> lines;
    for (const int row : std::as_const(chosen)) {
        if (row < 0 || row >= m_rows.size())
            continue;
        const UploadProblem& problem = m_rows.at(row);
        lines.append({problem.path, problem.album(), problem.text, problem.time.toString(Qt::ISODate)});
    }
    return lines;
}

QString ErrorTableModel::csvText(const QList<int>& rows) const
{
    QString text = QStringLiteral("file,album,error,time\r\n");
    for (const QStringList& line : fields(rows)) {
        QStringList quoted;
        for (const QString& field : line)
            quoted.append(csvField(field));
        text += quoted.join(QLatin1Char(',')) + QLatin1String("\r\n");
    }
    return text;
}

QString ErrorTableModel::tsvText(const QList<int>& rows) const
{
    QString text;
    for (const QStringList& line : fields(rows)) {
        QStringList cleaned;
        for (const QString& field : line)
            cleaned.append(tsvField(field));
        text += cleaned.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

QStringList ErrorTableModel::retryPaths() const
{
    QStringList paths;
    for (const UploadProblem& problem : m_rows) {
        if (problem.kind != UploadProblem::Kind::Error || problem.onServer || paths.contains(problem.path))
            continue;
        const QFileInfo info(problem.path);
        if (info.isAbsolute() && info.exists())
            paths.append(problem.path);
    }
    return paths;
}
