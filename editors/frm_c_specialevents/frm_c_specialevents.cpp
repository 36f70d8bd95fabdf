#include "editors/frm_c_specialevents/frm_c_specialevents.h"

#include <string>

namespace zav {
namespace {

// Applies a parameter's layout; a hidden parameter keeps its label and gets the byte's range.
void apply_parameter(NumberBox& box, const std::optional<ParameterLayout>& layout) {
  box.visible = layout.has_value();
  if (!layout) {
    box.set_range(0, 255);
    return;
  }
  box.label = std::string(layout->label);
  box.set_range(layout->minimum, layout->maximum, layout->step);
}

}  // namespace

FrmCSpecialEvents::FrmCSpecialEvents(Globals& globals, Platform& platform, WindowRegistry& registry)
    : SectionEditor(globals, platform, registry) {
  for (const EventTypeLayout& type : kEventTypes) cbo_se_type.entries.emplace_back(type.text);
  for (const TriggerLayout& trigger : kEventTriggers) {
    cbo_se_trigger.entries.emplace_back(trigger.text);
  }
  cbo_se_type.on_choose = [this] { apply_type_layout(); };
  cbo_se_trigger.on_choose = [this] { apply_trigger_layout(); };
  sld_se_chance.on_change = [this] { show_chance(); };
  sld_se_chance.on_drag = [this](int at) { lbl_se_Chance.caption = std::to_string(at); };
  txt_se_par1.on_spin = [this] {
    constexpr int kPlaneReinforcement = 3;
    if (campaign().special_events[stepper_.current()].type == kPlaneReinforcement) {
      show_plane_name();
    }
  };
}

NumberBox FrmCSpecialEvents::parameter_box(const char* name, const char* spin,
                                           const char* caption_name, const char* label) {
  NumberBox box(name, spin, label, 0, 255, 1, NumberPolicy::within_storage, Storage::word());
  box.caption_name = caption_name;
  return box;
}

void FrmCSpecialEvents::open() {
  stepper_.open(campaign().setup.num_spev, Campaign::kSpecialEvents);
}

void FrmCSpecialEvents::apply_type_layout() {
  const EventTypeLayout& type =
      cbo_se_type.has_selection() ? kEventTypes[cbo_se_type.position] : kUnknownEventType;
  apply_parameter(txt_se_par1, type.param1);
  apply_parameter(txt_se_par2, type.param2);
  lbl_plane.visible = type.plane_name;
  if (type.plane_name) show_plane_name();
}

void FrmCSpecialEvents::apply_trigger_layout() {
  const TriggerLayout& trigger = cbo_se_trigger.has_selection()
                                     ? kEventTriggers[cbo_se_trigger.position]
                                     : kUnknownEventTrigger;
  txt_se_trigger.visible = trigger.shows_parameter;
  txt_se_trigger.set_range(trigger.minimum, trigger.maximum, trigger.step);
  txt_se_trigger.set_spin(trigger.first);
}

void FrmCSpecialEvents::show_chance() {
  lbl_se_Chance.caption = std::to_string(sld_se_chance.read());
}

// The name follows the record as last stored, not the unstored text; a number that names no
// plane leaves the label as it is.
void FrmCSpecialEvents::show_plane_name() {
  const SpecialEvent& stored = campaign().special_events[stepper_.current()];
  const PlaneNames& planes = globals_.names.plane_names;
  if (stored.param1 >= 0 && stored.param1 < static_cast<int>(planes.size())) {
    lbl_plane.caption = planes[stored.param1];
  }
}

void FrmCSpecialEvents::show_event(int index) {
  const SpecialEvent& e = campaign().special_events[index];
  cbo_se_type.display(e.type);
  apply_type_layout();
  cbo_se_trigger.display(e.trigger);
  apply_trigger_layout();
  txt_se_trigger.display(e.trigger_param);
  sld_se_chance.display(e.chance);
  show_chance();
  constexpr int kMarkedParameter = -128;  // shown whatever the type allows
  if (e.param1 == kMarkedParameter) {
    txt_se_par1.set_range(kMarkedParameter, txt_se_par1.maximum, txt_se_par1.step);
  }
  txt_se_par1.display(e.param1);
  txt_se_par2.display(e.param2);
}

bool FrmCSpecialEvents::store_event(int index) {
  NumberReading trigger_param = txt_se_trigger.read();
  const TriggerLayout& trigger = cbo_se_trigger.has_selection()
                                     ? kEventTriggers[cbo_se_trigger.position]
                                     : kUnknownEventTrigger;
  if (!trigger_param.refusal.empty() && exceeds_byte(trigger)) {
    trigger_param.refusal +=
        " The campaign file keeps the trigger parameter in one byte, so a year or an air "
        "strength above 255 has no form there.";
  }
  const NumberReading param1 = txt_se_par1.read();
  const NumberReading param2 = txt_se_par2.read();
  if (tell_refusals(platform_, {trigger_param, param1, param2})) return false;

  edit([&](Campaign& c) {
    SpecialEvent& e = c.special_events[index];
    store_value(cbo_se_type.value(), e.type);
    store_value(cbo_se_trigger.value(), e.trigger);
    store_value(trigger_param.value, e.trigger_param);
    store_value(std::optional(sld_se_chance.read()), e.chance);
    store_value(param1.value, e.param1);
    store_value(param2.value, e.param2);
  });
  return true;
}

}  // namespace zav
