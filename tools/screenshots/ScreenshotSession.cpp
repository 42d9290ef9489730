#include "ScreenshotSession.h"

#include "AlbumBrowser.h"
#include "AppPaths.h"
#include "CannedNetworkAccessManager.h"
#include "CreateWizard.h"
#include "EditorTableView.h"
#include "ErrorReport.h"
#include "FindHostUtils.h"
#include "ProfileEditor.h"
#include "ProfileStore.h"
#include "ScreenshotUploadWizard.h"
#include "ServerProfile.h"
#include "ServerSettings.h"
#include "VexaIcon.h"
#include "WatchConfig.h"
#include "WatchState.h"
#include "WizIPDialog.h"
#include "WizUpdProgress.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDebug>
#include <QDir>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QRadioButton>
#include <QTcpServer>
#include <QTimer>
#include <QTreeWidget>
#include <QtEndian>

#include <cstdio>

namespace {

// Lets pending events, timers and replies run for a while.
void settle(int milliseconds = 150)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

NASINFO fakeServer(const char* name, const char* mac, const char* address, int build, qint32 qcStatus)
{
    NASINFO info{};
    std::snprintf(info.serverName, sizeof info.serverName, "%s", name);
    std::snprintf(info.serverMac, sizeof info.serverMac, "%s", mac);
    info.ipAddress = qToBigEndian(QHostAddress(QString::fromLatin1(address)).toIPv4Address());
    info.buildNumber = build;
    info.qcStatus = qcStatus;
    info.connectionValue = 1;
    info.packetType = FHOST_PKT_BRESPONSE;
    fhost_set_flag_a(&info, 3);
    return info;
}

void addFakeServers(NasInfoMap* map)
{
    for (const NASINFO& info : {fakeServer("Korvat-Home", "00:11:32:aa:01:02", "192.168.1.20", 1240, 1),
                                fakeServer("Studio", "00:11:32:aa:01:07", "192.168.1.34", 1180, 1),
                                fakeServer("Backup-Old", "00:11:32:aa:01:09", "192.168.1.51", 1020, 1)})
        map->insert(QString::fromLatin1(info.serverMac), info);
}

void storeProfile(const QString& name, const QString& host, int port, const QString& account)
{
    ServerProfile profile;
    profile.setAll(name, host, port, port == 443, account, QStringLiteral("secret"), true, QString(), false,
                   true, true, true, QStringLiteral("RENAME"), QString(), {});
    ProfileStore::createProfile(profile);
}

// A folder kept uploaded with a profile, and what its watcher (this process, so that it counts as
// running) last said.
void storeWatch(const QString& profile, WatchState::Activity activity)
{
    WatchConfig config;
    config.paths = QStringList{QDir::homePath() + QStringLiteral("/Pictures/") + profile};
    QString error;
    if (!AppPaths::ensureRuntimeFolder(&error) || !config.write(WatchConfig::pathFor(profile), &error))
        qWarning().noquote() << error;
    const QDateTime morning(QDate(2024, 5, 14), QTime(9, 30));
    WatchState state;
    state.activity = activity;
    state.pid = QCoreApplication::applicationPid();
    state.uploading = 12;
    state.lastRun = morning;
    state.lastRunResult = QStringLiteral("24 uploaded, 0 failed, 3 skipped in 41 s");
    state.unreachableSince = morning.addSecs(600);
    if (!state.write(WatchState::pathFor(profile), &error))
        qWarning().noquote() << error;
}

QPoint rowPoint(EditorTableView* table, int row)
{
    return QPoint(20, table->rowViewportPosition(row) + table->rowHeight(row) / 2);
}

} // namespace

ScreenshotSession::ScreenshotSession(const QString& folder) : m_folder(folder) {}

QStringList ScreenshotSession::expectedFiles()
{
    return {QStringLiteral("profile_list.png"),
            QStringLiteral("profile_list_hover.png"),
            QStringLiteral("profile_list_scroll.png"),
            QStringLiteral("create_server.png"),
            QStringLiteral("create_server_list.png"),
            QStringLiteral("create_target.png"),
            QStringLiteral("create_target_personal.png"),
            QStringLiteral("create_account.png"),
            QStringLiteral("create_hint.png"),
            QStringLiteral("create_account_busy.png"),
            QStringLiteral("server_settings.png"),
            QStringLiteral("upload_settings.png"),
            QStringLiteral("upload_quality.png"),
            QStringLiteral("upload_progress.png"),
            QStringLiteral("error_report.png"),
            QStringLiteral("upload_finished.png"),
            QStringLiteral("album_browser.png")};
}

bool ScreenshotSession::run()
{
    QDir().mkpath(m_folder);
    storeProfiles();
    profileList();
    createWizard();
    createWizardBusy();
    serverSettings();
    uploadWizard();
    albumBrowser();
    return m_ok;
}

void ScreenshotSession::save(QWidget* widget, const QString& name)
{
    reportCutTexts(widget, name);
    savePicture(widget->grab(), name);
}

void ScreenshotSession::reportCutTexts(QWidget* window, const QString& name)
{
    const auto report = [&name](const QWidget* widget, const QString& text, const QSize& needed) {
        std::fprintf(stderr, "cut text: %s %s \"%s\" needs %dx%d, has %dx%d\n", qUtf8Printable(name),
                     qUtf8Printable(widget->objectName()), qUtf8Printable(text.simplified()), needed.width(),
                     needed.height(), widget->width(), widget->height());
    };
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (!label->isVisibleTo(window) || label->text().isEmpty())
            continue;
        const QSize needed = label->wordWrap() ? QSize(label->width(), label->heightForWidth(label->width()))
                                               : label->minimumSizeHint();
        if (needed.width() > label->width() || needed.height() > label->height())
            report(label, label->text(), needed);
    }
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (!button->isVisibleTo(window) || button->text().isEmpty())
            continue;
        const QSize needed = button->sizeHint();
        if (needed.width() > button->width())
            report(button, button->text(), needed);
    }
}

void ScreenshotSession::savePicture(const QPixmap& picture, const QString& name)
{
    const QString path = QDir(m_folder).filePath(name);
    if (!picture.save(path, "PNG")) {
        qWarning().noquote() << "could not write" << path;
        m_ok = false;
        return;
    }
    m_saved.append(name);
}

void ScreenshotSession::savePopup(QWidget* window, QWidget* popup, const QString& name)
{
    // A pop-up is a window of its own: draw it over its dialog where the user sees it open.
    QPixmap picture = window->grab();
    QPainter painter(&picture);
    painter.drawPixmap(window->mapFromGlobal(popup->mapToGlobal(QPoint(0, 0))), popup->grab());
    painter.end();
    savePicture(picture, name);
}

void ScreenshotSession::storeProfiles()
{
    storeProfile(QStringLiteral("Home Korvat"), QStringLiteral("192.168.1.20"), 5000,
                 QStringLiteral("admin"));
    storeProfile(QStringLiteral("Studio"), QStringLiteral("10.0.0.2"), 80, QStringLiteral("photographer"));
    storeProfile(QStringLiteral("Office"), QStringLiteral("nas.office.example"), 443,
                 QStringLiteral("jane.doe"));
    storeProfile(QStringLiteral("Cabin"), QStringLiteral("192.168.0.1"), 80, QStringLiteral("family"));
    storeWatch(QStringLiteral("Home Korvat"), WatchState::Activity::Watching);
    storeWatch(QStringLiteral("Office"), WatchState::Activity::Uploading);
    storeWatch(QStringLiteral("Cabin"), WatchState::Activity::Unreachable);
}

void ScreenshotSession::profileList()
{
    {
        ProfileEditor editor(nullptr, 3, &m_manager);
        editor.show();
        settle();
        save(&editor, QStringLiteral("profile_list.png"));

        auto* table = editor.findChild<EditorTableView*>(QStringLiteral("m_ptblViewProf"));
        editor.slotMouseMove(rowPoint(table, 1));
        editor.editIcon()->setState(VexaIcon::Hovered);
        editor.slotShowIcon();
        auto* create = editor.findChild<VexaIcon*>(QStringLiteral("m_pCreateIcon"));
        create->setState(VexaIcon::Hovered);
        settle();
        save(&editor, QStringLiteral("profile_list_hover.png"));

        create->setState(VexaIcon::Normal);
        editor.slotContextMenu(rowPoint(table, 0));
        settle();
        if (editor.contextMenu())
            save(editor.contextMenu(), QStringLiteral("profile_list_menu.png"));
    }

    for (int i = 1; i <= 8; ++i)
        storeProfile(QStringLiteral("Archive %1").arg(i), QStringLiteral("192.168.2.%1").arg(10 + i), 80,
                     QStringLiteral("archivist"));
    ProfileEditor editor(nullptr, 3, &m_manager);
    editor.show();
    settle();
    auto* table = editor.findChild<EditorTableView*>(QStringLiteral("m_ptblViewProf"));
    editor.slotMouseMove(rowPoint(table, 2));
    settle();
    save(&editor, QStringLiteral("profile_list_scroll.png"));
}

void ScreenshotSession::createWizard()
{
    ServerProfile profile;
    CreateWizard wizard(nullptr, 1, &m_manager, &profile);
    addFakeServers(wizard.serverMap());
    wizard.show();
    wizard.serverPage()->slotFindHostUpdate();
    settle();
    QComboBox* combo = wizard.serverPage()->serverCombo();
    wizard.serverPage()->slotDisplayConfig(0);
    settle();
    save(&wizard, QStringLiteral("create_server.png"));

    combo->showPopup();
    settle();
    savePopup(&wizard, combo->view()->window(), QStringLiteral("create_server_list.png"));
    combo->hidePopup();

    wizard.next();
    settle();
    save(&wizard, QStringLiteral("create_target.png"));
    auto* personal = wizard.currentPage()->findChild<QRadioButton*>(QStringLiteral("m_pradPersonalLumio"));
    auto* personalName = wizard.currentPage()->findChild<QLineEdit*>(QStringLiteral("m_pedtPersonalName"));
    personal->setChecked(true);
    personalName->setText(QStringLiteral("jane.doe"));
    settle();
    save(&wizard, QStringLiteral("create_target_personal.png"));

    wizard.next();
    settle();
    save(&wizard, QStringLiteral("create_account.png"));
    wizard.currentPage()->findChild<QCheckBox*>(QStringLiteral("m_pchkSaveCred"))->setChecked(false);
    wizard.next();
    settle();
    save(&wizard, QStringLiteral("create_hint.png"));
    wizard.reject();
}

void ScreenshotSession::createWizardBusy()
{
    // A login that never gets its answer keeps the wizard busy long enough to be pictured.
    QTcpServer silent;
    silent.listen(QHostAddress::LocalHost);
    ServerProfile profile;
    CreateWizard wizard(nullptr, 7, &m_manager, &profile);
    wizard.show();
    settle();
    wizard.setField(QStringLiteral("ProfileName"), QStringLiteral("Loopback"));
    wizard.serverPage()->serverCombo()->setEditText(QStringLiteral("127.0.0.1"));
    wizard.setField(QStringLiteral("HostPort"), QString::number(silent.serverPort()));
    wizard.next();
    wizard.next();
    wizard.setField(QStringLiteral("Password"), QStringLiteral("secret"));
    wizard.next();
    settle();
    save(&wizard, QStringLiteral("create_account_busy.png"));
    wizard.reject();
}

void ScreenshotSession::serverSettings()
{
    ProfileSummaryMap summaries;
    ProfileStore::loadProfileSummaries(&summaries);
    ProfileSummary summary = summaries.value(QStringLiteral("Home Korvat"));
    summary.personal = true;
    summary.usrname = QStringLiteral("jane.doe");
    ServerSettings settings(nullptr, &m_manager, &summary);
    addFakeServers(settings.serverMap());
    settings.show();
    settings.slotFindHostUpdate();
    settle();
    save(&settings, QStringLiteral("server_settings.png"));
}

void ScreenshotSession::uploadWizard()
{
    ServerProfile profile;
    ProfileStore::loadProfile(QStringLiteral("Home Korvat"), &profile);
    QStringList sources;
    ScreenshotUploadWizard wizard(&m_manager, &sources, &profile);
    wizard.show();
    wizard.setField(QStringLiteral("SrcFolder"), QStringLiteral("/home/jane/Pictures/Holiday 2013"));
    settle();
    save(&wizard, QStringLiteral("upload_settings.png"));

    wizard.setCurrentId(UploadWizard::QualityPage);
    settle();
    save(&wizard, QStringLiteral("upload_quality.png"));

    wizard.setCurrentId(UploadWizard::ProgressPage);
    auto* progress = qobject_cast<WizUpdProgress*>(wizard.page(UploadWizard::ProgressPage));
    UploadQueue* queue = wizard.uploadQueue();
    queue->setTotal(12);
    for (int i = 0; i < 5; ++i)
        queue->addSuccess();
    progress->slotUpdateCompleteProgress(42);
    progress->slotConversionStarted(QStringLiteral("MVI_0420.MOV"), 1);
    progress->showTransfer(48 * 1024 * 1024 + 300 * 1024, 131 * 1024 * 1024, 2.4 * 1024 * 1024, 95);
    UploadOutcome refused;
    refused.errorKey = QStringLiteral("no_privilege");
    progress->slotFileFinished(refused);
    settle();
    save(&wizard, QStringLiteral("upload_progress.png"));

    for (int i = 0; i < 4; ++i)
        queue->addSuccess();
    queue->addFailure(QStringLiteral("IMG_0412.CR2"), QStringLiteral("Failed to convert IMG_0412.CR2."));
    queue->addFailure(QStringLiteral("MVI_0420.MOV"),
                      QStringLiteral("Connection error. (Error Code: RemoteHostClosedError)"));
    queue->addFailure(QStringLiteral("party/DSC_1001.JPG"), QStringLiteral("Skip duplicate file"));
    UploadProblem warning;
    warning.path = QStringLiteral("/home/jane/Pictures/Holiday 2013/Day 3 - the long walk along the "
                                  "northern cliffs at sunset/DSC_1107.JPG");
    warning.targetFolder = QStringLiteral("Holiday 2013");
    warning.text = QStringLiteral("Uploaded without thumbnails: convert ended with status 1.");
    warning.time = QDateTime::currentDateTime();
    warning.kind = UploadProblem::Kind::Warning;
    queue->addProblem(warning);
    progress->slotUpdateCompleteProgress(100);
    // The run's end opens the error report modally; picture it and close it.
    QTimer reportCloser;
    QObject::connect(&reportCloser, &QTimer::timeout, [this, &reportCloser] {
        if (auto* report = qobject_cast<ErrorReport*>(QApplication::activeModalWidget())) {
            reportCloser.stop();
            settle();
            save(report, QStringLiteral("error_report.png"));
            report->accept();
        }
    });
    reportCloser.start(20);
    wizard.slotUploadFinished();
    settle();
    save(&wizard, QStringLiteral("upload_finished.png"));
}

void ScreenshotSession::albumBrowser()
{
    CannedNetworkAccessManager manager;
    AlbumBrowser browser(nullptr, &manager, QStringLiteral("http://192.168.1.20:5000"));
    browser.show();
    settle();
    auto* tree = browser.findChild<QTreeWidget*>(QStringLiteral("m_ptrewServerDirTree"));
    QTreeWidgetItem* root = tree->topLevelItem(0);
    for (int i = 0; i < root->childCount(); ++i) {
        QTreeWidgetItem* album = root->child(i);
        if (album->text(0) == QLatin1String("2013")) {
            album->setExpanded(true);
            settle();
            QTreeWidgetItem* party = album->child(0);
            party->setExpanded(true);
            settle();
            tree->setCurrentItem(party);
        }
    }
    settle();
    save(&browser, QStringLiteral("album_browser.png"));
}
