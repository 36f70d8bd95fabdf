#include "editors/frm_c_specialmissions/frm_c_specialmissions.h"

#include <algorithm>
#include <cstdint>
#include <memory>

#include "editors/frm_note/frm_note.h"
#include "editors/target_type_list.h"
#include "model/target_types.h"

namespace zav {
namespace {

struct MissionTrigger {
  const char* text;
  const char* parameter;  // the label of the trigger parameter, or null when it takes none
};

constexpr MissionTrigger kTriggers[] = {
    {"UNUSED", nullptr},
    {"When a Special Event Happens*", nullptr},
    {"When Campaign Phase is:", "Phase #:"},
    {"When our Capital is attacked*", nullptr},
    {"When this Specific Mission Number is reached*", nullptr},
    {"When any other Special Mission has been activated*", nullptr},
    {"When a Frontline is Reached:", "Frontline #:"},
    {"When the V-1 becomes available to Germany", nullptr},
    {"When Specific Date is Reached:", nullptr},
    {"When the Battle of the Bulge happens (?\?\?)", "?\?\?:"},
};

constexpr int kNoPlace = -1;       // a target list with no place chosen
constexpr int kNoTargetType = -1;  // the target-type list with no entry chosen
// The view codes of the speech options, in the order of the options; "Other:" is last.
constexpr int kViewCodes[] = {-1, -2, -3};
constexpr int kOther = 3;
constexpr int kLowestOtherCode = -256;  // -256 to -4 select no option

// The number a box gives: the one read, or the stored value it still shows.
std::optional<int> shown_number(const NumberBox& box, const NumberReading& reading) {
  if (!reading.refusal.empty()) return std::nullopt;
  return reading.value ? reading.value : whole_number(box.text);
}

// A list whose stored value means "nothing chosen" shows no entry and no note.
void show_or_none(PickList& list, int stored, int none) {
  list.display(stored);
  if (stored == none) list.kept.reset();
}

}  // namespace

FrmCSpecialMissions::FrmCSpecialMissions(Globals& globals, Platform& platform,
                                         WindowRegistry& registry)
    : SectionEditor(globals, platform, registry) {
  for (const MissionTrigger& trigger : kTriggers) cbo_smtrigger.entries.emplace_back(trigger.text);
  cbo_sm_type.entries = {"Escort", "Sweep", "Bomb", "Intercept", "Interdict"};
  fill_target_types(cbo_target_priority);
  cbo_weather.entries = {"Random", "Clear", "Partly Cloudy", "Heavy Clouds", "Overcast (?)"};
  cbo_formationtype.entries = {"1940 type", "1943 type",         "1944 type",
                               "1945 type", "2 PLANE FORMATION", "??? (FF FF)"};
  cbo_formationtype.values.table = {1940, 1943, 1944, 1945, -2, -1};

  cbo_smtrigger.on_choose = [this] { apply_trigger_layout(); };
  sld_chance.on_change = [this] { show_chance(); };
  sld_chance.on_drag = [this](int at) { lbl_chance.caption = std::to_string(at); };
  txt_numtargets.on_spin = [this] { enable_target_lists(); };
  txt_numtargets.on_commit = [this] { enable_target_lists(); };
  chk_sm_randomtime.on_change = [this] { enable_time(); };
  Label3.on_press = [this] { show_note(); };
  Label3.on_release = [this] { hide_note(); };
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

NumberBox FrmCSpecialMissions::event_box(const char* name, const char* spin, const char* label) {
  return NumberBox(name, spin, label, 0, 32, 1, NumberPolicy::within_storage, Storage::byte());
}

void FrmCSpecialMissions::open() {
  const PlaceNames& places = globals_.names.place_names;
  for (PickList& list : cbo_targetlist) list.entries.assign(places.begin(), places.end());
  stepper_.open(campaign().setup.num_spm, Campaign::kSpecialMissions);
}

bool FrmCSpecialMissions::frame_close() {
  hide_note();
  return SectionEditor::frame_close();
}

// A stored trigger with no entry shows its parameter, so that what the record holds is seen.
void FrmCSpecialMissions::apply_trigger_layout() {
  const bool known = cbo_smtrigger.has_selection();
  const MissionTrigger* trigger = known ? &kTriggers[cbo_smtrigger.position] : nullptr;
  const bool date = known && cbo_smtrigger.position == kDateTrigger;
  txt_sm_tp1.visible = !known || trigger->parameter != nullptr;
  if (known && trigger->parameter) txt_sm_tp1.label = trigger->parameter;
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
  cbo_smtrigger.display(m.trigger);
  apply_trigger_layout();
  const auto packed = static_cast<std::uint16_t>(m.trigger_param);
  if (m.trigger == kDateTrigger) {
    txt_sm_date.display(packed & 0xFF);
    txt_sm_month.display(packed >> 12);
    cbo_sm_year.display((packed >> 8) & 0x0F);
  } else {
    // The date fields start afresh rather than show another mission's date.
    txt_sm_date.set_spin(1);
    txt_sm_month.set_spin(1);
    cbo_sm_year.display(0);
  }
  txt_sm_tp1.display(m.trigger_param);
  sld_chance.display(m.chance);
  show_chance();
  cbo_sm_type.display(m.mission_type);
  txt_numtargets.display(m.num_targets);
  enable_target_lists();
  show_or_none(cbo_target_priority, m.target_priority, kNoTargetType);
  for (int j = 0; j < kTargets; ++j) show_or_none(cbo_targetlist[j], m.targets[j], kNoPlace);
  chk_sm_randomtime.display(m.random_time);
  txt_sm_hour.display(m.hour);
  txt_sm_minute.display(m.minute);
  enable_time();
  cbo_weather.display(m.weather);
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
    chk_standardspeech[j].display(m.standard_speech[j]);
  }
  txt_sesuccess.display(m.success_event == SpecialMission::kNoEvent ? 0 : m.success_event);
  txt_sefail.display(m.fail_event == SpecialMission::kNoEvent ? 0 : m.fail_event);
  chk_secondaryflight.display(m.secondary_flight);
  chk_secondaryflighttarget.display(m.secondary_same_target);
  cbo_formationtype.display(m.formation);
  txt_altitude.display(m.altitude);
}

bool FrmCSpecialMissions::store_mission(int index) {
  const std::optional<int> trigger = cbo_smtrigger.value();
  const bool date = trigger == kDateTrigger;
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
      const int month_byte = *month_number * 16 + *year;
      if (month_byte > 255) {
        trigger_param.refusal = "Month: " + std::to_string(*month_number) + " with year position " +
                                std::to_string(*year) + " gives the month byte " +
                                std::to_string(month_byte) +
                                ", above 255, the most the campaign file holds.";
      } else {
        trigger_param.value =
            static_cast<std::int16_t>(static_cast<std::uint16_t>(month_byte * 256 + *day_number));
      }
    }
  } else {
    trigger_param = txt_sm_tp1.read();
  }
  const NumberReading num_targets = txt_numtargets.read();
  const NumberReading hour = txt_sm_hour.read();
  const NumberReading minute = txt_sm_minute.read();
  std::array<NumberReading, kSpeechSlots> others;
  for (int j = 0; j < kSpeechSlots; ++j) {
    if (opt_speech[j].selected == kOther) others[j] = txt_other[j].read();
  }
  const NumberReading success = txt_sesuccess.read();
  const NumberReading fail = txt_sefail.read();
  NumberReading altitude = txt_altitude.read();
  // The file keeps 0 as FF FF for a mission in use, so -1 would come back as 0.
  if (trigger != 0 && shown_number(txt_altitude, altitude) == -1) {
    altitude = {std::nullopt,
                "Altitude (ft): -1 cannot be kept in the campaign file for a mission in use: "
                "its bytes would read back as 0."};
  }
  if (tell_refusals(platform_, {trigger_param, day, month, num_targets, hour, minute, others[0],
                                others[1], others[2], others[3], others[4], others[5], others[6],
                                others[7], success, fail, altitude})) {
    return false;
  }

  edit([&](Campaign& c) {
    SpecialMission& m = c.special_missions[index];
    store_value(trigger, m.trigger);
    store_value(trigger_param.value, m.trigger_param);
    store_value(std::optional(sld_chance.read()), m.chance);
    store_value(cbo_sm_type.value(), m.mission_type);
    store_value(num_targets.value, m.num_targets);
    m.target_priority =
        static_cast<std::int16_t>(cbo_target_priority.value().value_or(kNoTargetType));
    for (int j = 0; j < kTargets; ++j) {
      m.targets[j] = static_cast<std::int16_t>(cbo_targetlist[j].value().value_or(kNoPlace));
    }
    store_value(std::optional(chk_sm_randomtime.read()), m.random_time);
    store_value(hour.value, m.hour);
    store_value(minute.value, m.minute);
    store_value(cbo_weather.value(), m.weather);
    for (int j = 0; j < kSpeechSlots; ++j) {
      const int option = opt_speech[j].selected;
      if (option >= 0 && option < kOther)
        m.brief_view[j] = static_cast<std::int16_t>(kViewCodes[option]);
      if (option == kOther) store_value(others[j].value, m.brief_view[j]);
      store_value(std::optional(chk_standardspeech[j].read()), m.standard_speech[j]);
    }
    for (auto [reading, field] : {std::pair{&success, &m.success_event}, {&fail, &m.fail_event}}) {
      if (reading->value) {
        *field = *reading->value == 0 ? SpecialMission::kNoEvent
                                      : static_cast<std::uint8_t>(*reading->value);
      }
    }
    store_value(std::optional(chk_secondaryflight.read()), m.secondary_flight);
    store_value(std::optional(chk_secondaryflighttarget.read()), m.secondary_same_target);
    store_value(cbo_formationtype.value(), m.formation);
    store_value(altitude.value, m.altitude);
  });
  return true;
}

}  // namespace zav
