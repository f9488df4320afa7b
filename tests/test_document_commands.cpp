#include "app/settings_file.h"
#include "army/army_page.h"
#include "support/army_samples.h"
#include "support/editor_fixture.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>

namespace {

const QString kNewCaption = QStringLiteral("Vellgard Army/Hero Editor v.1.0");
const QString kArmyFilter = QStringLiteral("Vellgard Army Files (*.ARM)|*.ARM");

QString CaptionFor(const QString &path)
{
    return QStringLiteral("Vellgard Army/Hero Editor - ") + path;
}

} // namespace

class DocumentCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void newThenSaveAsWritesTheNewArmy();
    void saveAsAppendsTheDefaultExtension();
    void savedArmyOpensAsItWasSaved();
    void cancelledDialogsChangeNothing();
    void tooLongRecordNameIsRefused();
    void openOfAMissingFile();
    void everyFileLengthLoadsUpToWhereItStops_data();
    void everyFileLengthLoadsUpToWhereItStops();
    void newRestoresTheCaptionAndKeepsLastFiles();
    void lastFilesSurviveARestart();
    void settingsFileKeepsWhatElseItHolds();
    void unwritableSettingsFileIsReportedAndTheWindowCloses();
    void unwritableTargetKeepsCaptionAndFiles();
    void pagesWithoutARecordKindYetDoNothing();
    void settingsPathBesideTheExecutable_data();
    void settingsPathBesideTheExecutable();
};

void DocumentCommandsTest::newThenSaveAsWritesTheNewArmy()
{
    EditorFixture editor;
    editor.find<QLineEdit>("NameEdit")->setText(QStringLiteral("Paladins"));
    editor.trigger("New1");
    const QString path = editor.pathOf(QStringLiteral("KNIGHT.ARM"));
    editor.dialogs.fileAnswers = {path};
    editor.trigger("SaveAs1");
    QCOMPARE(FileBytes(path), NewKnightBytes());
    QCOMPARE(editor.window->windowTitle(), CaptionFor(path));
    QCOMPARE(editor.window->lastFiles()[0], path);
    QCOMPARE(editor.dialogs.fileDialogs.size(), 1);
    const auto &request = editor.dialogs.fileDialogs[0].request;
    QVERIFY(editor.dialogs.fileDialogs[0].save);
    QCOMPARE(request.filter, kArmyFilter);
    QCOMPARE(request.defaultSuffix, QStringLiteral("ARM"));
    QCOMPARE(request.startFile, QString());
    QVERIFY(editor.dialogs.messages.isEmpty());
}

void DocumentCommandsTest::saveAsAppendsTheDefaultExtension()
{
    EditorFixture editor;
    editor.dialogs.fileAnswers = {editor.pathOf(QStringLiteral("knight"))};
    editor.trigger("SaveAs1");
    const QString written = editor.pathOf(QStringLiteral("knight.ARM"));
    QCOMPARE(FileBytes(written).mid(144, 9), QByteArray("knight\0\0\0", 9));
    QCOMPARE(editor.window->windowTitle(), CaptionFor(written));
    QVERIFY(editor.window->windowTitle().endsWith(QLatin1String("knight.ARM")));
    QVERIFY(!QFile::exists(editor.pathOf(QStringLiteral("knight"))));
}

void DocumentCommandsTest::savedArmyOpensAsItWasSaved()
{
    EditorFixture editor;
    auto *page = editor.find<ArmyPage>("ArmySheet");
    ArmyRecord army = SampleArmy();
    army.cost = 1000;
    page->showRecord(army);
    const QString path = editor.pathOf(QStringLiteral("GIANT.ARM"));
    editor.dialogs.fileAnswers = {path};
    editor.trigger("SaveAs1");
    QCOMPARE(FileBytes(path).mid(226, 2), QByteArray("\xE8\x03"));
    editor.trigger("Exit1");

    editor.restart();
    editor.dialogs.fileAnswers = {path};
    editor.trigger("Open1");
    QCOMPARE(editor.dialogs.fileDialogs.last().request.startFile, path);
    QVERIFY(!editor.dialogs.fileDialogs.last().save);
    QVERIFY(editor.find<ArmyPage>("ArmySheet")->record() == army);
    QCOMPARE(editor.window->windowTitle(), CaptionFor(path));
    // Saving what was opened gives the same bytes.
    const QByteArray saved = FileBytes(path);
    editor.dialogs.fileAnswers = {path};
    editor.trigger("SaveAs1");
    QCOMPARE(FileBytes(path), saved);
}

void DocumentCommandsTest::cancelledDialogsChangeNothing()
{
    EditorFixture editor;
    editor.find<QLineEdit>("NameEdit")->setText(QStringLiteral("Kept"));
    editor.dialogs.fileAnswers = {QString(), QString()};
    editor.trigger("Open1");
    editor.trigger("SaveAs1");
    QCOMPARE(editor.window->windowTitle(), kNewCaption);
    QCOMPARE(editor.window->lastFiles()[0], QString());
    QCOMPARE(editor.find<QLineEdit>("NameEdit")->text(), QStringLiteral("Kept"));
    QVERIFY(QDir(editor.folder.path()).isEmpty());
}

void DocumentCommandsTest::tooLongRecordNameIsRefused()
{
    EditorFixture editor;
    const QString refused = editor.pathOf(QStringLiteral("PALADINS1.ARM"));
    editor.dialogs.fileAnswers = {refused, QString()};
    editor.trigger("SaveAs1");
    QCOMPARE(editor.dialogs.messages, QStringList{"The filename length must be up to 8 characters!"});
    QVERIFY(!QFile::exists(refused));
    QCOMPARE(editor.window->windowTitle(), kNewCaption);
    editor.trigger("Open1");
    QCOMPARE(editor.dialogs.fileDialogs.last().request.startFile, refused);

    const QString eight = editor.pathOf(QStringLiteral("Paladin2.ARM"));
    editor.dialogs.fileAnswers = {eight};
    editor.trigger("SaveAs1");
    QCOMPARE(editor.dialogs.messages.size(), 1);
    QCOMPARE(FileBytes(eight).mid(144, 9), QByteArray("Paladin2\0", 9));
}

void DocumentCommandsTest::openOfAMissingFile()
{
    EditorFixture editor;
    editor.find<QLineEdit>("NameEdit")->setText(QStringLiteral("Kept"));
    const QString missing = editor.pathOf(QStringLiteral("NOWHERE.ARM"));
    editor.dialogs.fileAnswers = {missing};
    editor.trigger("Open1");
    QCOMPARE(editor.dialogs.messages, QStringList{"Cannot open file " + missing});
    QVERIFY(editor.dialogs.errorReports.isEmpty());
    QCOMPARE(editor.window->windowTitle(), CaptionFor(missing));
    QCOMPARE(editor.window->lastFiles()[0], missing);
    QCOMPARE(editor.find<QLineEdit>("NameEdit")->text(), QStringLiteral("Kept"));
}

void DocumentCommandsTest::everyFileLengthLoadsUpToWhereItStops_data()
{
    QTest::addColumn<int>("length");
    for (int length = 0; length <= 252; ++length)
        QTest::addRow("%d bytes", length) << length;
}

void DocumentCommandsTest::everyFileLengthLoadsUpToWhereItStops()
{
    QFETCH(int, length);
    EditorFixture editor;
    QByteArray full = NewKnightBytes();
    full.replace(0, 5, "Orcs!");
    full[153] = 50;       // medal chance
    full[159] = 7;        // view
    full[223] = 9;        // combat bonus
    full.replace(226, 4, "\xD2\x04\x06\x27"); // cost 1234, setup 9990
    full[230] = 38;       // power Acid
    full[232] = 4;        // power value
    full[246] = 3;        // sound Stomp
    full[247] = 1;        // facing Northeast
    const QString path = editor.pathOf(QStringLiteral("SHORT.ARM"));
    WriteBytes(path, full.left(length));
    editor.window->setWindowTitle(QStringLiteral("before"));
    editor.dialogs.fileAnswers = {path};
    editor.trigger("Open1");

    const bool complete = length >= 248;
    QCOMPARE(editor.dialogs.errorReports, complete ? QStringList() : QStringList{"Range check error."});
    QCOMPARE(editor.window->windowTitle(), complete ? CaptionFor(path) : QStringLiteral("before"));
    QCOMPARE(editor.window->lastFiles()[0], path);
    const ArmyRecord army = editor.find<ArmyPage>("ArmySheet")->record();
    QCOMPARE(QByteArray::fromStdString(army.name), full.left(std::min(length, 5)));
    QCOMPARE(army.medalChance, length > 153 ? 50 : 5);
    QCOMPARE(army.view, length > 159 ? 7 : 1);
    QCOMPARE(army.combatBonus, length > 223 ? 9 : 0);
    QCOMPARE(army.power, length > 230 ? 38 : 0);
    QCOMPARE(army.powerValue, length > 232 ? 4 : 0);
    QCOMPARE(army.sound, length > 246 ? 3 : 0);
    QCOMPARE(army.facing, length > 247 ? 1 : 4);
    // A word the file cuts short reads what is there, shown within range.
    QCOMPARE(army.cost, length <= 226 ? 1 : length == 227 ? 0xD2 : 1234);
    QCOMPARE(army.setup, length >= 230 ? 9990 : 10);
}

void DocumentCommandsTest::newRestoresTheCaptionAndKeepsLastFiles()
{
    EditorFixture editor;
    const QString path = editor.pathOf(QStringLiteral("ORC.ARM"));
    editor.dialogs.fileAnswers = {path};
    editor.trigger("SaveAs1");
    editor.find<QLineEdit>("NameEdit")->setText(QStringLiteral("Orc Horde"));
    editor.trigger("New1");
    QCOMPARE(editor.window->windowTitle(), kNewCaption);
    QCOMPARE(editor.find<QLineEdit>("NameEdit")->text(), QString());
    QCOMPARE(editor.window->lastFiles()[0], path);
    QCOMPARE(editor.dialogs.fileDialogs.size(), 1);
}

void DocumentCommandsTest::lastFilesSurviveARestart()
{
    EditorFixture editor;
    const QString army = editor.pathOf(QStringLiteral("ELF.ARM"));
    editor.dialogs.fileAnswers = {army};
    editor.trigger("SaveAs1");
    editor.window->close();
    QCOMPARE(FileBytes(editor.settingsPath()),
             "[FILES]\nLastArmy=" + army.toUtf8() + "\nLastHero=\nLastSpell=\nLastItem=\nLastSite=\n");
    editor.restart();
    QCOMPARE(editor.window->lastFiles()[0], army);
    QCOMPARE(editor.window->windowTitle(), kNewCaption);
    editor.dialogs.fileAnswers = {QString()};
    editor.trigger("SaveAs1");
    QCOMPARE(editor.dialogs.fileDialogs.last().request.startFile, army);
}

void DocumentCommandsTest::settingsFileKeepsWhatElseItHolds()
{
    EditorFixture editor;
    WriteBytes(editor.settingsPath(), "[WINDOW]\nLeft=10\n[FILES]\nLastSite=C:\\Maps\\TOWER.SIT\nLastArmy=C:\\Units\\OLD.ARM\nExtra=1\n");
    editor.restart();
    QCOMPARE(editor.window->lastFiles()[0], QStringLiteral("C:\\Units\\OLD.ARM"));
    QCOMPARE(editor.window->lastFiles()[4], QStringLiteral("C:\\Maps\\TOWER.SIT"));
    const QString army = editor.pathOf(QStringLiteral("NEW.ARM"));
    editor.dialogs.fileAnswers = {army};
    editor.trigger("Open1");
    editor.window->close();
    QCOMPARE(FileBytes(editor.settingsPath()),
             "[WINDOW]\nLeft=10\n\n\n[FILES]\nLastSite=C:\\Maps\\TOWER.SIT\nLastArmy=" + army.toUtf8() +
                 "\nExtra=1\nLastHero=\nLastSpell=\nLastItem=\n");
}

void DocumentCommandsTest::unwritableSettingsFileIsReportedAndTheWindowCloses()
{
    EditorFixture editor;
    const QString unwritable = editor.pathOf(QStringLiteral("missing-folder/vellgard-editor.INI"));
    editor.useSettingsPath(unwritable);
    editor.window->close();
    QCOMPARE(editor.dialogs.errorReports, QStringList{"Unable to write to " + unwritable + "."});
    QVERIFY(!editor.window->isVisible());
}

void DocumentCommandsTest::unwritableTargetKeepsCaptionAndFiles()
{
    EditorFixture editor;
    const QString noFolder = editor.pathOf(QStringLiteral("no-folder/KNIGHT.ARM"));
    const QString folderNamedLikeAFile = editor.pathOf(QStringLiteral("TAKEN.ARM"));
    QVERIFY(QDir(editor.folder.path()).mkdir(QStringLiteral("TAKEN.ARM")));
    editor.dialogs.fileAnswers = {noFolder, folderNamedLikeAFile};
    editor.trigger("SaveAs1");
    editor.trigger("SaveAs1");
    QCOMPARE(editor.dialogs.messages,
             (QStringList{"Cannot write file " + noFolder, "Cannot write file " + folderNamedLikeAFile}));
    QCOMPARE(editor.window->windowTitle(), kNewCaption);
    QVERIFY(QFileInfo(folderNamedLikeAFile).isDir());
    QCOMPARE(editor.window->lastFiles()[0], folderNamedLikeAFile);
    QCOMPARE(QDir(editor.folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
             QStringList{"TAKEN.ARM"});
}

void DocumentCommandsTest::pagesWithoutARecordKindYetDoNothing()
{
    EditorFixture editor;
    for (const RecordKind kind : {RecordKind::Hero, RecordKind::Spell, RecordKind::Item, RecordKind::Site}) {
        editor.showPage(kind);
        editor.window->setWindowTitle(QStringLiteral("unchanged"));
        editor.trigger("New1");
        editor.trigger("Open1");
        editor.trigger("SaveAs1");
        QCOMPARE(editor.window->windowTitle(), QStringLiteral("unchanged"));
    }
    QVERIFY(editor.dialogs.fileDialogs.isEmpty());
}

void DocumentCommandsTest::settingsPathBesideTheExecutable_data()
{
    QTest::addColumn<QString>("executable");
    QTest::addColumn<QString>("settings");
    QTest::newRow("no extension") << "/opt/vellgard/vellgard-editor" << "/opt/vellgard/vellgard-editor.INI";
    QTest::newRow("extension replaced") << "/opt/vellgard/Editor.exe" << "/opt/vellgard/Editor.INI";
    QTest::newRow("only the last extension") << "/opt/v/unit.editor.bin" << "/opt/v/unit.editor.INI";
}

void DocumentCommandsTest::settingsPathBesideTheExecutable()
{
    QFETCH(QString, executable);
    QFETCH(QString, settings);
    QCOMPARE(SettingsPathFor(executable), settings);
}

QTEST_MAIN(DocumentCommandsTest)
#include "test_document_commands.moc"
