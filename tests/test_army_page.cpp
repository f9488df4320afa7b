#include "app/up_down.h"
#include "army/army_page.h"
#include "records/choice_lists.h"
#include "records/powers.h"
#include "support/army_samples.h"
#include "support/editor_fixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

// A pick as the user makes it: the keyboard moves the closed list by one.
void Pick(QComboBox *box, int index)
{
    box->setCurrentIndex(index == 0 ? 1 : index - 1);
    QTest::keyClick(box, index == 0 ? Qt::Key_Up : Qt::Key_Down);
}

const char *const kMoveBoxes[] = {"MoveComboBox1", "MoveComboBox2", "MoveComboBox3", "MoveComboBox4"};

} // namespace

class ArmyPageTest : public QObject {
    Q_OBJECT
private slots:
    void labels_data();
    void labels();
    void numberControls_data();
    void numberControls();
    void listControls_data();
    void listControls();
    void memoAndNameEdit();
    void tabOrder();
    void arrowsWrapAtBothEnds_data();
    void arrowsWrapAtBothEnds();
    void typingIntoANumberEditChangesNothing();
    void thousandsShowTheLocaleSeparator();
    void storedValuesOutsideTheRangeShowTheNearestEnd();
    void nameAndDescriptionLimits();
    void moveBonusRule_data();
    void moveBonusRule();
    void programSetListsNeverRunTheRule();
    void pageGivesBackWhatItShows();
};

void ArmyPageTest::labels_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QPoint>("at");
    const std::pair<const char *, QPoint> labels[] = {
        {"Army Name:", {8, 24}},     {"Strength:", {8, 64}},     {"Hits:", {120, 64}},      {"View:", {224, 64}},
        {"Move:", {352, 64}},        {"Turns:", {8, 96}},        {"Cost:", {120, 96}},      {"Upkeep:", {224, 96}},
        {"Setup:", {352, 96}},       {"Move Bonuses:", {215, 128}}, {"Power Type:", {8, 152}}, {"Combat Bonus:", {8, 200}},
        {"Sound:", {319, 152}},      {"Facing:", {319, 200}},    {"Medal Chance:", {439, 152}}, {"Race:", {431, 200}},
        {"Description:", {8, 248}},
    };
    for (const auto &[caption, at] : labels)
        QTest::newRow(caption) << QString::fromLatin1(caption) << at;
}

void ArmyPageTest::labels()
{
    QFETCH(QString, caption);
    QFETCH(QPoint, at);
    EditorFixture editor;
    const QList<QLabel *> found = editor.find("ArmySheet")->findChildren<QLabel *>();
    const auto label = std::find_if(found.begin(), found.end(), [&](QLabel *l) { return l->text() == caption; });
    QVERIFY(label != found.end());
    QCOMPARE((*label)->pos(), at);
    QCOMPARE((*label)->height(), 13);
    // The caption fits its label.
    QVERIFY((*label)->fontMetrics().horizontalAdvance(caption) <= (*label)->width());
}

void ArmyPageTest::numberControls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("edit");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("newValue");
    QTest::newRow("strength") << "Strength" << QRect(56, 56, 33, 21) << 1 << 9 << 1 << 1;
    QTest::newRow("hits") << "Hits" << QRect(152, 56, 33, 21) << 1 << 4 << 1 << 1;
    QTest::newRow("view") << "View" << QRect(272, 56, 33, 21) << 1 << 7 << 1 << 1;
    QTest::newRow("move") << "Move" << QRect(392, 56, 33, 21) << 6 << 99 << 1 << 6;
    QTest::newRow("turns") << "Turns" << QRect(56, 88, 33, 21) << 1 << 5 << 1 << 1;
    QTest::newRow("cost") << "Cost" << QRect(152, 88, 33, 21) << 1 << 9999 << 1 << 1;
    QTest::newRow("upkeep") << "Upkeep" << QRect(272, 88, 33, 21) << 1 << 255 << 1 << 1;
    QTest::newRow("setup") << "Setup" << QRect(392, 88, 33, 21) << 10 << 9990 << 10 << 10;
    QTest::newRow("power value") << "Power" << QRect(141, 168, 25, 21) << 0 << 255 << 1 << 0;
    QTest::newRow("combat bonus") << "Combat" << QRect(141, 216, 25, 21) << 0 << 255 << 1 << 0;
    QTest::newRow("medal chance") << "Medal" << QRect(452, 168, 33, 21) << 0 << 100 << 1 << 5;
}

void ArmyPageTest::numberControls()
{
    QFETCH(QString, name);
    QFETCH(QRect, edit);
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, step);
    QFETCH(int, newValue);
    EditorFixture editor;
    const auto *numberEdit = editor.find<QLineEdit>(qPrintable(name + "Edit"));
    const auto *upDown = editor.find<UpDown>(qPrintable(name + "UpDown"));
    QCOMPARE(numberEdit->geometry(), edit);
    QVERIFY(numberEdit->isReadOnly());
    QCOMPARE(upDown->geometry(), QRect(edit.right() + 1, edit.top(), 15, 21));
    QCOMPARE(upDown->minimum(), minimum);
    QCOMPARE(upDown->maximum(), maximum);
    QCOMPARE(upDown->singleStep(), step);
    QVERIFY(upDown->wrapping());
    QCOMPARE(upDown->position(), newValue);
    QCOMPARE(numberEdit->text(), QString::number(newValue));
}

void ArmyPageTest::listControls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<int>("items");
    QTest::addColumn<QString>("lastItem");
    QTest::addColumn<QString>("newValue");
    for (int i = 0; i < 4; ++i)
        QTest::newRow(kMoveBoxes[i]) << kMoveBoxes[i] << QRect(215, 144 + 24 * i, 83, 21) << 8 << "Marsh" << "None";
    QTest::newRow("power") << "PowerComboBox" << QRect(8, 168, 124, 21) << 57 << "Warding" << "None";
    QTest::newRow("combat") << "CombatComboBox" << QRect(8, 216, 124, 21) << 7 << "Woods" << "None";
    QTest::newRow("sound") << "SoundComboBox" << QRect(319, 168, 83, 21) << 11 << "Fire" << "None";
    QTest::newRow("facing") << "FacingComboBox" << QRect(319, 216, 83, 21) << 8 << "Northwest" << "South";
    QTest::newRow("race") << "RaceComboBox" << QRect(431, 216, 83, 21) << 11 << "Undead" << "None";
}

void ArmyPageTest::listControls()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(int, items);
    QFETCH(QString, lastItem);
    QFETCH(QString, newValue);
    EditorFixture editor;
    const auto *box = editor.find<QComboBox>(qPrintable(name));
    QCOMPARE(box->geometry(), geometry);
    QVERIFY(!box->isEditable());
    QCOMPARE(box->count(), items);
    QCOMPARE(box->itemText(items - 1), lastItem);
    QCOMPARE(box->currentText(), newValue);
}

void ArmyPageTest::memoAndNameEdit()
{
    EditorFixture editor;
    const auto *name = editor.find<QLineEdit>("NameEdit");
    QCOMPARE(name->geometry(), QRect(80, 16, 121, 21));
    QCOMPARE(name->maxLength(), 15);
    const auto *memo = editor.find<QPlainTextEdit>("DescriptionMemo");
    QCOMPARE(memo->geometry(), QRect(8, 265, 297, 57));
    QCOMPARE(memo->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QVERIFY(memo->toPlainText().isEmpty());
}

void ArmyPageTest::tabOrder()
{
    EditorFixture editor;
    QWidget *first = editor.find("NameEdit");
    QStringList order;
    QWidget *widget = first;
    do {
        if ((widget->focusPolicy() & Qt::TabFocus) && editor.find("ArmySheet")->isAncestorOf(widget))
            order.append(widget->objectName());
        widget = widget->nextInFocusChain();
    } while (widget != first);
    const QStringList expected = {
        "NameEdit",       "StrengthEdit",   "HitsEdit",      "TurnsEdit",     "CostEdit",      "MoveEdit",
        "ViewEdit",       "UpkeepEdit",     "SetupEdit",     "HitsUpDown",    "TurnsUpDown",   "CostUpDown",
        "SetupUpDown",    "UpkeepUpDown",   "ViewUpDown",    "MoveUpDown",    "StrengthUpDown", "PowerComboBox",
        "CombatComboBox", "MoveComboBox1",  "MoveComboBox2", "MoveComboBox3", "MoveComboBox4", "PowerEdit",
        "CombatEdit",     "SoundComboBox",  "FacingComboBox", "MedalEdit",    "RaceComboBox",  "DescriptionMemo",
    };
    QCOMPARE(order, expected);
}

void ArmyPageTest::arrowsWrapAtBothEnds_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("start");
    QTest::addColumn<bool>("up");
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("expected");
    for (const char *how : {"mouse", "key on arrows", "key on edit"}) {
        const QString way = QString::fromLatin1(how);
        QTest::addRow("setup 9990 up by %s", how) << "Setup" << 9990 << true << way << 10;
        QTest::addRow("cost 1 down by %s", how) << "Cost" << 1 << false << way << 9999;
        QTest::addRow("medal 0 down by %s", how) << "Medal" << 0 << false << way << 100;
        QTest::addRow("move 99 up by %s", how) << "Move" << 99 << true << way << 6;
        QTest::addRow("setup 10 up by %s", how) << "Setup" << 10 << true << way << 20;
    }
}

void ArmyPageTest::arrowsWrapAtBothEnds()
{
    QFETCH(QString, name);
    QFETCH(int, start);
    QFETCH(bool, up);
    QFETCH(QString, how);
    QFETCH(int, expected);
    EditorFixture editor;
    auto *upDown = editor.find<UpDown>(qPrintable(name + "UpDown"));
    auto *edit = editor.find<QLineEdit>(qPrintable(name + "Edit"));
    upDown->setPosition(start);
    const Qt::Key key = up ? Qt::Key_Up : Qt::Key_Down;
    if (how == QLatin1String("mouse"))
        QTest::mouseClick(upDown, Qt::LeftButton, {}, QPoint(7, up ? 4 : 17));
    else if (how == QLatin1String("key on arrows"))
        QTest::keyClick(upDown, key);
    else
        QTest::keyClick(edit, key);
    QCOMPARE(upDown->position(), expected);
    QCOMPARE(edit->text(), UpDownText(expected));
}

void ArmyPageTest::typingIntoANumberEditChangesNothing()
{
    EditorFixture editor;
    auto *edit = editor.find<QLineEdit>("StrengthEdit");
    QTest::keyClicks(edit, "57");
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->text(), QStringLiteral("1"));
    QCOMPARE(editor.find<UpDown>("StrengthUpDown")->position(), 1);
}

void ArmyPageTest::thousandsShowTheLocaleSeparator()
{
    EditorFixture editor;
    editor.find<UpDown>("CostUpDown")->setPosition(999);
    QTest::keyClick(editor.find<UpDown>("CostUpDown"), Qt::Key_Up);
    const QString separator = QLocale().groupSeparator();
    QVERIFY(!separator.isEmpty());
    QCOMPARE(editor.find<QLineEdit>("CostEdit")->text(), "1" + separator + "000");
    QCOMPARE(editor.find<ArmyPage>("ArmySheet")->record().cost, 1000);
    QCOMPARE(editor.find<QLineEdit>("SetupEdit")->text(), QStringLiteral("10"));
}

void ArmyPageTest::storedValuesOutsideTheRangeShowTheNearestEnd()
{
    EditorFixture editor;
    auto *page = editor.find<ArmyPage>("ArmySheet");
    ArmyRecord army;
    army.cost = 20000;
    army.setup = 0;
    army.strength = 200;
    army.move = 1;
    army.medalChance = 255;
    army.sound = vellgard::kNoSelection;
    army.facing = vellgard::kNoSelection;
    army.power = 34;
    page->showRecord(army);
    QCOMPARE(editor.find<QLineEdit>("CostEdit")->text(), UpDownText(9999));
    const ArmyRecord shown = page->record();
    QCOMPARE(shown.cost, 9999);
    QCOMPARE(shown.setup, 10);
    QCOMPARE(shown.strength, 9);
    QCOMPARE(shown.move, 6);
    QCOMPARE(shown.medalChance, 100);
    QCOMPARE(editor.find<QComboBox>("SoundComboBox")->currentIndex(), -1);
    QCOMPARE(shown.sound, vellgard::kNoSelection);
    QCOMPARE(shown.facing, vellgard::kNoSelection);
    QCOMPARE(editor.find<QComboBox>("PowerComboBox")->currentText(), QStringLiteral("None"));
    QCOMPARE(shown.power, 0);
}

void ArmyPageTest::nameAndDescriptionLimits()
{
    EditorFixture editor;
    auto *name = editor.find<QLineEdit>("NameEdit");
    QTest::keyClicks(name, "Knights of the Silver Dawn");
    QCOMPARE(name->text(), QStringLiteral("Knights of the "));

    auto *memo = editor.find<QPlainTextEdit>("DescriptionMemo");
    auto *page = editor.find<ArmyPage>("ArmySheet");
    QTest::keyClicks(memo, QString(125, 'a'));
    QTest::keyClick(memo, Qt::Key_Return);
    QCOMPARE(page->record().description.size(), std::size_t(127));
    QTest::keyClicks(memo, "bc");
    QCOMPARE(page->record().description, std::string(125, 'a') + "\r\n");
    // A paste is cut where the room ends, a line break counting as two.
    memo->clear();
    QTest::keyClicks(memo, QString(120, 'a'));
    memo->insertPlainText(QStringLiteral("bb\ncccccc"));
    QCOMPARE(page->record().description, std::string(120, 'a') + "bb\r\nccc");
    memo->clear();
    memo->insertPlainText(QString(300, 'z'));
    QCOMPARE(page->record().description, std::string(127, 'z'));
}

void ArmyPageTest::moveBonusRule_data()
{
    QTest::addColumn<QList<int>>("before");
    QTest::addColumn<int>("changed");
    QTest::addColumn<int>("picked");
    QTest::addColumn<int>("messages");
    QTest::addColumn<QList<int>>("after");
    QTest::newRow("same terrain twice")
        << QList<int>{5, 0, 0, 0} << 1 << 5 << 1 << QList<int>{5, 0, 0, 0};
    QTest::newRow("None everywhere") << QList<int>{0, 0, 0, 0} << 2 << 0 << 0 << QList<int>{0, 0, 0, 0};
    QTest::newRow("different terrains") << QList<int>{1, 2, 0, 0} << 2 << 3 << 0 << QList<int>{1, 2, 3, 0};
    QTest::newRow("repeat from a file blocks a third terrain")
        << QList<int>{5, 5, 0, 0} << 2 << 1 << 1 << QList<int>{5, 5, 0, 0};
    QTest::newRow("message once per repeated terrain")
        << QList<int>{5, 5, 7, 7} << 0 << 2 << 1 << QList<int>{0, 5, 7, 7};
    QTest::newRow("two repeats, picked again")
        << QList<int>{5, 5, 7, 7} << 3 << 7 << 2 << QList<int>{5, 5, 7, 0};
}

void ArmyPageTest::moveBonusRule()
{
    QFETCH(QList<int>, before);
    QFETCH(int, changed);
    QFETCH(int, picked);
    QFETCH(int, messages);
    QFETCH(QList<int>, after);
    EditorFixture editor;
    ArmyRecord army;
    std::copy(before.begin(), before.end(), army.moveBonuses.begin());
    editor.find<ArmyPage>("ArmySheet")->showRecord(army);
    Pick(editor.find<QComboBox>(kMoveBoxes[changed]), picked);
    QCOMPARE(editor.dialogs.messages,
             QStringList(messages, QStringLiteral("You cannot select the same move bonus twice!")));
    QList<int> shown;
    for (const char *name : kMoveBoxes)
        shown.append(editor.find<QComboBox>(name)->currentIndex());
    QCOMPARE(shown, after);
}

void ArmyPageTest::programSetListsNeverRunTheRule()
{
    EditorFixture editor;
    ArmyRecord army;
    army.moveBonuses = {5, 5, 5, 5};
    auto *page = editor.find<ArmyPage>("ArmySheet");
    page->showRecord(army);
    page->ResetArmyPage();
    page->showRecord(army);
    QVERIFY(editor.dialogs.messages.isEmpty());
    QCOMPARE(page->record().moveBonuses, army.moveBonuses);
}

void ArmyPageTest::pageGivesBackWhatItShows()
{
    EditorFixture editor;
    auto *page = editor.find<ArmyPage>("ArmySheet");
    const ArmyRecord army = SampleArmy();
    page->showRecord(army);
    QVERIFY(page->record() == army);
    QCOMPARE(editor.find<QComboBox>("PowerComboBox")->currentText(), QStringLiteral("Acid"));
    QCOMPARE(editor.find<QLineEdit>("NameEdit")->text(), QStringLiteral("Black Kn\u00EEghts"));
    page->ResetArmyPage();
    QVERIFY(page->record() == ArmyRecord{});
}

QTEST_MAIN(ArmyPageTest)
#include "test_army_page.moc"
