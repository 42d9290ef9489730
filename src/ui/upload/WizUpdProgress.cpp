#include "WizUpdProgress.h"

#include "FileConverter.h"
#include "FileUploader.h"
#include "Prompter.h"
#include "ServerProfile.h"
#include "UploadQueue.h"
#include "VexaLocale.h"
#include "VexaStyle.h"
#include "ui_WizUpdProgress.h"

#include <QDebug>
#include <QFontMetrics>
#include <QLocale>

namespace {

const QString kUnitStyle =
    QStringLiteral("QLabel { font-size : 12px;\n font-style : bold;\n color : #6d6d6d }");
const QString kFailStyle = QStringLiteral("QLabel { font-size : 12px;\n color : #a41c1c }");
const QString kFailNumberStyle =
    QStringLiteral("QLabel { font-size : 12px;\n font-style : bold;\n color : #a41c1c }");
const QString kDetailStyle = QStringLiteral("QLabel { font-size : 12px;\n color : #4a4a4a }");
const int kTransferTickMs = 500;
// The detail lines keep to the bar's width so the page never grows.
const int kDetailWidth = 480;
const char kSkippedKey[] = "duplicated_file";

QString sizeText(qint64 bytes)
{
    return QLocale().formattedDataSize(bytes, 1);
}

} // namespace

WizUpdProgress::WizUpdProgress(QWidget* parent, ServerProfile* profile, UploadQueue* queue)
    : QWizardPage(parent), m_transferTimer(this), m_creepTimer(this), m_profile(profile), m_queue(queue),
      m_ui(std::make_unique<Ui::WizUpdProgress>())
{
    m_ui->setupUi(this);
    m_ui->m_pprobarUploadProgress->setRange(0, 100);
    m_ui->m_pprobarUploadProgress->setValue(0);
    m_ui->m_pprobarUploadProgress->setFixedSize(432, 21);
    connect(&m_creepTimer, &QTimer::timeout, this, &WizUpdProgress::slotUpdateProgress);
    connect(&m_transferTimer, &QTimer::timeout, this, &WizUpdProgress::slotUpdateTransfer);
    for (QLabel* label : {m_ui->m_plbCurrent, m_ui->m_plbTransfer, m_ui->m_plbCounts})
        label->setFixedWidth(kDetailWidth);
    languageChange();
}

WizUpdProgress::~WizUpdProgress() = default;

void WizUpdProgress::languageChange()
{
    m_ui->m_plbDesc->setText(tx(TextId::upload_prog_title).arg(m_profile->profname));
    m_ui->m_plbUpdFileStatus->setText(tx(TextId::label_with_colon).arg(tx(TextId::upload_prog_status)));
    m_ui->m_plbUpdFailStatus->setText(tx(TextId::label_with_colon).arg(tx(TextId::upload_finish_fail)));
}

void WizUpdProgress::initializePage()
{
    if (m_defaultsSet)
        return;
    m_defaultsSet = true;
    m_ui->m_pprobarUploadProgress->setValue(0);
    m_ui->m_plbUpdPrg->setText(QStringLiteral("0%"));
    m_ui->m_plbUpdFileNum->setText(QStringLiteral("0/") + QString::number(m_queue->total()));
    m_ui->m_plbCurrent->clear();
    m_ui->m_plbTransfer->clear();
    showCounts();
    m_ui->m_plbUpdFailStatus->hide();
    m_ui->m_plbUpdFailNum->hide();
    VexaStyle::setBackgroundImage(this, QStringLiteral(":/images/bg_create.png"));
    VexaStyle::applyWidgetStyle(m_ui->m_plbDesc,
                                QStringLiteral("QLabel { font-size : 13px;\n color : #1b1b1b }"));
    VexaStyle::applyWidgetStyle(m_ui->m_plbUpdPrg,
                                QStringLiteral("QLabel { font-size : 13px;\n color : #0e69c4 }"));
    VexaStyle::applyWidgetStyle(m_ui->m_plbUpdFileStatus,
                                QStringLiteral("QLabel { font-size : 12px;\n color : #6d6d6d }"));
    VexaStyle::applyWidgetStyle(m_ui->m_plbUpdFileNum, kUnitStyle);
    VexaStyle::applyWidgetStyle(m_ui->m_plbUpdFailStatus, kFailStyle);
    VexaStyle::applyWidgetStyle(m_ui->m_plbUpdFailNum, kFailNumberStyle);
    for (QLabel* label : {m_ui->m_plbCurrent, m_ui->m_plbTransfer, m_ui->m_plbCounts})
        VexaStyle::applyWidgetStyle(label, kDetailStyle, kDetailWidth);
    QFont failFont(QStringLiteral("Verdana"), 12);
    failFont.setBold(true);
    m_ui->m_plbUpdFailNum->setFont(failFont);
}

bool WizUpdProgress::isComplete() const
{
    return m_complete;
}

int WizUpdProgress::progressValue() const
{
    return m_ui->m_pprobarUploadProgress->value();
}

int WizUpdProgress::creepInterval(qint64 fileSize)
{
    return static_cast<int>(100 * (fileSize / 20971520) + 100);
}

void WizUpdProgress::slotUpdateNextProgress(int iNextProgress)
{
    qDebug("WizUpdProgress: slotUpdateNextProgress %d", iNextProgress);
    m_nextTarget = iNextProgress;
    m_creepTimer.stop();
    m_creepTimer.start(creepInterval(m_queue->currentFileSize()));
}

void WizUpdProgress::slotUpdateProgress()
{
    QProgressBar* bar = m_ui->m_pprobarUploadProgress;
    if (bar->value() + 1 < m_nextTarget) {
        bar->setValue(bar->value() + 1);
        m_ui->m_plbUpdPrg->setText(QString::number(bar->value()) + QLatin1Char('%'));
    }
}

void WizUpdProgress::showCount()
{
    m_ui->m_plbUpdFileNum->setText(QString::number(m_queue->successCount()) + QLatin1Char('/') +
                                   QString::number(m_queue->total()));
    m_ui->m_plbUpdPrg->setText(QString::number(m_ui->m_pprobarUploadProgress->value()) + QLatin1Char('%'));
}

void WizUpdProgress::slotUpdateCompleteProgress(int iNewProgress)
{
    qDebug("WizUpdProgress: slotUpdateCompleteProgress %d", iNewProgress);
    m_completePercent = qMax(m_completePercent, qMin(iNewProgress, 100));
    if (m_ui->m_pprobarUploadProgress->value() < iNewProgress)
        m_ui->m_pprobarUploadProgress->setValue(qMin(iNewProgress, 100));
    showCount();
}

void WizUpdProgress::slotUpdateUpdStatus()
{
    showCount();
}

void WizUpdProgress::slotUploadFinished()
{
    m_creepTimer.stop();
    slotUpdateTransfer();
    m_transferTimer.stop();
    m_uploader = nullptr;
    m_ui->m_plbCurrent->clear();
    m_ui->m_plbDesc->hide();
    m_ui->m_plbUpdFileStatus->setText(tx(TextId::label_with_colon).arg(tx(TextId::upload_finish_success)));
    m_ui->m_plbUpdFileNum->setText(tx(TextId::upload_finish_files, m_queue->successCount()));
    if (m_queue->failureCount() > 0) {
        m_ui->m_plbUpdFailStatus->setText(tx(TextId::label_with_colon).arg(tx(TextId::upload_finish_fail)));
        m_ui->m_plbUpdFailNum->setText(tx(TextId::upload_finish_files, m_queue->failureCount()));
        m_ui->m_plbUpdFailStatus->show();
        m_ui->m_plbUpdFailNum->show();
    }
    m_complete = true;
    emit completeChanged();
}

void WizUpdProgress::setUploader(const FileUploader* uploader)
{
    m_uploader = uploader;
    m_estimate = TransferEstimate();
    m_clock.start();
    if (uploader)
        m_transferTimer.start(kTransferTickMs);
    else
        m_transferTimer.stop();
    slotUpdateTransfer();
}

void WizUpdProgress::setCurrentText(const QString& text)
{
    m_currentText = text;
    QLabel* label = m_ui->m_plbCurrent;
    label->setText(label->fontMetrics().elidedText(text, Qt::ElideMiddle, kDetailWidth));
    label->setToolTip(text);
}

void WizUpdProgress::slotConversionStarted(const QString& fileName, int quality)
{
    if (quality < 0)
        setCurrentText(tx(TextId::upload_prog_converting).arg(fileName));
    else
        setCurrentText(
            tx(TextId::upload_prog_converting_video).arg(fileName, FileConverter::qualityName(quality)));
}

void WizUpdProgress::slotItemStarted(const QString& serverName)
{
    setCurrentText(tx(TextId::upload_prog_uploading).arg(serverName));
}

void WizUpdProgress::slotFileFinished(const UploadOutcome& outcome)
{
    if (outcome.success)
        return;
    // The server kept its own copy as the duplicate handling asked: skipped, not failed.
    if (outcome.errorKey == QLatin1String(kSkippedKey))
        ++m_skipped;
    else
        ++m_failed;
    showCounts();
}

void WizUpdProgress::showCounts()
{
    m_ui->m_plbCounts->setText(tx(TextId::upload_prog_failed).arg(m_failed) + QStringLiteral("    ") +
                               tx(TextId::upload_prog_skipped).arg(m_skipped));
}

void WizUpdProgress::slotUpdateTransfer()
{
    if (!m_uploader)
        return;
    m_estimate.addSample(m_clock.elapsed(), m_uploader->bytesSent(), m_completePercent);
    showTransfer(m_uploader->sourceBytesSent(), m_queue->totalBytes(), m_estimate.bytesPerSecond(),
                 m_estimate.secondsLeft());
}

void WizUpdProgress::showTransfer(qint64 sent, qint64 total, double bytesPerSecond, int secondsLeft)
{
    QStringList parts;
    parts << tx(TextId::upload_prog_bytes).arg(sizeText(sent), sizeText(total));
    parts << tx(TextId::upload_prog_speed).arg(sizeText(static_cast<qint64>(bytesPerSecond)));
    if (secondsLeft >= 0)
        parts << tx(TextId::upload_prog_time_left).arg(TransferEstimate::durationText(secondsLeft));
    m_ui->m_plbTransfer->setText(parts.join(QStringLiteral("  \u00b7  ")));
}

void WizUpdProgress::slotConnectionSessionLost()
{
    qDebug("WizUpdProgress: slotConnectionSessionLost");
    Prompter::inform(this, Prompter::Icon::Warning, tx(TextId::err_error), tx(TextId::err_session_lost));
    m_creepTimer.stop();
    m_complete = true;
    emit completeChanged();
}
