#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

// The target-type list of the phases and special missions editors, and the game's codes for
// its entries: the list shows names in one order, the campaign file keeps codes in another.
namespace zav {

struct TargetType {
  std::string_view text;
  std::uint8_t code;  // the code written for this entry
};

inline constexpr int kTargetTypeCount = 44;

// What the markers of the list texts mean, a line each, and a warning about the codes.
inline constexpr const char* kTargetMarkerNote =
    "*    -  Briefed as being an AIRFIELD\n"
    "**  - FAKE TARGETS\n"
    "*** - NO BRIEFING - Also no speech files!\n"
    "- These target codes are a major cause of CTDs in campaigns.  Target codes that may work in "
    "one phase may cause a CTD in another!  A solution is to only use the RANDOM TARGET option, "
    "which eliminates the majority of crashes.";
extern const std::array<TargetType, kTargetTypeCount> kTargetTypes;

// The code written for list position `position` (0 to 43); none for a list with no entry
// selected (-1) or any other position, which the caller's field then keeps as it is.
std::optional<std::uint8_t> target_code_for_position(int position);

// The list position a stored code shows as, or none for a code with no entry. Code 22 is an
// old spelling of "Radar Tower" and reads as 21 does.
std::optional<int> target_position_for_code(int code);

// The code a list showing `code` writes back: the code of its entry, so an old spelling is
// written in the new (22 as 21); a code with no entry stays as it is.
int written_target_code(int code);

}  // namespace zav
