#include "model/name_tables.h"

#include <gtest/gtest.h>

#include "string_file_bytes.h"
#include "temp_dir.h"

namespace zav {
namespace {

using testing::numbered;
using testing::string_file_bytes;
using testing::TempDir;
using testing::write_bytes;

class NameTablesTest : public ::testing::Test {
 protected:
  std::filesystem::path file_of(const std::vector<std::string>& strings) {
    const auto path = dir / ("names" + std::to_string(files++) + ".str");
    write_bytes(path, string_file_bytes(strings));
    return path;
  }

  TempDir dir;
  int files = 0;
  NameTables tables;
};

TEST_F(NameTablesTest, WeaponNamesStartAsDefaultsAndAFileNamesTheFirstWeaponsOnly) {
  EXPECT_EQ(tables.weapon_names, NameTables::default_weapon_names());
  ASSERT_FALSE(load_names(NameTable::weapons, file_of(numbered("W", 32)), tables));
  EXPECT_EQ(tables.weapon_names[31], "W31");

  ASSERT_FALSE(load_names(NameTable::weapons, file_of({"Gun", "Cannon", "Bomb"}), tables));
  EXPECT_EQ(tables.weapon_names[2], "Bomb");
  EXPECT_EQ(tables.weapon_names[3], "Bomb 500lb");
  EXPECT_EQ(tables.weapon_names[31], "SPARE 8");

  const NameTables before = tables;
  EXPECT_EQ(load_names(NameTable::weapons, file_of(numbered("W", 33)), tables),
            "Invalid File.  Incorrect number of weapon names.  Must be under 32 strings");
  EXPECT_EQ(tables.weapon_names, before.weapon_names);

  ASSERT_FALSE(load_names(NameTable::weapons, file_of({}), tables));
  EXPECT_EQ(tables.weapon_names, NameTables::default_weapon_names());
}

TEST_F(NameTablesTest, PlaneAndPlaceFilesNeedTheirExactCount) {
  for (int wrong : {29, 31}) {
    EXPECT_EQ(load_names(NameTable::planes, file_of(numbered("P", wrong)), tables),
              "Invalid File.  Incorrect number of plane names");
  }
  EXPECT_EQ(tables.plane_names[0], "");
  ASSERT_FALSE(load_names(NameTable::planes, file_of(numbered("P", 30)), tables));
  EXPECT_EQ(tables.plane_names[29], "P29");

  EXPECT_EQ(load_names(NameTable::places, file_of(numbered("Town", 307)), tables),
            "Invalid File.  Incorrect number of place names");

  // The count is judged before the strings are looked for: a file with a wrong count gets the
  // count's message whether its strings start past its end or it ends right after the count.
  auto past_end = string_file_bytes(numbered("P", 31));
  past_end[8] = 0xFF;
  write_bytes(dir / "past_end.str", past_end);
  write_bytes(dir / "no_strings.str", {0, 0, 0, 0, 29, 0, 0, 0});
  for (const char* name : {"past_end.str", "no_strings.str"}) {
    EXPECT_EQ(load_names(NameTable::planes, dir / name, tables),
              "Invalid File.  Incorrect number of plane names")
        << name;
  }
  ASSERT_FALSE(load_names(NameTable::places, file_of(numbered("Town", 308)), tables));
  EXPECT_EQ(tables.place_names[307], "Town307");
}

TEST_F(NameTablesTest, UnreadableFilesChangeNothingAndSayWhy) {
  ASSERT_FALSE(load_names(NameTable::planes, file_of(numbered("P", 30)), tables));
  const NameTables before = tables;

  auto cut = string_file_bytes(numbered("Q", 30));
  cut.resize(cut.size() - 2);
  write_bytes(dir / "cut.str", cut);
  const auto message = load_names(NameTable::planes, dir / "cut.str", tables);
  ASSERT_TRUE(message);
  EXPECT_NE(message->find("cut.str"), std::string::npos);
  EXPECT_NE(message->find("string 30 of 30"), std::string::npos);

  EXPECT_TRUE(load_names(NameTable::planes, dir / "missing.str", tables));
  EXPECT_EQ(tables.plane_names, before.plane_names);
}

TEST_F(NameTablesTest, AirfieldsTakeTheNamesOfTheirPlaces) {
  tables.place_names = {};
  for (int i = 0; i < 308; ++i) tables.place_names[i] = "Place" + std::to_string(i);
  tables.airfield_names[6] = "Earlier";

  TargetFile targets;
  targets.records[0] = {.place = 5, .airfield = 1};
  targets.records[1] = {.place = 9};  // not an airfield
  targets.records[2] = {.place = 20, .airfield = 12};
  targets.records[300] = {.place = 30, .airfield = 12};  // the later record wins
  targets.records[3] = {.place = 308, .airfield = 2};    // names no place
  targets.records[4] = {.place = 3, .airfield = 163};    // names no airfield
  targets.records[5] = {.place = -1, .airfield = 3};
  apply_airfields(targets, tables);

  EXPECT_EQ(tables.airfield_names[0], "Place5");
  EXPECT_EQ(tables.airfield_names[11], "Place30");
  EXPECT_EQ(tables.airfield_names[6], "Earlier");  // no record names airfield 7
  EXPECT_EQ(tables.airfield_names[1], "");
  EXPECT_EQ(tables.airfield_names[2], "");
}

TEST_F(NameTablesTest, ShortTargetFileIsRefused) {
  write_bytes(dir / "targets.dat", std::vector<std::uint8_t>(9663, 0));
  const auto message = load_airfields(dir / "targets.dat", tables);
  ASSERT_TRUE(message);
  EXPECT_NE(message->find("targets.dat"), std::string::npos);

  std::vector<std::uint8_t> file(9664, 0);
  file[20] = 5;  // record 0: place 5 ...
  file[28] = 1;  // ... is airfield 1
  tables.place_names[5] = "Caen";
  write_bytes(dir / "targets.dat", file);
  ASSERT_FALSE(load_airfields(dir / "targets.dat", tables));
  EXPECT_EQ(tables.airfield_names[0], "Caen");
}

}  // namespace
}  // namespace zav
