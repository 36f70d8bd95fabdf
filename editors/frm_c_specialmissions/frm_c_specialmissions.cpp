#include "editors/frm_c_specialmissions/frm_c_specialmissions.h"

#include <algorithm>
#include <cstdint>
#include <memory>

#include "editors/frm_note/frm_note.h"
#include "model/mission_triggers.h"
#include "model/target_types.h"

namespace zav {
namespace {

// The view codes of the speech options, in the order of the options; "Other:" is last.
constexpr int kViewCodes[] = {-1, -2, -3};
constexpr int kOther = 3;
constexpr int kLowestOtherCode = -256;  // -256 to -4 select no option

// The number a box gives: the one read, or the stored value it still shows.
std::optional<int> shown_number(const NumberBox& box, const NumberReading& reading) {
  if (!reading.refusal.empty()) return std::nullopt;
  return reading.value ? reading.value : whole_number(box.text);
}

}  // namespace

FrmCSpecialMissions::FrmCSpecialMissions(Globals& globals, Platform& platform,
                                         WindowRegistry& registry)
    : SectionEditor(globals, platform, registry) {
  cbo_smtrigger.on_choose = [this] { apply_trigger_layout(); };
  sld_chance.own_value_label = true;
  sld_chance.on_change = [this] { show_chance(); };
  sld_chance.on_drag = [this](int at) { lbl_chance.caption = std::to_string(at); };
  txt_numtargets.on_spin = [this] { enable_target_lists(); };
  txt_numtargets.on_commit = [this] { enable_target_lists(); };
  chk_sm_randomtime.on_change = [this] { enable_time(); };
  Label3.on_press = [this] { show_note(); };
  Label3.on_release = [this] { hide_note(); };
  // A speech slot's view code is chosen by its options.
  for (int i = 0; i < kSpeechSlots; ++i) {
    form_.name(element_path("brief_view", static_cast<std::size_t>(i)), opt_speech[i]);
  }
}

TextBox FrmCSpecialMissions::trigger_parameter_box() {
  TextBox box("txt_sm_tp1", "Trigger Parameter:", 0, 0, NumberPolicy::within_storage,
              Storage::word());
  box.caption_name = "Label94";
  box.text = "0";
  return box;
}

NumberBox FrmCSpecialMissions::date_box(const char* name, const char* spin,
                                        const char* caption_name, const char* label, int minimum,
                                        int maximum) {
  NumberBox box(name, spin, label, minimum, maximum, 1, NumberPolicy::within_storage,
                Storage::byte());
  box.caption_name = caption_name;
  return box;
}

PickList FrmCSpecialMissions::year_list() {
  PickList years("cbo_sm_year", "Year:");
  years.caption_name = "Label102";
  years.entries = {"1940", "1941", "1942", "1943", "1944", "1945"};
  return years;
}

void FrmCSpecialMissions::open() {
  form_.fill(globals_.names);
  stepper_.open(campaign().setup.num_spm, Campaign::kSpecialMissions);
}

bool FrmCSpecialMissions::frame_close() {
  hide_note();
  return SectionEditor::frame_close();
}

// A stored trigger with no entry shows its parameter, so that what the record holds is seen.
void FrmCSpecialMissions::apply_trigger_layout() {
  const bool known = cbo_smtrigger.has_selection();
  const bool date = known && cbo_smtrigger.position == kDateTrigger;
  const std::string_view parameter =
      known ? kMissionTriggers[cbo_smtrigger.position].parameter : "";
  txt_sm_tp1.visible = !known || !parameter.empty();
  if (!parameter.empty()) txt_sm_tp1.label = std::string(parameter);
  for (Control* part : {static_cast<Control*>(&txt_sm_date), static_cast<Control*>(&txt_sm_month),
                        static_cast<Control*>(&cbo_sm_year)}) {
    part->visible = date;
  }
}

void FrmCSpecialMissions::show_chance() {
  lbl_chance.caption = std::to_string(sld_chance.read());
}

void FrmCSpecialMissions::enable_target_lists() {
  const int count = txt_numtargets.number().value_or(txt_numtargets.value);
  for (int i = 0; i < kTargets; ++i) cbo_targetlist[i].enabled = i < count;
}

void FrmCSpecialMissions::enable_time() {
  const bool given = !chk_sm_randomtime.checked;
  txt_sm_hour.enabled = given;
  txt_sm_minute.enabled = given;
}

void FrmCSpecialMissions::show_note() {
  registry_.show(FrmNote::kFormName, [this] { return std::make_unique<FrmNote>(platform_); });
}

void FrmCSpecialMissions::hide_note() {
  if (FrmNote* note = registry_.find<FrmNote>()) registry_.close(*note);
}

void FrmCSpecialMissions::show_mission(int index) {
  // A secondary-flight flag above 1 shows as ticked and is taken as 1 from then on, and an old
  // spelling of a target code as the code its entry writes, as a store of the mission would
  // write them. Showing is not the user's change: no step to undo, nothing to save.
  globals_.campaign.adjust([index](Campaign& c) {
    SpecialMission& shown = c.special_missions[index];
    shown.target_priority = static_cast<std::int16_t>(written_target_code(shown.target_priority));
    shown.secondary_flight = std::min<std::uint8_t>(shown.secondary_flight, 1);
    shown.secondary_same_target = std::min<std::uint8_t>(shown.secondary_same_target, 1);
  });
  const SpecialMission& m = campaign().special_missions[index];
  form_.display(m);
  apply_trigger_layout();
  if (m.trigger == kDateTrigger) {
    const PackedDate date = PackedDate::unpack(m.trigger_param);
    txt_sm_date.display(date.day);
    txt_sm_month.display(date.month);
    cbo_sm_year.display(date.year);
  } else {
    // The date fields start afresh rather than show another mission's date.
    txt_sm_date.set_spin(1);
    txt_sm_month.set_spin(1);
    cbo_sm_year.display(0);
  }
  txt_sm_tp1.display(m.trigger_param);
  show_chance();
  enable_target_lists();
  enable_time();
  for (int j = 0; j < kSpeechSlots; ++j) {
    const int view = m.brief_view[j];
    const auto* code = std::find(std::begin(kViewCodes), std::end(kViewCodes), view);
    if (code != std::end(kViewCodes)) {
      opt_speech[j].selected = static_cast<int>(code - std::begin(kViewCodes));
      txt_other[j].set_spin(0);
    } else {
      // A code from -256 to -4 has no option: none is selected and the slot keeps it.
      opt_speech[j].selected = view >= kLowestOtherCode && view < 0 ? -1 : kOther;
      txt_other[j].display(view);
    }
  }
}

bool FrmCSpecialMissions::store_mission(int index) {
  const bool date = cbo_smtrigger.value() == kDateTrigger;
  NumberReading trigger_param;
  NumberReading day;
  NumberReading month;
  if (date) {
    day = txt_sm_date.read();
    month = txt_sm_month.read();
    const std::optional<int> day_number = shown_number(txt_sm_date, day);
    const std::optional<int> month_number = shown_number(txt_sm_month, month);
    const std::optional<int> year = cbo_sm_year.value();
    if (!year) {
      trigger_param.refusal = "Year: no year is chosen for the date.";
    } else if (day_number && month_number) {
      const PackedDate packed{*day_number, *month_number, *year};
      if (packed.month_byte() > 255) {
        trigger_param.refusal = "Month: " + std::to_string(packed.month) + " with year position " +
                                std::to_string(packed.year) + " gives the month byte " +
                                std::to_string(packed.month_byte()) +
                                ", above 255, the most the campaign file holds.";
      } else {
        trigger_param.value = packed.pack();
      }
    }
  } else {
    trigger_param = txt_sm_tp1.read();
  }
  std::vector<NumberReading> readings = {trigger_param, day, month};
  for (const NumberReading& reading : form_.readings()) readings.push_back(reading);
  std::array<NumberReading, kSpeechSlots> others;
  for (int j = 0; j < kSpeechSlots; ++j) {
    if (opt_speech[j].selected == kOther) others[j] = txt_other[j].read();
  }
  readings.insert(readings.end(), others.begin(), others.end());
  // The file keeps 0 as FF FF for a mission in use, so -1 would come back as 0.
  if (cbo_smtrigger.value() != 0 && shown_number(txt_altitude, txt_altitude.read()) == -1) {
    readings.push_back({std::nullopt,
                        "Altitude (ft): -1 cannot be kept in the campaign file for a mission in "
                        "use: its bytes would read back as 0."});
  }
  if (tell_refusals(platform_, readings)) return false;

  edit([&](Campaign& c) {
    SpecialMission& m = c.special_missions[index];
    form_.store(m);
    store_value(trigger_param.value, m.trigger_param);
    for (int j = 0; j < kSpeechSlots; ++j) {
      const int option = opt_speech[j].selected;
      if (option >= 0 && option < kOther) {
        m.brief_view[j] = static_cast<std::int16_t>(kViewCodes[option]);
      }
      if (option == kOther) store_value(others[j].value, m.brief_view[j]);
    }
  });
  return true;
}

}  // namespace zav
