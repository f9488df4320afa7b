#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace vellgard {

using PowerCode = std::uint8_t;

struct PowerEntry {
    PowerCode code;
    std::string_view canonicalName; // lower case, what the conversions compare
    std::string_view displayName;   // the text of the entry in the choice list
};

// The 56 assigned powers in code order: 1 to 33 and 35 to 57.
extern const std::array<PowerEntry, 56> PowerTable;

// What every power control offers: "None", then the display names in
// alphabetical order. Files hold the code, never a list position.
extern const std::array<std::string_view, 57> PowerChoiceList;

// The code of a power name, case ignored; 0 for "none" and any unknown text.
PowerCode PowerCodeOf(std::string_view name);

// The canonical name of a code; "none" for 0 and every unassigned value.
std::string_view PowerNameOf(int code);

} // namespace vellgard
