#pragma once

#include <string>
#include <string_view>

#include "editors/entry_stepper.h"
#include "editors/section_editor.h"
#include "formats/campaign.h"
#include "model/campaign_fields.h"

namespace zav {

// The plane types editor: for each plane type, its aircraft, the phases that introduce and
// replace it, the aircraft that replaces it, and its numbers. The user steps through plane
// types 1 to num_plane_types; the one on screen is stored when the user steps to another one
// and on "&Update".
class FrmCPlanes : public SectionEditor {
 public:
  static constexpr std::string_view kFormName = "frm_c_planes";

  FrmCPlanes(Globals& globals, Platform& platform, WindowRegistry& registry);

  std::string_view form_name() const override { return kFormName; }
  std::string caption() const override { return "Plane Types"; }

  NumberBox txt_currplane{"txt_currplane", "UpDown8", "Current Plane #:", 1, 1};
  PickList cbo_planeslotnum{"cbo_planeslotnum", "Aircraft Slot:"};
  NumberBox txt_pstartphase{"txt_pstartphase", "UpDown9",
                            "Phase of Introduction:", fields::plane_type_start_phase.low,
                            fields::plane_type_start_phase.high};
  NumberBox txt_pendphase{"txt_pendphase", "UpDown10",
                          "Phase of Replacement:", fields::plane_type_end_phase.low,
                          fields::plane_type_end_phase.high};
  PickList cbo_replacement{"cbo_replacement", "Replacement Aircraft:"};
  NumberBox txt_planecount{"txt_planecount",
                           "UpDown1",
                           "Initial # of Planes:",
                           fields::plane_type_initial_planes.low,
                           fields::plane_type_initial_planes.high,
                           10};
  NumberBox txt_planeproduction{"txt_planeproduction",
                                "UpDown11",
                                "Plane Production:",
                                fields::plane_type_production.low,
                                fields::plane_type_production.high,
                                10};
  NumberBox txt_planestartpoints{"txt_planestartpoints",
                                 "UpDown12",
                                 "Start Points:",
                                 fields::plane_type_start_points.low,
                                 fields::plane_type_start_points.high,
                                 100};

  // Shows plane type 1; the caller then shows the window.
  void open() override;

  // The index of the plane type on screen, 0 to 29.
  int current_plane_type() const { return stepper_.current(); }

 private:
  void show_plane_type(int index);
  // False when a box holds text that cannot be stored; the user has been told why.
  bool store_plane_type(int index);
  bool store() override { return stepper_.store(); }
  void show_again() override { stepper_.show_again(); }

  // Steps by txt_currplane; a step to the plane type on screen stores it again.
  EntryStepper stepper_{txt_currplane, [this](int index) { return store_plane_type(index); },
                        [this](int index) { show_plane_type(index); },
                        EntryStepper::SameEntry::store_and_show};
};

}  // namespace zav
