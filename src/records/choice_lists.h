#pragma once

#include "records/field_io.h"

#include <array>
#include <span>
#include <string_view>

namespace vellgard {

using ChoiceList = std::span<const std::string_view>;

extern const std::array<std::string_view, 11> RaceList;
extern const std::array<std::string_view, 8> MoveBonusTerrainList;
extern const std::array<std::string_view, 7> CombatTerrainList;
extern const std::array<std::string_view, 11> SoundList;
extern const std::array<std::string_view, 8> FacingList;
extern const std::array<std::string_view, 2> GenderList;

// A list with nothing chosen, as after an item index beyond the list.
constexpr int kNoSelection = -1;
constexpr int kSouthFacing = 4;

// Lower case by the plain ASCII rule; every item text is ASCII, so for the
// comparisons below this agrees with any locale's rule.
ByteText LowerCased(std::string_view text);

// The select-by-text rule: the first item equal to the text, case ignored,
// becomes the selection. When none is equal the selection stays as it was.
bool SelectByText(ChoiceList items, std::string_view text, int &selection);

// How the lower-case item text encoding writes "None".
enum class NoneStoredAs { Text, Zeros };

void WriteItemText(RecordWriter &out, ChoiceList items, int selection, int width, NoneStoredAs none);
// The selected index as a byte; no selection is written as 255.
void WriteItemIndex(RecordWriter &out, int selection);
// The stored index, or no selection when it lies beyond the list.
int ItemIndexOf(ChoiceList items, int storedByte);

// 0 for exactly "Male" (case counts), 1 for any other text.
int GenderByteOf(std::string_view genderText);
std::string_view GenderTextOf(int storedByte);

} // namespace vellgard
