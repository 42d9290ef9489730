#include "ConsoleReport.h"

#include "ConsoleOptions.h"
#include "VexaLocale.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

#include <sys/ioctl.h>
#include <unistd.h>

namespace {

const int kDefaultWidth = 80;

QString albumPath(const QString& album, const QString& name)
{
    return name.isEmpty() ? album : album + QLatin1Char('/') + name;
}

} // namespace

ConsoleReport::ConsoleReport(bool json, bool live, FILE* out, bool quiet)
    : m_json(json), m_live(live && !json && !quiet), m_quiet(quiet && !json), m_out(out)
{
}

void ConsoleReport::write(const QString& line)
{
    clearProgress();
    fputs(line.toUtf8().constData(), m_out);
    fputc('\n', m_out);
    fflush(m_out);
}

int ConsoleReport::terminalWidth() const
{
    winsize size{};
    if (ioctl(fileno(m_out), TIOCGWINSZ, &size) == 0 && size.ws_col > 0)
        return size.ws_col;
    return kDefaultWidth;
}

QString ConsoleReport::statusWord(FileStatus status)
{
    switch (status) {
    case FileStatus::Uploaded:
        return QStringLiteral("uploaded");
    case FileStatus::Failed:
        return QStringLiteral("failed");
    case FileStatus::Skipped:
        return QStringLiteral("skipped");
    case FileStatus::Refused:
        return QStringLiteral("refused");
    case FileStatus::WouldUpload:
        return QStringLiteral("would_upload");
    case FileStatus::Created:
        return QStringLiteral("created");
    case FileStatus::WouldCreate:
        return QStringLiteral("would_create");
    }
    return QString();
}

QString ConsoleReport::byteText(qint64 bytes)
{
    const char* const units[] = {"KiB", "MiB", "GiB", "TiB"};
    if (bytes < 1024)
        return QStringLiteral("%1 B").arg(bytes);
    double value = static_cast<double>(bytes);
    int unit = -1;
    while (value >= 1024 && unit < 3) {
        value /= 1024;
        ++unit;
    }
    return QStringLiteral("%1 %2").arg(value, 0, 'f', 1).arg(QLatin1String(units[unit]));
}

QString ConsoleReport::durationText(int seconds)
{
    if (seconds < 0)
        return QStringLiteral("--:--");
    const int hours = seconds / 3600;
    const int minutes = seconds / 60 % 60;
    const QString tail = QStringLiteral("%1:%2")
                             .arg(minutes, hours > 0 ? 2 : 1, 10, QLatin1Char('0'))
                             .arg(seconds % 60, 2, 10, QLatin1Char('0'));
    return hours > 0 ? QString::number(hours) + QLatin1Char(':') + tail : tail;
}

QString ConsoleReport::progressText(const Progress& progress, int width)
{
    QString line =
        QStringLiteral("[%1/%2] ").arg(progress.done).arg(progress.total) +
        tx(TextId::upload_prog_bytes).arg(byteText(progress.bytes), byteText(progress.totalBytes)) +
        QStringLiteral(", ") +
        tx(TextId::upload_prog_speed).arg(byteText(static_cast<qint64>(progress.bytesPerSecond))) +
        QStringLiteral(", ") + tx(TextId::upload_prog_time_left).arg(durationText(progress.etaSeconds));
    if (!progress.current.isEmpty())
        line += QStringLiteral("  ") + progress.current;
    // The last column stays free so the terminal does not wrap.
    if (line.size() > width - 1)
        line = line.left(qMax(0, width - 1));
    return line;
}

QStringList ConsoleReport::summaryLines(const Summary& summary)
{
    const auto labelled = [](TextId label, int files) -> QString {
        return tx(TextId::label_with_colon).arg(tx(label)) + QLatin1Char(' ') +
               tx(TextId::upload_finish_files, files);
    };
    QStringList lines;
    if (summary.cancelled)
        lines << tx(TextId::console_cancelled);
    if (summary.dryRun) {
        lines << tx(TextId::console_dry_run)
                     .arg(tx(TextId::upload_finish_files, summary.total),
                          tx(TextId::upload_finish_files, summary.skipped),
                          tx(TextId::upload_finish_files, summary.refused));
        if (summary.albums > 0)
            lines << tx(TextId::console_albums_to_create, summary.albums);
        return lines;
    }
    // The counts of the progress page, for files; the albums on a line of their own.
    lines << labelled(TextId::upload_finish_success, summary.uploaded);
    if (summary.failed > 0)
        lines << labelled(TextId::upload_finish_fail, summary.failed);
    if (summary.albums > 0)
        lines << tx(TextId::console_albums_created, summary.albums);
    if (summary.skipped > 0)
        lines << tx(TextId::upload_prog_skipped).arg(tx(TextId::upload_finish_files, summary.skipped));
    if (summary.refused > 0)
        lines << tx(TextId::console_refused).arg(tx(TextId::upload_finish_files, summary.refused));
    lines << tx(TextId::console_sent).arg(byteText(summary.bytes), durationText(summary.seconds));
    return lines;
}

void ConsoleReport::title(const QString& text)
{
    if (!m_json && !m_quiet)
        write(text);
}

void ConsoleReport::file(const FileRow& row)
{
    if (m_json) {
        QJsonObject object{{QStringLiteral("type"), QStringLiteral("file")},
                           {QStringLiteral("path"), row.path},
                           {QStringLiteral("status"), statusWord(row.status)},
                           {QStringLiteral("album"), row.album},
                           {QStringLiteral("name"), row.name},
                           {QStringLiteral("folder"), row.folder},
                           {QStringLiteral("size"), row.size}};
        if (!row.reason.isEmpty())
            object.insert(QStringLiteral("reason"), row.reason);
        if (!row.message.isEmpty())
            object.insert(QStringLiteral("message"), row.message);
        if (!row.warning.isEmpty())
            object.insert(QStringLiteral("warning"), row.warning);
        write(QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)));
        return;
    }
    // A warning shows even on a terminal, where the live line stands for the files that went well.
    const QString warningLine = row.warning.isEmpty() ? QString()
                                                      : QStringLiteral("warning").leftJustified(13) +
                                                            row.path + QStringLiteral(": ") + row.warning;
    const bool problem = row.status == FileStatus::Failed || row.status == FileStatus::Refused;
    if (m_quiet && !problem) {
        if (!warningLine.isEmpty())
            write(warningLine);
        return;
    }
    if (m_live && (row.status == FileStatus::Uploaded || row.status == FileStatus::Created)) {
        if (!warningLine.isEmpty())
            write(warningLine);
        return;
    }
    const QString word = statusWord(row.status).replace(QLatin1Char('_'), QLatin1Char(' '));
    QString line = word.leftJustified(13) + row.path;
    switch (row.status) {
    case FileStatus::Uploaded:
    case FileStatus::WouldUpload:
    case FileStatus::Created:
    case FileStatus::WouldCreate:
        line += QStringLiteral(" -> ") + albumPath(row.album, row.name);
        if (!row.message.isEmpty())
            line += QStringLiteral(" (") + row.message + QLatin1Char(')');
        break;
    case FileStatus::Failed:
    case FileStatus::Skipped:
    case FileStatus::Refused:
        line += QStringLiteral(": ") + row.message;
        break;
    }
    write(line);
    if (!warningLine.isEmpty())
        write(warningLine);
}

void ConsoleReport::progress(const Progress& progress)
{
    if (!m_live)
        return;
    const QString line = progressText(progress, terminalWidth());
    fputs(("\r\033[K" + line).toUtf8().constData(), m_out);
    fflush(m_out);
    m_lineShown = true;
}

void ConsoleReport::clearProgress()
{
    if (!m_lineShown)
        return;
    fputs("\r\033[K", m_out);
    fflush(m_out);
    m_lineShown = false;
}

void ConsoleReport::summary(const Summary& summary)
{
    if (m_json) {
        QJsonArray rows;
        for (const UploadFailure& failure : summary.errorRows)
            rows.append(QJsonObject{{QStringLiteral("name"), failure.first},
                                    {QStringLiteral("message"), failure.second}});
        QJsonArray warnings;
        for (const UploadFailure& warning : summary.warningRows)
            warnings.append(QJsonObject{{QStringLiteral("name"), warning.first},
                                        {QStringLiteral("message"), warning.second}});
        QJsonObject object{{QStringLiteral("type"), QStringLiteral("summary")},
                           {QStringLiteral("profile"), summary.profile},
                           {QStringLiteral("album"), summary.album},
                           {QStringLiteral("total"), summary.total},
                           {QStringLiteral("uploaded"), summary.uploaded},
                           {QStringLiteral("failed"), summary.failed},
                           {QStringLiteral("skipped"), summary.skipped},
                           {QStringLiteral("refused"), summary.refused},
                           {QStringLiteral("albums"), summary.albums},
                           {QStringLiteral("bytes_sent"), summary.bytes},
                           {QStringLiteral("seconds"), summary.seconds},
                           {QStringLiteral("dry_run"), summary.dryRun},
                           {QStringLiteral("cancelled"), summary.cancelled},
                           {QStringLiteral("session_lost"), summary.sessionLost},
                           {QStringLiteral("errors"), rows},
                           {QStringLiteral("warnings"), warnings},
                           {QStringLiteral("exit_status"), summary.exitStatus}};
        // The error's class, as the exit status gives it; the message says what failed and where.
        const QString errorClass = ConsoleOptions::errorClass(summary.exitStatus);
        if (!errorClass.isEmpty())
            object.insert(QStringLiteral("error"), errorClass);
        if (!summary.error.isEmpty())
            object.insert(QStringLiteral("message"), summary.error);
        if (summary.timed) {
            const auto seconds = [](double value) { return std::round(value * 1000) / 1000; };
            object.insert(
                QStringLiteral("timing"),
                QJsonObject{
                    {QStringLiteral("converting"), seconds(summary.timing.converting)},
                    {QStringLiteral("uploading"), seconds(summary.timing.uploading)},
                    {QStringLiteral("waiting_for_converter"), seconds(summary.timing.waitingForConverter)},
                    {QStringLiteral("waiting_for_uploader"), seconds(summary.timing.waitingForUploader)},
                    {QStringLiteral("tools_cpu"), seconds(summary.toolsCpuSeconds)}});
        }
        write(QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)));
        return;
    }

    clearProgress();
    if (!summary.error.isEmpty())
        return;
    for (const QString& line : summaryLines(summary))
        write(line);
    // The error report's rows: failures first, then the files that went up with a warning.
    const QList<UploadFailure> reportRows = summary.errorRows + summary.warningRows;
    if (reportRows.isEmpty())
        return;
    int width = 0;
    for (const UploadFailure& failure : reportRows)
        width = qMax(width, static_cast<int>(failure.first.size()));
    const QString nameHeader = QCoreApplication::translate("ErrorTableModel", "File Name");
    width = qMax(width, static_cast<int>(nameHeader.size()));
    write(QString());
    write(nameHeader.leftJustified(width + 2) +
          QCoreApplication::translate("ErrorTableModel", "Error Status"));
    for (const UploadFailure& failure : reportRows)
        write(failure.first.leftJustified(width + 2) + failure.second);
}
