#include "records/choice_lists.h"
#include "records/powers.h"

#include <QtTest>

#include <set>

using namespace vellgard;

namespace {

QByteArray Field(const RecordWriter &out)
{
    return QByteArray(reinterpret_cast<const char *>(out.bytes().data()), static_cast<qsizetype>(out.bytes().size()));
}

} // namespace

class PowersAndChoicesTest : public QObject {
    Q_OBJECT
private slots:
    void powerCodeOfNames_data();
    void powerCodeOfNames();
    void powerNameOfCodes_data();
    void powerNameOfCodes();
    void everyCodeRoundTripsThroughItsListEntry();
    void choiceListHoldsNoneThenTheDisplayNamesSorted();
    void selectByText_data();
    void selectByText();
    void itemTextEncodings_data();
    void itemTextEncodings();
    void itemIndexEncoding_data();
    void itemIndexEncoding();
    void genderEncoding();
};

void PowersAndChoicesTest::powerCodeOfNames_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<int>("code");
    QTest::newRow("Summon Army") << QByteArray("Summon Army") << 22;
    QTest::newRow("all capitals") << QByteArray("GOLD PER CITY") << 11;
    QTest::newRow("no prefix match") << QByteArray("gold") << 10;
    QTest::newRow("canonical") << QByteArray("questing") << 57;
    QTest::newRow("None") << QByteArray("None") << 0;
    QTest::newRow("empty") << QByteArray() << 0;
    QTest::newRow("leading blank") << QByteArray(" acid") << 0;
    QTest::newRow("double blank") << QByteArray("gold  per city") << 0;
    QTest::newRow("unknown") << QByteArray("fireball") << 0;
}

void PowersAndChoicesTest::powerCodeOfNames()
{
    QFETCH(QByteArray, name);
    QFETCH(int, code);
    QCOMPARE(int(PowerCodeOf(name.toStdString())), code);
}

void PowersAndChoicesTest::powerNameOfCodes_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("name");
    QTest::newRow("0") << 0 << QByteArray("none");
    QTest::newRow("34 is not assigned") << 34 << QByteArray("none");
    QTest::newRow("58") << 58 << QByteArray("none");
    QTest::newRow("255") << 255 << QByteArray("none");
    QTest::newRow("negative") << -1 << QByteArray("none");
    QTest::newRow("33") << 33 << QByteArray("curse");
    QTest::newRow("35") << 35 << QByteArray("teleport");
    QTest::newRow("57") << 57 << QByteArray("questing");
    QTest::newRow("38") << 38 << QByteArray("acid");
}

void PowersAndChoicesTest::powerNameOfCodes()
{
    QFETCH(int, code);
    QFETCH(QByteArray, name);
    QCOMPARE(QByteArray(PowerNameOf(code).data(), static_cast<qsizetype>(PowerNameOf(code).size())), name);
}

void PowersAndChoicesTest::everyCodeRoundTripsThroughItsListEntry()
{
    std::set<int> codes;
    for (int code = 0; code <= 255; ++code) {
        const bool assigned = (code >= 1 && code <= 33) || (code >= 35 && code <= 57);
        const std::string_view name = PowerNameOf(code);
        int position = -1;
        QVERIFY2(SelectByText(PowerChoiceList, name, position), qPrintable(QString::number(code)));
        QCOMPARE(int(PowerCodeOf(PowerChoiceList[static_cast<std::size_t>(position)])), assigned ? code : 0);
        QCOMPARE(position == 0, !assigned);
        if (assigned)
            codes.insert(position);
    }
    QCOMPARE(codes.size(), std::size_t(56));
    int acid = -1;
    QVERIFY(SelectByText(PowerChoiceList, "Acid", acid));
    QCOMPARE(acid, 1);
    QCOMPARE(int(PowerCodeOf(PowerChoiceList[1])), 38);
}

void PowersAndChoicesTest::choiceListHoldsNoneThenTheDisplayNamesSorted()
{
    QCOMPARE(PowerChoiceList[0], std::string_view("None"));
    QVERIFY(std::is_sorted(PowerChoiceList.begin() + 1, PowerChoiceList.end()));
    for (const PowerEntry &entry : PowerTable)
        QCOMPARE(LowerCased(entry.displayName), ByteText(entry.canonicalName));
    QCOMPARE(PowerChoiceList[19], std::string_view("Gold per City"));
    QCOMPARE(PowerChoiceList[56], std::string_view("Warding"));
}

void PowersAndChoicesTest::selectByText_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("found");
    QTest::addColumn<int>("selection");
    QTest::newRow("upper case") << QByteArray("DESERT") << true << 1;
    QTest::newRow("as listed") << QByteArray("Desert") << true << 1;
    QTest::newRow("lower case") << QByteArray("desert") << true << 1;
    QTest::newRow("trailing space keeps the selection") << QByteArray("desert ") << false << 6;
    QTest::newRow("empty keeps the selection") << QByteArray() << false << 6;
    QTest::newRow("none") << QByteArray("none") << true << 0;
    QTest::newRow("prefix is no match") << QByteArray("Mar") << false << 6;
}

void PowersAndChoicesTest::selectByText()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, found);
    QFETCH(int, selection);
    int chosen = 6;
    QCOMPARE(SelectByText(MoveBonusTerrainList, text.toStdString(), chosen), found);
    QCOMPARE(chosen, selection);
}

void PowersAndChoicesTest::itemTextEncodings_data()
{
    QTest::addColumn<int>("list"); // 0 race, 1 move bonus, 2 combat terrain
    QTest::addColumn<int>("selection");
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("race None") << 0 << 0 << QByteArray("none").leftJustified(18, '\0');
    QTest::newRow("race Machine") << 0 << 7 << QByteArray("machine").leftJustified(18, '\0');
    QTest::newRow("move bonus None") << 1 << 0 << QByteArray(9, '\0');
    QTest::newRow("move bonus Dungeon") << 1 << 2 << QByteArray("dungeon").leftJustified(9, '\0');
    QTest::newRow("combat None") << 2 << 0 << QByteArray(9, '\0');
    QTest::newRow("combat Woods") << 2 << 6 << QByteArray("woods").leftJustified(9, '\0');
}

void PowersAndChoicesTest::itemTextEncodings()
{
    QFETCH(int, list);
    QFETCH(int, selection);
    QFETCH(QByteArray, stored);
    const std::array<ChoiceList, 3> lists = {RaceList, MoveBonusTerrainList, CombatTerrainList};
    RecordWriter out;
    WriteItemText(out, lists[static_cast<std::size_t>(list)], selection, list == 0 ? 18 : 9,
                  list == 0 ? NoneStoredAs::Text : NoneStoredAs::Zeros);
    QCOMPARE(Field(out), stored);
}

void PowersAndChoicesTest::itemIndexEncoding_data()
{
    QTest::addColumn<int>("list"); // 0 sound, 1 facing
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("selection");
    QTest::addColumn<int>("writtenBack");
    QTest::newRow("sound Fire") << 0 << 10 << 10 << 10;
    QTest::newRow("sound beyond the list") << 0 << 11 << kNoSelection << 255;
    QTest::newRow("facing South") << 1 << 4 << 4 << 4;
    QTest::newRow("facing beyond the list") << 1 << 8 << kNoSelection << 255;
    QTest::newRow("facing 255") << 1 << 255 << kNoSelection << 255;
}

void PowersAndChoicesTest::itemIndexEncoding()
{
    QFETCH(int, list);
    QFETCH(int, stored);
    QFETCH(int, selection);
    QFETCH(int, writtenBack);
    const int chosen = ItemIndexOf(list == 0 ? ChoiceList(SoundList) : ChoiceList(FacingList), stored);
    QCOMPARE(chosen, selection);
    RecordWriter out;
    WriteItemIndex(out, chosen);
    QCOMPARE(out.bytes(), ByteBuffer{static_cast<std::uint8_t>(writtenBack)});
}

void PowersAndChoicesTest::genderEncoding()
{
    QCOMPARE(GenderByteOf("Male"), 0);
    QCOMPARE(GenderByteOf("male"), 1);
    QCOMPARE(GenderByteOf("Female"), 1);
    QCOMPARE(GenderTextOf(0), std::string_view("Male"));
    QCOMPARE(GenderTextOf(1), std::string_view("Female"));
    QCOMPARE(GenderTextOf(2), std::string_view("Female"));
    QCOMPARE(GenderByteOf(GenderTextOf(2)), 1);
}

QTEST_APPLESS_MAIN(PowersAndChoicesTest)
#include "test_powers_and_choices.moc"
