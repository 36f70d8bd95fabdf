#pragma once

#include <array>
#include <string>
#include <string_view>

#include "editors/record_form.h"
#include "editors/section_editor.h"
#include "formats/campaign.h"

namespace zav {

// What tells the German and the Allied forces editors apart: one design, two sets of data.
struct SideForcesForm {
  static constexpr int kBranches = std::tuple_size_v<decltype(SideForces::production)>;

  std::string_view form_name;
  std::string_view caption;
  SideForces Campaign::*record;
  std::string_view prefix;   // of the control names: "gf" gives "txt_gf_airstrength"
  std::string_view heading;  // over the industry rows
  std::string_view air_spin;
  std::string_view ground_spin;
  std::array<std::string_view, kBranches> factory_spins;
  std::array<int, kBranches> factory_steps;
};

inline constexpr SideForcesForm kGermanForces{"frm_c_germanforces",
                                              "German Forces",
                                              &Campaign::german_forces,
                                              "gf",
                                              "German Industry Production Points",
                                              "UpDown13",
                                              "UpDown16",
                                              {"UpDown17", "UpDown18", "UpDown15", "UpDown19",
                                               "UpDown20", "UpDown21", "UpDown22", "UpDown23"},
                                              {5, 5, 5, 5, 5, 5, 5, 5}};

inline constexpr SideForcesForm kAlliedForces{"frm_c_alliedforces",
                                              "Allied Forces",
                                              &Campaign::allied_forces,
                                              "af",
                                              "British Industry Production Points",
                                              "UpDown24",
                                              "UpDown25",
                                              {"UpDown26", "UpDown27", "UpDown28", "UpDown29",
                                               "UpDown30", "UpDown31", "UpDown32", "UpDown33"},
                                              // One click of 100 reaches the most factories, 50.
                                              {10, 100, 10, 100, 10, 100, 10, 100}};

// A side forces editor: a side's air and ground strength, crew quality and morale, repair
// points, and the production points and factories of its eight industries.
class FrmCSideForces : public SectionEditor {
  RecordForm<SideForces> form_;  // lists the controls made from fields, as they are made

 public:
  static constexpr int kBranches = SideForcesForm::kBranches;

  FrmCSideForces(const SideForcesForm& form, Globals& globals, Platform& platform,
                 WindowRegistry& registry);

  std::string_view form_name() const override { return side_.form_name; }
  std::string caption() const override { return std::string(side_.caption); }
  const Control* control_at(std::string_view path) const override { return form_.control_at(path); }

  Bound<NumberBox> txt_airstrength;
  Bound<NumberBox> txt_groundstrength;
  Bound<PickList> cbo_quality;
  Bound<Slider> sld_morale;
  Bound<Slider> sld_repairpoints;
  Label lbl_industry;
  std::array<Bound<Slider>, kBranches> sld_production;
  std::array<Bound<NumberBox>, kBranches> txt_factories;

  // Shows the side's record; the caller then shows the window.
  void open() override { form_.display(campaign().*side_.record); }

 private:
  bool store() override {
    return store_form(form_, [this](Campaign& c) -> SideForces& { return c.*side_.record; });
  }

  const SideForcesForm& side_;
};

}  // namespace zav
