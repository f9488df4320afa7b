#include "app/modal_dialogs.h"
#include "support/editor_fixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QToolButton>

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void startsAsTheEditorMeetsTheUser();
    void menuCaptionsAndShortcuts_data();
    void menuCaptionsAndShortcuts();
    void menuHoldsItsItemsInOrder();
    void pagesInTabOrder();
    void toolBarLayout_data();
    void toolBarLayout();
    void toolButtonsRunTheirMenuCommands_data();
    void toolButtonsRunTheirMenuCommands();
    void everyWayOfClosingWritesTheSettings_data();
    void everyWayOfClosingWritesTheSettings();
    void ctrlXInATextFieldCutsInsteadOfQuitting();
    void errorReportText_data();
    void errorReportText();
    void boxesCarryTheApplicationTitle();
    void errorEscapingACommandIsReported();
};

void MainWindowTest::startsAsTheEditorMeetsTheUser()
{
    EditorFixture editor;
    QCOMPARE(QApplication::applicationName(), QStringLiteral("Vellgard Unit Editor"));
    QVERIFY(QApplication::applicationDisplayName() == QApplication::applicationName());
    TForm1 &window = *editor.window;
    QCOMPARE(window.windowTitle(), QStringLiteral("Vellgard Army/Hero Editor v.1.0"));
    QCOMPARE(window.centralWidget()->size(), QSize(548, 406));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QCOMPARE(window.size().width(), 548);
    QCOMPARE(window.pos(), QPoint(197, 104));
    QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(window.windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(window.windowFlags() & Qt::WindowSystemMenuHint);
    QCOMPARE(editor.find<QTabWidget>("PageControl1")->currentIndex(), 0);
    QCOMPARE(editor.find<QTabWidget>("PageControl1")->geometry(), QRect(0, 50, 548, 356));
    QCOMPARE(editor.find<QLineEdit>("CostEdit")->text(), QStringLiteral("1"));
    QCOMPARE(editor.find<QLineEdit>("SetupEdit")->text(), QStringLiteral("10"));
    QVERIFY(std::all_of(window.lastFiles().begin(), window.lastFiles().end(), [](const QString &path) { return path.isEmpty(); }));
}

void MainWindowTest::menuCaptionsAndShortcuts_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::newRow("New") << "New1" << "&New" << QKeySequence(Qt::CTRL | Qt::Key_N);
    QTest::newRow("Open") << "Open1" << "&Open..." << QKeySequence(Qt::CTRL | Qt::Key_O);
    QTest::newRow("Save As") << "SaveAs1" << "&Save As..." << QKeySequence(Qt::CTRL | Qt::Key_S);
    QTest::newRow("Exit") << "Exit1" << "E&xit" << QKeySequence(Qt::CTRL | Qt::Key_X);
    QTest::newRow("About") << "About1" << "&About" << QKeySequence();
}

void MainWindowTest::menuCaptionsAndShortcuts()
{
    QFETCH(QString, action);
    QFETCH(QString, caption);
    QFETCH(QKeySequence, shortcut);
    EditorFixture editor;
    const QAction *item = editor.find<QAction>(qPrintable(action));
    QCOMPARE(item->text(), caption);
    QCOMPARE(item->shortcut(), shortcut);
}

void MainWindowTest::menuHoldsItsItemsInOrder()
{
    EditorFixture editor;
    const QList<QAction *> bar = editor.find<QMenuBar>("MainMenu1")->actions();
    QCOMPARE(bar.size(), 2);
    QCOMPARE(bar[0]->text(), QStringLiteral("&File"));
    QCOMPARE(bar[1]->objectName(), QStringLiteral("About1"));
    QVERIFY(!bar[1]->menu());
    QStringList items;
    for (const QAction *item : editor.find<QMenu>("File1")->actions())
        items.append(item->isSeparator() ? QStringLiteral("-") : item->objectName());
    QCOMPARE(items, (QStringList{"New1", "Open1", "SaveAs1", "-", "Exit1"}));
}

void MainWindowTest::pagesInTabOrder()
{
    EditorFixture editor;
    const auto *pages = editor.find<QTabWidget>("PageControl1");
    const QStringList sheets = {"ArmySheet", "HeroSheet", "ItemSheet", "SiteSheet", "TabSheet1"};
    const QStringList captions = {"Army Editor", "Hero Editor", "Spell Editor", "Item Editor", "Site Editor"};
    QCOMPARE(pages->count(), 5);
    for (int i = 0; i < pages->count(); ++i) {
        QCOMPARE(pages->widget(i)->objectName(), sheets[i]);
        QCOMPARE(pages->tabText(i), captions[i]);
    }
}

void MainWindowTest::toolBarLayout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("tool bar") << "ToolBar1" << QRect(0, 0, 548, 50);
    QTest::newRow("new") << "SpeedButton1" << QRect(0, 2, 39, 39);
    QTest::newRow("open") << "SpeedButton2" << QRect(39, 2, 39, 39);
    QTest::newRow("save as") << "SpeedButton3" << QRect(78, 2, 39, 39);
    QTest::newRow("bevel 2") << "Bevel2" << QRect(117, 2, 4, 39);
    QTest::newRow("exit") << "SpeedButton6" << QRect(121, 2, 39, 39);
    QTest::newRow("bevel 1") << "Bevel1" << QRect(160, 2, 4, 39);
    QTest::newRow("about") << "SpeedButton5" << QRect(164, 2, 39, 39);
    QTest::newRow("panel") << "Panel1" << QRect(203, 2, 342, 39);
    QTest::newRow("banner") << "Banner" << QRect(1, 1, 340, 37);
}

void MainWindowTest::toolBarLayout()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    EditorFixture editor;
    const QWidget *widget = editor.find(qPrintable(name));
    QCOMPARE(widget->geometry(), geometry);
    if (const auto *button = qobject_cast<const QToolButton *>(widget)) {
        QVERIFY(button->text().isEmpty());
        QVERIFY(button->toolTip().isEmpty());
        QVERIFY(button->autoRaise());
        QVERIFY(!button->icon().isNull());
    }
    if (name == QLatin1String("Banner"))
        QVERIFY(editor.find<QLabel>("Banner")->pixmap().isNull());
}

void MainWindowTest::toolButtonsRunTheirMenuCommands_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("outcome");
    QTest::newRow("new") << "SpeedButton1" << "caption reset";
    QTest::newRow("open") << "SpeedButton2" << "open dialog";
    QTest::newRow("save as") << "SpeedButton3" << "save dialog";
    QTest::newRow("exit") << "SpeedButton6" << "closed";
    QTest::newRow("about") << "SpeedButton5" << "About";
}

void MainWindowTest::toolButtonsRunTheirMenuCommands()
{
    QFETCH(QString, button);
    QFETCH(QString, outcome);
    EditorFixture editor;
    editor.window->setWindowTitle(QStringLiteral("changed"));
    QTest::mouseClick(editor.find<QToolButton>(qPrintable(button)), Qt::LeftButton);
    QStringList seen;
    if (editor.window->windowTitle() == QLatin1String("Vellgard Army/Hero Editor v.1.0"))
        seen.append(QStringLiteral("caption reset"));
    for (const auto &call : editor.dialogs.fileDialogs)
        seen.append(call.save ? QStringLiteral("save dialog") : QStringLiteral("open dialog"));
    if (!editor.window->isVisible())
        seen.append(QStringLiteral("closed"));
    seen.append(editor.dialogs.shownWindows);
    QCOMPARE(seen, QStringList{outcome});
}

void MainWindowTest::everyWayOfClosingWritesTheSettings_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("Exit menu item") << "menu";
    QTest::newRow("Exit tool button") << "button";
    QTest::newRow("Ctrl+X") << "keys";
    QTest::newRow("close box or Alt+F4") << "close";
}

void MainWindowTest::everyWayOfClosingWritesTheSettings()
{
    QFETCH(QString, way);
    EditorFixture editor;
    QVERIFY(!QFile::exists(editor.settingsPath()));
    if (way == QLatin1String("menu"))
        editor.trigger("Exit1");
    else if (way == QLatin1String("button"))
        QTest::mouseClick(editor.find<QToolButton>("SpeedButton6"), Qt::LeftButton);
    else if (way == QLatin1String("keys")) {
        editor.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(editor.window.get()));
        editor.find("PageControl1")->setFocus();
        QTest::keyClick(editor.window.get(), Qt::Key_X, Qt::ControlModifier);
    } else
        editor.window->close();
    QVERIFY(!editor.window->isVisible());
    QCOMPARE(FileBytes(editor.settingsPath()),
             QByteArray("[FILES]\nLastArmy=\nLastHero=\nLastSpell=\nLastItem=\nLastSite=\n"));
}

// Quitting asks nothing and would lose the edits, so a text field keeps
// Ctrl+X for cutting.
void MainWindowTest::ctrlXInATextFieldCutsInsteadOfQuitting()
{
    EditorFixture editor;
    editor.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(editor.window.get()));
    auto *name = editor.find<QLineEdit>("NameEdit");
    name->setFocus();
    QTest::keyClicks(name, "Ogres");
    name->selectAll();
    QTest::keyClick(name, Qt::Key_X, Qt::ControlModifier);
    QVERIFY(editor.window->isVisible());
    QCOMPARE(name->text(), QString());
    QVERIFY(!QFile::exists(editor.settingsPath()));
}

void MainWindowTest::errorReportText_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::newRow("letter") << "Range check error" << "Range check error.";
    QTest::newRow("exclamation mark") << "Done!" << "Done!";
    QTest::newRow("full stop") << "Done." << "Done.";
    QTest::newRow("comma") << "Done," << "Done,";
    QTest::newRow("question mark") << "Why?" << "Why?.";
    QTest::newRow("digit") << "Error 9" << "Error 9.";
    QTest::newRow("slash comes before the full stop") << "Unable to write to /" << "Unable to write to /.";
    QTest::newRow("empty") << "" << "";
}

void MainWindowTest::errorReportText()
{
    QFETCH(QString, message);
    QFETCH(QString, shown);
    QCOMPARE(ErrorReportText(message), shown);
}

void MainWindowTest::boxesCarryTheApplicationTitle()
{
    const auto report = MakeErrorReport(nullptr, QStringLiteral("Range check error."));
    QCOMPARE(report->windowTitle(), QStringLiteral("Vellgard Unit Editor"));
    QCOMPARE(report->icon(), QMessageBox::Critical);
    QCOMPARE(report->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(report->text(), QStringLiteral("Range check error."));
    const auto message = MakeMessageBox(nullptr, QStringLiteral("You cannot select the same move bonus twice!"));
    QCOMPARE(message->icon(), QMessageBox::NoIcon);
    QCOMPARE(message->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(message->text(), QStringLiteral("You cannot select the same move bonus twice!"));
}

void MainWindowTest::errorEscapingACommandIsReported()
{
    EditorFixture editor;
    editor.dialogs.onExec = [](QDialog &) -> int { throw std::runtime_error("Out of parchment"); };
    editor.trigger("About1");
    QCOMPARE(editor.dialogs.errorReports, QStringList{"Out of parchment."});
    QVERIFY(editor.window->isVisible());
    editor.dialogs.onExec = {};
    editor.trigger("About1");
    QCOMPARE(editor.dialogs.shownWindows, (QStringList{"About", "About"}));
}

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
