#include "editors/frm_c_planes/frm_c_planes.h"

#include "editors/scripted_platform.h"

namespace zav::testing {
namespace {

Boxes boxes(FrmCPlanes& p) {
  return {&p.txt_pstartphase, &p.txt_pendphase, &p.txt_planecount, &p.txt_planeproduction,
          &p.txt_planestartpoints};
}

class FrmCPlanesTest : public EditorTest {
 protected:
  FrmCPlanesTest() {
    hold(globals.campaign, [](Campaign& c) {
      c.setup.num_plane_types = 15;
      // Slot, start and end phase, replacement, initial planes, production, start points.
      c.plane_types[0] = {PlaneType::kNone, 2, 9, 4, 70, 300, 1000};
      c.plane_types[1] = {40, 30, 1, PlaneType::kNone, -5, 6000};
    });
  }
};

// Edits reaching their own fields are checked through the widgets, to the saved bytes
// (desktop_test.cpp); stepping stores the entry left in frm_c_phases_test.cpp.
TEST_F(FrmCPlanesTest, NoneAndStoredValuesComeBackUnchanged) {
  const Campaign before = globals.campaign.record();
  FrmCPlanes& planes = open_section<FrmCPlanes>();
  // No plane names loaded: 30 empty entries, then the entry for none.
  EXPECT_EQ(planes.cbo_planeslotnum.entries.size(), 31u);
  EXPECT_EQ(planes.cbo_planeslotnum.position, 30);
  EXPECT_EQ(texts(boxes(planes)), (Texts{"2", "9", "70", "300", "1000"}));
  EXPECT_EQ(planes.txt_currplane.maximum, 15);
  planes.txt_currplane.spin_to(2);
  EXPECT_EQ(planes.cbo_planeslotnum.note(), "Stored value: 40");
  EXPECT_EQ(planes.cbo_replacement.position, 30);
  EXPECT_EQ(texts(boxes(planes)), (Texts{"30", "1", "-5", "6000", "0"}));
  planes.cmd_update.click();
  EXPECT_EQ(globals.campaign.record(), before);
}

TEST_F(FrmCPlanesTest, TextOutsideTheSpinsRangeStopsTheUpdate) {
  FrmCPlanes& planes = open_section<FrmCPlanes>();
  planes.txt_planecount.type("5001");
  planes.txt_pendphase.type("x");
  planes.cmd_update.click();
  const std::string refusal = error_text();
  EXPECT_TRUE(
      holds(refusal, "Initial # of Planes: \"5001\" is not a whole number from 0 to 5000."));
  EXPECT_TRUE(holds(refusal, "Phase of Replacement: \"x\""));
  EXPECT_EQ(globals.campaign.record().plane_types[0].initial_planes, 70);
  planes.txt_planecount.type("5000");
  planes.txt_pendphase.type("25");
  planes.cmd_update.click();
  EXPECT_EQ(globals.campaign.record().plane_types[0].initial_planes, 5000);
}

}  // namespace
}  // namespace zav::testing
