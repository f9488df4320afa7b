#pragma once

#include "records/choice_lists.h"
#include "records/field_io.h"

#include <QString>

#include <array>
#include <optional>

// One army unit type. A new record holds the values a new army starts with;
// list fields hold item indexes of their choice lists.
struct ArmyRecord {
    vellgard::ByteText name;
    vellgard::ByteText description; // lines joined by CR LF
    int medalChance = 5;
    int strength = 1;
    int move = 6;
    int hits = 1;
    int turns = 1;
    int upkeep = 1;
    int view = 1;
    int race = 0;
    std::array<int, 4> moveBonuses{};
    int combatTerrain = 0;
    int combatBonus = 0;
    int cost = 1;
    int setup = 10;
    int power = 0; // a power code
    int powerValue = 0;
    int sound = 0;
    int facing = vellgard::kSouthFacing;

    bool operator==(const ArmyRecord &) const = default;
};

constexpr std::size_t kArmyFileSize = 252;

vellgard::ByteBuffer EncodeArmy(const ArmyRecord &army, std::string_view recordName);
vellgard::RecordLoad<ArmyRecord> DecodeArmy(std::span<const std::uint8_t> bytes);

// Empty when the file cannot be opened.
std::optional<vellgard::RecordLoad<ArmyRecord>> ReadArmyFile(const QString &path);
// Stores the record name of the path with the record.
bool WriteArmyFile(const QString &path, const ArmyRecord &army);
