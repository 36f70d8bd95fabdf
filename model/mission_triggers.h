#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// The triggers of a special mission, and the date that one of them packs into its parameter.
namespace zav {

struct MissionTrigger {
  std::string_view text;       // the entry of the trigger list
  std::string_view parameter;  // the label of its parameter; empty when it takes none
};

inline constexpr std::array<MissionTrigger, 10> kMissionTriggers = {{
    {"UNUSED", ""},
    {"When a Special Event Happens*", ""},
    {"When Campaign Phase is:", "Phase #:"},
    {"When our Capital is attacked*", ""},
    {"When this Specific Mission Number is reached*", ""},
    {"When any other Special Mission has been activated*", ""},
    {"When a Frontline is Reached:", "Frontline #:"},
    {"When the V-1 becomes available to Germany", ""},
    {"When Specific Date is Reached:", ""},
    {"When the Battle of the Bulge happens (?\?\?)", "?\?\?:"},
}};

// "When Specific Date is Reached:", whose parameter is a packed date.
inline constexpr int kDateTrigger = 8;

// The date a special mission's date trigger packs into its one word: the day in the low byte,
// and the month times 16 plus the year's position (1940 is 0) in the high byte.
struct PackedDate {
  int day;
  int month;
  int year;

  static constexpr PackedDate unpack(std::int16_t word) {
    const auto bits = static_cast<std::uint16_t>(word);
    return {bits & 0xFF, bits >> 12, (bits >> 8) & 0x0F};
  }
  // The month byte, which the word holds only up to 255.
  constexpr int month_byte() const { return month * 16 + year; }
  constexpr std::int16_t pack() const {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(month_byte() * 256 + day));
  }
};

}  // namespace zav
