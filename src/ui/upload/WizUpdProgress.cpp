#include "WizUpdProgress.h"

#include "Prompter.h"
#include "ServerProfile.h"
#include "UploadQueue.h"
#include "VexaLocale.h"
#include "VexaStyle.h"
#include "ui_WizUpdProgress.h"

#include <QDebug>

namespace {

const QString kUnitStyle =
    QStringLiteral("QLabel { font-size : 12px;\n font-style : bold;\n color : #6d6d6d }");
const QString kFailStyle = QStringLiteral("QLabel { font-size : 12px;\n color : #a41c1c }");
const QString kFailNumberStyle =
    QStringLiteral("QLabel { font-size : 12px;\n font-style : bold;\n color : #a41c1c }");

} // namespace

WizUpdProgress::WizUpdProgress(QWidget* parent, ServerProfile* profile, UploadQueue* queue)
    : QWizardPage(parent), m_creepTimer(this), m_profile(profile), m_queue(queue),
      m_ui(std::make_unique<Ui::WizUpdProgress>())
{
    m_ui->setupUi(this);
    m_ui->m_pprobarUploadProgress->setRange(0, 100);
    m_ui->m_pprobarUploadProgress->setValue(0);
    m_ui->m_pprobarUploadProgress->setFixedSize(432, 21);
    connect(&m_creepTimer, &QTimer::timeout, this, &WizUpdProgress::slotUpdateProgress);
    languageChange();
}

WizUpdProgress::~WizUpdProgress() = default;

void WizUpdProgress::languageChange()
{
    m_ui->m_plbDesc->setText(tx(TextId::upload_prog_title).arg(m_profile->profname));
    m_ui->m_plbUpdFileStatus->setText(tx(TextId::upload_prog_status));
    m_ui->m_plbUpdFailStatus->setText(tx(TextId::upload_finish_fail));
}

void WizUpdProgress::initializePage()
{
    if (m_defaultsSet)
        return;
    m_defaultsSet = true;
    m_ui->m_pprobarUploadProgress->setValue(0);
    m_ui->m_plbUpdPrg->setText(QStringLiteral("0%"));
    m_ui->m_plbUpdFileNum->setText(QStringLiteral(":0/") + QString::number(m_queue->total()));
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
    m_ui->m_plbUpdFileNum->setText(QLatin1Char(':') + QString::number(m_queue->successCount()) +
                                   QLatin1Char('/') + QString::number(m_queue->total()));
    m_ui->m_plbUpdPrg->setText(QString::number(m_ui->m_pprobarUploadProgress->value()) + QLatin1Char('%'));
}

void WizUpdProgress::slotUpdateCompleteProgress(int iNewProgress)
{
    qDebug("WizUpdProgress: slotUpdateCompleteProgress %d", iNewProgress);
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
    m_ui->m_plbDesc->hide();
    m_ui->m_plbUpdFileStatus->setText(tx(TextId::upload_finish_success));
    m_ui->m_plbUpdFileNum->setText(QLatin1Char(':') +
                                   tx(TextId::upload_finish_unit).arg(m_queue->successCount()));
    if (m_queue->failureCount() > 0) {
        m_ui->m_plbUpdFailStatus->setText(tx(TextId::upload_finish_fail));
        m_ui->m_plbUpdFailNum->setText(QLatin1Char(':') +
                                       tx(TextId::upload_finish_unit).arg(m_queue->failureCount()));
        m_ui->m_plbUpdFailStatus->show();
        m_ui->m_plbUpdFailNum->show();
    }
    m_complete = true;
    emit completeChanged();
}

void WizUpdProgress::slotConnectionSessionLost()
{
    qDebug("WizUpdProgress: slotConnectionSessionLost");
    Prompter::inform(this, Prompter::Icon::Warning, tx(TextId::err_error), tx(TextId::err_session_lost));
    m_creepTimer.stop();
    m_complete = true;
    emit completeChanged();
}
