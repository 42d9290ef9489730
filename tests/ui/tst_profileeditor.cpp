#include "AppPaths.h"
#include "CreateWizard.h"
#include "DiscoveryResponder.h"
#include "EditorHeaderView.h"
#include "EditorTableView.h"
#include "ProfileEditor.h"
#include "ProfileStore.h"
#include "RefServer.h"
#include "ScriptedPrompter.h"
#include "ServerProfile.h"
#include "ServerSettings.h"
#include "TestEnvironment.h"
#include "VexaIcon.h"
#include "VexaLocale.h"
#include "WatchConfig.h"
#include "WatchService.h"
#include "WatchState.h"
#include "WizIPDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QNetworkAccessManager>
#include <QPushButton>
#include <QScrollBar>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <cmath>
#include <functional>

namespace {

void storeProfile(const QString& name, const QString& host, const QString& account = QStringLiteral("admin"),
                  bool savePassword = true)
{
    ServerProfile profile;
    profile.setAll(name, host, 80, false, account, QStringLiteral("secret"), savePassword, QString(), false,
                   true, true, true, QStringLiteral("RENAME"), QString(), {});
    ProfileStore::createProfile(profile);
}

QStringList column(QAbstractItemModel* model, int column)
{
    QStringList texts;
    for (int row = 0; row < model->rowCount(); ++row)
        texts.append(model->index(row, column).data().toString());
    return texts;
}

// Runs an action on the next modal dialog of type T once it is open.
template <typename T> void whenModal(const std::function<void(T*)>& action)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, action] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            action(dialog);
        }
    });
    poll->start(20);
}

QString readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// A stand-in for systemctl that records its arguments, one call a line, and fails with $FAIL's text.
QString fakeSystemctl(const QTemporaryDir& dir)
{
    const QString fake = dir.filePath(QStringLiteral("systemctl"));
    QFile file(fake);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write(QStringLiteral(
                   "#!/bin/sh\necho \"$*\" >> '%1'\n[ -z \"$FAIL\" ] || { echo \"$FAIL\" >&2; exit 1; }\n")
                   .arg(dir.filePath(QStringLiteral("systemctl.log")))
                   .toUtf8());
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return fake;
}

} // namespace

class TestProfileEditor : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void lookAndColumns();
    void serverColumnSortsAsAddresses();
    void hoverFollowsThePointer();
    void iconsStayLeftOfTheScrollBar_data();
    void iconsStayLeftOfTheScrollBar();
    void deleteAsksFirst_data();
    void deleteAsksFirst();
    void doubleClickStartsAnUpload_data();
    void doubleClickStartsAnUpload();
    void createButtonListsTheNewProfile();
    void editIconSavesTheSettings_data();
    void editIconSavesTheSettings();
    void keyboardMovesTheRowAndFocus();
    void rowTextIsReadable_data();
    void rowTextIsReadable();
    void keepFolderUploaded_data();
    void keepFolderUploaded();
    void watchStatusShown_data();
    void watchStatusShown();

private:
    // Acts on a row the way a user can: "icon" clicks the row's icon, "key" reaches the row with the
    // arrow keys and presses the key, "menu" right-clicks the row and picks the menu entry.
    void actOnRow(ProfileEditor* editor, int row, const QString& how, VexaIcon* icon, Qt::Key key,
                  const QString& menuEntry)
    {
        EditorTableView* view = table(editor);
        if (how == QLatin1String("icon")) {
            editor->slotMouseMove(rowPoint(editor, row));
            QTest::mouseClick(icon, Qt::LeftButton);
        } else if (how == QLatin1String("key")) {
            view->setFocus();
            QTest::keyClick(view, Qt::Key_Home);
            for (int i = 0; i < row; ++i)
                QTest::keyClick(view, Qt::Key_Down);
            QCOMPARE(editor->hoveredRow(), row);
            QTest::keyClick(view, key);
        } else {
            const QPoint point = rowPoint(editor, row);
            QContextMenuEvent rightClick(QContextMenuEvent::Mouse, point,
                                         view->viewport()->mapToGlobal(point));
            QApplication::sendEvent(view->viewport(), &rightClick);
            QTRY_VERIFY(editor->contextMenu() && editor->contextMenu()->isVisible());
            QStringList entries;
            QAction* chosen = nullptr;
            for (QAction* action : editor->contextMenu()->actions()) {
                if (action->isSeparator())
                    continue;
                entries << action->text();
                if (action->text() == menuEntry)
                    chosen = action;
            }
            QVERIFY2(entries.mid(0, 4) == (QStringList{"Upload", "Edit", "Delete", "Keep folder uploaded…"}),
                     qPrintable(entries.join(QLatin1Char(','))));
            // The menu took the pointer off the table; the entry must still find its row.
            editor->slotClearSelect();
            QVERIFY(chosen);
            chosen->trigger();
        }
    }

    EditorTableView* table(ProfileEditor* editor) const
    {
        return editor->findChild<EditorTableView*>(QStringLiteral("m_ptblViewProf"));
    }
    QPoint rowPoint(ProfileEditor* editor, int row) const
    {
        EditorTableView* view = table(editor);
        return QPoint(30, view->rowViewportPosition(row) + view->rowHeight(row) / 2);
    }
    int rowOf(ProfileEditor* editor, const QString& name) const
    {
        return static_cast<int>(column(editor->viewModel(), 0).indexOf(name));
    }

    std::unique_ptr<RefServer> m_server;
    std::unique_ptr<ScriptedPrompter> m_prompter;
    QNetworkAccessManager m_manager;
    QTranslator m_english;
};

void TestProfileEditor::initTestCase()
{
    // Whatever the machine has, the list's systemctl is the one each test names.
    qputenv("LUMIO_SYSTEMCTL", "/nonexistent/systemctl");
    DiscoveryResponder::useLoopbackDiscovery();
    m_server = std::make_unique<RefServer>();
    QVERIFY2(m_server->start(), qPrintable(m_server->errorString()));
    QDir().mkpath(AppPaths::dataFolder());
    QString reason;
    QVERIFY2(AppPaths::ensureRuntimeFolder(&reason), qPrintable(reason));
    // English as the program shows it, plurals included.
    QVERIFY(m_english.load(VexaLocale::translationFileFor(QStringLiteral("enu"))));
    QCoreApplication::installTranslator(&m_english);
    QVERIFY(ProfileStore::open());
    ProfileStore::createProfilesTable();
}

void TestProfileEditor::init()
{
    m_prompter = std::make_unique<ScriptedPrompter>();
    QSqlQuery(ProfileStore::connection()).exec(QStringLiteral("DELETE FROM ServerProfiles"));
}

void TestProfileEditor::cleanup()
{
    m_prompter.reset();
    qputenv("LUMIO_SYSTEMCTL", "/nonexistent/systemctl");
    qunsetenv("FAIL");
    QDir(WatchConfig::folder()).removeRecursively();
    for (const QString& name : {QStringLiteral("Home"), QStringLiteral("Away"), QStringLiteral("Maybe")})
        QFile::remove(WatchState::pathFor(name));
}

void TestProfileEditor::lookAndColumns()
{
    storeProfile(QStringLiteral("Home"), QStringLiteral("192.168.1.20"), QStringLiteral("jane"));
    ProfileEditor editor(nullptr, 3, &m_manager);
    editor.show();
    QCOMPARE(editor.windowTitle(), QStringLiteral("Vexalon Lumio Uploader"));
    QCOMPARE(editor.minimumSize(), QSize(630, 355));
    QCOMPARE(editor.viewModel()->headerData(0, Qt::Horizontal).toString(),
             QStringLiteral("Profile Name          "));
    QCOMPARE(editor.viewModel()->headerData(2, Qt::Horizontal).toString(),
             QStringLiteral("IP address          "));
    QCOMPARE(column(editor.viewModel(), 1), QStringList{QStringLiteral("jane")});
    QCOMPARE(table(&editor)->rowHeight(0), 40);
    QCOMPARE(table(&editor)->geometry(), QRect(0, 45, editor.width(), editor.height() - 45));
    auto* create = editor.findChild<VexaIcon*>(QStringLiteral("m_pCreateIcon"));
    QCOMPARE(create->buttonText(), QStringLiteral("Create Profile"));
    QCOMPARE(create->geometry().right() + 1, 509);
    QCOMPARE(create->height(), 32);
}

void TestProfileEditor::serverColumnSortsAsAddresses()
{
    storeProfile(QStringLiteral("a"), QStringLiteral("192.168.0.1"));
    storeProfile(QStringLiteral("b"), QStringLiteral("10.0.0.2"));
    storeProfile(QStringLiteral("c"), QStringLiteral("9.1.1.1"));
    storeProfile(QStringLiteral("d"), QStringLiteral("nas.local"));
    ProfileEditor editor(nullptr, 3, &m_manager);
    editor.show();
    QCOMPARE(column(editor.viewModel(), 0), (QStringList{"a", "b", "c", "d"}));

    EditorHeaderView* header = table(&editor)->editorHeader();
    const QPoint serverSection(header->sectionViewportPosition(2) + 10, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, serverSection);
    QCOMPARE(header->sortIndicatorSection(), 2);
    QCOMPARE(column(editor.viewModel(), 2), (QStringList{"nas.local", "9.1.1.1", "10.0.0.2", "192.168.0.1"}));
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, serverSection);
    QCOMPARE(column(editor.viewModel(), 2), (QStringList{"192.168.0.1", "10.0.0.2", "9.1.1.1", "nas.local"}));
}

void TestProfileEditor::hoverFollowsThePointer()
{
    storeProfile(QStringLiteral("First"), QStringLiteral("10.0.0.1"));
    storeProfile(QStringLiteral("Second"), QStringLiteral("10.0.0.2"));
    ProfileEditor editor(nullptr, 3, &m_manager);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    EditorTableView* view = table(&editor);

    QTest::mouseMove(view->viewport(), rowPoint(&editor, 0));
    QTRY_COMPARE(editor.hoveredRow(), 0);
    QVERIFY(editor.editIcon()->isVisible());
    QVERIFY(editor.deleteIcon()->isVisible());
    QCOMPARE(view->selectionModel()->selectedRows().size(), 1);
    QCOMPARE(editor.editIcon()->y(), view->rowViewportPosition(0) + 36);

    QTest::mouseMove(view->viewport(), rowPoint(&editor, 1));
    QTRY_COMPARE(editor.hoveredRow(), 1);
    QCOMPARE(editor.editIcon()->y(), view->rowViewportPosition(1) + 36);
    QCOMPARE(view->selectionModel()->selectedRows().first().row(), 1);

    // Onto the header: highlight and icons go.
    QTest::mouseMove(view->editorHeader()->viewport(), QPoint(20, 10));
    QTRY_COMPARE(editor.hoveredRow(), -1);
    QVERIFY(!editor.editIcon()->isVisible());
    QVERIFY(!editor.deleteIcon()->isVisible());
    QVERIFY(view->selectionModel()->selectedRows().isEmpty());

    // Below the last row there is no row to hover.
    QTest::mouseMove(view->viewport(), rowPoint(&editor, 0));
    QTRY_COMPARE(editor.hoveredRow(), 0);
    QTest::mouseMove(view->viewport(), QPoint(30, view->viewport()->height() - 5));
    QTRY_COMPARE(editor.hoveredRow(), -1);
}

void TestProfileEditor::iconsStayLeftOfTheScrollBar_data()
{
    QTest::addColumn<int>("profiles");
    QTest::newRow("few rows, no scroll bar") << 2;
    QTest::newRow("many rows with a scroll bar") << 15;
}

void TestProfileEditor::iconsStayLeftOfTheScrollBar()
{
    QFETCH(int, profiles);
    for (int i = 0; i < profiles; ++i)
        storeProfile(QStringLiteral("Profile %1").arg(i, 2, 10, QLatin1Char('0')),
                     QStringLiteral("10.0.1.%1").arg(i + 1));
    ProfileEditor editor(nullptr, 3, &m_manager);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    EditorTableView* view = table(&editor);
    QScrollBar* bar = view->verticalScrollBar();
    QCOMPARE(bar->isVisible(), profiles > 5);

    editor.slotMouseMove(rowPoint(&editor, 1));
    QCOMPARE(editor.hoveredRow(), 1);
    const int barWidth = bar->isVisible() ? bar->width() : 0;
    const int width = view->width() - 1 - barWidth;
    QCOMPARE(editor.editIcon()->geometry(), QRect(width - 35, view->rowViewportPosition(1) + 36, 30, 30));
    QCOMPARE(editor.deleteIcon()->geometry(), QRect(width - 67, view->rowViewportPosition(1) + 36, 30, 30));
    if (bar->isVisible()) {
        const QRect barInTable(bar->mapTo(view, QPoint(0, 0)), bar->size());
        QVERIFY(editor.editIcon()->geometry().right() < barInTable.left());
    }
    // Scrolling forgets the hovered row.
    bar->setValue(bar->maximum());
    QCOMPARE(editor.hoveredRow(), profiles > 5 ? -1 : 1);
}

void TestProfileEditor::deleteAsksFirst_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("deleted");
    QTest::addColumn<bool>("watched"); // a folder is kept uploaded with the profile
    QTest::newRow("no keeps the profile") << "icon" << 1 << false << false;
    QTest::newRow("yes deletes it") << "icon" << 0 << true << false;
    QTest::newRow("Delete key, no") << "key" << 1 << false << false;
    QTest::newRow("Delete key, yes") << "key" << 0 << true << false;
    QTest::newRow("context menu, yes") << "menu" << 0 << true << false;
    QTest::newRow("no keeps its watcher") << "icon" << 1 << false << true;
    QTest::newRow("yes stops its watcher too") << "icon" << 0 << true << true;
}

void TestProfileEditor::deleteAsksFirst()
{
    QFETCH(QString, how);
    QFETCH(int, answer);
    QFETCH(bool, deleted);
    QFETCH(bool, watched);
    storeProfile(QStringLiteral("Keep"), QStringLiteral("10.0.0.1"));
    storeProfile(QStringLiteral("Maybe"), QStringLiteral("10.0.0.2"));
    QTemporaryDir dir;
    qputenv("LUMIO_SYSTEMCTL", fakeSystemctl(dir).toLocal8Bit());
    const QString config = WatchConfig::pathFor(QStringLiteral("Maybe"));
    if (watched) {
        WatchConfig watch;
        watch.paths = QStringList{dir.path()};
        QString error;
        QVERIFY2(watch.write(config, &error), qPrintable(error));
    }
    ProfileEditor editor(nullptr, 3, &m_manager);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    m_prompter->answerMessage(answer);
    actOnRow(&editor, rowOf(&editor, QStringLiteral("Maybe")), how, editor.deleteIcon(), Qt::Key_Delete,
             QStringLiteral("Delete"));

    QCOMPARE(m_prompter->shown.size(), 1);
    const ScriptedPrompter::Shown& shown = m_prompter->shown.first();
    QCOMPARE(shown.text, QStringLiteral("Are you sure you want to delete the profile [Maybe]?"));
    QCOMPARE(shown.title, QStringLiteral("Warning"));
    QCOMPARE(shown.icon, Prompter::Icon::Warning);
    QCOMPARE(shown.buttons, (QStringList{QStringLiteral("Yes"), QStringLiteral("No")}));
    QVERIFY(shown.parent == &editor);
    const QStringList expected = deleted ? QStringList{"Keep"} : QStringList{"Keep", "Maybe"};
    QCOMPARE(column(editor.viewModel(), 0), expected);
    QCOMPARE(ProfileStore::profileNamesDescending().size(), expected.size());
    QCOMPARE(ProfileStore::profileExists(QStringLiteral("Maybe")), !deleted);
    // A watcher left behind could only fail on a profile that is gone.
    QTRY_VERIFY(!editor.watchService()->isBusy());
    QCOMPARE(readAll(dir.filePath(QStringLiteral("systemctl.log"))),
             watched && deleted ? QStringLiteral("--user disable --now lumio-upload-watch@Maybe.service\n")
                                : QString());
    QCOMPARE(QFileInfo::exists(config), watched && !deleted);
}

void TestProfileEditor::doubleClickStartsAnUpload_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("index");
    // Shortcut indexes count in descending name order: c 0, b 1, a 2.
    QTest::newRow("last in the shortcut list")
        << "double-click" << QStringLiteral("a") << QStringLiteral("2");
    QTest::newRow("first in the shortcut list")
        << "double-click" << QStringLiteral("c") << QStringLiteral("0");
    QTest::newRow("upload icon") << "icon" << QStringLiteral("b") << QStringLiteral("1");
    QTest::newRow("Enter key") << "key" << QStringLiteral("c") << QStringLiteral("0");
    QTest::newRow("context menu") << "menu" << QStringLiteral("a") << QStringLiteral("2");
}

void TestProfileEditor::doubleClickStartsAnUpload()
{
    QFETCH(QString, how);
    QFETCH(QString, name);
    QFETCH(QString, index);
    storeProfile(QStringLiteral("a"), QStringLiteral("10.0.0.1"));
    storeProfile(QStringLiteral("c"), QStringLiteral("10.0.0.3"));
    storeProfile(QStringLiteral("b"), QStringLiteral("10.0.0.2"));

    QTemporaryDir folder;
    const QString record = folder.filePath(QStringLiteral("arguments"));
    const QString script = folder.filePath(QStringLiteral("record-arguments"));
    QFile file(script);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.tmp\" && mv \"$0.tmp\" \"" + record.toLocal8Bit() +
               "\"\n");
    file.close();
    QVERIFY(file.setPermissions(file.permissions() | QFile::ExeOwner));

    ProfileEditor editor(nullptr, 3, &m_manager);
    editor.setLaunchProgram(script);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    if (how == QLatin1String("double-click"))
        QTest::mouseDClick(table(&editor)->viewport(), Qt::LeftButton, {},
                           rowPoint(&editor, rowOf(&editor, name)));
    else
        actOnRow(&editor, rowOf(&editor, name), how, editor.uploadIcon(), Qt::Key_Return,
                 QStringLiteral("Upload"));
    QTRY_VERIFY(QFile::exists(record));
    QFile arguments(record);
    QVERIFY(arguments.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromLocal8Bit(arguments.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts),
             (QStringList{QStringLiteral("8"), index}));
    QVERIFY(editor.windowState() & Qt::WindowMinimized);
}

void TestProfileEditor::createButtonListsTheNewProfile()
{
    storeProfile(QStringLiteral("Existing"), QStringLiteral("10.0.0.1"));
    ProfileEditor editor(nullptr, 3, &m_manager);
    editor.show();
    QCOMPARE(editor.viewModel()->rowCount(), 1);

    bool wizardSeen = false;
    whenModal<CreateWizard>([&](CreateWizard* wizard) {
        wizardSeen = wizard->parent() == nullptr &&
                     wizard->buttonText(QWizard::FinishButton) == QLatin1String("Finish");
        wizard->findChild<QLineEdit*>(QStringLiteral("m_pedtProfName"))->setText(QStringLiteral("Fresh"));
        wizard->serverPage()->serverCombo()->setEditText(QStringLiteral("127.0.0.1"));
        wizard->findChild<QLineEdit*>(QStringLiteral("m_pedtPort"))
            ->setText(QString::number(m_server->port()));
        wizard->next();
        wizard->next();
        wizard->findChild<QLineEdit*>(QStringLiteral("m_pedtAccount"))->setText(QStringLiteral("demo"));
        wizard->findChild<QLineEdit*>(QStringLiteral("m_pedtPassword"))->setText(QStringLiteral("demo"));
        wizard->next();
        // The login answers later and moves the wizard on; then finish.
        auto* finish = new QTimer(wizard);
        QObject::connect(finish, &QTimer::timeout, wizard, [wizard] {
            if (wizard->currentId() == CreateWizard::HintPage)
                wizard->button(QWizard::FinishButton)->click();
        });
        finish->start(20);
    });
    auto* create = editor.findChild<VexaIcon*>(QStringLiteral("m_pCreateIcon"));
    QTest::mouseClick(create, Qt::LeftButton);

    QVERIFY(wizardSeen);
    QCOMPARE(m_prompter->messageTexts(), QStringList());
    QCOMPARE(column(editor.viewModel(), 0), (QStringList{"Existing", "Fresh"}));
    QCOMPARE(column(editor.viewModel(), 1), (QStringList{"admin", "demo"}));
    QCOMPARE(table(&editor)->rowHeight(rowOf(&editor, QStringLiteral("Fresh"))), 40);
    QVERIFY(ProfileStore::profileExists(QStringLiteral("Fresh")));
    QCOMPARE(create->state(), VexaIcon::Normal);
}

void TestProfileEditor::editIconSavesTheSettings_data()
{
    QTest::addColumn<bool>("watched"); // a folder is kept uploaded with the profile
    QTest::newRow("profile alone") << false;
    QTest::newRow("its watcher follows the new name") << true;
}

void TestProfileEditor::editIconSavesTheSettings()
{
    QFETCH(bool, watched);
    storeProfile(QStringLiteral("Office"), QStringLiteral("10.0.0.1"), QStringLiteral("jane"));
    QTemporaryDir dir;
    qputenv("LUMIO_SYSTEMCTL", fakeSystemctl(dir).toLocal8Bit());
    if (watched) {
        WatchConfig watch;
        watch.paths = QStringList{dir.path()};
        QString error;
        QVERIFY2(watch.write(WatchConfig::pathFor(QStringLiteral("Office")), &error), qPrintable(error));
    }
    ProfileEditor editor(nullptr, 3, &m_manager);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    editor.slotMouseMove(rowPoint(&editor, 0));

    bool parentIsEditor = false;
    whenModal<ServerSettings>([&](ServerSettings* settings) {
        parentIsEditor = settings->parentWidget() == &editor;
        settings->findChild<QLineEdit*>(QStringLiteral("m_pedtProfName"))
            ->setText(QStringLiteral("Office 2"));
        settings->findChild<QLineEdit*>(QStringLiteral("m_pedtAccount"))->setText(QStringLiteral("john"));
        settings->findChild<QPushButton*>(QStringLiteral("m_pbtnSave"))->click();
    });
    QTest::mouseClick(editor.editIcon(), Qt::LeftButton);

    QVERIFY(parentIsEditor);
    QCOMPARE(m_prompter->messageTexts(), QStringList());
    QCOMPARE(column(editor.viewModel(), 0), QStringList{QStringLiteral("Office 2")});
    QCOMPARE(column(editor.viewModel(), 1), QStringList{QStringLiteral("john")});
    ServerProfile stored;
    QVERIFY(ProfileStore::loadProfile(QStringLiteral("Office 2"), &stored));
    QCOMPARE(stored.account, QStringLiteral("john"));
    QVERIFY(!ProfileStore::profileExists(QStringLiteral("Office")));

    QTRY_VERIFY(!editor.watchService()->isBusy());
    QCOMPARE(m_prompter->messageTexts(), QStringList());
    QVERIFY(!QFileInfo::exists(WatchConfig::pathFor(QStringLiteral("Office"))));
    QCOMPARE(QFileInfo::exists(WatchConfig::pathFor(QStringLiteral("Office 2"))), watched);
    QCOMPARE(readAll(dir.filePath(QStringLiteral("systemctl.log"))),
             watched ? QStringLiteral("--user disable --now lumio-upload-watch@Office.service\n"
                                      "--user enable lumio-upload-watch@Office\\x202.service\n"
                                      "--user restart lumio-upload-watch@Office\\x202.service\n")
                     : QString());
    if (watched)
        QCOMPARE(editor.viewModel()->index(0, 0).data(Qt::UserRole + 1).toString(),
                 QStringLiteral("Not running"));
}

void TestProfileEditor::keyboardMovesTheRowAndFocus()
{
    storeProfile(QStringLiteral("First"), QStringLiteral("10.0.0.1"));
    storeProfile(QStringLiteral("Second"), QStringLiteral("10.0.0.2"));
    ProfileEditor editor(nullptr, 3, &m_manager);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    EditorTableView* view = table(&editor);
    QTRY_VERIFY(view->hasFocus());

    QTest::keyClick(view, Qt::Key_Home);
    QCOMPARE(editor.hoveredRow(), 0);
    QTest::keyClick(view, Qt::Key_Down);
    QCOMPARE(editor.hoveredRow(), 1);
    for (VexaIcon* icon : {editor.uploadIcon(), editor.editIcon(), editor.deleteIcon()}) {
        QVERIFY(icon->isVisible());
        QCOMPARE(icon->y(), view->rowViewportPosition(1) + 36);
    }
    QCOMPARE(view->selectionModel()->selectedRows().first().row(), 1);
    // Upload, delete and edit sit side by side, upload leftmost.
    QCOMPARE(editor.uploadIcon()->x() + 32, editor.deleteIcon()->x());
    QTest::keyClick(view, Qt::Key_Up);
    QCOMPARE(editor.hoveredRow(), 0);

    // Tab leaves the table for the create button, which Space presses.
    auto* create = editor.findChild<VexaIcon*>(QStringLiteral("m_pCreateIcon"));
    QTest::keyClick(view, Qt::Key_Tab);
    QTRY_VERIFY(create->hasFocus());
    bool wizardSeen = false;
    whenModal<CreateWizard>([&](CreateWizard* wizard) {
        wizardSeen = true;
        wizard->reject();
    });
    QTest::keyClick(create, Qt::Key_Space);
    QVERIFY(wizardSeen);
}

void TestProfileEditor::rowTextIsReadable_data()
{
    QTest::addColumn<bool>("selected");
    QTest::newRow("plain row") << false;
    QTest::newRow("selected row") << true;
}

void TestProfileEditor::rowTextIsReadable()
{
    QFETCH(bool, selected);
    storeProfile(QStringLiteral("WWWWWWWWWWWW"), QStringLiteral("10.0.0.1"));
    ProfileEditor editor(nullptr, 3, &m_manager);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    EditorTableView* view = table(&editor);
    if (selected)
        editor.slotMouseMove(rowPoint(&editor, 0));
    const QRect cell = view->visualRect(editor.viewModel()->index(0, 0));
    const QImage image = view->viewport()->grab(cell).toImage();
    // The darkest pixel is the text's, the lightest the row's background.
    auto luminance = [](QColor color) {
        auto channel = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(color.redF()) + 0.7152 * channel(color.greenF()) +
               0.0722 * channel(color.blueF());
    };
    double darkest = 1, lightest = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const double l = luminance(image.pixelColor(x, y));
            darkest = qMin(darkest, l);
            lightest = qMax(lightest, l);
        }
    const double contrast = (lightest + 0.05) / (darkest + 0.05);
    QVERIFY2(contrast >= 4.5, qPrintable(QString::number(contrast)));
}

// "Keep folder uploaded…" from the context menu: the folder asked for, the config written, the unit
// enabled and started by systemctl, and what the user is told.
void TestProfileEditor::keepFolderUploaded_data()
{
    QTest::addColumn<QString>("systemctl"); // "fake", "failing" or "none"
    QTest::addColumn<bool>("savePassword");
    QTest::addColumn<int>("passwordAnswer"); // Yes 0, No 1, -1 not asked
    QTest::addColumn<bool>("chooseFolder");
    QTest::addColumn<QString>("earlierConfig");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<QString>("told"); // the start of the last message, empty for none

    const QStringList started{"--user enable lumio-upload-watch@Home.service",
                              "--user restart lumio-upload-watch@Home.service"};
    QTest::newRow("set up") << "fake" << true << -1 << true << QString() << started
                            << "New photos and videos in ";
    QTest::newRow("folder choice cancelled")
        << "fake" << true << -1 << false << QString() << QStringList() << QString();
    QTest::newRow("no systemd: how to run it by hand")
        << "none" << true << -1 << true << QString() << QStringList() << "systemd is not available";
    QTest::newRow("systemctl fails") << "failing" << true << -1 << true << QString()
                                     << QStringList{started.first()} << "The background upload of [Home]";
    QTest::newRow("password not remembered, set up anyway")
        << "fake" << false << 0 << true << QString() << started << "New photos and videos in ";
    QTest::newRow("password not remembered, declined")
        << "fake" << false << 1 << false << QString() << QStringList() << QString();
    QTest::newRow("earlier folder and options stay")
        << "fake" << true << -1 << true << "path=%1/Older\nsettle=30\n"
        << started << "New photos and videos in ";
}

void TestProfileEditor::keepFolderUploaded()
{
    QFETCH(QString, systemctl);
    QFETCH(bool, savePassword);
    QFETCH(int, passwordAnswer);
    QFETCH(bool, chooseFolder);
    QFETCH(QString, earlierConfig);
    QFETCH(QStringList, calls);
    QFETCH(QString, told);
    storeProfile(QStringLiteral("Home"), QStringLiteral("10.0.0.1"), QStringLiteral("jane"), savePassword);
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("Camera"));
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("Older"))));
    if (systemctl != QLatin1String("none"))
        qputenv("LUMIO_SYSTEMCTL", fakeSystemctl(dir).toLocal8Bit());
    if (systemctl == QLatin1String("failing"))
        qputenv("FAIL", "Failed to connect to bus");
    const QString config = WatchConfig::pathFor(QStringLiteral("Home"));
    if (!earlierConfig.isEmpty()) {
        QVERIFY(QDir().mkpath(WatchConfig::folder()));
        QFile file(config);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(earlierConfig.arg(dir.path()).toUtf8());
    }

    ProfileEditor editor(nullptr, 3, &m_manager);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    if (passwordAnswer >= 0)
        m_prompter->answerMessage(passwordAnswer);
    m_prompter->answerDirectory(chooseFolder ? folder : QString());
    actOnRow(&editor, 0, QStringLiteral("menu"), nullptr, Qt::Key_unknown,
             QStringLiteral("Keep folder uploaded…"));
    QTRY_VERIFY(!editor.watchService()->isBusy());

    const QStringList messages = m_prompter->messageTexts();
    if (passwordAnswer >= 0)
        QVERIFY2(!messages.isEmpty() &&
                     messages.first().contains(QStringLiteral("does not remember its password")),
                 qPrintable(messages.join(QLatin1Char('\n'))));
    QCOMPARE(messages.size(), (passwordAnswer >= 0 ? 1 : 0) + (told.isEmpty() ? 0 : 1));
    if (!told.isEmpty())
        QVERIFY2(messages.last().startsWith(told), qPrintable(messages.last()));
    if (systemctl == QLatin1String("none"))
        QVERIFY(messages.last().endsWith(QStringLiteral("lumio-upload watch run Home")));
    if (systemctl == QLatin1String("failing"))
        QVERIFY(messages.last().contains(QStringLiteral("Failed to connect to bus")));
    QCOMPARE(
        readAll(dir.filePath(QStringLiteral("systemctl.log"))).split(QLatin1Char('\n'), Qt::SkipEmptyParts),
        calls);

    const bool written = chooseFolder || !earlierConfig.isEmpty();
    QCOMPARE(QFileInfo::exists(config), written);
    if (chooseFolder) {
        WatchConfig stored;
        QString error;
        QVERIFY2(stored.read(config, &error), qPrintable(error));
        QStringList expected{QFileInfo(folder).canonicalFilePath()};
        if (!earlierConfig.isEmpty()) {
            expected.prepend(dir.filePath(QStringLiteral("Older")));
            QCOMPARE(stored.options, (QList<QPair<QString, QString>>{{"settle", "30"}}));
        }
        QCOMPARE(stored.paths, expected);
        // Until a watcher writes its status the row says the folder is kept but nothing runs.
        QCOMPARE(editor.viewModel()->index(0, 0).data(Qt::UserRole + 1).toString(),
                 QStringLiteral("Not running"));
    }
}

// The row of a profile whose folder is kept uploaded shows what its watcher does, follows it while the
// list is open, and "Stop keeping uploaded" takes the watch away.
void TestProfileEditor::watchStatusShown_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<bool>("alive");
    QTest::addColumn<QString>("line");
    QTest::newRow("watching") << "watching" << true << "Watching";
    QTest::newRow("uploading") << "uploading" << true << "Uploading 3 files";
    QTest::newRow("server away") << "unreachable" << true << "Server unreachable since ";
    QTest::newRow("watcher gone") << "watching" << false << "Not running";
    QTest::newRow("watcher stopped") << "stopped" << true << "Not running";
}

void TestProfileEditor::watchStatusShown()
{
    QFETCH(QString, state);
    QFETCH(bool, alive);
    QFETCH(QString, line);
    storeProfile(QStringLiteral("Away"), QStringLiteral("10.0.0.2"));
    storeProfile(QStringLiteral("Home"), QStringLiteral("10.0.0.1"));
    QTemporaryDir dir;
    qputenv("LUMIO_SYSTEMCTL", fakeSystemctl(dir).toLocal8Bit());
    WatchConfig config;
    config.paths = QStringList{dir.filePath(QStringLiteral("Camera"))};
    QString error;
    QVERIFY(config.write(WatchConfig::pathFor(QStringLiteral("Home")), &error));
    WatchState status;
    const auto activities = {WatchState::Activity::Watching, WatchState::Activity::Uploading,
                             WatchState::Activity::Unreachable, WatchState::Activity::Stopped};
    for (WatchState::Activity activity : activities)
        if (WatchState::activityName(activity) == state)
            status.activity = activity;
    status.pid = alive ? QCoreApplication::applicationPid() : 0;
    status.uploading = 3;
    status.lastRun = QDateTime::currentDateTime();
    status.lastRunResult = QStringLiteral("2 uploaded, 0 failed, 0 skipped in 1 s");
    status.lastError = QStringLiteral("watched folder gone: /x");
    status.unreachableSince = QDateTime::currentDateTime();
    QVERIFY(status.write(WatchState::pathFor(QStringLiteral("Home"))));

    ProfileEditor editor(nullptr, 3, &m_manager);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    QAbstractItemModel* model = editor.viewModel();
    const int home = rowOf(&editor, QStringLiteral("Home"));
    const int away = rowOf(&editor, QStringLiteral("Away"));
    QVERIFY(model->index(home, 0).data(Qt::UserRole + 1).toString().startsWith(line));
    QCOMPARE(model->index(away, 0).data(Qt::UserRole + 1).toString(), QString());
    QCOMPARE(model->index(away, 2).data(Qt::ToolTipRole).toString(), QString());
    const QString tip = model->index(home, 2).data(Qt::ToolTipRole).toString();
    QVERIFY2(tip.contains(QStringLiteral("Folders: ") + config.paths.first()) &&
                 tip.contains(QStringLiteral("Last run: ")) &&
                 tip.contains(QStringLiteral(", 2 uploaded, 0 failed, 0 skipped in 1 s")) &&
                 tip.contains(QStringLiteral("Last error: watched folder gone: /x")),
             qPrintable(tip));
    // The name column widens to show a line whole, up to a point.
    QFont small(QStringLiteral("Verdana"));
    small.setPixelSize(10);
    const int lineWidth =
        QFontMetrics(small).horizontalAdvance(model->index(home, 0).data(Qt::UserRole + 1).toString());
    QVERIFY(table(&editor)->columnWidth(0) >= qMin(lineWidth, 280) + 15);

    // The watcher moves on: the open list follows.
    status.activity = WatchState::Activity::Uploading;
    status.pid = QCoreApplication::applicationPid();
    status.uploading = 7;
    QVERIFY(status.write(WatchState::pathFor(QStringLiteral("Home"))));
    QTRY_COMPARE(model->index(home, 0).data(Qt::UserRole + 1).toString(),
                 QStringLiteral("Uploading 7 files"));

    actOnRow(&editor, home, QStringLiteral("menu"), nullptr, Qt::Key_unknown,
             QStringLiteral("Stop keeping uploaded"));
    QTRY_VERIFY(!editor.watchService()->isBusy());
    QCOMPARE(m_prompter->messageTexts(), QStringList());
    QCOMPARE(readAll(dir.filePath(QStringLiteral("systemctl.log"))),
             QStringLiteral("--user disable --now lumio-upload-watch@Home.service\n"));
    QVERIFY(!QFileInfo::exists(WatchConfig::pathFor(QStringLiteral("Home"))));
    // The stopped service no longer writes; what stays is the record that it ended.
    status.activity = WatchState::Activity::Stopped;
    QVERIFY(status.write(WatchState::pathFor(QStringLiteral("Home"))));
    QTRY_COMPARE(model->index(home, 0).data(Qt::UserRole + 1).toString(), QString());
}

LUMIO_TEST_MAIN(TestProfileEditor)
#include "tst_profileeditor.moc"
