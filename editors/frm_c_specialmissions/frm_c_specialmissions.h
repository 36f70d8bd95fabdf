#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "editors/entry_stepper.h"
#include "editors/section_editor.h"
#include "formats/campaign.h"

namespace zav {

// The special missions editor: one mission at a time, from 1 to the campaign's count. The
// shown mission is stored into the record when the user steps to another and on "&Update".
class FrmCSpecialMissions : public SectionEditor {
 public:
  static constexpr std::string_view kFormName = "frm_c_specialmissions";
  static constexpr int kTargets = 8;
  static constexpr int kSpeechSlots = 8;
  static constexpr int kDateTrigger = 8;  // "When Specific Date is Reached:"

  FrmCSpecialMissions(Globals& globals, Platform& platform, WindowRegistry& registry);

  std::string_view form_name() const override { return kFormName; }
  std::string caption() const override { return "Special Missions"; }
  // The user closed the window's frame: the note goes with it.
  bool frame_close() override;

  NumberBox txt_smnum{"txt_smnum", "UpDown38", "Special Mission #:", 1, 1};
  PickList cbo_smtrigger{"cbo_smtrigger", "Mission Trigger:"};
  TextBox txt_sm_tp1 = trigger_parameter_box();
  // The date of the date trigger: the day, and the month and year packed into one byte.
  NumberBox txt_sm_date = date_box("txt_sm_date", "UpDown39", "Label100", "Date:", 1, 31);
  NumberBox txt_sm_month = date_box("txt_sm_month", "UpDown40", "Label101", "Month:", 1, 12);
  PickList cbo_sm_year = year_list();
  Slider sld_chance{"sld_chance", "Chance (0-255):", 0, 255};
  Label lbl_chance{"lbl_chance", "0"};
  PickList cbo_sm_type{"cbo_sm_type", "Mission Type:"};
  PickList cbo_target_priority{"cbo_target_priority", "Target Type:"};  // by target-type code
  Label Label3{"Label3", "NOTE"};  // shows the note window while the mouse is held on it
  NumberBox txt_numtargets{
      "txt_numtargets", "UpDown1", "# Targets In List:",         0,
      kTargets,         1,         NumberPolicy::within_storage, Storage::byte()};
  // A position is a place index; the first "# Targets In List:" lists are enabled.
  std::array<PickList, kTargets> cbo_targetlist = indexed<kTargets>([](int i) {
    return PickList(entry_name("cbo_targetlist", i),
                    "Target List:", "Target List: " + std::to_string(i + 1));
  });
  CheckBox chk_sm_randomtime{"chk_sm_randomtime", "Random Time"};
  NumberBox txt_sm_hour{"txt_sm_hour",  "UpDown2", "Hour:", 0, 23, 1, NumberPolicy::within_storage,
                        Storage::byte()};
  NumberBox txt_sm_minute{
      "txt_sm_minute", "UpDown3", "Minute:", 0, 59, 1, NumberPolicy::within_storage,
      Storage::byte()};
  PickList cbo_weather{"cbo_weather", "Weather:"};
  // Each special speech slot: a view code chosen by its options, or the number beside "Other:".
  std::array<OptionGroup, kSpeechSlots> opt_speech = indexed<kSpeechSlots>([](int i) {
    return OptionGroup(entry_name("opt_speech", i), "Special Speech " + std::to_string(i + 1) + ":",
                       {{entry_name("opt_zoomtarget", i), "Zoom to Map + Tell Target"},
                        {entry_name("opt_zoom", i), "Zoom to Map"},
                        {entry_name("opt_target", i), "Tell Target"},
                        {entry_name("opt_other", i), "Other:"}});
  });
  std::array<NumberBox, kSpeechSlots> txt_other = indexed<kSpeechSlots>([](int i) {
    NumberBox box(entry_name("txt_other", i), entry_name("upd_other", i), "", 0, 308, 1,
                  NumberPolicy::within_storage, Storage::word());
    box.accessible_name = "Special Speech " + std::to_string(i + 1) + ": Other";
    return box;
  });
  std::array<CheckBox, kSpeechSlots> chk_standardspeech = indexed<kSpeechSlots>([](int i) {
    static constexpr const char* kItems[] = {"Opening",        "Long Opening",      "Target Area",
                                             "Mission Type",   "Mission Objective", "Flak",
                                             "Enemy Fighters", "Weather Conditions"};
    return CheckBox(entry_name("chk_standardspeech", i), kItems[i]);
  });
  NumberBox txt_sesuccess = event_box("txt_sesuccess", "UpDown12", "Special Event for SUCCESS:");
  NumberBox txt_sefail = event_box("txt_sefail", "UpDown13", "Special Event for FAIL:");
  CheckBox chk_secondaryflight{"chk_secondaryflight", "Always Secondary Flight?"};
  CheckBox chk_secondaryflighttarget{"chk_secondaryflighttarget",
                                     "Secondary Flight has same target?"};
  PickList cbo_formationtype{"cbo_formationtype", "Formation Type:"};
  NumberBox txt_altitude{
      "txt_altitude", "UpDown14", "Altitude (ft):", 0, 30000, 1000, NumberPolicy::within_storage,
      Storage::word()};

  // Fills the lists and shows mission 1; the caller then shows the window.
  void open() override;

  int current_mission() const { return stepper_.current(); }

 private:
  static TextBox trigger_parameter_box();
  static NumberBox date_box(const char* name, const char* spin, const char* caption_name,
                            const char* label, int minimum, int maximum);
  static PickList year_list();
  static NumberBox event_box(const char* name, const char* spin, const char* label);

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
