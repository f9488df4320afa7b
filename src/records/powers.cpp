#include "records/powers.h"

#include "records/choice_lists.h"

#include <algorithm>

namespace vellgard {

const std::array<PowerEntry, 56> PowerTable = {{
    {1, "leadership", "Leadership"},
    {2, "chaos", "Chaos"},
    {3, "morale", "Morale"},
    {4, "fear", "Fear"},
    {5, "siege", "Siege"},
    {6, "fortify", "Fortify"},
    {7, "movement", "Movement"},
    {8, "strength", "Strength"},
    {9, "move bonus", "Move Bonus"},
    {10, "gold", "Gold"},
    {11, "gold per city", "Gold per City"},
    {12, "engineer", "Engineer"},
    {13, "flight", "Flight"},
    {14, "hits", "Hits"},
    {15, "speed", "Speed"},
    {16, "invisibility", "Invisibility"},
    {17, "group movement", "Group Movement"},
    {18, "group hits", "Group Hits"},
    {19, "port", "Port"},
    {20, "spell", "Spell"},
    {21, "production", "Production"},
    {22, "summon army", "Summon Army"},
    {23, "view", "View"},
    {24, "group view", "Group View"},
    {25, "bless", "Bless"},
    {26, "poison", "Poison"},
    {27, "disease", "Disease"},
    {28, "assassin", "Assassin"},
    {29, "reveal map", "Reveal Map"},
    {30, "missiles", "Missiles"},
    {31, "medals", "Medals"},
    {32, "trample", "Trample"},
    {33, "curse", "Curse"},
    {35, "teleport", "Teleport"},
    {36, "summon item", "Summon Item"},
    {37, "banding", "Banding"},
    {38, "acid", "Acid"},
    {39, "lightning", "Lightning"},
    {40, "paralysis", "Paralysis"},
    {41, "warding", "Warding"},
    {42, "group acid", "Group Acid"},
    {43, "group lightning", "Group Lightning"},
    {44, "dragonslayer", "Dragonslayer"},
    {45, "demonslayer", "Demonslayer"},
    {46, "deathslayer", "Deathslayer"},
    {47, "humanslayer", "Humanslayer"},
    {48, "elfslayer", "Elfslayer"},
    {49, "dwarfslayer", "Dwarfslayer"},
    {50, "orcslayer", "Orcslayer"},
    {51, "gnollslayer", "Gnollslayer"},
    {52, "group warding", "Group Warding"},
    {53, "necromancy", "Necromancy"},
    {54, "life drain", "Life Drain"},
    {55, "renown", "Renown"},
    {56, "mana drain", "Mana Drain"},
    {57, "questing", "Questing"},
}};

const std::array<std::string_view, 57> PowerChoiceList = {
    "None", "Acid", "Assassin", "Banding", "Bless", "Chaos", "Curse", "Deathslayer",
    "Demonslayer", "Disease", "Dragonslayer", "Dwarfslayer", "Elfslayer", "Engineer", "Fear",
    "Flight", "Fortify", "Gnollslayer", "Gold", "Gold per City", "Group Acid", "Group Hits",
    "Group Lightning", "Group Movement", "Group View", "Group Warding", "Hits", "Humanslayer",
    "Invisibility", "Leadership", "Life Drain", "Lightning", "Mana Drain", "Medals", "Missiles",
    "Morale", "Move Bonus", "Movement", "Necromancy", "Orcslayer", "Paralysis", "Poison", "Port",
    "Production", "Questing", "Renown", "Reveal Map", "Siege", "Speed", "Spell", "Strength",
    "Summon Army", "Summon Item", "Teleport", "Trample", "View", "Warding",
};

PowerCode PowerCodeOf(std::string_view name)
{
    const ByteText lowered = LowerCased(name);
    const auto entry = std::find_if(PowerTable.begin(), PowerTable.end(),
                                    [&](const PowerEntry &power) { return power.canonicalName == lowered; });
    return entry == PowerTable.end() ? PowerCode{0} : entry->code;
}

std::string_view PowerNameOf(int code)
{
    const auto entry = std::find_if(PowerTable.begin(), PowerTable.end(),
                                    [&](const PowerEntry &power) { return power.code == code; });
    return entry == PowerTable.end() ? std::string_view("none") : entry->canonicalName;
}

} // namespace vellgard
