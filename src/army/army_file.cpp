#include "army/army_file.h"

#include "app/ansi_text.h"
#include "app/record_file.h"
#include "records/record_name.h"

using namespace vellgard;

namespace {

constexpr int kTerrainWidth = 9;
constexpr std::size_t kFirstMoveBonusAt = 178;

} // namespace

ByteBuffer EncodeArmy(const ArmyRecord &army, std::string_view recordName)
{
    RecordWriter out;
    out.WritePaddedText(army.name, 16);
    out.WritePaddedText(army.description, 128);
    out.WritePaddedText(recordName, 9);
    for (const int figure : {army.medalChance, army.strength, army.move, army.hits, army.turns, army.upkeep, army.view})
        out.WriteByte(figure);
    WriteItemText(out, RaceList, army.race, 18, NoneStoredAs::Text);
    for (const int terrain : army.moveBonuses)
        WriteItemText(out, MoveBonusTerrainList, terrain, kTerrainWidth, NoneStoredAs::Zeros);
    WriteItemText(out, CombatTerrainList, army.combatTerrain, kTerrainWidth, NoneStoredAs::Zeros);
    out.WriteByte(army.combatBonus);
    out.WriteZeros(2);
    out.WriteWord(army.cost);
    out.WriteWord(army.setup);
    out.WriteByte(army.power);
    out.WriteZeros(1);
    out.WriteByte(army.powerValue);
    out.WriteZeros(13);
    WriteItemIndex(out, army.sound);
    WriteItemIndex(out, army.facing);
    out.WriteZeros(4);
    return out.bytes();
}

RecordLoad<ArmyRecord> DecodeArmy(std::span<const std::uint8_t> bytes)
{
    FieldLoader in(bytes);
    ArmyRecord army;
    in.Text(0, 15, army.name);
    in.Text(16, 127, army.description);
    std::size_t offset = 153;
    for (int *figure : {&army.medalChance, &army.strength, &army.move, &army.hits, &army.turns, &army.upkeep, &army.view})
        in.Byte(offset++, *figure);

    // A race named at 169 wins over the one at 160; the editor leaves 169 empty.
    ByteText race, laterRace;
    in.Text(160, 8, race);
    in.Text(169, 8, laterRace);
    SelectByText(RaceList, race, army.race);
    SelectByText(RaceList, laterRace, army.race);

    ByteText terrain;
    for (std::size_t i = 0; i < army.moveBonuses.size(); ++i) {
        terrain.clear();
        in.Text(kFirstMoveBonusAt + i * kTerrainWidth, 8, terrain);
        SelectByText(MoveBonusTerrainList, terrain, army.moveBonuses[i]);
    }
    terrain.clear();
    in.Text(214, 8, terrain);
    SelectByText(CombatTerrainList, terrain, army.combatTerrain);

    in.Byte(223, army.combatBonus);
    in.Word(226, army.cost);
    in.Word(228, army.setup);
    in.Byte(230, army.power);
    in.Byte(232, army.powerValue);
    in.Byte(246, army.sound);
    in.Byte(247, army.facing);
    army.sound = ItemIndexOf(SoundList, army.sound);
    army.facing = ItemIndexOf(FacingList, army.facing);
    return {army, in.stoppedAt()};
}

std::optional<RecordLoad<ArmyRecord>> ReadArmyFile(const QString &path)
{
    const auto bytes = ReadRecordBytes(path, kArmyFileSize);
    if (!bytes)
        return std::nullopt;
    return DecodeArmy(*bytes);
}

bool WriteArmyFile(const QString &path, const ArmyRecord &army)
{
    const ByteBuffer bytes = EncodeArmy(army, RecordNameOf(ToAnsi(path)));
    return WriteFileSafely(path, QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}
