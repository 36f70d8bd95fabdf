#pragma once

#include <string>
#include <string_view>

#include "editors/entry_stepper.h"
#include "editors/record_form.h"
#include "editors/section_editor.h"
#include "formats/campaign.h"
#include "model/campaign_fields.h"

namespace zav {

// The plane types editor: for each plane type, its aircraft, the phases that introduce and
// replace it, the aircraft that replaces it, and its numbers. The user steps through plane
// types 1 to num_plane_types; the one on screen is stored when the user steps to another one
// and on "&Update".
class FrmCPlanes : public SectionEditor {
  RecordForm<PlaneType> form_;  // lists the controls made from fields, as they are made

 public:
  static constexpr std::string_view kFormName = "frm_c_planes";

  using SectionEditor::SectionEditor;

  std::string_view form_name() const override { return kFormName; }
  std::string caption() const override { return "Plane Types"; }
  const Control* control_at(std::string_view path) const override { return form_.control_at(path); }
  EntryStepper* stepper() override { return &stepper_; }

  NumberBox txt_currplane{"txt_currplane", "UpDown8", "Current Plane #:", 1, 1};
  Bound<PickList> cbo_planeslotnum{form_, fields::plane_type_plane_slot, "cbo_planeslotnum",
                                   "Aircraft Slot:"};
  Bound<NumberBox> txt_pstartphase{form_, fields::plane_type_start_phase, "txt_pstartphase",
                                   "UpDown9", "Phase of Introduction:"};
  Bound<NumberBox> txt_pendphase{form_, fields::plane_type_end_phase, "txt_pendphase", "UpDown10",
                                 "Phase of Replacement:"};
  Bound<PickList> cbo_replacement{form_, fields::plane_type_replacement, "cbo_replacement",
                                  "Replacement Aircraft:"};
  Bound<NumberBox> txt_planecount{form_, fields::plane_type_initial_planes, "txt_planecount",
                                  "UpDown1", "Initial # of Planes:"};
  Bound<NumberBox> txt_planeproduction{form_, fields::plane_type_production, "txt_planeproduction",
                                       "UpDown11", "Plane Production:"};
  Bound<NumberBox> txt_planestartpoints{form_, fields::plane_type_start_points,
                                        "txt_planestartpoints", "UpDown12", "Start Points:"};

  // Shows plane type 1; the caller then shows the window.
  void open() override;

  // The index of the plane type on screen, 0 to 29.
  int current_plane_type() const { return stepper_.current(); }

 private:
  void show_plane_type(int index) { form_.display(campaign().plane_types[index]); }
  // False when a box holds text that cannot be stored; the user has been told why.
  bool store_plane_type(int index) {
    return store_form(form_, [index](Campaign& c) -> PlaneType& { return c.plane_types[index]; });
  }
  bool store() override { return stepper_.store(); }
  void show_again() override { stepper_.show_again(); }

  // Steps by txt_currplane; a step to the plane type on screen stores it again.
  EntryStepper stepper_{txt_currplane, [this](int index) { return store_plane_type(index); },
                        [this](int index) { show_plane_type(index); },
                        EntryStepper::SameEntry::store_and_show};
};

}  // namespace zav
