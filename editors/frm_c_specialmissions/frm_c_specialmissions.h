#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "editors/entry_stepper.h"
#include "editors/record_form.h"
#include "editors/section_editor.h"
#include "formats/campaign.h"

namespace zav {

// The special missions editor: one mission at a time, from 1 to the campaign's count. The
// shown mission is stored into the record when the user steps to another and on "&Update".
class FrmCSpecialMissions : public SectionEditor {
  RecordForm<SpecialMission> form_;  // lists the controls made from fields, as they are made

 public:
  static constexpr std::string_view kFormName = "frm_c_specialmissions";
  static constexpr int kTargets = std::tuple_size_v<decltype(SpecialMission::targets)>;
  static constexpr int kSpeechSlots = std::tuple_size_v<decltype(SpecialMission::brief_view)>;

  FrmCSpecialMissions(Globals& globals, Platform& platform, WindowRegistry& registry);

  std::string_view form_name() const override { return kFormName; }
  std::string caption() const override { return "Special Missions"; }
  const Control* control_at(std::string_view path) const override { return form_.control_at(path); }
  EntryStepper* stepper() override { return &stepper_; }
  // The user closed the window's frame: the note goes with it.
  bool frame_close() override;

  NumberBox txt_smnum{"txt_smnum", "UpDown38", "Special Mission #:", 1, 1};
  Bound<PickList> cbo_smtrigger{form_, fields::special_mission_trigger, "cbo_smtrigger",
                                "Mission Trigger:"};
  TextBox txt_sm_tp1 = trigger_parameter_box();
  // The date of the date trigger: the day, and the month and year packed into one byte.
  NumberBox txt_sm_date = date_box("txt_sm_date", "UpDown39", "Label100", "Date:", 1, 31);
  NumberBox txt_sm_month = date_box("txt_sm_month", "UpDown40", "Label101", "Month:", 1, 12);
  PickList cbo_sm_year = year_list();
  Bound<Slider> sld_chance{form_, fields::special_mission_chance, "sld_chance", "Chance (0-255):"};
  Label lbl_chance{"lbl_chance", "0"};
  Bound<PickList> cbo_sm_type{form_, fields::special_mission_mission_type, "cbo_sm_type",
                              "Mission Type:"};
  Bound<PickList> cbo_target_priority{form_, fields::special_mission_target_priority,
                                      "cbo_target_priority", "Target Type:"};
  Label Label3{"Label3", "NOTE"};  // shows the note window while the mouse is held on it
  // Takes any count its byte holds, as typed; the lists show as many as there are.
  Bound<NumberBox> txt_numtargets{form_,
                                  fields::special_mission_num_targets,
                                  "txt_numtargets",
                                  "UpDown1",
                                  "# Targets In List:",
                                  NumberPolicy::within_storage};
  // A position is a place index; the first "# Targets In List:" lists are enabled.
  std::array<Bound<PickList>, kTargets> cbo_targetlist = indexed<kTargets>([&](int i) {
    return Bound<PickList>(form_, fields::special_mission_targets, At{std::size_t(i)},
                           entry_name("cbo_targetlist", i),
                           "Target List:", "Target List: " + std::to_string(i + 1));
  });
  Bound<CheckBox> chk_sm_randomtime{form_, fields::special_mission_random_time, "chk_sm_randomtime",
                                    "Random Time"};
  // The hour and minute take any number their byte holds, as typed.
  Bound<NumberBox> txt_sm_hour{form_,   fields::special_mission_hour, "txt_sm_hour", "UpDown2",
                               "Hour:", NumberPolicy::within_storage};
  Bound<NumberBox> txt_sm_minute{form_,           fields::special_mission_minute,
                                 "txt_sm_minute", "UpDown3",
                                 "Minute:",       NumberPolicy::within_storage};
  Bound<PickList> cbo_weather{form_, fields::special_mission_weather, "cbo_weather", "Weather:"};
  // Each special speech slot: a view code chosen by its options, or the number beside "Other:".
  std::array<OptionGroup, kSpeechSlots> opt_speech = indexed<kSpeechSlots>([](int i) {
    return OptionGroup(entry_name("opt_speech", i), "Special Speech " + std::to_string(i + 1) + ":",
                       {{entry_name("opt_zoomtarget", i), "Zoom to Map + Tell Target"},
                        {entry_name("opt_zoom", i), "Zoom to Map"},
                        {entry_name("opt_target", i), "Tell Target"},
                        {entry_name("opt_other", i), "Other:"}});
  });
  std::array<NumberBox, kSpeechSlots> txt_other = indexed<kSpeechSlots>([](int i) {
    NumberBox box(entry_name("txt_other", i), entry_name("upd_other", i), "", 0,
                  fields::kSpeechNumber.high, 1, NumberPolicy::within_storage, Storage::word());
    box.accessible_name = "Special Speech " + std::to_string(i + 1) + ": Other";
    return box;
  });
  std::array<Bound<CheckBox>, kSpeechSlots> chk_standardspeech = indexed<kSpeechSlots>([&](int i) {
    static constexpr const char* kItems[] = {"Opening",        "Long Opening",      "Target Area",
                                             "Mission Type",   "Mission Objective", "Flak",
                                             "Enemy Fighters", "Weather Conditions"};
    return Bound<CheckBox>(form_, fields::special_mission_standard_speech, At{std::size_t(i)},
                           entry_name("chk_standardspeech", i), kItems[i]);
  });
  Bound<NumberBox> txt_sesuccess{form_, fields::special_mission_success_event, "txt_sesuccess",
                                 "UpDown12", "Special Event for SUCCESS:"};
  Bound<NumberBox> txt_sefail{form_, fields::special_mission_fail_event, "txt_sefail", "UpDown13",
                              "Special Event for FAIL:"};
  Bound<CheckBox> chk_secondaryflight{form_, fields::special_mission_secondary_flight,
                                      "chk_secondaryflight", "Always Secondary Flight?"};
  Bound<CheckBox> chk_secondaryflighttarget{form_, fields::special_mission_secondary_same_target,
                                            "chk_secondaryflighttarget",
                                            "Secondary Flight has same target?"};
  Bound<PickList> cbo_formationtype{form_, fields::special_mission_formation, "cbo_formationtype",
                                    "Formation Type:"};
  Bound<NumberBox> txt_altitude{form_, fields::special_mission_altitude, "txt_altitude", "UpDown14",
                                "Altitude (ft):"};

  // Fills the lists and shows mission 1; the caller then shows the window.
  void open() override;

  int current_mission() const { return stepper_.current(); }

 private:
  static TextBox trigger_parameter_box();
  static NumberBox date_box(const char* name, const char* spin, const char* caption_name,
                            const char* label, int minimum, int maximum);
  static PickList year_list();

  void apply_trigger_layout();
  void show_chance();
  void enable_target_lists();
  void enable_time();
  void show_note();
  void hide_note();
  void show_mission(int index);
  bool store_mission(int index);
  bool store() override { return stepper_.store(); }
  void show_again() override { stepper_.show_again(); }

  // Steps by txt_smnum.
  EntryStepper stepper_{txt_smnum, [this](int index) { return store_mission(index); },
                        [this](int index) { show_mission(index); },
                        EntryStepper::SameEntry::nothing};
};

}  // namespace zav
