#include "formats/mission_file.h"

#include <gtest/gtest.h>

#include <numeric>

#include "temp_dir.h"

namespace zav {
namespace {

using testing::read_bytes;
using testing::TempDir;
using testing::write_bytes;

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

TEST(MissionFile, SaveCutsALongerFileTo60BytesAndLoadRefusesAShortOne) {
  TempDir dir;
  const auto path = dir / "misn1.dat";
  write_bytes(path, std::vector<std::uint8_t>(64, 0x33));
  Mission m;
  m.bombers.plane_type[5] = 29;
  ASSERT_FALSE(save_mission(path, m));
  const auto written = read_bytes(path);
  ASSERT_EQ(written.size(), kMissionFileSize);
  EXPECT_EQ(written[49], 29);
  EXPECT_EQ(load_mission(path).value(), m);

  write_bytes(path, std::vector<std::uint8_t>(59, 1));
  const Result<Mission> loaded = load_mission(path);
  ASSERT_FALSE(loaded);
  EXPECT_NE(loaded.error().message().find("misn1.dat"), std::string::npos);
  EXPECT_NE(loaded.error().reason.find("59 bytes"), std::string::npos);
}

}  // namespace
}  // namespace zav
