#include <array>
#include <iterator>
#include <tuple>

#include "editors/scripted_platform.h"
#include "mission_bytes.h"
#include "string_file_bytes.h"

namespace zav::testing {
namespace {

// A target file of 302 records, all zero but the given {record, place, airfield}: the place is
// the 16-bit word at offset 20 of its record, the airfield number the one at offset 28.
std::vector<std::uint8_t> target_file_bytes(const std::vector<std::array<int, 3>>& records) {
  std::vector<std::uint8_t> bytes(302 * 32, 0);
  for (const auto& [index, place, airfield] : records) {
    for (const auto& [offset, value] : {std::pair{20, place}, std::pair{28, airfield}}) {
      bytes[index * 32 + offset] = static_cast<std::uint8_t>(value & 0xFF);
      bytes[index * 32 + offset + 1] = static_cast<std::uint8_t>(value >> 8);
    }
  }
  return bytes;
}

class FrmMainTest : public EditorTest {
 protected:
  // The user picks a new file with these bytes in the dialog of the button.
  void load(Button FrmMain::*button, const std::string& name,
            const std::vector<std::uint8_t>& bytes) {
    write_bytes(dir / name, bytes);
    platform.will(dir / name);
    (main.*button).click();
  }
};

TEST_F(FrmMainTest, NameLoadersRefuseAWrongCountAndWeaponNamesFallBackToDefaults) {
  globals.names.weapon_names[0] = "changed";
  main.start_up();
  EXPECT_EQ(globals.names.weapon_names[0], "NONE");
  const struct {
    Button FrmMain::*button;
    const char* title;
    int right, wrong;
    const char* refusal;
  } loaders[] = {
      {&FrmMain::cmd_loadwnames, "Load Weapon Names", 32, 33,
       "Invalid File.  Incorrect number of weapon names.  Must be under 32 strings"},
      {&FrmMain::cmd_pnames, "Load Plane Names", 30, 29,
       "Invalid File.  Incorrect number of plane names"},
      {&FrmMain::cmd_pnames, "Load Plane Names", 30, 31,
       "Invalid File.  Incorrect number of plane names"},
      {&FrmMain::cmd_bnames, "Load Place Names", 308, 307,
       "Invalid File.  Incorrect number of place names"},
  };
  for (const auto& loader : loaders) {
    SCOPED_TRACE(loader.title);
    // 116 bytes between the header and the first name, as in the game's plane file.
    load(loader.button, "right.str", string_file_bytes(numbered("n", loader.right), 116));
    load(loader.button, "wrong.str", string_file_bytes(numbered("x", loader.wrong)));
    EXPECT_EQ(error_text(), loader.refusal);
    EXPECT_EQ(platform.open_dialogs.back().filter, "String Files (*.str)|*.str");
  }
  EXPECT_EQ(globals.names.weapon_names[31], "n31");
  EXPECT_EQ(globals.names.plane_names[29], "n29");
  EXPECT_EQ(globals.names.place_names[307], "n307");

  // A short weapon file names the first weapons; the others go back to their defaults.
  load(&FrmMain::cmd_loadwnames, "three.str", string_file_bytes({"a", "b", "c"}));
  EXPECT_EQ(globals.names.weapon_names[2], "c");
  EXPECT_EQ(globals.names.weapon_names[3], "Bomb 500lb");
  EXPECT_EQ(globals.names.weapon_names[31], "SPARE 8");
  EXPECT_EQ(platform.messages.size(), 4u);
}

TEST_F(FrmMainTest, AirfieldDataNeedsPlaceNamesAndNamesAirfieldsAfterTheirPlaces) {
  platform.will(kCancel);
  main.cmd_bnames.click();
  EXPECT_FALSE(main.cmd_airfield.enabled);
  load(&FrmMain::cmd_bnames, "places.str", string_file_bytes(numbered("place", 307)));
  EXPECT_FALSE(main.cmd_airfield.enabled);
  load(&FrmMain::cmd_bnames, "places.str", string_file_bytes(numbered("place", 308)));
  EXPECT_TRUE(main.cmd_airfield.enabled);
  load(&FrmMain::cmd_bnames, "bad.str", string_file_bytes({}));
  EXPECT_TRUE(main.cmd_airfield.enabled);  // a later failed load does not take it back

  globals.names.airfield_names[6] = "from an earlier load";
  load(&FrmMain::cmd_airfield, "targets.dat",
       target_file_bytes({{0, 3, 12}, {1, 5, 1}, {2, 9, 0}, {300, 4, 12}, {301, 300, 162}}));
  EXPECT_EQ(platform.open_dialogs.back().filter, "TARGETS.DAT|targets.dat");
  EXPECT_EQ(globals.names.airfield_names[0], "place5");
  EXPECT_EQ(globals.names.airfield_names[11], "place4");  // the later record wins
  EXPECT_EQ(globals.names.airfield_names[161], "place300");
  EXPECT_EQ(globals.names.airfield_names[6], "from an earlier load");  // no record names it
  EXPECT_EQ(platform.messages.size(), 2u);

  load(&FrmMain::cmd_airfield, "targets.dat", std::vector<std::uint8_t>(100, 1));
  EXPECT_TRUE(holds(error_text(), "targets.dat"));
  EXPECT_EQ(globals.names.airfield_names[0], "place5");
  EXPECT_EQ(main.lbl_airfields_from.caption, "targets.dat: 4 airfields named");
  platform.will(dir / "missing.str");
  main.cmd_pnames.click();
  EXPECT_TRUE(holds(error_text(), "missing.str"));
}

}  // namespace
}  // namespace zav::testing
