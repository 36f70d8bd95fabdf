#include "model/target_types.h"

#include <gtest/gtest.h>

namespace zav {
namespace {

// The codes of single entries, and 22 read as "Radar Tower", are checked through the phases
// and special missions editors; here, every entry and the gaps between the codes.
TEST(TargetTypes, EveryEntryComesBackFromItsCodeAndCodesBetweenThemHaveNone) {
  for (int position = 0; position < kTargetTypeCount; ++position) {
    EXPECT_EQ(target_position_for_code(*target_code_for_position(position)), position);
  }
  // A list with no entry selected has no code, and asking is no error.
  EXPECT_EQ(target_code_for_position(-1), std::nullopt);
  EXPECT_EQ(target_code_for_position(kTargetTypeCount), std::nullopt);
  for (int no_entry : {-1, 32, 40, 42, 56, 58, 69, 73, 232, 240, 254, 256}) {
    EXPECT_EQ(target_position_for_code(no_entry), std::nullopt) << no_entry;
  }
}

}  // namespace
}  // namespace zav
