#include "formats/mission_file.h"

#include <gtest/gtest.h>

#include <numeric>

namespace zav {
namespace {

TEST(MissionFile, EveryRowIsReadAndWrittenWhateverTheCounts) {
  MissionImage image;
  std::iota(image.begin(), image.end(), std::uint8_t{100});
  image[0] = 2;
  image[20] = 0;
  image[40] = 8;
  const Mission m = decode_mission(image);
  EXPECT_EQ(m.fighters.count, 2);
  EXPECT_EQ(m.attack.count, 0);
  EXPECT_EQ(m.bombers.count, 8);
  EXPECT_EQ(m.fighters.plane_type[7], 111);  // byte 11
  EXPECT_EQ(m.attack.chance[0], 132);        // byte 32
  EXPECT_EQ(m.bombers.chance[7], 159);       // byte 59

  MissionImage expected = image;
  for (std::size_t at : {1, 2, 3, 21, 22, 23, 41, 42, 43}) expected[at] = 0;
  EXPECT_EQ(encode_mission(m), expected);
}

}  // namespace
}  // namespace zav
