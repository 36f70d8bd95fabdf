// The name tables as the files alone decide them. The counts each table takes, the weapons'
// defaults after a short file and the airfields a later record renames are checked through the
// main window's buttons (tests/editors/frm_main_test.cpp).
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

TEST_F(NameTablesTest, AnEmptyWeaponFileGivesBackEveryDefault) {
  ASSERT_FALSE(load_names(NameTable::weapons, file_of(numbered("W", 32)), tables));
  ASSERT_FALSE(load_names(NameTable::weapons, file_of({}), tables));
  EXPECT_EQ(tables.weapon_names, NameTables::default_weapon_names());
}

TEST_F(NameTablesTest, AWrongCountIsToldBeforeTheStringsAreLookedFor) {
  // Whether its strings start past its end or it ends right after the count.
  auto past_end = string_file_bytes(numbered("P", 31));
  past_end[8] = 0xFF;
  write_bytes(dir / "past_end.str", past_end);
  write_bytes(dir / "no_strings.str", {0, 0, 0, 0, 29, 0, 0, 0});
  for (const char* name : {"past_end.str", "no_strings.str"}) {
    EXPECT_EQ(load_names(NameTable::planes, dir / name, tables),
              "Invalid File.  Incorrect number of plane names")
        << name;
  }
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
  EXPECT_EQ(tables.plane_names, before.plane_names);

  write_bytes(dir / "targets.dat", std::vector<std::uint8_t>(9663, 0));  // one byte short
  EXPECT_TRUE(load_airfields(dir / "targets.dat", tables));
}

TEST_F(NameTablesTest, RecordsNamingNoPlaceOrNoAirfieldAreSkipped) {
  for (int i = 0; i < 308; ++i) tables.place_names[i] = "Place" + std::to_string(i);
  TargetFile targets;
  targets.records[0] = {.place = 5, .airfield = 1};
  targets.records[1] = {.place = 9};                   // not an airfield
  targets.records[3] = {.place = 308, .airfield = 2};  // names no place
  targets.records[4] = {.place = 3, .airfield = 163};  // names no airfield
  targets.records[5] = {.place = -1, .airfield = 3};
  apply_airfields(targets, tables);
  EXPECT_EQ(tables.airfield_names[0], "Place5");
  EXPECT_EQ(tables.airfield_names[1], "");
  EXPECT_EQ(tables.airfield_names[2], "");
}

}  // namespace
}  // namespace zav
