#include "army/army_file.h"
#include "support/army_samples.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace vellgard;

namespace {

QByteArray AsBytes(const ByteBuffer &buffer)
{
    return QByteArray(reinterpret_cast<const char *>(buffer.data()), static_cast<qsizetype>(buffer.size()));
}

ByteBuffer AsBuffer(const QByteArray &bytes)
{
    return ByteBuffer(bytes.begin(), bytes.end());
}

} // namespace

class ArmyFormatTest : public QObject {
    Q_OBJECT
private slots:
    void newArmyGivesTheKnownBytes();
    void fieldsEncodeAtTheirOffsets_data();
    void fieldsEncodeAtTheirOffsets();
    void decodeGivesBackWhatWasEncoded();
    void raceAt169WinsOverRaceAt160_data();
    void raceAt169WinsOverRaceAt160();
    void foreignValuesLoadAsTheyAre();
    void shortFileStopsAtTheFirstByteFieldPastTheEnd();
    void overlongDescriptionIsCutToItsField();
    void fileReadAndWrite();
    void readTakesNoMoreThanTheRecord();
};

void ArmyFormatTest::newArmyGivesTheKnownBytes()
{
    QCOMPARE(AsBytes(EncodeArmy(ArmyRecord{}, "KNIGHT")), NewKnightBytes());
}

void ArmyFormatTest::fieldsEncodeAtTheirOffsets_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("name") << 0 << QByteArray("Black Kn\xEEghts\0\0\0", 16);
    QTest::newRow("description") << 16 << QByteArray("Riders of the\r\n\xA0northern marches\0", 33);
    QTest::newRow("figures") << 153 << QByteArray("\x64\x09\x63\x04\x05\xC8\x07", 7);
    QTest::newRow("race Machine") << 160 << QByteArray("machine").leftJustified(18, '\0');
    QTest::newRow("move bonus Desert") << 178 << QByteArray("desert").leftJustified(9, '\0');
    QTest::newRow("move bonus Dungeon") << 187 << QByteArray("dungeon").leftJustified(9, '\0');
    QTest::newRow("move bonus None") << 196 << QByteArray(9, '\0');
    QTest::newRow("move bonus Marsh") << 205 << QByteArray("marsh").leftJustified(9, '\0');
    QTest::newRow("combat Woods") << 214 << QByteArray("woods").leftJustified(9, '\0');
    QTest::newRow("combat bonus, reserved") << 223 << QByteArray("\xFF\0\0", 3);
    QTest::newRow("cost 9999, setup 9990") << 226 << QByteArray("\x0F\x27\x06\x27", 4);
    QTest::newRow("power Acid, reserved, value") << 230 << QByteArray("\x26\0\x80", 3);
    QTest::newRow("reserved run") << 233 << QByteArray(13, '\0');
    QTest::newRow("sound, facing, reserved") << 246 << QByteArray("\x0A\x07\0\0\0\0", 6);
}

void ArmyFormatTest::fieldsEncodeAtTheirOffsets()
{
    QFETCH(int, offset);
    QFETCH(QByteArray, stored);
    const QByteArray bytes = AsBytes(EncodeArmy(SampleArmy(), "blackkn"));
    QCOMPARE(bytes.size(), 252);
    QCOMPARE(bytes.mid(offset, stored.size()), stored);
}

void ArmyFormatTest::decodeGivesBackWhatWasEncoded()
{
    const ArmyRecord army = SampleArmy();
    const auto load = DecodeArmy(EncodeArmy(army, "blackkn"));
    QVERIFY(!load.stoppedAt);
    QVERIFY(load.record == army);
    // Decoding and encoding again changes nothing but a new record name.
    const QByteArray known = NewKnightBytes();
    const ByteBuffer again = EncodeArmy(DecodeArmy(AsBuffer(known)).record, "KNIGHT");
    QCOMPARE(AsBytes(again), known);
    QByteArray renamed = known;
    renamed.replace(144, 9, QByteArray("Paladin2\0", 9));
    QCOMPARE(AsBytes(EncodeArmy(DecodeArmy(AsBuffer(known)).record, "Paladin2")), renamed);
}

void ArmyFormatTest::raceAt169WinsOverRaceAt160_data()
{
    QTest::addColumn<QByteArray>("at160");
    QTest::addColumn<QByteArray>("at169");
    QTest::addColumn<int>("race");
    QTest::newRow("elf at 169 wins") << QByteArray("ORC") << QByteArray("elf") << 4;
    QTest::newRow("empty 169 keeps 160") << QByteArray("ORC") << QByteArray() << 9;
    QTest::newRow("unknown 169 keeps 160") << QByteArray("orc") << QByteArray("pixie") << 9;
    QTest::newRow("nothing known gives None") << QByteArray("pixie") << QByteArray() << 0;
}

void ArmyFormatTest::raceAt169WinsOverRaceAt160()
{
    QFETCH(QByteArray, at160);
    QFETCH(QByteArray, at169);
    QFETCH(int, race);
    QByteArray bytes = NewKnightBytes();
    bytes.replace(160, 18, QByteArray(18, '\0'));
    bytes.replace(160, at160.size(), at160);
    bytes.replace(169, at169.size(), at169);
    QCOMPARE(DecodeArmy(AsBuffer(bytes)).record.race, race);
}

void ArmyFormatTest::foreignValuesLoadAsTheyAre()
{
    QByteArray bytes = NewKnightBytes();
    bytes.replace(178, 5, "hills");
    bytes.replace(187, 5, "HILLS");
    bytes.replace(214, 6, "woods ");
    bytes[230] = 34;
    bytes[246] = 11;
    bytes[247] = 8;
    bytes[154] = char(200);
    const ArmyRecord army = DecodeArmy(AsBuffer(bytes)).record;
    QCOMPARE(army.moveBonuses, (std::array<int, 4>{5, 5, 0, 0}));
    QCOMPARE(army.combatTerrain, 0);
    QCOMPARE(army.power, 34);
    QCOMPARE(army.sound, kNoSelection);
    QCOMPARE(army.facing, kNoSelection);
    QCOMPARE(army.strength, 200);
    const QByteArray saved = AsBytes(EncodeArmy(army, "KNIGHT"));
    QCOMPARE(saved.mid(246, 2), QByteArray("\xFF\xFF"));
}

void ArmyFormatTest::shortFileStopsAtTheFirstByteFieldPastTheEnd()
{
    const QByteArray full = AsBytes(EncodeArmy(SampleArmy(), "blackkn"));
    const ArmyRecord fresh;
    for (int length = 0; length <= 252; ++length) {
        const auto load = DecodeArmy(AsBuffer(full.left(length)));
        const ArmyRecord &army = load.record;
        std::optional<std::size_t> expectedStop;
        for (const int byteField : {153, 154, 155, 156, 157, 158, 159, 223, 230, 232, 246, 247}) {
            if (length <= byteField) {
                expectedStop = static_cast<std::size_t>(byteField);
                break;
            }
        }
        QCOMPARE(load.stoppedAt, expectedStop);
        const bool figuresRead = length > 159;
        QCOMPARE(army.view == 7, figuresRead);
        QCOMPARE(army.medalChance, length > 153 ? 100 : fresh.medalChance);
        // Texts before the stop give what is there.
        QCOMPARE(army.name, full.left(std::min(length, 13)).toStdString());
        QCOMPARE(army.race, figuresRead && length >= 167 ? 7 : 0);
        QCOMPARE(army.combatTerrain, length > 159 && length >= 219 ? 6 : 0);
        const bool pastCombat = length > 223;
        QCOMPARE(army.cost, pastCombat ? (length >= 228 ? 9999 : length == 227 ? 15 : 0) : fresh.cost);
        QCOMPARE(army.setup, pastCombat ? (length >= 230 ? 9990 : length == 229 ? 6 : 0) : fresh.setup);
        QCOMPARE(army.power, length > 230 ? 38 : 0);
        QCOMPARE(army.powerValue, length > 232 ? 128 : 0);
        QCOMPARE(army.sound, length > 246 ? 10 : 0);
        QCOMPARE(army.facing, length > 247 ? 7 : kSouthFacing);
    }
}

void ArmyFormatTest::overlongDescriptionIsCutToItsField()
{
    ArmyRecord army;
    army.description = std::string(130, 'x');
    const QByteArray bytes = AsBytes(EncodeArmy(army, "LONG"));
    QCOMPARE(bytes.size(), 252);
    QCOMPARE(bytes.mid(16, 128), QByteArray(127, 'x') + QByteArray(1, '\0'));
    QCOMPARE(bytes.mid(144, 5), QByteArray("LONG\0", 5));
}

void ArmyFormatTest::fileReadAndWrite()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Knight.ARM"));
    QVERIFY(WriteArmyFile(path, SampleArmy()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().mid(144, 9), QByteArray("Knight\0\0\0", 9));
    const auto load = ReadArmyFile(path);
    QVERIFY(load && !load->stoppedAt);
    QVERIFY(load->record == SampleArmy());
    QVERIFY(!ReadArmyFile(dir.filePath(QStringLiteral("missing.ARM"))));
    QVERIFY(!WriteArmyFile(dir.filePath(QStringLiteral("no/such/folder/x.ARM")), SampleArmy()));
}

void ArmyFormatTest::readTakesNoMoreThanTheRecord()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("BIG.ARM"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(NewKnightBytes());
    // A sparse tail: a huge file that costs nothing to make.
    QVERIFY(file.resize(qint64(4) << 30));
    file.close();
    QElapsedTimer timer;
    timer.start();
    const auto load = ReadArmyFile(path);
    QVERIFY(timer.elapsed() < 1000);
    QVERIFY(load && !load->stoppedAt);
    QCOMPARE(load->record.setup, 10);
}

QTEST_GUILESS_MAIN(ArmyFormatTest)
#include "test_army_format.moc"
