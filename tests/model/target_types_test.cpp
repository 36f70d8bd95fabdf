#include "model/target_types.h"

#include <gtest/gtest.h>

namespace zav {
namespace {

TEST(TargetTypes, EveryEntryComesBackFromItsCode) {
  for (int position = 0; position < kTargetTypeCount; ++position) {
    EXPECT_EQ(target_position_for_code(*target_code_for_position(position)), position);
  }
  // A list with no entry selected has no code, and asking is no error.
  EXPECT_EQ(target_code_for_position(-1), std::nullopt);
  EXPECT_EQ(target_code_for_position(kTargetTypeCount), std::nullopt);
}

TEST(TargetTypes, CodesOfTheGame) {
  auto code_of = [](std::string_view text) {
    for (int p = 0; p < kTargetTypeCount; ++p) {
      if (kTargetTypes[p].text == text) return int{*target_code_for_position(p)};
    }
    return -1;
  };
  EXPECT_EQ(code_of("Warehouse ***"), 41);
  EXPECT_EQ(code_of("Fort ***"), 23);
  EXPECT_EQ(code_of("No Target"), 255);
  EXPECT_EQ(code_of("Destroyers"), 57);

  EXPECT_EQ(target_position_for_code(21), 21);
  EXPECT_EQ(target_position_for_code(22), 21);  // both read as "Radar Tower"
  EXPECT_EQ(target_position_for_code(31), 30);
  for (int no_entry : {-1, 32, 40, 42, 56, 58, 69, 73, 232, 240, 254, 256}) {
    EXPECT_EQ(target_position_for_code(no_entry), std::nullopt) << no_entry;
  }
}

}  // namespace
}  // namespace zav
