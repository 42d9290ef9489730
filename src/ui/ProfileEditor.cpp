#include "ProfileEditor.h"

#include "CreateWizard.h"
#include "EditorDelegate.h"
#include "EditorHeaderView.h"
#include "EditorTableView.h"
#include "ProfileConfigModel.h"
#include "ProfileStore.h"
#include "ProfileWatchStatus.h"
#include "Prompter.h"
#include "ServerSettings.h"
#include "SortProfileConfigModel.h"
#include "VexaIcon.h"
#include "VexaLocale.h"
#include "VexaStyle.h"
#include "WatchConfig.h"
#include "ui_ProfileEditor.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStandardPaths>

namespace {

const int kRowHeight = 40;
// The watchers rewrite their status files as they go; the list reads them this often.
const int kWatchRefreshMs = 2000;

// The command that starts a profile's watcher by hand, quoted for a shell where needed.
QString watchRunCommand(const QString& profile)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_.,:@%+=/-]+$"));
    QString quoted = profile;
    if (!plain.match(profile).hasMatch())
        quoted =
            QLatin1Char('\'') + quoted.replace(QLatin1Char('\''), QLatin1String("'\\''")) + QLatin1Char('\'');
    return QStringLiteral("lumio-upload watch run ") + quoted;
}

} // namespace

ProfileEditor::ProfileEditor(QWidget* parent, int mode, QNetworkAccessManager* manager)
    : QDialog(parent), m_mode(mode), m_manager(manager),
      m_launchProgram(QCoreApplication::applicationFilePath()), m_ui(std::make_unique<Ui::ProfileEditor>())
{
    m_ui->setupUi(this);
    setWindowTitle(VexaLocale::applicationTitle());
    setMinimumSize(630, 355);
    VexaStyle::setBackgroundImage(this, QStringLiteral(":/images/bg_header.png"));

    QFont titleFont(QStringLiteral("Verdana"), 12);
    titleFont.setBold(true);
    m_ui->m_plbTitle->setStyleSheet(
        QStringLiteral("QLabel { font-size : 12px;\n font-style : bold;\n color : #ffffff }"));
    m_ui->m_plbTitle->setFixedHeight(45);
    m_ui->m_plbTitle->setFont(titleFont);

    EditorTableView* table = m_ui->m_ptblViewProf;
    m_editIcon = new VexaIcon(table);
    m_deleteIcon = new VexaIcon(table);
    m_uploadIcon = new VexaIcon(table);
    m_uploadIcon->setToolTip(tx(TextId::btn_upload));
    m_editIcon->setToolTip(tx(TextId::btn_edit));
    m_deleteIcon->setToolTip(tx(TextId::btn_delete));
    for (VexaIcon* icon : {m_editIcon, m_deleteIcon, m_uploadIcon}) {
        icon->hide();
        icon->setMouseTracking(true);
        icon->setState(VexaIcon::Inactive);
    }

    VexaIcon* create = m_ui->m_pCreateIcon;
    const QString base = QStringLiteral(":/images/bt_create_");
    auto part = [&base](const char* state, int n) {
        return QPixmap(base + QLatin1String(state) + QString::number(n) + QStringLiteral(".png"));
    };
    create->setStateImages(VexaIcon::Normal, part("normal", 1), part("normal", 2), part("normal", 3));
    create->setStateImages(VexaIcon::Inactive, part("normal", 1), part("normal", 2), part("normal", 3));
    create->setStateImages(VexaIcon::Pressed, part("action", 1), part("action", 2), part("action", 3));
    create->setStateImages(VexaIcon::Hovered, part("hover", 1), part("hover", 2), part("hover", 3));
    create->setButtonText(tx(TextId::btn_create_prof));
    create->move(509 - create->width(), (45 - create->height()) / 2);
    create->setMouseTracking(true);
    create->setFocusPolicy(Qt::TabFocus);

    ProfileStore::loadProfileSummaries(&m_summaries);
    m_model = new ProfileConfigModel(&m_summaries, this);
    m_proxy = new SortProfileConfigModel(this);
    m_proxy->setDynamicSortFilter(true);
    m_proxy->setSourceModel(m_model);
    m_delegate = new EditorDelegate(this);
    table->setModel(m_proxy);
    table->setItemDelegate(m_delegate);
    table->setMouseTracking(true);
    table->horizontalHeader()->setSectionsClickable(true);
    table->sortByColumn(0, Qt::AscendingOrder);
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    table->verticalHeader()->setDefaultSectionSize(kRowHeight);
    table->viewport()->installEventFilter(this);
    // Tab leaves the table for the create button; arrows, Enter, Delete and the menu key act on rows.
    table->setTabKeyNavigation(false);
    table->setFocusPolicy(Qt::StrongFocus);
    table->installEventFilter(this);
    table->setContextMenuPolicy(Qt::CustomContextMenu);
    setTabOrder(table, create);

    connect(table, &EditorTableView::signalMouseDoubleClicked, this, &ProfileEditor::slotDoubleClicked);
    connect(table, &EditorTableView::signalMouseMove, this, &ProfileEditor::slotMouseMove);
    connect(table, &EditorTableView::signalMouseLeave, this, &ProfileEditor::slotClearSelect);
    connect(table->editorHeader(), &EditorHeaderView::signalEnter, this, &ProfileEditor::slotClearSelect);
    connect(table->verticalScrollBar(), &QScrollBar::valueChanged, this, &ProfileEditor::slotClearSelect);
    connect(m_editIcon, &VexaIcon::signalHoverStateChange, this, &ProfileEditor::slotShowIcon);
    connect(m_deleteIcon, &VexaIcon::signalHoverStateChange, this, &ProfileEditor::slotShowIcon);
    connect(m_editIcon, &VexaIcon::signalMousePress, this, &ProfileEditor::slotEditProfile);
    connect(m_deleteIcon, &VexaIcon::signalMousePress, this, &ProfileEditor::slotDeleteProfile);
    connect(m_uploadIcon, &VexaIcon::signalHoverStateChange, this, &ProfileEditor::slotShowIcon);
    connect(m_uploadIcon, &VexaIcon::signalMousePress, this, &ProfileEditor::slotUploadProfile);
    connect(table, &QWidget::customContextMenuRequested, this, &ProfileEditor::slotContextMenu);
    connect(table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &ProfileEditor::slotCurrentRowChanged);
    connect(create, &VexaIcon::signalHoverStateChange, create, qOverload<>(&QWidget::repaint));
    connect(create, &VexaIcon::signalMousePress, this, &ProfileEditor::slotCreateProfile);
    connect(&m_watchService, &WatchService::signalFinished, this, &ProfileEditor::slotWatchServiceFinished);
    connect(&m_watchRefresh, &QTimer::timeout, this, &ProfileEditor::slotRefreshWatchStatus);
    slotRefreshWatchStatus();
    m_watchRefresh.start(kWatchRefreshMs);
    resize(630, 355);
    table->setFocus();
}

ProfileEditor::~ProfileEditor() = default;

QAbstractItemModel* ProfileEditor::viewModel() const
{
    return m_proxy;
}

void ProfileEditor::languageChange() {}

bool ProfileEditor::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ui->m_ptblViewProf && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            slotUploadProfile();
            return true;
        }
        if (key == Qt::Key_Delete) {
            slotDeleteProfile();
            return true;
        }
    }
    if (watched == m_ui->m_ptblViewProf->viewport() &&
        (event->type() == QEvent::Wheel || event->type() == QEvent::Resize))
        slotClearSelect();
    return QDialog::eventFilter(watched, event);
}

void ProfileEditor::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    m_ui->m_ptblViewProf->setGeometry(0, 45, width(), height() - 45);
    slotClearSelect();
}

void ProfileEditor::slotMouseMove(const QPoint& point)
{
    const int row = m_ui->m_ptblViewProf->rowAt(point.y());
    if (row == m_hoveredRow)
        return;
    if (row < 0) {
        slotClearSelect();
        return;
    }
    showIconsAt(row);
}

void ProfileEditor::slotCurrentRowChanged(const QModelIndex& current)
{
    if (current.isValid() && current.row() != m_hoveredRow)
        showIconsAt(current.row());
}

void ProfileEditor::showIconsAt(int row)
{
    EditorTableView* table = m_ui->m_ptblViewProf;
    m_hoveredRow = row;
    table->selectRow(row);
    int width = table->width() - 1;
    if (table->verticalScrollBar()->isVisible())
        width -= table->verticalScrollBar()->width();
    // The icons are children of the table, so the header's height and the row's inset add up to 36.
    const int y = table->rowViewportPosition(row) + 36;
    m_editIcon->setGeometry(width - 35, y, 30, 30);
    m_deleteIcon->setGeometry(width - 67, y, 30, 30);
    m_uploadIcon->setGeometry(width - 99, y, 30, 30);
    for (VexaIcon* icon : {m_editIcon, m_deleteIcon, m_uploadIcon})
        icon->setState(VexaIcon::Normal);
    slotShowIcon();
}

void ProfileEditor::slotShowIcon()
{
    const struct
    {
        VexaIcon* icon;
        const char* image;
    } icons[] = {{m_editIcon, ":/images/bt_edit"},
                 {m_deleteIcon, ":/images/bt_del"},
                 {m_uploadIcon, ":/images/bt_upload"}};
    for (const auto& entry : icons) {
        entry.icon->hide();
        if (m_hoveredRow < 0)
            continue;
        const bool hovered = entry.icon->state() == VexaIcon::Hovered;
        entry.icon->setPixmap(
            QPixmap(QLatin1String(entry.image) + QLatin1String(hovered ? "_hover.png" : ".png")));
        entry.icon->show();
    }
}

void ProfileEditor::slotClearSelect()
{
    const bool hadRow = m_hoveredRow >= 0;
    m_hoveredRow = -1;
    if (!hadRow)
        return;
    m_ui->m_ptblViewProf->clearSelection();
    for (VexaIcon* icon : {m_editIcon, m_deleteIcon, m_uploadIcon}) {
        icon->setState(VexaIcon::Inactive);
        icon->hide();
    }
}

QString ProfileEditor::hoveredProfileName() const
{
    if (m_hoveredRow < 0)
        return QString();
    return m_proxy->index(m_hoveredRow, 0).data().toString();
}

void ProfileEditor::reattachModel()
{
    m_proxy->setSourceModel(nullptr);
    m_proxy->setSourceModel(m_model);
    m_ui->m_ptblViewProf->verticalHeader()->setDefaultSectionSize(kRowHeight);
    for (int row = 0; row < m_proxy->rowCount(); ++row)
        m_ui->m_ptblViewProf->setRowHeight(row, kRowHeight);
}

int ProfileEditor::runCreateWizard(ServerProfile* profile)
{
    CreateWizard wizard(nullptr, 7, m_manager, profile);
    return wizard.exec();
}

int ProfileEditor::runServerSettings(ProfileSummary* summary)
{
    ServerSettings settings(this, m_manager, summary);
    return settings.exec();
}

void ProfileEditor::slotCreateProfile()
{
    VexaIcon* create = m_ui->m_pCreateIcon;
    create->setState(VexaIcon::Pressed);
    create->repaint();
    if (runCreateWizard(&m_scratchProfile) == QDialog::Accepted) {
        ProfileSummary summary;
        summary.port = m_scratchProfile.port;
        summary.https = m_scratchProfile.https;
        summary.savepass = m_scratchProfile.savepass;
        summary.personal = m_scratchProfile.personal;
        summary.profname = m_scratchProfile.profname;
        summary.hostaddr = m_scratchProfile.hostaddr;
        summary.usrname = m_scratchProfile.usrname;
        summary.account = m_scratchProfile.account;
        summary.password = m_scratchProfile.password;
        m_summaries.insert(summary.profname, summary);
        reattachModel();
    }
    create->setState(VexaIcon::Normal);
    create->repaint();
}

void ProfileEditor::slotEditProfile()
{
    const QString name = hoveredProfileName();
    ProfileSummary* summary = ProfileStore::summaryFor(&m_summaries, name);
    if (!summary)
        return;
    const QString oldName = summary->profname;
    if (runServerSettings(summary) != QDialog::Accepted)
        return;
    ProfileStore::updateProfileSummary(oldName, *summary);
    const QString newName = summary->profname;
    if (newName != oldName) {
        const ProfileSummary changed = *summary;
        m_summaries.remove(oldName);
        m_summaries.insert(changed.profname, changed);
    }
    reattachModel();
    slotClearSelect();
    // A watcher started under the old name would look for a profile that no longer exists.
    if (newName != oldName && ProfileWatchStatus::read(oldName).isConfigured()) {
        m_watchService.waitForFinished();
        m_watchProfile = newName;
        m_watchFolder.clear();
        setCursor(Qt::BusyCursor);
        m_watchService.rename(oldName, newName);
    }
}

void ProfileEditor::slotDeleteProfile()
{
    const QString name = hoveredProfileName();
    if (name.isEmpty())
        return;
    if (!Prompter::askYesNo(this, Prompter::Icon::Warning, tx(TextId::err_warning),
                            tx(TextId::msg_cfrm_remove_prof).arg(name)))
        return;
    ProfileStore::removeProfile(name);
    m_summaries.remove(name);
    reattachModel();
    slotClearSelect();
    // A watcher of a profile that is gone could only fail from now on.
    if (ProfileWatchStatus::read(name).isConfigured() && !m_watchService.isBusy()) {
        m_watchProfile = name;
        m_watchFolder.clear();
        m_watchService.disable(name);
    }
}

void ProfileEditor::slotDoubleClicked(const QModelIndex& index)
{
    if (!index.isValid())
        return;
    startUpload(m_proxy->index(index.row(), 0).data().toString());
}

void ProfileEditor::slotUploadProfile()
{
    const QString name = hoveredProfileName();
    if (!name.isEmpty())
        startUpload(name);
}

void ProfileEditor::startUpload(const QString& name)
{
    QProcess::startDetached(m_launchProgram,
                            {QStringLiteral("8"), QString::number(ProfileStore::shortcutIndexOf(name))});
    setWindowState(windowState() ^ Qt::WindowMinimized);
}

void ProfileEditor::slotContextMenu(const QPoint& point)
{
    EditorTableView* table = m_ui->m_ptblViewProf;
    // The menu key reports no row of its own: it acts on the current row.
    int row = table->rowAt(point.y());
    if (row < 0)
        row = m_hoveredRow;
    if (row < 0)
        return;
    showIconsAt(row);
    const QString name = hoveredProfileName();
    if (m_contextMenu)
        m_contextMenu->deleteLater();
    m_contextMenu = new QMenu(this);
    m_contextMenu->setAttribute(Qt::WA_DeleteOnClose);
    // Opening the menu takes the pointer off the table and clears the hover, so each entry finds its
    // row again by name.
    const auto onRow = [this, name](void (ProfileEditor::*slot)()) {
        return [this, name, slot] {
            for (int r = 0; r < m_proxy->rowCount(); ++r) {
                if (m_proxy->index(r, 0).data().toString() == name) {
                    showIconsAt(r);
                    (this->*slot)();
                    return;
                }
            }
        };
    };
    m_contextMenu->addAction(tx(TextId::btn_upload), this, onRow(&ProfileEditor::slotUploadProfile));
    m_contextMenu->addAction(tx(TextId::btn_edit), this, onRow(&ProfileEditor::slotEditProfile));
    m_contextMenu->addAction(tx(TextId::btn_delete), this, onRow(&ProfileEditor::slotDeleteProfile));
    m_contextMenu->addSeparator();
    QAction* keep = m_contextMenu->addAction(tx(TextId::profile_keep_uploaded), this,
                                             onRow(&ProfileEditor::slotKeepUploaded));
    keep->setEnabled(!m_watchService.isBusy());
    if (ProfileWatchStatus::read(name).isConfigured()) {
        QAction* stop = m_contextMenu->addAction(tx(TextId::profile_stop_uploaded), this,
                                                 onRow(&ProfileEditor::slotStopKeepingUploaded));
        stop->setEnabled(!m_watchService.isBusy());
    }
    const QPoint at = point.isNull() || table->rowAt(point.y()) < 0
                          ? QPoint(20, table->rowViewportPosition(row) + kRowHeight / 2)
                          : point;
    m_contextMenu->popup(table->viewport()->mapToGlobal(at));
}

void ProfileEditor::slotRefreshWatchStatus()
{
    QHash<QString, ProfileWatchStatus> status;
    for (auto it = m_summaries.cbegin(); it != m_summaries.cend(); ++it) {
        const ProfileWatchStatus one = ProfileWatchStatus::read(it.key());
        if (!one.line().isEmpty())
            status.insert(it.key(), one);
    }
    // A status line may need a wider name column.
    if (m_model->setWatchStatus(status))
        m_ui->m_ptblViewProf->resizeColumnToContents(0);
}

void ProfileEditor::slotKeepUploaded()
{
    const QString name = hoveredProfileName();
    const ProfileSummary* summary = ProfileStore::summaryFor(&m_summaries, name);
    if (!summary || m_watchService.isBusy())
        return;
    // The service runs unattended: it has no one to ask for a password.
    if (!summary->savepass && !Prompter::askYesNo(this, Prompter::Icon::Warning, tx(TextId::err_warning),
                                                  tx(TextId::watch_no_password).arg(name)))
        return;
    // Folders kept uploaded before and options set from the console stay.
    const QString path = WatchConfig::pathFor(name);
    WatchConfig config;
    QString error;
    if (QFileInfo::exists(path) && !config.read(path, &error)) {
        Prompter::inform(this, Prompter::Icon::Critical, tx(TextId::err_error),
                         tx(TextId::watch_change_failed).arg(name, error));
        return;
    }
    const QString start =
        config.paths.value(0, QStandardPaths::writableLocation(QStandardPaths::PicturesLocation));
    const QString chosen =
        Prompter::instance()->askDirectory(this, tx(TextId::watch_choose_folder).arg(name), start);
    if (chosen.isEmpty())
        return;
    // The watcher follows no symbolic link, so it is given the folder itself.
    const QFileInfo info(chosen);
    const QString folder = info.canonicalFilePath();
    if (folder.isEmpty() || !info.isDir() || !info.isReadable() || !info.isExecutable()) {
        Prompter::inform(this, Prompter::Icon::Critical, tx(TextId::err_error),
                         tx(TextId::watch_bad_folder).arg(QDir::toNativeSeparators(chosen)));
        return;
    }
    if (!config.paths.contains(folder))
        config.paths.append(folder);
    if (!config.write(path, &error)) {
        Prompter::inform(this, Prompter::Icon::Critical, tx(TextId::err_error),
                         tx(TextId::watch_change_failed).arg(name, error));
        return;
    }
    m_watchProfile = name;
    m_watchFolder = folder;
    setCursor(Qt::BusyCursor);
    m_watchService.enable(name);
    slotRefreshWatchStatus();
}

void ProfileEditor::slotStopKeepingUploaded()
{
    const QString name = hoveredProfileName();
    if (name.isEmpty() || m_watchService.isBusy())
        return;
    m_watchProfile = name;
    m_watchFolder.clear();
    setCursor(Qt::BusyCursor);
    m_watchService.disable(name);
}

void ProfileEditor::slotWatchServiceFinished(WatchService::Outcome outcome, const QString& error)
{
    unsetCursor();
    slotRefreshWatchStatus();
    const bool enabling = !m_watchFolder.isEmpty();
    if (outcome == WatchService::Outcome::Failed)
        Prompter::inform(this, Prompter::Icon::Critical, tx(TextId::err_error),
                         tx(TextId::watch_change_failed).arg(m_watchProfile, error));
    else if (enabling && outcome == WatchService::Outcome::NoSystemctl)
        Prompter::inform(this, Prompter::Icon::Warning, tx(TextId::err_warning),
                         tx(TextId::watch_no_systemd).arg(watchRunCommand(m_watchProfile)));
    else if (enabling)
        Prompter::inform(
            this, Prompter::Icon::Information, VexaLocale::applicationTitle(),
            tx(TextId::watch_started).arg(QDir::toNativeSeparators(m_watchFolder), m_watchProfile));
}
