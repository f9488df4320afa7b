#include "records/choice_lists.h"

#include <algorithm>

namespace vellgard {

const std::array<std::string_view, 11> RaceList = {
    "None", "Demon", "Dragon", "Dwarf", "Elf", "Gnoll", "Human", "Machine", "Monster", "Orc", "Undead",
};
const std::array<std::string_view, 8> MoveBonusTerrainList = {
    "None", "Desert", "Dungeon", "Fly", "Forest", "Hills", "Ice", "Marsh",
};
const std::array<std::string_view, 7> CombatTerrainList = {
    "None", "City", "Field", "Hills", "Ice", "Marsh", "Woods",
};
const std::array<std::string_view, 11> SoundList = {
    "None", "Walk", "March", "Stomp", "Gallop", "Sail", "Flap", "Pad", "Wagon", "Soar", "Fire",
};
const std::array<std::string_view, 8> FacingList = {
    "North", "Northeast", "East", "Southeast", "South", "Southwest", "West", "Northwest",
};
const std::array<std::string_view, 2> GenderList = {"Male", "Female"};

ByteText LowerCased(std::string_view text)
{
    ByteText lowered(text);
    std::transform(lowered.begin(), lowered.end(), lowered.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return lowered;
}

bool SelectByText(ChoiceList items, std::string_view text, int &selection)
{
    const ByteText wanted = LowerCased(text);
    const auto item = std::find_if(items.begin(), items.end(),
                                   [&](std::string_view candidate) { return LowerCased(candidate) == wanted; });
    if (item == items.end())
        return false;
    selection = static_cast<int>(item - items.begin());
    return true;
}

void WriteItemText(RecordWriter &out, ChoiceList items, int selection, int width, NoneStoredAs none)
{
    const bool chosen = selection >= 0 && selection < static_cast<int>(items.size());
    const ByteText text = chosen ? LowerCased(items[static_cast<std::size_t>(selection)]) : ByteText();
    if (none == NoneStoredAs::Zeros && text == "none")
        out.WriteZeros(width);
    else
        out.WritePaddedText(text, width);
}

void WriteItemIndex(RecordWriter &out, int selection)
{
    out.WriteByte(selection == kNoSelection ? 255 : selection);
}

int ItemIndexOf(ChoiceList items, int storedByte)
{
    return storedByte >= 0 && storedByte < static_cast<int>(items.size()) ? storedByte : kNoSelection;
}

int GenderByteOf(std::string_view genderText)
{
    return genderText == "Male" ? 0 : 1;
}

std::string_view GenderTextOf(int storedByte)
{
    return GenderList[storedByte == 0 ? 0 : 1];
}

} // namespace vellgard
